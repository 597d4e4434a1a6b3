// The committed solar-term table must be what the generator computes: a
// sample of years, spread over the table, is regenerated and compared.

#include <gtest/gtest.h>

#include "lunar/tables.h"
#include "tools/solar_terms/term_moments.h"
#include "tools/solar_terms/time_scales.h"

namespace {

const solar_terms::TimeScales& Scales() {
    static const solar_terms::TimeScales scales(SOLAR_TERMS_DELTA_T_CSV, SOLAR_TERMS_TAI_UTC_CSV);
    return scales;
}

class RegeneratedYearTest : public ::testing::TestWithParam<int> {};

TEST_P(RegeneratedYearTest, MatchesTheCommittedTable) {
    const int year = GetParam();
    const auto moments = solar_terms::TermMomentsOfYear(year, Scales());
    for (int term = 1; term <= solar_terms::TermsPerYear; ++term) {
        const lunar::SolarTermRecord& record =
            lunar::SolarTermRecordOf(uint16_t(year), uint16_t(term));
        const solar_terms::TermMoment& computed = moments[term - 1];
        EXPECT_EQ((solar_terms::TermMoment{record.month, record.day, record.hour, record.minute,
                                           record.second}),
                  computed)
            << year << " term " << term;
    }
}

// The first and last years, the start of the lunar range, the last year of
// measured Delta T before UTC, a year of the leap-second era and one beyond
// the last announced leap second.
INSTANTIATE_TEST_SUITE_P(SampleYears, RegeneratedYearTest,
                         ::testing::Values(1880, 1901, 1950, 1971, 2014, 2079));

// The solver lands on the term's longitude: the Sun's apparent longitude at
// the solved moment differs from the target by far less than the arc the
// Sun covers in a millisecond.
TEST(SolarTermSolverTest, SolvedMomentsReachTheirLongitude) {
    for (int term : {1, 6, 12, 18, 24}) {
        const solar_terms::TtMoment moment = solar_terms::SolveTermMoment(2014, term);
        const double longitudeDegrees =
            solar_terms::ApparentSolarLongitude(moment) * 180.0 / 3.14159265358979323846;
        double difference = longitudeDegrees - solar_terms::TermLongitudeDegrees(term);
        if (difference > 180.0) difference -= 360.0;
        EXPECT_LT(std::abs(difference), 1e-8) << term;
    }
}

TEST(TimeScalesTest, CivilTimeScaleSwitchesToUtcIn1972) {
    const double jd1971 = 2441300.5;  // 1971-12-15
    const double jd2017 = 2457754.5;  // 2017-01-01
    const double jd2079 = 2480000.5;  // 2078
    EXPECT_NEAR(Scales().TtMinusCivilSeconds(jd1971), 42.2, 0.1);
    EXPECT_EQ(Scales().TtMinusCivilSeconds(jd2017 + 1.0), 69.184);
    EXPECT_EQ(Scales().TtMinusCivilSeconds(jd2079), 69.184);
    EXPECT_EQ(Scales().TtMinusCivilSeconds(jd2017 - 1.0), 68.184);
    EXPECT_THROW(Scales().TtMinusCivilSeconds(2400000.5), std::out_of_range);
}

}  // namespace
