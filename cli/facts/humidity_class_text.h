#pragma once
// The humidity class of a conversion's pressure dew point as the command
// line writes it: a line under the table, a JSON member, a CSV row and the
// batch's column.
//
//   PressureDewPointClass + result texts ─► "Pressure dew point -39.99 ℃: ISO 8573-1:2010
//       humidity class 3 (≤ -20 ℃); classes 0 and 7–9 are not decided by a dew point"
//
// Every text is UTF-8. The class field is "1" to "6", "none" above class 6's
// limit, and empty when the dew point is not finite.

#include <string>

#include "cli/facts/conversions.h"
#include "cli/text/json_csv.h"
#include "engine/humidity_class.h"

namespace cli {

std::string ClassField(const engine::PressureDewPointClass& reading);

// The line under the results, in the message language.
std::string ClassLine(const engine::PressureDewPointClass& reading, const HumidityTexts& results,
                      Language language);

// The JSON object of the class, with the line in Chinese as its caption.
std::string ClassJson(const engine::PressureDewPointClass& reading, const HumidityTexts& results);

// The CSV row of the class in the columns of the result rows: group,
// quantity, caption (the line in Chinese), text (the class field), unit.
void WriteClassCsvRow(std::ostream& out, const engine::PressureDewPointClass& reading,
                      const HumidityTexts& results);

}  // namespace cli
