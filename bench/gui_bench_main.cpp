// The in-process GUI benchmarks run inside the real program: its runtime, its
// control kinds and its main window, started as the program's entry starts
// them on Qt's offscreen platform. Once the message loop runs, the benchmarks
// run, then the program ends.

#include <benchmark/benchmark.h>

#include <cstdlib>

#include "app/program.h"

int main(int argc, char** argv) {
    // Widgets are painted into memory; no display is needed.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    return app::RunProgramWith(argc, argv, [](host::RuntimeApp& app) {
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
        app.ExitProgram(0);
    });
}
