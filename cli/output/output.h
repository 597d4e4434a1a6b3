#pragma once
// The results of one conversion as a table, a JSON object or CSV.
//
//   request (inputs as the boxes hold them) + result texts + humidity class ─► table | JSON | CSV
//
// Every text is UTF-8. Tables use the message language for captions; JSON
// and CSV carry the window's Chinese captions together with fixed ASCII
// names, so that what a program reads does not depend on the locale.

#include <ostream>

#include "cli/arguments/invocation.h"
#include "cli/facts/conversions.h"
#include "engine/humidity_class.h"

namespace cli {

// The humidity class of the pressure dew point follows the results.
void WriteHumidity(std::ostream& out, const ConvertRequest& inputs, const HumidityTexts& results,
                   const engine::PressureDewPointClass& humidityClass, Language language);
void WritePressure(std::ostream& out, const PressureRequest& inputs, const PressureTexts& results,
                   Language language);

}  // namespace cli
