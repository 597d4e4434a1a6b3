// The process entry: describes the program to the runtime and runs it.

#include <QGuiApplication>

#include "engine/handlers.h"
#include "forms/embedded_template.h"
#include "lunar/controls.h"
#include "runtime/app.h"
#include "runtime/kinds.h"

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

constexpr runtime::SupportLibrary kSupportLibraries[] = {
    {"core", nullptr},
    {"lunar calendar", StartLunarKinds},
    {"extended controls", StartRuntimeKinds},
};

runtime::ProgramHeader MakeProgramHeader() {
    runtime::ProgramHeader header;
    header.codeBase = engine::ProcedureTable();
    header.formTemplate = forms::EmbeddedTemplate();
    header.supportLibraries = kSupportLibraries;
    header.entryRoutine = engine::EngineMain;
    return header;
}

}  // namespace

int main(int argc, char** argv) {
    runtime::RuntimeApp app(argc, argv, MakeProgramHeader());
    // Desktops match the program's windows to its installed menu entry,
    // humidity-calc.desktop, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("humidity-calc"));
    return app.Run();
}
