#include "app/program.h"

#include <QTimer>

#include "controls/kinds/core_kinds.h"
#include "embedded/embedded_template.h"
#include "engine/handlers.h"
#include "extended_controls/extended_kinds.h"
#include "lunar_controls/lunar_kinds.h"

namespace program {
namespace {

// How often the start of the message loop is looked for.
constexpr int kStartPollMs = 5;

// The support libraries with the control kinds each brings; the runtime
// registers a library's kinds when it starts the library.
constexpr host::SupportLibrary kSupportLibraries[] = {
    {"core", nullptr, forms::kinds::kCoreKinds},
    {"lunar calendar", nullptr, lunar::kLunarKinds},
    {"extended controls", nullptr, extended_controls::kExtendedKinds},
};

}  // namespace

host::ProgramHeader HumidityProgramHeader() {
    host::ProgramHeader header;
    header.codeBase = engine::ProcedureTable();
    header.formTemplate = forms::EmbeddedTemplate();
    header.supportLibraries = kSupportLibraries;
    header.entryRoutine = engine::EngineMain;
    return header;
}

int RunProgramWith(int& argc, char** argv, std::function<void(host::RuntimeApp&)> work) {
    host::RuntimeApp app(argc, argv, HumidityProgramHeader());
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
