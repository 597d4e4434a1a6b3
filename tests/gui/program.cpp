#include "tests/gui/program.h"

#include <QComboBox>
#include <QTimer>

#include "engine/handlers.h"
#include "forms/controls.h"
#include "forms/embedded_template.h"
#include "lunar/controls.h"
#include "runtime/convert.h"
#include "runtime/kinds.h"
#include "runtime/services.h"
#include "tests/gui/user.h"

namespace gui_testing {
namespace {

using engine::MainUnit;

// The support libraries of the program's entry, in its order: each registers
// its control kinds when it is started.
void StartLunarKinds(runtime::LibraryNotice notice, runtime::RequestEntry) {
    if (notice == runtime::LibraryNotice::Started) lunar::RegisterLunarKinds();
}

void StartRuntimeKinds(runtime::LibraryNotice notice, runtime::RequestEntry) {
    if (notice == runtime::LibraryNotice::Started) runtime::RegisterRuntimeKinds();
}

constexpr runtime::SupportLibrary kSupportLibraries[] = {
    {"core", nullptr},
    {"lunar calendar", StartLunarKinds},
    {"extended controls", StartRuntimeKinds},
};

constexpr MainUnit kKnownCaptions[] = {MainUnit::Label7, MainUnit::Label9, MainUnit::Label10,
                                       MainUnit::Label11, MainUnit::Label12};

// How often the start of the message loop is looked for.
constexpr int kStartPollMs = 5;

}  // namespace

runtime::ProgramHeader RealProgramHeader() {
    runtime::ProgramHeader header;
    header.codeBase = engine::ProcedureTable();
    header.formTemplate = forms::EmbeddedTemplate();
    header.supportLibraries = kSupportLibraries;
    header.entryRoutine = engine::EngineMain;
    return header;
}

int RunProgram(int& argc, char** argv, std::function<void()> work) {
    runtime::RuntimeApp app(argc, argv, RealProgramHeader());
    // The entry routine loads the main window and then runs the message
    // loop; the work waits for the loop, so that it finds the window whole.
    QTimer startWatch;
    QObject::connect(&startWatch, &QTimer::timeout, [&] {
        if (!app.Started()) return;
        startWatch.stop();
        work();
    });
    startWatch.start(kStartPollMs);
    return app.Run();
}

std::string_view OptionValue(int argc, char** argv, std::string_view option) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument.starts_with(option)) return argument.substr(option.size());
    }
    return {};
}

void CloseMainWindow() {
    if (forms::LoadedWindow(kMainWindow) == nullptr) return;
    const runtime::TaggedValue window = runtime::MakeWindowRef(kMainWindow);
    runtime::Services().CallCommand(runtime::CloseWindow, 1, &window);
}

StartView& ProgramStartView() {
    static StartView view;
    return view;
}

void RecordStartView() {
    StartView& view = ProgramStartView();
    view.readAt = QDateTime::currentDateTime();
    view.pageTwoClock = TransLabelCaption(MainUnit::TransLabel3);
    if (auto* combo = qobject_cast<QComboBox*>(Control(Unit(MainUnit::ComboBox1)))) {
        view.knownQuantity = combo->currentIndex();
    }
    for (MainUnit caption : kKnownCaptions) {
        QWidget* label = Control(Unit(caption));
        if (label != nullptr && label->isVisible())
            view.shownKnownCaptions.push_back(Unit(caption));
    }
}

}  // namespace gui_testing
