// Every Gregorian date of the conversion range (1901-02-19 ... 2048-12-31)
// converted to its lunar date, every lunar date of the range converted to
// its Gregorian date, and both there and back, reported as conversions (or
// round trips) per second; the baseline makes the same number of DaysBetween
// calls, the arithmetic that every conversion starts from.

#include <benchmark/benchmark.h>

#include <vector>

#include "lunar/calendar.h"

namespace {

constexpr lunar::SolarDate DayNumberEpoch = {1901, 1, 1};

const std::vector<lunar::SolarDate>& RangeDates() {
    static const std::vector<lunar::SolarDate> dates = [] {
        std::vector<lunar::SolarDate> all;
        lunar::SolarDate date = lunar::FirstConvertibleDate;
        all.push_back(date);
        while (!(date == lunar::LastConvertibleDate)) {
            lunar::StepDay(date.year, date.month, date.day, true);
            all.push_back(date);
        }
        return all;
    }();
    return dates;
}

// The lunar dates of the range, in order.
const std::vector<lunar::LunarDate>& RangeLunarDates() {
    static const std::vector<lunar::LunarDate> dates = [] {
        std::vector<lunar::LunarDate> all;
        for (const lunar::SolarDate& date : RangeDates()) {
            lunar::LunarDate lunarDate;
            lunar::SolarToLunar(date.year, date.month, date.day, lunarDate);
            all.push_back(lunarDate);
        }
        return all;
    }();
    return dates;
}

void ReportRate(benchmark::State& state, size_t perIteration) {
    state.counters["conversions"] = benchmark::Counter(
        double(perIteration) * double(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_RoundTripWholeRange(benchmark::State& state) {
    const std::vector<lunar::SolarDate>& dates = RangeDates();
    for (auto _ : state) {
        for (const lunar::SolarDate& date : dates) {
            lunar::LunarDate lunarDate;
            lunar::SolarToLunar(date.year, date.month, date.day, lunarDate);
            lunar::SolarDate back;
            benchmark::DoNotOptimize(lunar::LunarToSolar(lunarDate.year, lunarDate.month,
                                                         lunarDate.day, lunarDate.isLeap, back));
            benchmark::DoNotOptimize(back);
        }
    }
    ReportRate(state, dates.size());
}
BENCHMARK(BM_RoundTripWholeRange)->Unit(benchmark::kMillisecond);

void BM_SolarToLunarWholeRange(benchmark::State& state) {
    const std::vector<lunar::SolarDate>& dates = RangeDates();
    for (auto _ : state) {
        for (const lunar::SolarDate& date : dates) {
            lunar::LunarDate lunarDate;
            benchmark::DoNotOptimize(
                lunar::SolarToLunar(date.year, date.month, date.day, lunarDate));
            benchmark::DoNotOptimize(lunarDate);
        }
    }
    ReportRate(state, dates.size());
}
BENCHMARK(BM_SolarToLunarWholeRange)->Unit(benchmark::kMillisecond);

void BM_LunarToSolarWholeRange(benchmark::State& state) {
    const std::vector<lunar::LunarDate>& dates = RangeLunarDates();
    for (auto _ : state) {
        for (const lunar::LunarDate& date : dates) {
            lunar::SolarDate solar;
            benchmark::DoNotOptimize(
                lunar::LunarToSolar(date.year, date.month, date.day, date.isLeap, solar));
            benchmark::DoNotOptimize(solar);
        }
    }
    ReportRate(state, dates.size());
}
BENCHMARK(BM_LunarToSolarWholeRange)->Unit(benchmark::kMillisecond);

void BM_DaysBetweenBaseline(benchmark::State& state) {
    const std::vector<lunar::SolarDate>& dates = RangeDates();
    for (auto _ : state) {
        for (const lunar::SolarDate& date : dates) {
            benchmark::DoNotOptimize(lunar::DaysBetween(date, DayNumberEpoch));
        }
    }
    ReportRate(state, dates.size());
}
BENCHMARK(BM_DaysBetweenBaseline)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
