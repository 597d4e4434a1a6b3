#pragma once
// The humidity page as its user works it: the inputs of the groups
// "输入参数" and "压力参数", the button "计算", and the eighteen result boxes
// of "计算值" and "带压换算".

#include <gtest/gtest.h>

#include <QString>
#include <array>

#include "engine/form_ids.h"

namespace gui_testing {

enum class Direction {
    CurrentToStandard,  // 单选框1 " 当前压力转换为标准压力"
    StandardToCurrent,  // 单选框2 " 标准压力转换为当前压力"
};

struct HumidityInputs {
    int knownQuantity = 0;  // item of 组合框1: "℃ td", "%", "ppm", "g/m3", "mg/m3", "g/Kg"
    QString value;          // 编辑框1
    QString temperature;    // 编辑框3
    Direction direction = Direction::CurrentToStandard;
    QString gauge = "0.3";  // 编辑框4, in "MPa" (item 0 of 组合框2)
};

inline constexpr size_t kResultCount = 18;

// The result boxes: 分组框3 (standard pressure) in the order 编辑框2, 5, 6,
// 7, 8, 9, 10, 11, 29, then 分组框4 (after the pressure conversion) in the
// order 编辑框19, 18, 17, 16, 15, 14, 13, 12, 30.
struct ResultBox {
    engine::MainUnit unit;
    const char* name;
};
extern const std::array<ResultBox, kResultCount> kResultBoxes;

// Texts of the result boxes, in the order of kResultBoxes.
using ResultTexts = std::array<const char*, kResultCount>;

// Shows the page and sets every input with the mouse and the keyboard.
::testing::AssertionResult EnterInputs(const HumidityInputs& inputs);
// Clicks "计算".
::testing::AssertionResult Compute();
// Each result box shows its expected text, on screen and read through the
// service table.
void ExpectResults(const ResultTexts& expected);

}  // namespace gui_testing
