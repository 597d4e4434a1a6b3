#pragma once
// The tooltip of the box that shows the pressure dew point: the humidity
// class it meets, in Chinese, as a GBK text like every text the engine
// writes.
//
//   PressureDewPointClass ─► HumidityClassTip ─►
//       "ISO 8573-1:2010 湿度等级 2 级（压力露点 ≤ -40 ℃）" CR LF "0 级与 7–9 级不由露点判定"

#include <string>

#include "engine/humidity_class.h"

namespace engine {

// The first line names the class met, "none of classes 1-6" above class 6,
// or that a dew point that is not finite decides nothing; the second line
// says which classes no dew point decides.
std::string HumidityClassTip(const PressureDewPointClass& reading);

}  // namespace engine
