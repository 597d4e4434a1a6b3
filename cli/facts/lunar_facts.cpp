#include "cli/facts/lunar_facts.h"

#include <charconv>
#include <chrono>

#include "lunar/month_page.h"
#include "runtime/datetime.h"
#include "runtime/gbk.h"

namespace cli {
namespace {

constexpr uint16_t kFirstTermYear = 1880;
constexpr uint16_t kLastTermYear = 2079;
constexpr std::chrono::hours kChinaStandardOffset{8};
// The moment of its day that the window's date field describes.
constexpr std::string_view kDateFieldTime = " 23:59:59";

std::string Utf8(const std::string& gbk) {
    return runtime::GbkToUtf8(gbk);
}

// A number padded with zeros to `width` digits.
std::string Padded(int32_t value, int width) {
    char digits[16];
    auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
    std::string text(digits, end);
    if (text.size() < size_t(width)) text.insert(0, size_t(width) - text.size(), '0');
    return text;
}

std::string MomentText(double dateTime) {
    runtime::DateTimeFields f = runtime::SplitDateTime(dateTime);
    return Padded(f.year, 4) + "-" + Padded(f.month, 2) + "-" + Padded(f.day, 2) + " " +
           Padded(f.hour, 2) + ":" + Padded(f.minute, 2) + ":" + Padded(f.second, 2);
}

SolarTermFacts TermFacts(uint16_t year, uint16_t term) {
    return {term, Utf8(lunar::SolarTermName(term)), MomentText(lunar::SolarTermMoment(year, term))};
}

// The facts of term 1-24 of the year; none for 0, a day that begins none.
std::optional<SolarTermFacts> TermIfAny(uint16_t year, uint16_t term) {
    if (term == 0) return std::nullopt;
    return TermFacts(year, term);
}

std::optional<SolarTermFacts> TermOn(const lunar::SolarDate& date) {
    return TermIfAny(date.year, lunar::SolarTermOn(date.year, date.month, date.day));
}

std::string Pillar(int cycle) {
    lunar::StemBranch sb = lunar::CycleToStemBranch(cycle);
    return Utf8(lunar::StemBranchText(sb.stem, sb.branch));
}

}  // namespace

std::string DateText(const lunar::SolarDate& date) {
    return Padded(date.year, 4) + "-" + Padded(date.month, 2) + "-" + Padded(date.day, 2);
}

lunar::SolarDate ChinaDateOf(std::time_t moment) {
    using namespace std::chrono;
    year_month_day date{floor<days>(sys_seconds{seconds{moment}} + kChinaStandardOffset)};
    return {uint16_t(int(date.year())), uint16_t(unsigned(date.month())),
            uint16_t(unsigned(date.day())), 0};
}

std::optional<DayFacts> FactsOfDay(const lunar::SolarDate& date, const ClockTime& time) {
    DayFacts facts;
    if (!lunar::SolarToLunar(date.year, date.month, date.day, facts.lunar)) return std::nullopt;
    double moment = runtime::ComposeDateTime(date.year, date.month, date.day, time.hour,
                                             time.minute, time.second);
    lunar::SexagenaryCycles cycles = lunar::SexagenaryOf(moment);
    facts.date = date;
    facts.time = time;
    facts.weekday = lunar::WeekdayOf(date.year, date.month, date.day);
    facts.lunarMonthName = Utf8(lunar::LunarMonthName(facts.lunar.month, facts.lunar.isLeap));
    facts.lunarDayName = Utf8(lunar::LunarDayName(facts.lunar.day));
    facts.yearPillar = Pillar(cycles.year);
    facts.monthPillar = Pillar(cycles.month);
    facts.dayPillar = Pillar(cycles.day);
    facts.hourPillar = Pillar(cycles.hour);
    facts.zodiac = Utf8(lunar::ZodiacName(lunar::CycleToStemBranch(cycles.year).branch));
    facts.term = TermOn(date);
    facts.dateFieldText = Utf8(
        lunar::FormatLunarDay(date.year, date.month, date.day, lunar::DefaultLunarFormatGbk()));
    facts.dateFieldMoment = DateText(date).append(kDateFieldTime);
    return facts;
}

std::optional<std::vector<SolarTermFacts>> SolarTermsOf(uint16_t year) {
    if (year < kFirstTermYear || year > kLastTermYear) return std::nullopt;
    std::vector<SolarTermFacts> terms;
    for (uint16_t term = 1; term <= lunar::SolarTermsPerYear; ++term)
        terms.push_back(TermFacts(year, term));
    return terms;
}

// The days of the Gregorian month as the window's grid shows its page.
MonthFacts FactsOfMonth(uint16_t year, uint16_t month) {
    const lunar::MonthPage page =
        lunar::MonthPageOf({year, month, 1, 0}, lunar::PageLayout::Gregorian);
    MonthFacts facts{year, month, {}, Utf8(lunar::FooterTermsText(page))};
    for (const lunar::PageCell& cell : page) {
        if (!cell.inShownMonth) continue;
        MonthDay day{cell.solar.day, cell.weekday, std::nullopt,
                     Utf8(lunar::CellLunarName(cell.lunar)),
                     TermIfAny(cell.solar.year, cell.solarTerm)};
        if (cell.lunar.day != 0) day.lunar = cell.lunar;
        facts.days.push_back(std::move(day));
    }
    return facts;
}

std::vector<MonthFacts> FactsOfYear(uint16_t year) {
    std::vector<MonthFacts> months;
    for (uint16_t month = 1; month <= lunar::MonthsPerYear; ++month) {
        months.push_back(FactsOfMonth(year, month));
    }
    return months;
}

}  // namespace cli
