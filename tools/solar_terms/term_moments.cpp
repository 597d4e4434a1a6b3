#include "tools/solar_terms/term_moments.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <stdexcept>

namespace solar_terms {
namespace {

constexpr double DegreesPerTerm = 15.0;
constexpr double FirstTermLongitude = 285.0;  // 小寒
// The mean length of a term in days, for the first guess only.
constexpr double MeanTermDays = 365.2422 / TermsPerYear;
// 小寒 begins on January 5 or 6; counted from January 0.
constexpr double FirstTermDayOfYear = 5.5;
constexpr double SolverToleranceDays = 1e-9;  // 86 microseconds
constexpr int SolverMaxSteps = 30;
constexpr double ChinaStandardTimeOffsetDays = 8.0 / 24.0;
constexpr double MjdOffset = 2400000.5;
constexpr int64_t SecondsPerDay = 86400;

// The Julian date of 0h on January 0 of the year (the last day of the
// previous year).
double JanuaryZero(int year) {
    double mjd0 = 0.0, mjd = 0.0;
    if (eraCal2jd(year, 1, 1, &mjd0, &mjd) != 0) throw std::out_of_range("year out of range");
    return mjd0 + mjd - 1.0;
}

// How far the Sun still has to go to reach the longitude, wrapped to
// (-pi, pi] radians.
double LongitudeShortfall(TtMoment moment, double targetRadians) {
    return eraAnpm(targetRadians - ApparentSolarLongitude(moment));
}

}  // namespace

double TermLongitudeDegrees(int term) {
    return std::fmod(FirstTermLongitude + DegreesPerTerm * (term - 1), 360.0);
}

// Secant iteration on the longitude shortfall, in days after January 0 of
// the year; the Sun's motion varies by only a few per cent in a day, so a
// handful of steps from the mean-motion guess settles it.
TtMoment SolveTermMoment(int year, int term) {
    const double base = JanuaryZero(year);
    const double target = TermLongitudeDegrees(term) * ERFA_DD2R;

    double previous = FirstTermDayOfYear + MeanTermDays * (term - 1);
    double current = previous + 1.0;
    double previousShortfall = LongitudeShortfall({base, previous}, target);
    for (int step = 0; step < SolverMaxSteps; ++step) {
        const double shortfall = LongitudeShortfall({base, current}, target);
        if (shortfall == previousShortfall) break;
        const double next =
            current + shortfall * (current - previous) / (previousShortfall - shortfall);
        previous = current;
        previousShortfall = shortfall;
        current = next;
        if (std::fabs(current - previous) < SolverToleranceDays) return {base, current};
    }
    throw std::runtime_error("solar-term solver did not converge");
}

std::array<TermMoment, TermsPerYear> TermMomentsOfYear(int year, const TimeScales& scales) {
    std::array<TermMoment, TermsPerYear> moments{};
    for (int term = 1; term <= TermsPerYear; ++term) {
        const TtMoment tt = SolveTermMoment(year, term);
        const double civilOffset =
            ChinaStandardTimeOffsetDays - scales.TtMinusCivilSeconds(tt.jd1 + tt.jd2) / 86400.0;
        // As a modified Julian date the moment keeps microsecond precision
        // in one double, enough to round to the second.
        const double mjd = (tt.jd1 - MjdOffset) + (tt.jd2 + civilOffset);
        const int64_t seconds = std::llround(mjd * static_cast<double>(SecondsPerDay));
        const int64_t days = seconds / SecondsPerDay;  // positive for every year of the table
        const int64_t secondOfDay = seconds % SecondsPerDay;

        int calendarYear = 0, month = 0, day = 0;
        double fraction = 0.0;
        eraJd2cal(MjdOffset, static_cast<double>(days), &calendarYear, &month, &day, &fraction);
        if (calendarYear != year) throw std::logic_error("term moment outside its year");
        moments[term - 1] = {static_cast<uint8_t>(month), static_cast<uint8_t>(day),
                             static_cast<uint8_t>(secondOfDay / 3600),
                             static_cast<uint8_t>(secondOfDay / 60 % 60),
                             static_cast<uint8_t>(secondOfDay % 60)};
    }
    return moments;
}

}  // namespace solar_terms
