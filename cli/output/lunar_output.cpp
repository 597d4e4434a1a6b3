#include "cli/output/lunar_output.h"

#include <array>

#include "cli/text/json_csv.h"
#include "cli/text/text_table.h"
#include "runtime/gbk.h"

namespace cli {
namespace {

constexpr std::string_view kIndent = "  ";

constexpr Caption kGregorianLabel = {"公历", "Gregorian date"};
constexpr Caption kLunarLabel = {"农历", "Lunar date"};
constexpr Caption kSexagenaryLabel = {"干支", "Sexagenary"};
constexpr Caption kZodiacLabel = {"生肖", "Zodiac animal"};
constexpr Caption kSolarTermLabel = {"节气", "Solar term"};
// The date field follows the window's rule for the whole day (see DayFacts).
constexpr Caption kDateFieldLabel = {"日期框（窗口，按当日 23:59:59）",
                                     "Date field (window, as at 23:59:59)"};
constexpr Caption kNoTerm = {"无", "none"};
constexpr Message kTermsTitle = {"Solar terms of {} (China Standard Time)",
                                 "{}年二十四节气（北京时间）"};

constexpr std::array<std::string_view, 7> kEnglishWeekdays = {
    "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
constexpr std::array<std::string_view, 7> kEnglishWeekdayHeads = {"Mon", "Tue", "Wed", "Thu",
                                                                  "Fri", "Sat", "Sun"};
constexpr std::array<std::string_view, 12> kEnglishMonths = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// A cell of the month page holds up to three Chinese characters ("闰四月").
constexpr std::size_t kCellWidth = 6;
constexpr std::string_view kCellGap = " ";
constexpr std::size_t kDaysPerWeek = lunar::DaysPerWeek;

std::string Number(int64_t value) {
    return JsonNumber(value);
}

std::string WeekdayText(uint16_t weekday, Language language) {
    if (language == Language::Chinese) return runtime::GbkToUtf8(lunar::WeekdayName(weekday));
    return std::string(kEnglishWeekdays[weekday - 1]);
}

std::string TimeText(const ClockTime& time) {
    auto two = [](int32_t v) { return std::string(v < 10 ? "0" : "") + Number(v); };
    return two(time.hour) + ":" + two(time.minute) + ":" + two(time.second);
}

// "2014年正月初五" or "2014 正月初五 (month 1, day 5)".
std::string LunarText(const DayFacts& f, Language language) {
    std::string names = f.lunarMonthName + f.lunarDayName;
    if (language == Language::Chinese) return Number(f.lunar.year) + "年" + names;
    std::string month = (f.lunar.isLeap ? "leap month " : "month ") + Number(f.lunar.month);
    return Number(f.lunar.year) + " " + names + " (" + month + ", day " + Number(f.lunar.day) + ")";
}

std::string SexagenaryText(const DayFacts& f) {
    return f.yearPillar + "年 " + f.monthPillar + "月 " + f.dayPillar + "日 " + f.hourPillar + "时";
}

std::string TermText(const std::optional<SolarTermFacts>& term, Language language) {
    if (!term) return std::string(CaptionIn(kNoTerm, language));
    return term->name + " " + term->moment;
}

void WriteDayTable(std::ostream& out, const DayFacts& f, Language language) {
    TextTable table({Align::Left, Align::Left});
    auto row = [&](const Caption& label, std::string text) {
        table.AddRow({std::string(CaptionIn(label, language)), std::move(text)});
    };
    row(kGregorianLabel,
        DateText(f.date) + " " + TimeText(f.time) + " " + WeekdayText(f.weekday, language));
    row(kLunarLabel, LunarText(f, language));
    row(kSexagenaryLabel, SexagenaryText(f));
    row(kZodiacLabel, f.zodiac);
    row(kSolarTermLabel, TermText(f.term, language));
    row(kDateFieldLabel, f.dateFieldText);
    table.Write(out, "");
}

std::string TermJson(const std::optional<SolarTermFacts>& term) {
    if (!term) return std::string(kJsonNull);
    return JsonObject({{"number", Number(term->number)},
                       {"name", JsonString(term->name)},
                       {"moment", JsonString(term->moment)}});
}

std::string LunarJson(const lunar::LunarDate& date) {
    return JsonObject({{"year", Number(date.year)},
                       {"month", Number(date.month)},
                       {"day", Number(date.day)},
                       {"leap", JsonBool(date.isLeap)}});
}

void WriteDayJson(std::ostream& out, const DayFacts& f) {
    WriteJsonDocument(out, {{"gregorian", JsonString(DateText(f.date))},
                            {"time", JsonString(TimeText(f.time))},
                            {"weekday", Number(f.weekday)},
                            {"lunar", LunarJson(f.lunar)},
                            {"lunar_month_name", JsonString(f.lunarMonthName)},
                            {"lunar_day_name", JsonString(f.lunarDayName)},
                            {"sexagenary", JsonObject({{"year", JsonString(f.yearPillar)},
                                                       {"month", JsonString(f.monthPillar)},
                                                       {"day", JsonString(f.dayPillar)},
                                                       {"hour", JsonString(f.hourPillar)}})},
                            {"zodiac", JsonString(f.zodiac)},
                            {"solar_term", TermJson(f.term)},
                            {"date_field", JsonString(f.dateFieldText)},
                            {"date_field_moment", JsonString(f.dateFieldMoment)}});
}

void WriteDayCsv(std::ostream& out, const DayFacts& f) {
    WriteCsvRow(out, {"gregorian", "time", "weekday", "lunar_year", "lunar_month", "lunar_day",
                      "leap", "lunar_month_name", "lunar_day_name", "year_pillar", "month_pillar",
                      "day_pillar", "hour_pillar", "zodiac", "solar_term", "solar_term_moment",
                      "date_field", "date_field_moment"});
    WriteCsvRow(out, {DateText(f.date), TimeText(f.time), Number(f.weekday), Number(f.lunar.year),
                      Number(f.lunar.month), Number(f.lunar.day), JsonBool(f.lunar.isLeap),
                      f.lunarMonthName, f.lunarDayName, f.yearPillar, f.monthPillar, f.dayPillar,
                      f.hourPillar, f.zodiac, f.term ? f.term->name : "",
                      f.term ? f.term->moment : "", f.dateFieldText, f.dateFieldMoment});
}

std::string MonthTitle(const MonthFacts& f, Language language) {
    if (language == Language::Chinese) return Number(f.year) + "年" + Number(f.month) + "月";
    return std::string(kEnglishMonths[f.month - 1]) + " " + Number(f.year);
}

std::string Cell(std::string_view text) {
    std::size_t width = DisplayWidth(text);
    return std::string(width < kCellWidth ? kCellWidth - width : 0, ' ') + std::string(text);
}

void WriteWeekRow(std::ostream& out, const std::array<std::string, kDaysPerWeek>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) line += kCellGap;
        line += Cell(cells[i]);
    }
    line.erase(line.find_last_not_of(' ') + 1);
    out << line << '\n';
}

// Each week as two lines: the Gregorian days, and under each its lunar text.
void WriteWeeks(std::ostream& out, const MonthFacts& f) {
    std::array<std::string, kDaysPerWeek> days, lunarTexts;
    for (const MonthDay& day : f.days) {
        days[day.weekday - 1] = Number(day.day);
        lunarTexts[day.weekday - 1] = day.lunarText;
        if (day.weekday == kDaysPerWeek || &day == &f.days.back()) {
            WriteWeekRow(out, days);
            WriteWeekRow(out, lunarTexts);
            days = {};
            lunarTexts = {};
        }
    }
}

void WriteMonthTable(std::ostream& out, const MonthFacts& f, Language language) {
    std::string title = MonthTitle(f, language);
    std::size_t pageWidth = kDaysPerWeek * (kCellWidth + kCellGap.size()) - kCellGap.size();
    out << std::string((pageWidth - DisplayWidth(title)) / 2, ' ') << title << '\n';
    std::array<std::string, kDaysPerWeek> heads;
    for (uint16_t weekday = 1; weekday <= kDaysPerWeek; ++weekday) {
        heads[weekday - 1] = language == Language::Chinese
                                 ? runtime::GbkToUtf8(lunar::WeekdayName(weekday))
                                 : std::string(kEnglishWeekdayHeads[weekday - 1]);
    }
    WriteWeekRow(out, heads);
    WriteWeeks(out, f);
    if (f.termLine.empty()) return;
    out << '\n' << f.termLine << '\n';
    TextTable terms({Align::Left, Align::Left});
    for (const MonthDay& day : f.days) {
        if (day.term) terms.AddRow({day.term->name, day.term->moment});
    }
    terms.Write(out, kIndent);
}

std::string MonthDaysJson(const MonthFacts& f) {
    std::vector<std::string> days;
    for (const MonthDay& day : f.days) {
        days.push_back(
            JsonObject({{"day", Number(day.day)},
                        {"weekday", Number(day.weekday)},
                        {"lunar", day.lunar ? LunarJson(*day.lunar) : std::string(kJsonNull)},
                        {"lunar_text", JsonString(day.lunarText)},
                        {"solar_term", TermJson(day.term)}}));
    }
    return JsonArray(days);
}

void WriteMonthJson(std::ostream& out, const MonthFacts& f) {
    WriteJsonDocument(out, {{"year", Number(f.year)},
                            {"month", Number(f.month)},
                            {"days", MonthDaysJson(f)},
                            {"term_line", JsonString(f.termLine)}});
}

// A year's months as an array of the month objects a month page writes.
void WriteYearJson(std::ostream& out, const std::vector<MonthFacts>& months) {
    std::vector<std::string> items;
    for (const MonthFacts& f : months) {
        items.push_back(JsonObject({{"year", Number(f.year)},
                                    {"month", Number(f.month)},
                                    {"days", MonthDaysJson(f)},
                                    {"term_line", JsonString(f.termLine)}}));
    }
    WriteJsonDocument(out, {{"year", Number(months.front().year)}, {"months", JsonArray(items)}});
}

void WriteMonthCsvHeader(std::ostream& out) {
    WriteCsvRow(out, {"gregorian", "weekday", "lunar_year", "lunar_month", "lunar_day", "leap",
                      "lunar_text", "solar_term", "solar_term_moment"});
}

void WriteMonthCsvRows(std::ostream& out, const MonthFacts& f) {
    for (const MonthDay& day : f.days) {
        std::string date = DateText({f.year, f.month, day.day, 0});
        std::string termName = day.term ? day.term->name : "";
        std::string termMoment = day.term ? day.term->moment : "";
        if (!day.lunar) {
            WriteCsvRow(out, {date, Number(day.weekday), "", "", "", "", "", termName, termMoment});
            continue;
        }
        const lunar::LunarDate& l = *day.lunar;
        WriteCsvRow(out, {date, Number(day.weekday), Number(l.year), Number(l.month), Number(l.day),
                          JsonBool(l.isLeap), day.lunarText, termName, termMoment});
    }
}

}  // namespace

