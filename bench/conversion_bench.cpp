// The cost of one humidity conversion as the "计算" button does it: the typed
// texts become numbers through TextToNumber, the formulas give both moisture
// sets, and the 18 results become texts through NumberToFormattedText, each
// freed afterwards. The baseline writes 18 numbers with bare snprintf.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>

#include "engine/vapour.h"
#include "runtime/convert.h"
#include "runtime/heap.h"
#include "runtime/services.h"

namespace {

using runtime::TaggedValue;

constexpr int ResultBoxes = 18;

double ToNumber(const char* text) {
    TaggedValue arg = runtime::MakeText(text);
    return runtime::AsDouble(runtime::CallCommand(runtime::TextToNumber, 1, &arg));
}

// Formats one result as its box does and frees the text, as the handler does
// after writing it.
void ShowAndFree(double value, int32_t decimals) {
    const TaggedValue args[3] = {runtime::MakeDouble(value), runtime::MakeInt(decimals),
                                 runtime::MakeBool(false)};
    TaggedValue result = runtime::CallCommand(runtime::NumberToFormattedText, 3, args);
    char* text = runtime::BitsToPointer<char>(runtime::PayloadOf(result));
    benchmark::DoNotOptimize(text);
    runtime::FreeMemory(text);
}

void ShowMoistureSet(const engine::MoistureQuantities& q) {
    ShowAndFree(q.RH, 4);
    ShowAndFree(q.Td, 2);
    ShowAndFree(q.ppm, 1);
    ShowAndFree(q.AHg, 3);
    ShowAndFree(q.AHmg, 1);
    ShowAndFree(q.x, 4);
    ShowAndFree(q.es, 3);
    ShowAndFree(q.e, 3);
    ShowAndFree(q.Tdw, 2);
}

void FullConversion(benchmark::State& state) {
    const char* typedValue = "10";
    const char* typedTemperature = "20";
    const char* typedPressure = "0.3";
    for (auto _ : state) {
        double t = ToNumber(typedTemperature);
        double v = ToNumber(typedValue);
        double es = engine::SatPressure(t);
        double e = engine::VapourPressureFromKnown(0, v, t, es);
        ShowMoistureSet(engine::MoistureSet(e, es, t, engine::StandardPressure));
        double k = engine::PressureRatio(ToNumber(typedPressure), 0);
        ShowMoistureSet(engine::MoistureSet(e / k, es, t, engine::StandardPressure));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(FullConversion);

void BareSnprintfBaseline(benchmark::State& state) {
    std::array<double, ResultBoxes> values{};
    for (int i = 0; i < ResultBoxes; ++i) values[size_t(i)] = 1229.181 * (i + 1) / 7.0;
    char buffer[64];
    for (auto _ : state) {
        for (double value : values) {
            std::snprintf(buffer, sizeof buffer, "%.4f", value);
            benchmark::DoNotOptimize(buffer);
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BareSnprintfBaseline);

}  // namespace

BENCHMARK_MAIN();
