#pragma once
// Writing the solar-term table as the C++ initialiser that lunar/tables.cpp
// includes.

#include <ostream>

#include "tools/solar_terms/time_scales.h"

namespace solar_terms {

inline constexpr int FirstTableYear = 1880;
inline constexpr int LastTableYear = 2079;

// Writes every year of the table; each year is one comment line and four
// lines of six records.
void WriteSolarTermTable(std::ostream& out, const TimeScales& scales);

}  // namespace solar_terms
