// Any template text (GBK or broken bytes) with any moment through
// FormatLunarDate and FormatLunarDay.
//
// Input fields, front to back: a mode byte; the moment, by mode: 0 the raw
// 8 bytes of a DateTime (NaN, infinities and huge values included), 1 a
// day count (4 bytes, taken modulo 60000, so 1899-12-30 ... 2064) and a
// second of the day (4 bytes), 2 and 3 a Gregorian year, month and day of
// 2 bytes each for FormatLunarDay; everything left is the template.
//
// A placeholder is one of "%Y", "%S", "%M", "%D", "%y", "%m", "%d". The
// formatter replaces each kind in that order, left to right, continuing
// after each replacement. Every output byte therefore either is a template
// byte copied unchanged or was written by a replacement. A placeholder "came
// from replacement" when at least one of its two output bytes was written by
// a replacement.
//
// Properties checked:
//  - never a crash, for any moment and any bytes;
//  - the output equals a model that performs the replacements on bytes
//    tagged with their origin, with parts taken from the calendar's public
//    functions (sexagenary year, zodiac, lunar month and day names, the
//    Gregorian fields of the moment);
//  - no placeholder in the output came from replacement, and no
//    replacement wrote a '%';
//  - a template without '%' comes back unchanged;
//  - inside the conversion range "%Y" is two characters (4 bytes), "%S"
//    one (2 bytes), "%M" two or three, "%D" two; outside it "%Y" and "%S"
//    are empty.

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"
#include "lunar/calendar.h"
#include "runtime/datetime.h"

