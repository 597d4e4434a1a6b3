#include "tests/controls/gui_fixture.h"

#include <QDir>
#include <QFile>
#include <QWindow>
#include <array>
#include <cstdlib>
#include <utility>

#include "controls/kinds/core_kinds.h"
#include "platform/platform.h"
#include "runtime/heap.h"

namespace controls::testing {
namespace {

constexpr int kModalPollMs = 50;

template <size_t Index>
void RecordCall(const runtime::RuntimeServices&, runtime::EventRecord& event) {
    Calls().push_back({Index, event.windowId, event.unitId, event.event,
                       std::vector<int32_t>(event.args, event.args + event.argCount)});
    event.result = NextResult();
}

template <size_t... Index>
constexpr std::array<runtime::EngineProcedure, sizeof...(Index)> MakeTable(
    std::index_sequence<Index...>) {
    return {RecordCall<Index>...};
}

constexpr auto kFakeTable = MakeTable(std::make_index_sequence<kFakeProcedureCount>());

void RecordGone(uint32_t windowId, size_t windowsLeft) {
    GuiTest::GoneWindows().emplace_back(windowId, windowsLeft);
}

}  // namespace

std::vector<Call>& Calls() {
    static std::vector<Call> calls;
    return calls;
}

int32_t& NextResult() {
    static int32_t result = 0;
    return result;
}

std::span<const runtime::EngineProcedure> FakeProcedures() {
    return kFakeTable;
}

void Settle() {
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

std::vector<std::pair<uint32_t, size_t>>& GuiTest::GoneWindows() {
    static std::vector<std::pair<uint32_t, size_t>> gone;
    return gone;
}

void GuiTest::SetUp() {
    Calls().clear();
    NextResult() = 0;
    GoneWindows().clear();
    SetWindowGoneHook(RecordGone);
    static runtime::RuntimeHost host{};
    FillPropertyHooks(host);
    runtime::InstallRuntimeHost(&host);
    QObject::connect(&modalWatch_, &QTimer::timeout, [] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "unexpected modal box: " << box->windowTitle().toStdString();
            box->close();
        }
    });
    modalWatch_.start(kModalPollMs);
}

void GuiTest::TearDown() {
    modalWatch_.stop();
    InstallWindowTable({});
    Settle();
    runtime::InstallRuntimeHost(nullptr);
}

void GuiTest::Install(forms::TemplateData data) {
    ASSERT_TRUE(forms::RebaseHandlers(data, FakeProcedures()));
    InstallWindowTable(std::move(data));
}

FormWindow* GuiTest::Open(uint32_t windowId) {
    if (!OpenFormWindow(windowId)) return nullptr;
    FormWindow* window = LoadedWindow(windowId);
    if (window != nullptr) {
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
    }
    Settle();
    return window;
}

runtime::Payload GuiTest::Read(uint32_t windowId, uint32_t unitId, int32_t property) {
    return runtime::Services().ReadProperty(windowId, unitId, property, -1);
}

void GuiTest::Write(uint32_t windowId, uint32_t unitId, int32_t property,
                    runtime::Payload payload) {
    runtime::Services().WriteProperty(windowId, unitId, property, -1, uint32_t(payload),
                                      uint32_t(payload >> 32));
}

std::string GuiTest::ReadText(uint32_t windowId, uint32_t unitId, int32_t property) {
    char* text = runtime::BitsToPointer<char>(Read(windowId, unitId, property));
    std::string copy = text != nullptr ? std::string(text) : std::string();
    runtime::Services().FreeMemory(text);
    return copy;
}

void GuiTest::WriteText(uint32_t windowId, uint32_t unitId, int32_t property,
                        const std::string& text) {
    char* heapText = runtime::MakeHeapText(text);
    Write(windowId, unitId, property, runtime::PointerBits(heapText));
    runtime::Services().FreeMemory(heapText);
}

void GuiTest::ClickAt(QWidget* control, QPoint point, Qt::KeyboardModifiers modifiers) {
    QWidget* window = control->window();
    const QPoint inWindow = control->mapTo(window, point);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, modifiers, inWindow);
    Settle();
}

void RegisterStandInKinds(QWidget* (*create)(const CreateRequest&)) {
    for (const forms::KindInfo& info : forms::kKinds) {
        if (FindKindDescriptor(uint32_t(info.code)) != nullptr) continue;
        RegisterKind(DescribeKind(info.code, forms::kCommonPropertyTypes, {.create = create}));
    }
}

}  // namespace controls::testing

int main(int argc, char** argv) {
    // The offscreen platform, and a private runtime directory so that Qt
    // starts without warnings; both before the application exists.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const QString runtimeDir = QDir::temp().filePath(QStringLiteral("forms_controls_xdg"));
    QDir().mkpath(runtimeDir);
    QFile::setPermissions(runtimeDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    setenv("XDG_RUNTIME_DIR", runtimeDir.toLocal8Bit().constData(), 0);
    QApplication app(argc, argv);
    platform::InstallFonts();
    controls::RegisterKinds(controls::kinds::kCoreKinds);
    ::testing::InitGoogleTest(&argc, argv);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    return RUN_ALL_TESTS();
}
