#include "lunar_controls/grid_cells.h"

#include <array>

#include "platform/platform.h"

namespace lunar::grid_cells {
namespace {

constexpr uint16_t kMonthsPerYear = 12;
constexpr uint16_t kLongestMonth = 31;
constexpr uint16_t kLongestLunarMonth = 30;
constexpr int kWeekdays = 7;
constexpr uint16_t kSolarTerms = 24;

const QString& NoText() {
    static const QString none;
    return none;
}

template <size_t N, typename Make>
std::array<QString, N> MakeTexts(Make make) {
    std::array<QString, N> texts;
    for (size_t i = 0; i < N; ++i) texts[i] = make(i);
    return texts;
}

}  // namespace

LunarDate NextLunarDay(const LunarDate& date) {
    const uint16_t length = LunarMonthLength(date.year, date.month, date.isLeap);
    if (length == 0) return {};
    if (date.day < length) return {date.year, date.month, uint16_t(date.day + 1), date.isLeap};
    if (!date.isLeap && LeapMonthOf(date.year) == date.month)
        return {date.year, date.month, 1, true};
    if (date.month < kMonthsPerYear) return {date.year, uint16_t(date.month + 1), 1, false};
    const uint16_t nextYear = uint16_t(date.year + 1);
    if (LeapMonthOf(nextYear) == NoLeapMonthInfo) return {};
    return {nextYear, 1, 1, false};
}

const QString& SolarText(const SolarDate& date) {
    static const auto days =
        MakeTexts<kLongestMonth>([](size_t i) { return QString::number(i + 1); });
    static const auto firsts = MakeTexts<kMonthsPerYear>(
        [](size_t i) { return QString::number(i + 1) + QStringLiteral(".1"); });
    if (date.month < 1 || date.month > kMonthsPerYear || date.day < 1 || date.day > kLongestMonth)
        return NoText();
    if (date.day == 1) return firsts[date.month - 1u];
    return days[date.day - 1u];
}

// The names are GBK in the lunar tables and converted once here: every
// page shows 42 of them.
const QString& LunarDayText(uint16_t day) {
    static const auto days = MakeTexts<kLongestLunarMonth>(
        [](size_t i) { return runtime::GbkToQString(LunarDayName(uint16_t(i + 1))); });
    if (day == 0 || day > kLongestLunarMonth) return NoText();
    return days[day - 1u];
}

const QString& LunarText(const LunarDate& date) {
    static const auto months = MakeTexts<kMonthsPerYear>(
        [](size_t i) { return runtime::GbkToQString(LunarMonthName(uint16_t(i + 1), false)); });
    static const auto leapMonths = MakeTexts<kMonthsPerYear>(
        [](size_t i) { return runtime::GbkToQString(LunarMonthName(uint16_t(i + 1), true)); });
    if (date.day != 1) return LunarDayText(date.day);
    if (date.month < 1 || date.month > kMonthsPerYear) return NoText();
    return (date.isLeap ? leapMonths : months)[date.month - 1u];
}

const QString& SolarTermText(uint16_t term) {
    static const auto names = MakeTexts<kSolarTerms>(
        [](size_t i) { return runtime::GbkToQString(SolarTermName(uint16_t(i + 1))); });
    if (term == 0 || term > kSolarTerms) return NoText();
    return names[term - 1u];
}

const QString& WeekdayText(int column) {
    static const auto names = MakeTexts<kWeekdays>(
        [](size_t i) { return runtime::GbkToQString(WeekdayName(uint16_t(i + 1))); });
    if (column < 0 || column >= kWeekdays) return NoText();
    return names[size_t(column)];
}

}  // namespace lunar::grid_cells
