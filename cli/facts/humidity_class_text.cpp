#include "cli/facts/humidity_class_text.h"

#include <algorithm>

namespace cli {
namespace {

using engine::HumidityClassVerdict;
using engine::kHumidityClassLimits;
using engine::PressureDewPointClass;

constexpr std::string_view kStandard = "ISO 8573-1:2010";
constexpr std::string_view kNoneOfOneToSix = "none";
constexpr std::string_view kDegrees = "℃";

constexpr Message kPressureDewPoint = {"Pressure dew point", "压力露点"};
constexpr Message kAtmosphericDewPoint = {"Dew point at atmospheric pressure", "常压露点"};
constexpr Message kLine = {"{} {} ℃: {}; {}", "{} {} ℃：{}；{}"};
constexpr Message kMet = {"ISO 8573-1:2010 humidity class {} (≤ {} ℃)",
                          "ISO 8573-1:2010 湿度等级 {} 级（≤ {} ℃）"};
constexpr Message kNoneOf = {"none of ISO 8573-1:2010 humidity classes {}–{} (> {} ℃)",
                             "不属于 ISO 8573-1:2010 湿度等级 {}–{} 级（> {} ℃）"};
constexpr Message kNotFinite = {"no ISO 8573-1:2010 humidity class (the dew point is not finite)",
                                "无法判定 ISO 8573-1:2010 湿度等级（露点不是有限值）"};
constexpr Message kUndecidedClasses = {"classes 0 and 7–9 are not decided by a dew point",
                                       "0 级与 7–9 级不由露点判定"};
constexpr std::string_view kUndecidedClassNumbers = "0, 7–9";

bool IsAtmospheric(const PressureDewPointClass& reading) {
    return reading.source == engine::PressureDewPointSource::AtmosphericOnly;
}

// The result text of the box that shows the pressure dew point.
const std::string& DewPointText(const PressureDewPointClass& reading,
                                const HumidityTexts& results) {
    const engine::MainUnit box = engine::IsConvertedDewPoint(reading.source)
                                     ? engine::MainUnit::DewPointAfterConversion
                                     : engine::MainUnit::DewPoint;
    auto found = std::ranges::find(ResultFields(), box, &ResultField::box);
    return results[size_t(found - ResultFields().begin())];
}

std::string Verdict(const PressureDewPointClass& reading, Language language) {
    const engine::HumidityClassLimit& loosest = kHumidityClassLimits.back();
    switch (reading.verdict) {
        case HumidityClassVerdict::Met:
            return Say(kMet, language, JsonNumber(reading.met.number),
                       engine::LimitText(reading.met.maxDewPoint));
        case HumidityClassVerdict::AboveClassSix:
            return Say(kNoneOf, language, JsonNumber(kHumidityClassLimits.front().number),
                       JsonNumber(loosest.number), engine::LimitText(loosest.maxDewPoint));
        case HumidityClassVerdict::NoDewPoint:
            return Say(kNotFinite, language);
    }
    return Say(kNotFinite, language);
}

// "≤ -20 ℃", "> +10 ℃", or none when there is no class.
std::string LimitCaption(const PressureDewPointClass& reading) {
    switch (reading.verdict) {
        case HumidityClassVerdict::Met:
            return "≤ " + engine::LimitText(reading.met.maxDewPoint) + " ℃";
        case HumidityClassVerdict::AboveClassSix:
            return "> " + engine::LimitText(kHumidityClassLimits.back().maxDewPoint) + " ℃";
        case HumidityClassVerdict::NoDewPoint:
            return "";
    }
    return "";
}

std::string_view PlaceName(const PressureDewPointClass& reading) {
    return IsAtmospheric(reading) ? "atmospheric_dew_point" : "pressure_dew_point";
}

std::string_view GroupName(const PressureDewPointClass& reading) {
    const ResultGroup group = engine::IsConvertedDewPoint(reading.source)
                                  ? ResultGroup::UnderPressure
                                  : ResultGroup::Standard;
    return ResultGroupOf(group).name;
}

}  // namespace

std::string ClassField(const PressureDewPointClass& reading) {
    switch (reading.verdict) {
        case HumidityClassVerdict::Met:
            return JsonNumber(reading.met.number);
        case HumidityClassVerdict::AboveClassSix:
            return std::string(kNoneOfOneToSix);
        case HumidityClassVerdict::NoDewPoint:
            return "";
    }
    return "";
}

std::string ClassLine(const PressureDewPointClass& reading, const HumidityTexts& results,
                      Language language) {
    const Message& name = IsAtmospheric(reading) ? kAtmosphericDewPoint : kPressureDewPoint;
    return Say(kLine, language, Say(name, language), DewPointText(reading, results),
               Verdict(reading, language), Say(kUndecidedClasses, language));
}

std::string ClassJson(const PressureDewPointClass& reading, const HumidityTexts& results) {
    const bool hasClass = reading.verdict != HumidityClassVerdict::NoDewPoint;
    return JsonObject(
        {{"dew_point", JsonString(PlaceName(reading))},
         {"group", JsonString(GroupName(reading))},
         {"text", JsonString(DewPointText(reading, results))},
         {"unit", JsonString(kDegrees)},
         {"standard", JsonString(kStandard)},
         {"class", hasClass ? JsonString(ClassField(reading)) : std::string(kJsonNull)},
         {"limit", hasClass ? JsonString(LimitCaption(reading)) : std::string(kJsonNull)},
         {"not_decided_by_dew_point", JsonString(kUndecidedClassNumbers)},
         {"caption", JsonString(ClassLine(reading, results, Language::Chinese))}});
}

void WriteClassCsvRow(std::ostream& out, const PressureDewPointClass& reading,
                      const HumidityTexts& results) {
    WriteCsvRow(out, {"humidity_class", PlaceName(reading),
                      ClassLine(reading, results, Language::Chinese), ClassField(reading), ""});
}

}  // namespace cli
