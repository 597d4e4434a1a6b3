#pragma once
// From Terrestrial Time to the civil time scale on which China Standard Time
// is based: UT1 before 1972 (measured Delta T), UTC from 1972 on (leap-second
// table, the last TAI - UTC held for every later date).

#include <string>
#include <vector>

namespace solar_terms {

class TimeScales {
public:
    // Reads delta_t.csv and tai_utc.csv; throws std::runtime_error when a file
    // is missing or malformed.
    TimeScales(const std::string& deltaTPath, const std::string& taiUtcPath);

    // TT minus civil time in seconds at the given TT Julian date; throws
    // std::out_of_range outside the tables.
    double TtMinusCivilSeconds(double jdTt) const;

private:
    struct Row {
        double key;
        double seconds;
    };
    double DeltaT(double jdTt) const;
    double TaiMinusUtc(double mjd) const;

    std::vector<Row> deltaT_;  // key: TT Julian date
    std::vector<Row> taiUtc_;  // key: UTC modified Julian date of the step
};

}  // namespace solar_terms
