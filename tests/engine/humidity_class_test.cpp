// The humidity class of a pressure dew point: on, a step below and a step
// above every limit, in both directions and without a pressure conversion;
// a dew point that is not finite meets no class.

#include "engine/humidity_class.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace engine {
namespace {

constexpr int32_t kNoneOfOneToSix = 0;
constexpr int32_t kNoClass = -1;
constexpr double kStep = 0.01;  // the last digit of the dew point boxes

// A limit, the class met on it and a step below it, and the class a step above.
constexpr double kLimits[][3] = {
    {-70, 1, 2}, {-40, 2, 3}, {-20, 3, 4}, {3, 4, 5}, {7, 5, 6}, {10, 6, kNoneOfOneToSix},
};

std::vector<std::pair<double, int32_t>> DewPointsAndClasses() {
    constexpr double inf = std::numeric_limits<double>::infinity();
    std::vector<std::pair<double, int32_t>> cases = {
        {-273.15, 1}, {inf, kNoClass}, {-inf, kNoClass}, {std::nan(""), kNoClass}};
    for (const auto& [limit, onAndBelow, above] : kLimits) {
        cases.insert(cases.end(), {{limit - kStep, int32_t(onAndBelow)},
                                   {limit, int32_t(onAndBelow)},
                                   {limit + kStep, int32_t(above)}});
    }
    return cases;
}

int32_t ClassOf(const PressureDewPointClass& reading) {
    if (reading.verdict == HumidityClassVerdict::NoDewPoint) return kNoClass;
    return reading.verdict == HumidityClassVerdict::Met ? reading.met.number : kNoneOfOneToSix;
}

TEST(HumidityClass, EachLimitBelongsToItsClassInEveryDirection) {
    using S = PressureDewPointSource;
    const std::pair<std::optional<PressureDirection>, S> directions[] = {
        {PressureDirection::CurrentToStandard, S::KnownAtGaugePressure},
        {PressureDirection::StandardToCurrent, S::ConvertedToGaugePressure},
        {std::nullopt, S::AtmosphericOnly}};
    // The dew point that is not the pressure dew point meets no class 1-6.
    const double other = 55.5;
    for (const auto& [direction, source] : directions) {
        const bool converted = source == S::ConvertedToGaugePressure;
        for (const auto& [dewPoint, expected] : DewPointsAndClasses()) {
            PressureDewPointClass reading = ClassifyPressureDewPoint(
                direction, converted ? other : dewPoint, converted ? dewPoint : other);
            EXPECT_EQ(ClassOf(reading), expected) << int(source) << ", " << dewPoint;
            EXPECT_EQ(reading.source, source);
        }
    }
}

}  // namespace
}  // namespace engine
