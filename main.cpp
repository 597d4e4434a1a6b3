// The process entry: describes the program to the runtime and runs it.

#include "engine/handlers.h"
#include "forms/embedded_template.h"
#include "runtime/app.h"
#include "runtime/kinds.h"

namespace {

// The runtime's own kinds that are not part of the control model's core set
// (timer, hyperlink box, transparent label) register when the libraries are
// started; the core kinds register themselves with the control model.
void StartRuntimeKinds(runtime::LibraryNotice notice, runtime::RequestEntry) {
    if (notice == runtime::LibraryNotice::Started) runtime::RegisterRuntimeKinds();
}

constexpr runtime::SupportLibrary kSupportLibraries[] = {
    {"core", nullptr},
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
    return app.Run();
}
