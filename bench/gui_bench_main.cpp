// The in-process GUI benchmarks run inside the real program: its runtime, its
// control kinds and its main window, started as the program's entry starts
// them on Qt's offscreen platform. Once the message loop runs, the benchmarks
// run from a timer, then the program ends with their outcome.

#include <benchmark/benchmark.h>

#include <QTimer>
#include <cstdlib>

#include "engine/handlers.h"
#include "forms/embedded_template.h"
#include "lunar/controls.h"
#include "runtime/app.h"
#include "runtime/kinds.h"

namespace {

// How often the start of the message loop is looked for.
constexpr int kStartPollMs = 5;

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

runtime::ProgramHeader ProgramHeader() {
    runtime::ProgramHeader header;
    header.codeBase = engine::ProcedureTable();
    header.formTemplate = forms::EmbeddedTemplate();
    header.supportLibraries = kSupportLibraries;
    header.entryRoutine = engine::EngineMain;
    return header;
}

}  // namespace

int main(int argc, char** argv) {
    // Widgets are painted into memory; no display is needed.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    runtime::RuntimeApp app(argc, argv, ProgramHeader());
    QTimer startWatch;
    QObject::connect(&startWatch, &QTimer::timeout, [&] {
        if (!app.Started()) return;
        startWatch.stop();
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
        app.ExitProgram(0);
    });
    startWatch.start(kStartPollMs);
    return app.Run();
}
