#pragma once
// The compressed-air humidity class that a conversion's pressure dew point
// meets.
//
//   direction + dew points as shown (编辑框5, 编辑框18) ─► ClassifyPressureDewPoint
//       ─► which dew point is the pressure dew point ─► class 1-6 | above class 6 | none
//
// ISO 8573-1:2010 sorts compressed air by humidity into classes 1 to 6 by the
// pressure dew point, the dew point at the gas's own pressure. Its other
// classes are never decided from a dew point and never given here: class 0
// is a limit stricter than class 1 agreed between supplier and user, and
// classes 7 to 9 limit liquid water.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace engine {

// Which way the pressure conversion goes: 单选框1 and 单选框2.
enum class PressureDirection {
    CurrentToStandard,  // the known sample is at the gauge pressure
    StandardToCurrent,  // the known sample is at standard pressure
};

// A humidity class and the highest pressure dew point it allows.
struct HumidityClassLimit {
    int32_t number;       // 1-6
    int32_t maxDewPoint;  // degC, the limit itself included
};

// The classes a dew point decides, strictest first.
inline constexpr std::array<HumidityClassLimit, 6> kHumidityClassLimits = {{
    {1, -70},
    {2, -40},
    {3, -20},
    {4, 3},
    {5, 7},
    {6, 10},
}};

// Where the pressure dew point is shown, and at which pressure.
enum class PressureDewPointSource {
    KnownAtGaugePressure,      // 编辑框5: current to standard, the known sample is at the line
    ConvertedToGaugePressure,  // 编辑框18: standard to current, converted to the line
    AtmosphericOnly,           // 编辑框5: no pressure conversion, the dew point at 1 atm
};

enum class HumidityClassVerdict {
    Met,            // one of classes 1-6
    AboveClassSix,  // a dew point above class 6's limit: none of classes 1-6
    NoDewPoint,     // an infinite or NaN dew point: no class at all
};

struct PressureDewPointClass {
    PressureDewPointSource source;
    double dewPoint;  // degC
    HumidityClassVerdict verdict;
    HumidityClassLimit met;  // the class met, when the verdict is Met
};

// The pressure dew point of a conversion and the class it meets, from the
// direction (none: no pressure conversion) and the two dew points. Callers
// pass the dew points as their boxes show them, rounded to the boxes'
// digits, so that the class always agrees with what the user reads: a dew
// point that shows as -40.00 meets class 2 even when it was computed as
// -39.996.
PressureDewPointClass ClassifyPressureDewPoint(std::optional<PressureDirection> direction,
                                               double shownDewPoint, double shownConvertedDewPoint);

// A limit as the class texts write it, the sign spelt out: "-40", "0", "+3".
std::string LimitText(int32_t degrees);

// Whether the pressure dew point is the converted one (编辑框18) rather than
// the one at standard pressure (编辑框5).
bool IsConvertedDewPoint(PressureDewPointSource source);

}  // namespace engine
