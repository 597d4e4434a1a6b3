#include "tests/host/app_fixture.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "controls/control_model.h"
#include "controls/kinds/core_kinds.h"
#include "forms/kind_data.h"
#include "forms/template_writer.h"
#include "runtime/convert.h"
#include "runtime/errors.h"
#include "runtime/gbk.h"

namespace app_testing {
namespace {

using forms::KindCode;
using runtime::EventRecord;
using runtime::RuntimeServices;

constexpr int kWatchdogMilliseconds = 20000;
constexpr int32_t kClickHandler = 0;
constexpr int32_t kIdleHandler = 1;
constexpr int32_t kIdleEvent = 7;

forms::UnitRecord WindowUnit(uint32_t unitId, const char* title) {
    forms::WindowData data;
    data.title = title;
    data.escCloses = 1;
    forms::UnitRecord unit;
    unit.id = unitId;
    unit.kind = uint32_t(KindCode::Window);
    unit.name = "window";
    unit.width = 240;
    unit.height = 160;
    unit.stateFlags = forms::kVisible;
    unit.kindData = forms::WriteKindData(data);
    return unit;
}

forms::UnitRecord ButtonUnit() {
    forms::ButtonData data;
    data.caption = "go";
    forms::UnitRecord unit;
    unit.id = kMainButton;
    unit.kind = uint32_t(KindCode::Button);
    unit.name = "button";
    unit.left = 10;
    unit.top = 10;
    unit.width = 80;
    unit.height = 24;
    unit.stateFlags = forms::kVisible | forms::kTabStop;
    unit.events = {{0, kClickHandler}};
    unit.kindData = forms::WriteKindData(data);
    return unit;
}

forms::WindowRecord Window(uint32_t windowId, uint32_t ownUnit, const char* title) {
    forms::WindowRecord window;
    window.windowId = windowId;
    window.units.push_back(WindowUnit(ownUnit, title));
    return window;
}

const forms::Bytes& TemplateBytes() {
    static const forms::Bytes bytes = [] {
        forms::TemplateData data;
        data.windows.push_back(Window(kMainId, 0x06010000, "main"));
        std::get<forms::UnitRecord>(data.windows[0].units[0]).events = {{kIdleEvent, kIdleHandler}};
        data.windows[0].units.push_back(ButtonUnit());
        data.windows.push_back(Window(kAboutId, 0x0601041A, "about"));
        data.windows.push_back(Window(kProfileId, 0x06010431, "profile"));
        return forms::WriteTemplate(data);
    }();
    return bytes;
}

void ClickProcedure(const RuntimeServices&, EventRecord&) {
    if (ClickAction()) ClickAction()();
}

void IdleProcedure(const RuntimeServices&, EventRecord& event) {
    IdleEvents().push_back(event.args[0]);
    event.result = int32_t(IdleEvents().size()) <= IdleEventsAskingForMore() ? 1 : 0;
}

constexpr runtime::EngineProcedure kProcedures[] = {ClickProcedure, IdleProcedure};
constexpr host::SupportLibrary kLibraries[] = {{"core", nullptr, controls::kinds::kCoreKinds}};

std::function<void()>& EntryBody() {
    static std::function<void()> body;
    return body;
}

int TestEntry(const RuntimeServices&) {
    EntryBody()();
    return 0;
}

void CountExitRoutine() {
    ++ExitRoutineCalls();
}

void ShowErrorOnStandardError(const std::string& gbkText, const std::string&) {
    std::fprintf(stderr, "error box: %s\n", runtime::GbkToUtf8(gbkText).c_str());
    std::fflush(stderr);
}

}  // namespace

std::function<void()>& ClickAction() {
    static std::function<void()> action;
    return action;
}

std::vector<int32_t>& IdleEvents() {
    static std::vector<int32_t> events;
    return events;
}

int& IdleEventsAskingForMore() {
    static int count = 0;
    return count;
}

int RunProgram(std::function<void()> entry) {
    EntryBody() = std::move(entry);
    host::ProgramHeader header;
    header.codeBase = kProcedures;
    header.formTemplate = TemplateBytes();
    header.supportLibraries = kLibraries;
    header.entryRoutine = TestEntry;
    int argc = 1;
    char name[] = "host_tests";
    char* argv[] = {name, nullptr};
    host::RuntimeApp app(argc, argv, header);
    return app.Run();
}

void Initialise() {
    runtime::Services().RuntimeControl(int32_t(runtime::ControlFunction::Initialise), 0);
}

void LoadStartWindow() {
    runtime::Services().LoadStartWindow(kMainId);
}

void RunMessageLoop() {
    runtime::Services().RunMessageLoop();
}

void RegisterCountingExitRoutine() {
    runtime::Services().RuntimeControl(int32_t(runtime::ControlFunction::SetExitRoutine),
                                       reinterpret_cast<uintptr_t>(&CountExitRoutine));
}

int& ExitRoutineCalls() {
    static int calls = 0;
    return calls;
}

bool LoadWindow(uint32_t windowId, bool modal) {
    const runtime::TaggedValue args[] = {runtime::MakeWindowRef(windowId), runtime::MakeOmitted(),
                                         runtime::MakeBool(modal)};
    return runtime::Services().CallCommand(runtime::LoadWindow, 3, args).low != 0;
}

bool LoadWindowWithParent(uint32_t windowId, uint32_t parentId) {
    const runtime::TaggedValue args[] = {runtime::MakeWindowRef(windowId),
                                         runtime::MakeWindowRef(parentId),
                                         runtime::MakeBool(false)};
    return runtime::Services().CallCommand(runtime::LoadWindow, 3, args).low != 0;
}

void CloseWindow(uint32_t windowId) {
    const runtime::TaggedValue args[] = {runtime::MakeWindowRef(windowId)};
    runtime::Services().CallCommand(runtime::CloseWindow, 1, args);
}

void CloseWindowAtOnce(uint32_t windowId) {
    const runtime::TaggedValue args[] = {runtime::MakeWindowRef(windowId), runtime::MakeBool(true)};
    runtime::Services().CallCommand(runtime::CloseWindow, 2, args);
}

void ClickMainButton() {
    runtime::EventRecord record;
    record.windowId = kMainId;
    record.unitId = kMainButton;
    record.event = 0;
    host::RuntimeRequestEntry(runtime::RuntimeRequest::FireEvent,
                              reinterpret_cast<uintptr_t>(&record), 0);
}

bool IsLoaded(uint32_t windowId) {
    return controls::LoadedWindow(windowId) != nullptr;
}

void After(int ms, std::function<void()> action) {
    QTimer::singleShot(ms, qApp, std::move(action));
}

void ReportErrorsOnStandardError() {
    runtime::SetErrorPresenter(ShowErrorOnStandardError);
}

void AppTest::SetUp() {
    if (runtime::ErrorCount() != 0) {
        GTEST_SKIP() << "needs a process of its own: an earlier run in this process has ended";
    }
    // A run that never ends fails the test rather than hanging it.
    watchdog_.setSingleShot(true);
    QObject::connect(&watchdog_, &QTimer::timeout, [] {
        std::fprintf(stderr, "the run did not end within %d ms\n", kWatchdogMilliseconds);
        std::_Exit(EXIT_FAILURE);
    });
    watchdog_.start(kWatchdogMilliseconds);
}

void AppTest::TearDown() {
    watchdog_.stop();
    ClickAction() = nullptr;
}

}  // namespace app_testing
