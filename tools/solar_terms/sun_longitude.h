#pragma once
// The Sun's apparent geocentric ecliptic longitude of date, from the IAU SOFA
// models as the ERFA library provides them.

namespace solar_terms {

// A moment in Terrestrial Time as a two-part Julian date: the sum is the
// date, and splitting it keeps sub-millisecond precision.
struct TtMoment {
    double jd1;  // a whole or half Julian day near the moment
    double jd2;  // the remaining days, small
};

// Apparent longitude in radians, [0, 2 pi).
double ApparentSolarLongitude(TtMoment moment);

}  // namespace solar_terms
