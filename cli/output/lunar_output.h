#pragma once
// The lunar calendar's answers as a table, a JSON object or CSV, UTF-8.
//
//   DayFacts ─► WriteDay          (lunar and gregorian commands)
//   SolarTermFacts × 24 ─► WriteSolarTerms
//   MonthFacts ─► WriteMonth      (a month page, Monday first, as the window's grid)
//   MonthFacts × 12 ─► WriteYear  (a year's pages)

#include <ostream>
#include <vector>

#include "cli/arguments/invocation.h"
#include "cli/facts/lunar_facts.h"

namespace cli {

void WriteDay(std::ostream& out, const DayFacts& facts, OutputFormat format, Language language);
void WriteSolarTerms(std::ostream& out, uint16_t year, const std::vector<SolarTermFacts>& terms,
                     OutputFormat format, Language language);
void WriteMonth(std::ostream& out, const MonthFacts& facts, OutputFormat format, Language language);
// The month pages one after another, in one JSON object or one CSV table.
void WriteYear(std::ostream& out, const std::vector<MonthFacts>& months, OutputFormat format,
               Language language);

}  // namespace cli
