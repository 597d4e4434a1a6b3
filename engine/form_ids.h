#pragma once
// The window and unit IDs of the form template, and the property numbers the
// engine's handlers use.
//
//   handler ──► (window ID, unit ID, property number, element -1) ──► ReadProperty / WriteProperty
//           └─► WindowRef (window ID, own unit ID) ──► LoadWindow / CloseWindow
//
// These are the one definition of the IDs: the window descriptions build the
// template from them, and the engine never links the descriptions.

#include <array>
#include <cstdint>
#include <type_traits>

namespace engine {

// The three windows of the form template.
enum class WindowId : uint32_t {
    Main = 0x52010001,     // "衡朴湿度(带压力农历)换算软件", the start window.
    About = 0x5201041B,    // "关于湿度换算软件".
    Company = 0x52010432,  // "公司简介".
};

// The windows' own units, which name the window itself in a WindowRef.
enum class OwnUnitId : uint32_t {
    Main = 0x06010000,     // The main window's own unit.
    About = 0x0601041A,    // The about window's own unit.
    Company = 0x06010431,  // The company-profile window's own unit.
};

// Units of the main window, as the handlers, the window descriptions and the
// tests name them; the comment gives each unit's name in the form.
enum class MainUnit : uint32_t {
    // The input parameters.
    KnownQuantity = 0x160102ec,      // 组合框1: the known quantity, mode 0-5.
    KnownValue = 0x160102ee,         // 编辑框1: the known value.
    GasTemperature = 0x160102ed,     // 编辑框3: the gas temperature in degC.
    ComputeButton = 0x160102ef,      // 按钮1 "计算": starts the humidity conversion.
    PresentToStandard = 0x160102e3,  // 单选框1: convert from the present to standard pressure.
    StandardToPresent = 0x160102e2,  // 单选框2: convert from standard to the present pressure.
    GaugePressureUnit = 0x160102de,  // 组合框2: the gauge-pressure unit, 0-3.
    GaugePressure = 0x160102e1,      // 编辑框4: the gauge pressure.

    // The results at standard pressure.
    RelativeHumidity = 0x160102d2,            // 编辑框2: relative humidity.
    DewPoint = 0x160102d1,                    // 编辑框5: dew or frost point.
    VolumeRatio = 0x160102d0,                 // 编辑框6: volume ratio.
    AbsoluteHumidityGrams = 0x160102cf,       // 编辑框7: absolute humidity in g/m3.
    AbsoluteHumidityMilligrams = 0x160102ce,  // 编辑框8: absolute humidity in mg/m3.
    MixingRatio = 0x160102cd,                 // 编辑框9: mixing ratio.
    SaturationVapourPressure = 0x160102cc,    // 编辑框10: saturation vapour pressure.
    VapourPressure = 0x160102cb,              // 编辑框11: vapour pressure.
    SupercooledDewPoint = 0x16010474,         // 编辑框29: dew point over supercooled water.

    // The results after the pressure conversion.
    RelativeHumidityAfterConversion = 0x160102c0,            // 编辑框19
    PercentAfterConversion = 0x160102c1,                     // 标签45 "%", beside 编辑框19.
    DewPointAfterConversion = 0x160102be,                    // 编辑框18
    VolumeRatioAfterConversion = 0x160102bc,                 // 编辑框17
    AbsoluteHumidityGramsAfterConversion = 0x160102ba,       // 编辑框16
    AbsoluteHumidityMilligramsAfterConversion = 0x160102b8,  // 编辑框15
    MixingRatioAfterConversion = 0x160102b6,                 // 编辑框14
    SaturationVapourPressureAfterConversion = 0x160102b5,    // 编辑框13: 编辑框10 repeated.
    VapourPressureAfterConversion = 0x160102b2,              // 编辑框12
    SupercooledDewPointAfterConversion = 0x1601047e,         // 编辑框30

    // Captions of the known value, one shown at a time.
    RelativeHumidityCaption = 0x160102eb,  // 标签7 "相对湿度：", in mode 1.
    DewPointCaption = 0x160102e9,          // 标签9 "露  点：", in mode 0.
    AbsoluteHumidityCaption = 0x160102e8,  // 标签10 "绝对湿度：", in modes 3 and 4.
    MixingRatioCaption = 0x160102e7,       // 标签11 "混和比：", in mode 5.
    VolumeRatioCaption = 0x160102e6,       // 标签12 "体积比：", in mode 2.

    // The clock panel and the pages it shows on.
    TabControl = 0x16010299,           // 选择夹1: the four pages.
    ClockTimer = 0x1601029e,           // 时钟1: ticks the clock.
    LunarDateBox = 0x16010451,         // 农历日期框2 on page 0.
    HumidityPageClock = 0x16010456,    // 透明标签1: date and time on page 0.
    PressurePageClock = 0x16010457,    // 透明标签2: date and time on page 1.
    CalendarPageClock = 0x16010458,    // 透明标签3: date and time on page 2.
    HumidityPageWeekday = 0x16010460,  // 透明标签6: day-of-week number on page 0.
    CalendarPageWeekday = 0x16010462,  // 透明标签8: day-of-week number on page 2.