void WriteDay(std::ostream& out, const DayFacts& facts, OutputFormat format, Language language) {
    switch (format) {
        case OutputFormat::Table:
            return WriteDayTable(out, facts, language);
        case OutputFormat::Json:
            return WriteDayJson(out, facts);
        case OutputFormat::Csv:
            return WriteDayCsv(out, facts);
    }
}

void WriteSolarTerms(std::ostream& out, uint16_t year, const std::vector<SolarTermFacts>& terms,
                     OutputFormat format, Language language) {
    switch (format) {
        case OutputFormat::Table: {
            out << Say(kTermsTitle, language, Number(year)) << '\n';
            TextTable table({Align::Left, Align::Left});
            for (const SolarTermFacts& term : terms) table.AddRow({term.name, term.moment});
            return table.Write(out, kIndent);
        }
        case OutputFormat::Json: {
            std::vector<std::string> items;
            for (const SolarTermFacts& term : terms) items.push_back(TermJson(term));
            return WriteJsonDocument(out, {{"year", Number(year)}, {"terms", JsonArray(items)}});
        }
        case OutputFormat::Csv:
            WriteCsvRow(out, {"number", "name", "moment"});
            for (const SolarTermFacts& term : terms) {
                WriteCsvRow(out, {Number(term.number), term.name, term.moment});
            }
    }
}

void WriteMonth(std::ostream& out, const MonthFacts& facts, OutputFormat format,
                Language language) {
    switch (format) {
        case OutputFormat::Table:
            return WriteMonthTable(out, facts, language);
        case OutputFormat::Json:
            return WriteMonthJson(out, facts);
        case OutputFormat::Csv:
            WriteMonthCsvHeader(out);
            return WriteMonthCsvRows(out, facts);
    }
}

void WriteYear(std::ostream& out, const std::vector<MonthFacts>& months, OutputFormat format,
               Language language) {
    switch (format) {
        case OutputFormat::Table:
            for (const MonthFacts& f : months) {
                if (&f != &months.front()) out << '\n';
                WriteMonthTable(out, f, language);
            }
            return;
        case OutputFormat::Json:
            return WriteYearJson(out, months);
        case OutputFormat::Csv:
            WriteMonthCsvHeader(out);
            for (const MonthFacts& f : months) WriteMonthCsvRows(out, f);
    }
}

}  // namespace cli
