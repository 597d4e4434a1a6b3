#pragma once
// The two conversions of the window, run by the engine's own handlers on the
// in-memory window.
//
//   humidity inputs (GBK texts, indexes) ─► 按钮1's handler ─► 18 result texts
//   pressure value (GBK text), unit ─► the unit row's handler ─► 7 row texts
//
// The engine's variables are reset before each conversion, so that its
// results depend on its own inputs only, as on the first click after the
// window opens. Results are the boxes' texts in UTF-8.

#include <array>
#include <string>
#include <vector>

#include "cli/facts/catalogue.h"
#include "engine/humidity_class.h"
#include "engine/memory_window.h"

namespace cli {

struct HumidityInputs {
    int32_t mode = 0;         // 组合框1's selection
    std::string value;        // 编辑框1, GBK
    std::string temperature;  // 编辑框3, GBK
    std::string pressure;     // 编辑框4, GBK
    int32_t gaugeUnit = 0;    // 组合框2's selection
    Direction direction = Direction::ToStandard;
    // False when the pressure is the window's start value standing in for
    // one not given: the pressure dew point is then the dew point at
    // atmospheric pressure.
    bool pressureGiven = true;
};

// The texts of the result boxes in ResultFields() order.
using HumidityTexts = std::array<std::string, kResultCount>;

// The inputs of a conversion that no real gas can have. The window computes
// them all the same; the command line keeps those digits and says so.
struct ImpossibleInputs {
    bool belowAbsoluteZero = false;         // a gas temperature under -273.15 ℃
    bool aboveSaturation = false;           // a relative humidity over 100 % at standard pressure
    bool negativeAbsolutePressure = false;  // gauge pressure plus the reference below zero

    bool Any() const { return belowAbsoluteZero || aboveSaturation || negativeAbsolutePressure; }
    // What each impossible input is called, in a fixed order.
    std::vector<Message> Messages() const;
};

// Converts row after row on one in-memory window; every input is set anew
// for each conversion.
class HumidityConverter {
public:
    HumidityTexts Convert(const HumidityInputs& inputs);
    // What was impossible about the last conversion's inputs.
    const ImpossibleInputs& Impossible() const { return impossible_; }
    // The last conversion's pressure dew point and the humidity class it
    // meets, decided on the digits its box shows.
    const engine::PressureDewPointClass& HumidityClass() const { return humidityClass_; }

private:
    engine::MemoryWindow window_{engine::MemoryWindow::Mode::WindowDefaults};
    ImpossibleInputs impossible_;
    engine::PressureDewPointClass humidityClass_{};
};

// The texts of the pressure page's rows in PressureUnits() order; the
// source row keeps its text as typed.
inline constexpr std::size_t kPressureUnitCount = 7;
using PressureTexts = std::array<std::string, kPressureUnitCount>;
PressureTexts ConvertPressure(const std::string& value, const PressureUnit& unit);

}  // namespace cli
