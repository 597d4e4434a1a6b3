#pragma once
// The calendar commands' operands: Gregorian dates "YYYY-MM-DD", times
// "HH:MM[:SS]", years and months as plain numbers.
//
//   Scanned operands ─► LunarRequest | GregorianRequest | SolarTermsRequest | CalendarRequest

#include "cli/arguments/argument_scan.h"

namespace cli::arguments {

// The leap-month flag of the gregorian command.
inline constexpr OptionSpec kGregorianLeap = {"leap", 0, false};

Request ParseLunar(const Scanned& scanned);
Request ParseGregorian(const Scanned& scanned);
Request ParseSolarTerms(const Scanned& scanned);
Request ParseCalendar(const Scanned& scanned);

}  // namespace cli::arguments
