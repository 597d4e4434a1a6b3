#include "app/program.h"

#include <QTimer>

#include "embedded/embedded_template.h"
#include "engine/handlers.h"
#include "host/host_kinds.h"
#include "lunar_controls/lunar_kinds.h"

namespace program {
namespace {

// Each support library registers its control kinds when it is started; the
// control model registers the core kinds itself. The runtime's own timer,
// hyperlink box and transparent label come with the extended controls.
void StartLunarKinds(runtime::LibraryNotice notice, runtime::RequestEntry) {
    if (notice == runtime::LibraryNotice::Started) lunar::RegisterLunarKinds();
}

void StartRuntimeKinds(runtime::LibraryNotice notice, runtime::RequestEntry) {
    if (notice == runtime::LibraryNotice::Started) runtime::RegisterRuntimeKinds();
}

// How often the start of the message loop is looked for.
constexpr int kStartPollMs = 5;

constexpr runtime::SupportLibrary kSupportLibraries[] = {
    {"core", nullptr},
    {"lunar calendar", StartLunarKinds},
    {"extended controls", StartRuntimeKinds},
};

}  // namespace

runtime::ProgramHeader HumidityProgramHeader() {
    runtime::ProgramHeader header;
    header.codeBase = engine::ProcedureTable();
    header.formTemplate = forms::EmbeddedTemplate();
    header.supportLibraries = kSupportLibraries;
    header.entryRoutine = engine::EngineMain;
    return header;
}

int RunProgramWith(int& argc, char** argv, std::function<void(runtime::RuntimeApp&)> work) {
    runtime::RuntimeApp app(argc, argv, HumidityProgramHeader());
    QTimer startWatch;
    QObject::connect(&startWatch, &QTimer::timeout, [&] {
        if (!app.Started()) return;
        startWatch.stop();
        work(app);
    });
    startWatch.start(kStartPollMs);
    return app.Run();
}

}  // namespace program
