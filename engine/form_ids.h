#pragma once
// The windows, units and property numbers the engine's handlers name.
//
//   handler ──► (window ID, unit ID, property number, element -1) ──► ReadProperty / WriteProperty
//           └─► WindowRef (window ID, own unit ID) ──► LoadWindow / CloseWindow
//
// The IDs are those the form template stores; the engine knows them only as
// numbers and never links the form descriptions.

#include <cstdint>

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

// Units of the main window that the handlers read or write.
enum class MainUnit : uint32_t {
    ComboBox1 = 0x160102ec,     // 组合框1: the known quantity, mode 0-5.
    EditBox1 = 0x160102ee,      // 编辑框1: the known value.
    EditBox3 = 0x160102ed,      // 编辑框3: the gas temperature in degC.
    RadioButton1 = 0x160102e3,  // 单选框1: convert from the present to standard pressure.
    RadioButton2 = 0x160102e2,  // 单选框2: convert from standard to the present pressure.
    ComboBox2 = 0x160102de,     // 组合框2: the gauge-pressure unit, 0-3.
    EditBox4 = 0x160102e1,      // 编辑框4: the gauge pressure.

    EditBox2 = 0x160102d2,   // 编辑框2: relative humidity at standard pressure.
    EditBox5 = 0x160102d1,   // 编辑框5: dew or frost point at standard pressure.
    EditBox6 = 0x160102d0,   // 编辑框6: volume ratio at standard pressure.
    EditBox7 = 0x160102cf,   // 编辑框7: absolute humidity in g/m3 at standard pressure.
    EditBox8 = 0x160102ce,   // 编辑框8: absolute humidity in mg/m3 at standard pressure.
    EditBox9 = 0x160102cd,   // 编辑框9: mixing ratio at standard pressure.
    EditBox10 = 0x160102cc,  // 编辑框10: saturation vapour pressure.
    EditBox11 = 0x160102cb,  // 编辑框11: vapour pressure.
    EditBox29 = 0x16010474,  // 编辑框29: dew point over supercooled water.

    EditBox19 = 0x160102c0,  // 编辑框19: relative humidity after the pressure conversion.
    EditBox18 = 0x160102be,  // 编辑框18: dew or frost point after the pressure conversion.
    EditBox17 = 0x160102bc,  // 编辑框17: volume ratio after the pressure conversion.
    EditBox16 = 0x160102ba,  // 编辑框16: absolute humidity in g/m3 after the conversion.
    EditBox15 = 0x160102b8,  // 编辑框15: absolute humidity in mg/m3 after the conversion.
    EditBox14 = 0x160102b6,  // 编辑框14: mixing ratio after the pressure conversion.
    EditBox13 = 0x160102b5,  // 编辑框13: saturation vapour pressure, repeated.
    EditBox12 = 0x160102b2,  // 编辑框12: vapour pressure after the pressure conversion.
    EditBox30 = 0x1601047e,  // 编辑框30: supercooled-water dew point after the conversion.

    Label7 = 0x160102eb,   // 标签7 "相对湿度：", caption of the known value in mode 1.
    Label9 = 0x160102e9,   // 标签9 "露  点：", caption of the known value in mode 0.
    Label10 = 0x160102e8,  // 标签10 "绝对湿度：", caption in modes 3 and 4.
    Label11 = 0x160102e7,  // 标签11 "混和比：", caption in mode 5.
    Label12 = 0x160102e6,  // 标签12 "体积比：", caption in mode 2.

    TransLabel1 = 0x16010456,  // 透明标签1: date and time on page 0.
    TransLabel2 = 0x16010457,  // 透明标签2: date and time on page 1.
    TransLabel3 = 0x16010458,  // 透明标签3: date and time on page 2.
    TransLabel6 = 0x16010460,  // 透明标签6: day-of-week number on page 0.
    TransLabel8 = 0x16010462,  // 透明标签8: day-of-week number on page 2.

    EditBox20 = 0x16010303,  // 编辑框20: value of the bar row.
    EditBox21 = 0x1601030c,  // 编辑框21: value of the MPa row.
    EditBox22 = 0x1601030e,  // 编辑框22: value of the kPa row.
    EditBox23 = 0x1601030f,  // 编辑框23: value of the standard-atmosphere row.
    EditBox24 = 0x16010310,  // 编辑框24: value of the kgf/cm2 row.
    EditBox25 = 0x16010311,  // 编辑框25: value of the mmHg row.
    EditBox26 = 0x16010312,  // 编辑框26: value of the PSI row.
    Button3 = 0x16010302,    // 按钮3: converts the bar row.
    Button4 = 0x16010314,    // 按钮4: converts the MPa row.
    Button5 = 0x16010315,    // 按钮5: converts the kPa row.
    Button6 = 0x16010316,    // 按钮6: converts the standard-atmosphere row.
    Button7 = 0x16010317,    // 按钮7: converts the kgf/cm2 row.
    Button8 = 0x16010318,    // 按钮8: converts the mmHg row.
    Button9 = 0x16010319,    // 按钮9: converts the PSI row.
    Label55 = 0x16010301,    // 标签55 "巴(bar)": unit name of the bar row.
    Label56 = 0x1601031a,    // 标签56 "兆帕(MPa)": unit name of the MPa row.
    Label57 = 0x1601031b,    // 标签57 "千帕(KPa)": unit name of the kPa row.
    Label58 = 0x1601031c,    // 标签58 "标准大气压": unit name of the atm row.
    Label59 = 0x1601031d,    // 标签59 "公斤力/厘米": unit name of the kgf/cm2 row.
    Label60 = 0x1601031e,    // 标签60 "毫米汞柱(托)": unit name of the mmHg row.
    Label61 = 0x1601031f,    // 标签61 "磅/英寸  (PSI)": unit name of the PSI row.
    Label62 = 0x16010321,    // 标签62 "2": exponent of cm2 in the kgf/cm2 row.
    Label63 = 0x16010322,    // 标签63 "2": exponent of in2 in the PSI row.
    Label64 = 0x16010396,    // 标签64: mask over the bar row's button.
    Label65 = 0x16010398,    // 标签65: mask over the MPa row's button.
    Label66 = 0x16010399,    // 标签66: mask over the kPa row's button.
    Label67 = 0x1601039a,    // 标签67: mask over the standard-atmosphere row's button.
    Label68 = 0x1601039b,    // 标签68: mask over the kgf/cm2 row's button.
    Label69 = 0x1601039c,    // 标签69: mask over the mmHg row's button.
    Label70 = 0x1601039d,    // 标签70: mask over the PSI row's button.
};

// Element index of a plain, non-array property; every access uses it.
inline constexpr int32_t kPlainElement = -1;

// Property numbers of the edit box.
enum class EditBoxProperty : int32_t {
    Content = 8,  // The content text, read as an input and written as a result.
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
