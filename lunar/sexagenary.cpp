#include "lunar/calendar.h"
#include "lunar/tables.h"
#include "runtime/datetime.h"

namespace lunar {
namespace {

constexpr int CycleLength = 60;
constexpr int StemCount = 10;
constexpr int BranchCount = 12;
constexpr int StemPairs = 5;
// 1901 is 辛丑 (38); 1901-01-01 is 己卯 (16).
constexpr int YearCycleOf1901 = 38;
constexpr int DayCycleOf1901 = 16;
constexpr uint16_t FirstCycleYear = 1901;
// The double-hour 子 runs from 23:00 to 01:00, and the day turns with it.
constexpr int DayTurnHour = 23;
constexpr uint16_t StartOfSpring = 3;  // 立春

// Maps any whole number onto 1-60, where 60 follows 59 and 1 follows 60.
int WrapCycle(int value) {
    const int wrapped = (value - 1) % CycleLength;  // [-59, 59]
    return (wrapped < 0 ? wrapped + CycleLength : wrapped) + 1;
}

// Row of the month- and hour-stem tables for a stem 1-10.
int StemRow(int stem) {
    return (stem - 1) % StemPairs;  // [0, 4]
}

// The moment of t is inside the conversion range when SolarToLunar accepts
// its date.
bool InConversionRange(const runtime::DateTimeFields& t) {
    LunarDate unused;
    return SolarToLunar(uint16_t(t.year), uint16_t(t.month), uint16_t(t.day), unused);
}

int SecondOfDay(int hour, int minute, int second) {
    return (hour * 60 + minute) * 60 + second;  // [0, 86399]
}

bool TermBeginsAfter(const SolarTermRecord& record, const runtime::DateTimeFields& t) {
    return SecondOfDay(record.hour, record.minute, record.second) >
           SecondOfDay(t.hour, t.minute, t.second);
}

// The latest term that has begun by t within t's Gregorian year; 0 before
// 小寒. The walk back covers at most about 16 days.
int CurrentTerm(const runtime::DateTimeFields& t) {
    const uint16_t year = uint16_t(t.year);
    uint16_t month = uint16_t(t.month), day = uint16_t(t.day);
    const uint16_t termToday = SolarTermOn(year, month, day);
    if (termToday != 0) {
        return TermBeginsAfter(SolarTermRecordOf(year, termToday), t) ? termToday - 1 : termToday;
    }
    uint16_t walkYear = year;
    for (;;) {
        StepDay(walkYear, month, day, false);
        if (walkYear != year) return 0;
        const uint16_t term = SolarTermOn(walkYear, month, day);
        if (term != 0) return term;
    }
}

// 立春 and 雨水 give 寅 (3), each later pair of terms the next branch, and
// 大雪, 冬至 and the days before 小寒 give 子 (1).
int MonthBranchOfTerm(int term) {
    const int counted = term == 0 ? TermsPerYear : term;  // [1, 24]
    const int branch = (counted - 1) / 2 + 2;             // [2, 13]
    return branch > BranchCount ? branch - BranchCount : branch;
}

int HourBranch(int hour) {
    if (hour >= DayTurnHour || hour == 0) return 1;
    return (hour - 1) / 2 + 2;  // [2, 12]
}

}  // namespace

SexagenaryCycles SexagenaryOf(double dateTime) {
    const runtime::DateTimeFields t = runtime::SplitDateTime(dateTime);
    if (!InConversionRange(t)) return {};

    SexagenaryCycles cycles;
    cycles.year = WrapCycle(t.year - FirstCycleYear + YearCycleOf1901);
    const int term = CurrentTerm(t);
    // The sexagenary year turns at the moment of 立春.
    if (term < StartOfSpring) cycles.year = WrapCycle(cycles.year - 1);

    const int monthBranch = MonthBranchOfTerm(term);
    const int monthStem = MonthStemTable[StemRow(CycleToStemBranch(cycles.year).stem)][monthBranch];
    cycles.month = StemBranchToCycle(monthStem, monthBranch);

    const int32_t dayNumber =
        DayNumberOf({uint16_t(t.year), uint16_t(t.month), uint16_t(t.day), 0});
    cycles.day = WrapCycle(dayNumber + DayCycleOf1901 + (t.hour >= DayTurnHour ? 1 : 0));

    const int hourBranch = HourBranch(t.hour);
    const int hourStem = HourStemTable[StemRow(CycleToStemBranch(cycles.day).stem)][hourBranch];
    cycles.hour = StemBranchToCycle(hourStem, hourBranch);
    return cycles;
}

StemBranch CycleToStemBranch(int cycle) {
    if (cycle < 1 || cycle > CycleLength) return {};
    return {(cycle - 1) % StemCount + 1, (cycle - 1) % BranchCount + 1};
}

int StemBranchToCycle(int stem, int branch) {
    for (int cycle = 1; cycle <= CycleLength; ++cycle) {
        if (CycleToStemBranch(cycle) == StemBranch{stem, branch}) return cycle;
    }
    return 0;
}

}  // namespace lunar
