#include "engine/humidity_class_tip.h"

#include <charconv>
#include <initializer_list>
#include <string_view>

namespace engine {
namespace {

// The tooltip's phrases in GBK; each comment gives the phrase. Adjacent
// literals keep a hex escape from running into the character after it.
constexpr std::string_view kStandardName =
    "ISO 8573-1:2010 \xCA\xAA\xB6\xC8\xB5\xC8\xBC\xB6";       // "ISO 8573-1:2010 湿度等级"
constexpr std::string_view kClassOpen = " \xBC\xB6\xA3\xA8";  // " 级（"
constexpr std::string_view kClose = "\xA3\xA9";               // "）"
constexpr std::string_view kPressureDewPoint = "\xD1\xB9\xC1\xA6\xC2\xB6\xB5\xE3";  // "压力露点"
constexpr std::string_view kAtmosphericDewPoint = "\xB3\xA3\xD1\xB9\xC2\xB6\xB5\xE3";  // "常压露点"
constexpr std::string_view kAtMost = " \xA1\xDC ";                                     // " ≤ "
constexpr std::string_view kAbove = " > ";                                             // " > "
constexpr std::string_view kDegrees = " \xA1\xE6";                                     // " ℃"
constexpr std::string_view kRangeDash = "\xA8\x43";                                    // "–"
constexpr std::string_view kNoneOf = "\xA3\xBA\xB2\xBB\xCA\xF4\xD3\xDA ";  // "：不属于 "
constexpr std::string_view kUndecided =
    "\xA3\xBA\xCE\xDE\xB7\xA8\xC5\xD0\xB6\xA8\xA3\xA8";  // "：无法判定（"
constexpr std::string_view kNotFinite = "\xB2\xBB\xCA\xC7\xD3\xD0\xCF\xDE\xD6\xB5";  // "不是有限值"
constexpr std::string_view kLineBreak = "\r\n";
// "0 级与 7–9 级不由露点判定": the classes that limit liquid water (7-9) or
// are agreed between the parties (0).
constexpr std::string_view kUndecidedClasses =
    "0 \xBC\xB6\xD3\xEB 7"
    "\xA8\x43"
    "9 \xBC\xB6\xB2\xBB\xD3\xC9\xC2\xB6\xB5\xE3\xC5\xD0\xB6\xA8";

std::string Integer(int32_t value) {
    char digits[16];
    auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
    return std::string(digits, end);
}

std::string_view DewPointName(PressureDewPointSource source) {
    return source == PressureDewPointSource::AtmosphericOnly ? kAtmosphericDewPoint
                                                             : kPressureDewPoint;
}

std::string Joined(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts) text += part;
    return text;
}

std::string VerdictLine(const PressureDewPointClass& reading) {
    std::string_view dewPoint = DewPointName(reading.source);
    const HumidityClassLimit& strictest = kHumidityClassLimits.front();
    const HumidityClassLimit& loosest = kHumidityClassLimits.back();
    switch (reading.verdict) {
        case HumidityClassVerdict::Met:
            return Joined({kStandardName, " ", Integer(reading.met.number), kClassOpen, dewPoint,
                           kAtMost, LimitText(reading.met.maxDewPoint), kDegrees, kClose});
        case HumidityClassVerdict::AboveClassSix:
            return Joined({kStandardName, kNoneOf, Integer(strictest.number), kRangeDash,
                           Integer(loosest.number), kClassOpen, dewPoint, kAbove,
                           LimitText(loosest.maxDewPoint), kDegrees, kClose});
        case HumidityClassVerdict::NoDewPoint:
            return Joined({kStandardName, kUndecided, dewPoint, kNotFinite, kClose});
    }
    return std::string(kStandardName);
}

}  // namespace

std::string HumidityClassTip(const PressureDewPointClass& reading) {
    return Joined({VerdictLine(reading), kLineBreak, kUndecidedClasses});
}

}  // namespace engine
