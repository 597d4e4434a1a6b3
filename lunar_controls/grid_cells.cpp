#include "lunar_controls/grid_cells.h"

#include <array>

#include "lunar/month_page.h"
#include "platform/platform.h"

namespace lunar_controls::grid_cells {
namespace {

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

const QString& SolarText(const lunar::SolarDate& date) {
    static const auto days =
        MakeTexts<lunar::LongestGregorianMonth>([](size_t i) { return QString::number(i + 1); });
    static const auto firsts = MakeTexts<lunar::MonthsPerYear>(
        [](size_t i) { return QString::number(i + 1) + QStringLiteral(".1"); });
    if (date.month < 1 || date.month > lunar::MonthsPerYear || date.day < 1 ||
        date.day > lunar::LongestGregorianMonth)
        return NoText();
    if (date.day == 1) return firsts[date.month - 1u];
    return days[date.day - 1u];
}

// The names are GBK in the lunar tables and converted once here: every
// page shows 42 of them.
const QString& LunarDayText(uint16_t day) {
    static const auto days = MakeTexts<lunar::LongestLunarMonth>(
        [](size_t i) { return platform::GbkToQString(lunar::LunarDayName(uint16_t(i + 1))); });
    if (day == 0 || day > lunar::LongestLunarMonth) return NoText();
    return days[day - 1u];
}

const QString& LunarText(const lunar::LunarDate& date) {
    static const auto months = MakeTexts<lunar::MonthsPerYear>([](size_t i) {
        return platform::GbkToQString(lunar::LunarMonthName(uint16_t(i + 1), false));
    });
    static const auto leapMonths = MakeTexts<lunar::MonthsPerYear>([](size_t i) {
        return platform::GbkToQString(lunar::LunarMonthName(uint16_t(i + 1), true));
    });
    if (!lunar::NamesLunarMonth(date)) return LunarDayText(date.day);
    if (date.month < 1 || date.month > lunar::MonthsPerYear) return NoText();
    return (date.isLeap ? leapMonths : months)[date.month - 1u];
}

const QString& SolarTermText(uint16_t term) {
    static const auto names = MakeTexts<lunar::SolarTermsPerYear>(
        [](size_t i) { return platform::GbkToQString(lunar::SolarTermName(uint16_t(i + 1))); });
    if (term == 0 || term > lunar::SolarTermsPerYear) return NoText();
    return names[term - 1u];
}

const QString& WeekdayText(int column) {
    static const auto names = MakeTexts<lunar::DaysPerWeek>(
        [](size_t i) { return platform::GbkToQString(lunar::WeekdayName(uint16_t(i + 1))); });
    if (column < 0 || column >= lunar::DaysPerWeek) return NoText();
    return names[size_t(column)];
}

}  // namespace lunar_controls::grid_cells
