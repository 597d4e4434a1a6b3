#include "tools/solar_terms/time_scales.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace solar_terms {
namespace {

constexpr double MjdOffset = 2400000.5;
// 1972-01-01, from when UTC advances in whole leap seconds; the C04 rows of
// delta_t.csv end there.
constexpr double UtcEraStartMjd = 41317.0;
constexpr double TtMinusTai = 32.184;

// Reads "key,value" rows, skipping comment lines (#) and the column header.
std::vector<std::pair<double, double>> ReadCsv(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot open " + path);
    std::vector<std::pair<double, double>> rows;
    std::string line;
    bool headerSeen = false;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        if (!headerSeen) {
            headerSeen = true;
            continue;
        }
        std::istringstream fields(line);
        double key = 0.0, value = 0.0;
        char comma = 0;
        if (!(fields >> key >> comma >> value) || comma != ',')
            throw std::runtime_error("malformed row in " + path + ": " + line);
        rows.emplace_back(key, value);
    }
    if (rows.empty()) throw std::runtime_error("no rows in " + path);
    if (!std::is_sorted(rows.begin(), rows.end()))
        throw std::runtime_error("rows out of order in " + path);
    return rows;
}

}  // namespace

TimeScales::TimeScales(const std::string& deltaTPath, const std::string& taiUtcPath) {
    for (const auto& [key, seconds] : ReadCsv(deltaTPath)) deltaT_.push_back({key, seconds});
    for (const auto& [key, seconds] : ReadCsv(taiUtcPath)) taiUtc_.push_back({key, seconds});
}

double TimeScales::TtMinusCivilSeconds(double jdTt) const {
    // The minute by which TT leads UTC does not matter here: no solar term
    // falls within a minute of a leap second or of the start of 1972.
    const double mjd = jdTt - MjdOffset;
    if (mjd >= UtcEraStartMjd) return TtMinusTai + TaiMinusUtc(mjd);
    return DeltaT(jdTt);
}

// Linear interpolation between the measured rows; the rows are half a year
// apart at most, and Delta T is smooth to well under a tenth of a second
// over such a span.
double TimeScales::DeltaT(double jdTt) const {
    const auto after = std::upper_bound(deltaT_.begin(), deltaT_.end(), jdTt,
                                        [](double jd, const Row& row) { return jd < row.key; });
    if (after == deltaT_.begin() || after == deltaT_.end())
        throw std::out_of_range("date outside the Delta T table");
    const Row& before = *(after - 1);
    const double fraction = (jdTt - before.key) / (after->key - before.key);  // [0, 1)
    return before.seconds + fraction * (after->seconds - before.seconds);
}

// The value of the last step on or before the date; every date after the
// last announced leap second keeps its value.
double TimeScales::TaiMinusUtc(double mjd) const {
    const auto after = std::upper_bound(taiUtc_.begin(), taiUtc_.end(), mjd,
                                        [](double day, const Row& row) { return day < row.key; });
    if (after == taiUtc_.begin()) throw std::out_of_range("date before the leap-second table");
    return (after - 1)->seconds;
}

}  // namespace solar_terms
