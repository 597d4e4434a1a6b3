#include "engine/humidity_class.h"

#include <charconv>
#include <cmath>

namespace engine {
namespace {

PressureDewPointSource SourceOf(std::optional<PressureDirection> direction) {
    if (!direction) return PressureDewPointSource::AtmosphericOnly;
    if (*direction == PressureDirection::CurrentToStandard) {
        return PressureDewPointSource::KnownAtGaugePressure;
    }
    return PressureDewPointSource::ConvertedToGaugePressure;
}

}  // namespace

std::string LimitText(int32_t degrees) {
    char digits[16];
    auto [end, error] = std::to_chars(digits, digits + sizeof digits, degrees);
    return (degrees > 0 ? "+" : "") + std::string(digits, end);
}

bool IsConvertedDewPoint(PressureDewPointSource source) {
    return source == PressureDewPointSource::ConvertedToGaugePressure;
}

PressureDewPointClass ClassifyPressureDewPoint(std::optional<PressureDirection> direction,
                                               double shownDewPoint,
                                               double shownConvertedDewPoint) {
    PressureDewPointSource source = SourceOf(direction);
    double dewPoint = IsConvertedDewPoint(source) ? shownConvertedDewPoint : shownDewPoint;
    if (!std::isfinite(dewPoint)) {
        return {source, dewPoint, HumidityClassVerdict::NoDewPoint, {}};
    }
    for (const HumidityClassLimit& limit : kHumidityClassLimits) {
        if (dewPoint <= limit.maxDewPoint) {
            return {source, dewPoint, HumidityClassVerdict::Met, limit};
        }
    }
    return {source, dewPoint, HumidityClassVerdict::AboveClassSix, {}};
}

}  // namespace engine
