#include "tools/solar_terms/sun_longitude.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace solar_terms {
namespace {

// Light needs this many days to cross one astronomical unit.
constexpr double LightTimePerAu = ERFA_AULT / ERFA_DAYSEC;
// Two passes settle the light time far below a microsecond.
constexpr int LightTimePasses = 2;

struct Vector {
    double v[3];
};

Vector Difference(const double a[3], const double b[3]) {
    return {{a[0] - b[0], a[1] - b[1], a[2] - b[2]}};
}

// The Sun's barycentric position in au, ICRS axes: the Earth's barycentric
// position less its heliocentric one.
Vector SunBarycentric(TtMoment moment) {
    double heliocentric[2][3];
    double barycentric[2][3];
    eraEpv00(moment.jd1, moment.jd2, heliocentric, barycentric);
    return Difference(barycentric[0], heliocentric[0]);
}

// The direction in which light from the Sun arrives at the Earth's centre at
// the given moment, before aberration: the Sun where it was when the light
// left it, seen from where the Earth is now. Also gives the distance and the
// Earth's barycentric velocity, which aberration needs.
struct GeometricSun {
    double direction[3];
    double distanceAu;
    double earthVelocity[3];  // au per day
};

GeometricSun LightTimeCorrectedSun(TtMoment moment) {
    double heliocentric[2][3];
    double barycentric[2][3];
    eraEpv00(moment.jd1, moment.jd2, heliocentric, barycentric);

    GeometricSun sun{};
    eraCp(barycentric[1], sun.earthVelocity);
    double lightTime = 0.0;  // days
    for (int pass = 0; pass <= LightTimePasses; ++pass) {
        const Vector source = SunBarycentric({moment.jd1, moment.jd2 - lightTime});
        Vector toSun = Difference(source.v, barycentric[0]);
        eraPn(toSun.v, &sun.distanceAu, sun.direction);
        lightTime = sun.distanceAu * LightTimePerAu;
    }
    return sun;
}

}  // namespace

// The chain, all in TT (TDB differs by under 2 ms, far below the resolution
// that matters here):
// 1. Earth barycentric and heliocentric state from eraEpv00; the Sun's
//    barycentric position at t - tau (light time, iterated) seen from the
//    Earth's barycentric position at t gives the geometric direction.
// 2. Annual aberration with the Earth's barycentric velocity (eraAb, which
//    is the full relativistic formula; the Sun deflects none of its own
//    light towards us).
// 3. Frame bias, precession (IAU 2006) and nutation (IAU 2000A) from the
//    GCRS to the true equator and equinox of date (eraPn06a: the matrix of
//    eraPnm06a, together with the obliquity and nutation angles).
// 4. Rotation about the equinox by the true obliquity (mean obliquity of
//    IAU 2006 plus nutation in obliquity) onto the true ecliptic of date;
//    the longitude is the angle from the true equinox in that plane.
double ApparentSolarLongitude(TtMoment moment) {
    GeometricSun sun = LightTimeCorrectedSun(moment);

    double velocity[3];
    eraSxp(1.0 / ERFA_DC, sun.earthVelocity, velocity);
    const double reciprocalLorentz = std::sqrt(1.0 - eraPm(velocity) * eraPm(velocity));
    double apparent[3];
    eraAb(sun.direction, velocity, sun.distanceAu, reciprocalLorentz, apparent);

    double nutationLongitude = 0.0, nutationObliquity = 0.0, meanObliquity = 0.0;
    double bias[3][3], precession[3][3], biasPrecession[3][3], nutation[3][3];
    double toTrueOfDate[3][3];
    eraPn06a(moment.jd1, moment.jd2, &nutationLongitude, &nutationObliquity, &meanObliquity, bias,
             precession, biasPrecession, nutation, toTrueOfDate);

    double equatorial[3];
    eraRxp(toTrueOfDate, apparent, equatorial);
    double toEcliptic[3][3];
    eraIr(toEcliptic);
    eraRx(meanObliquity + nutationObliquity, toEcliptic);
    double ecliptic[3];
    eraRxp(toEcliptic, equatorial, ecliptic);

    return eraAnp(std::atan2(ecliptic[1], ecliptic[0]));
}

}  // namespace solar_terms