namespace {

using fuzz::Check;

enum class Mode : uint8_t { RawDateTime, DayAndSecond, GregorianDay };
constexpr uint8_t kModeCount = 4;
constexpr uint32_t kDaySpan = 60000;
constexpr uint32_t kSecondsPerDay = 86400;
constexpr int kLastHour = 23, kLastMinute = 59, kLastSecond = 59;
constexpr char kPlaceholderLetters[] = {'Y', 'S', 'M', 'D', 'y', 'm', 'd'};
constexpr size_t kGbkCharacter = 2;

// A byte of the text being formatted, tagged with where it came from.
struct Cell {
    char byte;
    bool fromTemplate;
};
using Cells = std::vector<Cell>;

// The lunar date the formatter shows for a day: the conversion inside the
// range, the end of lunar 1900 for 1901-01-01 ... 1901-02-18, else none.
lunar::LunarDate ShownLunarDate(const runtime::DateTimeFields& t) {
    const uint16_t year = uint16_t(t.year), month = uint16_t(t.month), day = uint16_t(t.day);
    lunar::LunarDate date;
    if (lunar::SolarToLunar(year, month, day, date)) return date;
    const int32_t dayNumber = lunar::DayNumberOf({year, month, day, 0});
    if (dayNumber >= 0 && dayNumber < lunar::FirstConvertibleDayNumber) {
        return lunar::DayNumberToLunar(dayNumber).value_or(lunar::LunarDate{});
    }
    return {};
}

std::array<std::pair<std::string, std::string>, 7> Parts(double dateTime) {
    const runtime::DateTimeFields t = runtime::SplitDateTime(dateTime);
    const lunar::LunarDate shown = ShownLunarDate(t);
    const lunar::StemBranch year = lunar::CycleToStemBranch(lunar::SexagenaryOf(dateTime).year);
    return {{
        {"%Y", lunar::StemBranchText(year.stem, year.branch)},
        {"%S", lunar::ZodiacName(year.branch)},
        {"%M", lunar::LunarMonthName(shown.month, shown.isLeap)},
        {"%D", lunar::LunarDayName(shown.day)},
        {"%y", std::to_string(t.year)},
        {"%m", std::to_string(t.month)},
        {"%d", std::to_string(t.day)},
    }};
}

bool StartsPattern(const Cells& cells, size_t at, std::string_view pattern) {
    return at + 1 < cells.size() && cells[at].byte == pattern[0] &&
           cells[at + 1].byte == pattern[1];
}

void ReplaceTagged(Cells& cells, std::string_view pattern, std::string_view replacement) {
    Cells result;
    size_t at = 0;
    while (at < cells.size()) {
        if (StartsPattern(cells, at, pattern)) {
            for (char byte : replacement) result.push_back({byte, false});
            at += pattern.size();
        } else {
            result.push_back(cells[at++]);
        }
    }
    cells = std::move(result);
}

Cells FormatModel(double dateTime, std::string_view tpl) {
    Cells cells;
    for (char byte : tpl) cells.push_back({byte, true});
    for (const auto& [pattern, replacement] : Parts(dateTime)) {
        Check(replacement.find('%') == std::string::npos, "no replacement writes a '%'");
        ReplaceTagged(cells, pattern, replacement);
    }
    return cells;
}

bool IsPlaceholderLetter(char c) {
    return std::find(std::begin(kPlaceholderLetters), std::end(kPlaceholderLetters), c) !=
           std::end(kPlaceholderLetters);
}

void CheckFormatted(double dateTime, std::string_view tpl, const std::string& output) {
    const Cells model = FormatModel(dateTime, tpl);
    std::string modelText;
    for (const Cell& cell : model) modelText += cell.byte;
    Check(output == modelText, "the output equals the origin-tagged model");
    for (size_t at = 0; at + 1 < model.size(); ++at) {
        if (model[at].byte != '%' || !IsPlaceholderLetter(model[at + 1].byte)) continue;
        Check(model[at].fromTemplate && model[at + 1].fromTemplate,
              "no placeholder in the output came from replacement");
    }
    if (tpl.find('%') == std::string_view::npos) {
        Check(output == tpl, "a template without '%' comes back unchanged");
    }
}

bool InConversionRange(double dateTime) {
    const runtime::DateTimeFields t = runtime::SplitDateTime(dateTime);
    lunar::LunarDate unused;
    return lunar::SolarToLunar(uint16_t(t.year), uint16_t(t.month), uint16_t(t.day), unused);
}

void CheckPartSizes(double dateTime) {
    const size_t year = lunar::FormatLunarDate(dateTime, "%Y").size();
    const size_t zodiac = lunar::FormatLunarDate(dateTime, "%S").size();
    if (!InConversionRange(dateTime)) {
        Check(year == 0 && zodiac == 0, "outside the range %Y and %S are empty");
        return;
    }
    const size_t month = lunar::FormatLunarDate(dateTime, "%M").size();
    const size_t day = lunar::FormatLunarDate(dateTime, "%D").size();
    Check(year == 2 * kGbkCharacter && zodiac == kGbkCharacter,
          "inside the range %Y is two characters and %S one");
    Check(month == 2 * kGbkCharacter || month == 3 * kGbkCharacter,
          "inside the range %M is two or three characters");
    Check(day == 2 * kGbkCharacter, "inside the range %D is two characters");
}

double ReadMoment(fuzz::InputReader& in, Mode mode) {
    if (mode == Mode::RawDateTime) return in.Take<double>();
    const uint32_t days = in.Take<uint32_t>() % kDaySpan;
    const uint32_t seconds = in.Take<uint32_t>() % kSecondsPerDay;
    return double(days) + double(seconds) / double(kSecondsPerDay);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::InputReader in(data, size);
    const auto mode =
        Mode(std::min<uint8_t>(in.Take<uint8_t>() % kModeCount, uint8_t(Mode::GregorianDay)));
    if (mode == Mode::GregorianDay) {
        const auto year = in.Take<uint16_t>();
        const auto month = in.Take<uint16_t>();
        const auto day = in.Take<uint16_t>();
        const std::string_view tpl = in.Rest();
        const double moment =
            runtime::ComposeDateTime(year, month, day, kLastHour, kLastMinute, kLastSecond);
        CheckFormatted(moment, tpl, lunar::FormatLunarDay(year, month, day, tpl));
        CheckPartSizes(moment);
        return 0;
    }
    const double moment = ReadMoment(in, mode);
    const std::string_view tpl = in.Rest();
    CheckFormatted(moment, tpl, lunar::FormatLunarDate(moment, tpl));
    CheckPartSizes(moment);
    return 0;
}