    // The rows of the pressure converter: value box, button, unit name, the
    // grey mask label over the button, and the raised "2" of a squared unit.
    BarValue = 0x16010303,     // 编辑框20
    BarButton = 0x16010302,    // 按钮3
    BarName = 0x16010301,      // 标签55 "巴(bar)"
    BarMask = 0x16010396,      // 标签64
    MpaValue = 0x1601030c,     // 编辑框21
    MpaButton = 0x16010314,    // 按钮4
    MpaName = 0x1601031a,      // 标签56 "兆帕(MPa)"
    MpaMask = 0x16010398,      // 标签65
    KpaValue = 0x1601030e,     // 编辑框22
    KpaButton = 0x16010315,    // 按钮5
    KpaName = 0x1601031b,      // 标签57 "千帕(KPa)"
    KpaMask = 0x16010399,      // 标签66
    AtmValue = 0x1601030f,     // 编辑框23
    AtmButton = 0x16010316,    // 按钮6
    AtmName = 0x1601031c,      // 标签58 "标准大气压"
    AtmMask = 0x1601039a,      // 标签67
    KgfValue = 0x16010310,     // 编辑框24
    KgfButton = 0x16010317,    // 按钮7
    KgfName = 0x1601031d,      // 标签59 "公斤力/厘米"
    KgfExponent = 0x16010321,  // 标签62 "2"
    KgfMask = 0x1601039b,      // 标签68
    MmHgValue = 0x16010311,    // 编辑框25
    MmHgButton = 0x16010318,   // 按钮8
    MmHgName = 0x1601031e,     // 标签60 "毫米汞柱(托)"
    MmHgMask = 0x1601039c,     // 标签69
    PsiValue = 0x16010312,     // 编辑框26
    PsiButton = 0x16010319,    // 按钮9
    PsiName = 0x1601031f,      // 标签61 "磅/英寸  (PSI)"
    PsiExponent = 0x16010322,  // 标签63 "2"
    PsiMask = 0x1601039d,      // 标签70
};

// The number an ID is stored as in the template and passed to the services.
template <typename IdEnum>
requires std::is_enum_v<IdEnum>
constexpr uint32_t Id(IdEnum id) {
    return static_cast<uint32_t>(id);
}

// The result boxes of the humidity page in the rows' order: at standard
// pressure, and after the pressure conversion.
inline constexpr std::array<MainUnit, 9> kStandardResultBoxes = {
    MainUnit::RelativeHumidity,
    MainUnit::DewPoint,
    MainUnit::VolumeRatio,
    MainUnit::AbsoluteHumidityGrams,
    MainUnit::AbsoluteHumidityMilligrams,
    MainUnit::MixingRatio,
    MainUnit::SaturationVapourPressure,
    MainUnit::VapourPressure,
    MainUnit::SupercooledDewPoint};
inline constexpr std::array<MainUnit, 9> kConvertedResultBoxes = {
    MainUnit::RelativeHumidityAfterConversion,
    MainUnit::DewPointAfterConversion,
    MainUnit::VolumeRatioAfterConversion,
    MainUnit::AbsoluteHumidityGramsAfterConversion,
    MainUnit::AbsoluteHumidityMilligramsAfterConversion,
    MainUnit::MixingRatioAfterConversion,
    MainUnit::SaturationVapourPressureAfterConversion,
    MainUnit::VapourPressureAfterConversion,
    MainUnit::SupercooledDewPointAfterConversion};

// The edit boxes of the pressure page, top to bottom.
inline constexpr std::array<MainUnit, 7> kPressureRowBoxes = {
    MainUnit::BarValue, MainUnit::MpaValue,  MainUnit::KpaValue, MainUnit::AtmValue,
    MainUnit::KgfValue, MainUnit::MmHgValue, MainUnit::PsiValue};
// The five distinct captions beside the known-value box.
inline constexpr std::array<MainUnit, 5> kInputLabels = {
    MainUnit::RelativeHumidityCaption, MainUnit::DewPointCaption, MainUnit::AbsoluteHumidityCaption,
    MainUnit::MixingRatioCaption, MainUnit::VolumeRatioCaption};

// Element index of a plain, non-array property; every access uses it.
inline constexpr int32_t kPlainElement = -1;

// Property numbers of the edit box.
enum class EditBoxProperty : int32_t {
    Content = 8,   // The content text, read as an input and written as a result.
    ToolTip = 29,  // The text shown while the pointer rests on the box.
};

// Property numbers of the label.
enum class LabelProperty : int32_t {
    Visible = 5,      // Visible, 0 or 1.
    TextColour = 16,  // Text colour, 0x00BBGGRR.
};

// Property numbers of the radio button.
enum class RadioButtonProperty : int32_t {
    Selected = 18,  // Whether the button is selected, 0 or 1.
};

// Property numbers of the combo box.
enum class ComboBoxProperty : int32_t {
    Selection = 19,  // Index of the current selection, -1 for none.
};

// Property numbers of the transparent label.
enum class TransLabelProperty : int32_t {
    Caption = 8,  // The caption text.
};

// Text colours in the 0x00BBGGRR layout.
enum class Colour : uint32_t {
    Red = 255,        // The highlighted row of the pressure page.
    Blue = 16711680,  // Every other row of the pressure page.
};

}  // namespace engine
