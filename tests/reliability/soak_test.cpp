// A soak of the running main window: the clock ticks every millisecond while
// "计算" is clicked again and again; resident memory must stay flat and every
// text must come back to the heap.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <cstdio>

#include "forms/kind_data.h"
#include "runtime/heap.h"
#include "tests/reliability/program_session.h"

namespace reliability {
namespace {

constexpr int32_t kTimerInterval = int32_t(forms::TimerProperty::Period);
constexpr int kTicksPerClick = 100;
constexpr int kWarmUpTicks = 2000;
constexpr int64_t kAllowedGrowthBytes = 1024 * 1024;

// AddressSanitizer keeps freed blocks in quarantine and maps shadow memory as
// it goes, so resident memory says nothing about leaks there, and each tick
// costs several times more; its build runs a tenth of the ticks and leaves
// leaks to LeakSanitizer.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kSoakTicks = 10000;
constexpr bool kResidentMemoryMeaningful = false;
#else
constexpr int kSoakTicks = 100000;
constexpr bool kResidentMemoryMeaningful = true;
#endif

// Generous: a 1 ms timer cannot tick more than a thousand times a second.
constexpr int kTimeoutMs = 4 * kSoakTicks;

struct ClickTally {
    int clicks = 0;
    int resultsWritten = 0;
};

// Empties 编辑框2 and clicks "计算" through the window; the click counts as
// handled when the box holds a result again.
void ClickCompute(ClickTally& tally) {
    SetBoxText(MainUnit::RelativeHumidity, "");
    ClickThroughWindow(Button(MainUnit::ComputeButton));
    ++tally.clicks;
    if (!BoxText(MainUnit::RelativeHumidity).empty()) ++tally.resultsWritten;
}

int RunTicksClicking(int ticks, ClickTally& tally) {
    return RunClockTicks(ticks, kTimeoutMs, [&tally](int tick) {
        if (tick % kTicksPerClick == 0) ClickCompute(tally);
    });
}

TEST(Soak, ClockAtOneMillisecondWithRepeatedComputingKeepsMemoryFlat) {
    ShowPage(kHumidityPage);
    WriteNumber(MainUnit::ClockTimer, kTimerInterval, 1);
    ClickTally warmUp;
    ASSERT_EQ(RunTicksClicking(kWarmUpTicks, warmUp), kWarmUpTicks);
    Settle();

    const int64_t residentBefore = ResidentBytes();
    const runtime::HeapCounters heapBefore = runtime::CurrentHeapCounters();
    ClickTally soak;
    const int ticks = RunTicksClicking(kSoakTicks, soak);
    Settle();
    const int64_t residentAfter = ResidentBytes();
    const runtime::HeapCounters heapAfter = runtime::CurrentHeapCounters();
    WriteNumber(MainUnit::ClockTimer, kTimerInterval, windows::parts::kClockPeriod);

    const uint64_t allocations = heapAfter.allocations - heapBefore.allocations;
    const uint64_t frees = heapAfter.frees - heapBefore.frees;
    const int64_t growth = residentAfter - residentBefore;
    std::printf(
        "ticks %d, clicks %d; resident %lld -> %lld bytes (growth %lld); heap blocks "
        "handed out %llu, freed %llu\n",
        ticks, soak.clicks, static_cast<long long>(residentBefore),
        static_cast<long long>(residentAfter), static_cast<long long>(growth),
        static_cast<unsigned long long>(allocations), static_cast<unsigned long long>(frees));
    EXPECT_EQ(ticks, kSoakTicks);
    EXPECT_EQ(soak.clicks, kSoakTicks / kTicksPerClick);
    EXPECT_EQ(soak.resultsWritten, soak.clicks);
    EXPECT_EQ(allocations, frees);
    if (kResidentMemoryMeaningful) {
        EXPECT_LE(growth, kAllowedGrowthBytes);
    }
}

}  // namespace
}  // namespace reliability
