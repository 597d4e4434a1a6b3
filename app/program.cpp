#include "app/program.h"

#include <QTimer>

#include "controls/accessible_kinds.h"
#include "controls/kinds/core_kinds.h"
#include "embedded/embedded_template.h"
#include "engine/handlers.h"
#include "extended_controls/accessible_kinds.h"
#include "extended_controls/extended_kinds.h"
#include "lunar_controls/accessible_calendar.h"
#include "lunar_controls/lunar_kinds.h"

namespace app {
namespace {

// How often the start of the message loop is looked for.
constexpr int kStartPollMs = 5;

// A started library hands Qt the accessible interfaces of its kinds, which
// Qt makes only when assistive technology asks for them.
void StartCore(host::LibraryNotice notice, host::RequestEntry) {
    if (notice == host::LibraryNotice::Started) controls::InstallCoreAccessibility();
}
void StartLunar(host::LibraryNotice notice, host::RequestEntry) {
    if (notice == host::LibraryNotice::Started) lunar_controls::InstallLunarAccessibility();
}
void StartExtended(host::LibraryNotice notice, host::RequestEntry) {
    if (notice == host::LibraryNotice::Started) extended_controls::InstallExtendedAccessibility();
}

// The support libraries with the control kinds each brings; the runtime
// registers a library's kinds when it starts the library.
constexpr host::SupportLibrary kSupportLibraries[] = {
    {"core", StartCore, controls::kinds::kCoreKinds},
    {"lunar calendar", StartLunar, lunar_controls::kLunarKinds},
    {"extended controls", StartExtended, extended_controls::kExtendedKinds},
};

}  // namespace

host::ProgramHeader HumidityProgramHeader() {
    host::ProgramHeader header;
    header.codeBase = engine::ProcedureTable();
    header.formTemplate = embedded::EmbeddedTemplate();
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

}  // namespace app
