#pragma once
// Solving for the moments at which the 24 solar terms of a Gregorian year
// begin, and expressing them in China Standard Time (UTC + 8 h) to the
// second.

#include <array>
#include <cstdint>

#include "tools/solar_terms/sun_longitude.h"
#include "tools/solar_terms/time_scales.h"

namespace solar_terms {

inline constexpr int TermsPerYear = 24;

// One record of the solar-term table.
struct TermMoment {
    uint8_t month, day, hour, minute, second;
    friend bool operator==(const TermMoment&, const TermMoment&) = default;
};

// Term k (1 = 小寒 ... 24 = 冬至) begins when the apparent longitude reaches
// (285 + 15 (k - 1)) mod 360 degrees.
double TermLongitudeDegrees(int term);

// The TT moment at which term k of the Gregorian year begins, to well under
// a millisecond.
TtMoment SolveTermMoment(int year, int term);

// All 24 terms of the year in China Standard Time, rounded to the nearest
// second, in term order.
std::array<TermMoment, TermsPerYear> TermMomentsOfYear(int year, const TimeScales& scales);

}  // namespace solar_terms
