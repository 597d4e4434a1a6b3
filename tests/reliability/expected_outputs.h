#pragma once
// What the result boxes must show after a click, worked out here from the
// texts in the input boxes: each text is read as the runtime reads it
// (full-width forms folded, then parsed), the value goes through the
// humidity formulas or the pressure factors, and the result is written as
// the runtime writes a number with a fixed count of decimals.
//
//   box texts ──► FoldFullWidth ──► ParseNumber ──► formulas / factors ──► FormatFixedDecimals

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/form_ids.h"

namespace reliability {

using engine::MainUnit;

struct ShownText {
    MainUnit box;
    std::string text;
};

// The text an edit box holds after `gbk` was written into it. The box keeps
// its text as Unicode and hands it back as GBK with CR LF line breaks, so a
// lone line feed comes back as CR LF, and a byte that starts no decodable
// GBK character comes back as "?"; everything else comes back as written.
std::string HeldText(const std::string& gbk);

enum class Direction { CurrentToStandard, StandardToCurrent };

// The inputs of the humidity conversion: the selections and the texts held
// by 编辑框1 (known value), 编辑框3 (temperature) and 编辑框4 (gauge pressure).
struct HumidityInputs {
    int32_t mode = 0;
    int32_t unit = 0;
    Direction direction = Direction::CurrentToStandard;
    std::string known;
    std::string temperature;
    std::string gauge;
};

// The 18 result boxes of a click on "计算", with a mode of 0-5 and a unit of
// 0-3.
std::vector<ShownText> ExpectedHumidityResults(const HumidityInputs& inputs);

// The pressure rows, top to bottom.
inline constexpr size_t kPressureRowCount = 7;
inline constexpr std::array<MainUnit, kPressureRowCount> kPressureBoxes = {
    MainUnit::BarValue, MainUnit::MpaValue,  MainUnit::KpaValue, MainUnit::AtmValue,
    MainUnit::KgfValue, MainUnit::MmHgValue, MainUnit::PsiValue};
inline constexpr std::array<MainUnit, kPressureRowCount> kPressureButtons = {
    MainUnit::BarButton, MainUnit::MpaButton,  MainUnit::KpaButton, MainUnit::AtmButton,
    MainUnit::KgfButton, MainUnit::MmHgButton, MainUnit::PsiButton};

// The six other boxes after a click on row `row`'s "换算" with `gbk` in its box.
std::vector<ShownText> ExpectedPressureResults(size_t row, const std::string& gbk);

}  // namespace reliability
