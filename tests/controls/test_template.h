#pragma once
// A small hand-made template for the control-model tests: a form window
// with a two-page tab control (a group box with two edit boxes, buttons,
// combo boxes and radio buttons on page 0; labels on page 1) and a menu, and
// a dialog-like window with a default button. Handlers are offsets into the
// fake procedure table; each binding below names its own offset.

#include "forms/kind_data.h"
#include "forms/template.h"
#include "windows/main_window.h"

namespace controls::testing {

inline constexpr uint32_t kFormId = 0x52010001;
inline constexpr uint32_t kFormUnit = 0x06010000;
inline constexpr uint32_t kDialogId = 0x5201041B;
inline constexpr uint32_t kDialogUnit = 0x0601041A;

// Units of the form window.
inline constexpr uint32_t kTab = 0x16000001;
inline constexpr uint32_t kGroup = 0x16000002;
inline constexpr uint32_t kDigitsEdit = 0x16000003;   // input mode 5
inline constexpr uint32_t kDecimalEdit = 0x16000004;  // input mode 4
inline constexpr uint32_t kCalcButton = 0x16000005;
inline constexpr uint32_t kCombo = 0x16000006;
inline constexpr uint32_t kEmptyCombo = 0x16000007;  // no item selected
inline constexpr uint32_t kRadio1 = 0x16000008;
inline constexpr uint32_t kRadio2 = 0x16000009;
inline constexpr uint32_t kUnboundButton = 0x1600000A;
inline constexpr uint32_t kPageOneLabel = 0x16000010;  // hidden, on page 1
inline constexpr uint32_t kClickLabel = 0x16000011;    // on page 1, -1 bound
inline constexpr uint32_t kPicture = 0x16000012;
inline constexpr uint32_t kFileMenu = 0x26000001;
inline constexpr uint32_t kExitItem = 0x26000002;
inline constexpr uint32_t kHelpMenu = 0x26000003;
inline constexpr uint32_t kAboutItem = 0x26000004;

// Units of the dialog window.
inline constexpr uint32_t kDialogDefault = 0x16000020;
inline constexpr uint32_t kDialogEdit = 0x16000021;
inline constexpr uint32_t kDialogOther = 0x16000022;

// Handler offsets.
enum Handler : int32_t {
    kOnCreated = 0,
    kOnMoved = 1,
    kOnResized = 2,
    kOnDigitsFocus = 3,
    kOnCalc = 4,
    kOnCalcPress = 5,
    kOnComboChosen = 6,
    kOnLabelPress = 8,
    kOnExit = 9,
    kOnAbout = 10,
    kOnDialogDefault = 11,
    kOnTabChanging = 12,
    kOnTabChanged = 13,
};

inline constexpr uint32_t kShownWithTabStop = forms::kVisible | forms::kTabStop;

inline forms::UnitRecord Unit(uint32_t id, forms::KindCode kind, windows::Box box,
                              forms::Bytes data, uint32_t parent = 0) {
    forms::UnitRecord unit;
    unit.id = id;
    unit.kind = uint32_t(kind);
    // Built from a made string: GCC 12 at -O3 takes "u" + std::string for an
    // overlapping copy (-Wrestrict) in Release builds.
    unit.name = std::string("u").append(std::to_string(id & 0xFF));
    unit.left = box.left;
    unit.top = box.top;
    unit.width = box.width;
    unit.height = box.height;
    unit.parent = parent;
    unit.stateFlags = controls::testing::kShownWithTabStop;
    unit.kindData = std::move(data);
    return unit;
}

inline forms::MenuItemRecord Item(uint32_t id, uint32_t level, std::string caption,
                                  int32_t handler) {
    forms::MenuItemRecord item;
    item.id = id;
    item.kind = uint32_t(forms::KindCode::Menu);
    item.level = level;
    item.caption = std::move(caption);
    item.handlerOffset = handler;
    return item;
}

inline forms::UnitRecord OwnUnit(uint32_t id, windows::Box box, forms::WindowData data) {
    data.borderStyle = 2;
    data.maximizeButton = 0;
    data.startPosition = 1;
    return Unit(id, forms::KindCode::Window, box, forms::WriteKindData(data));
}

inline forms::EditBoxData EditWithMode(forms::EditInputMode mode) {
    forms::EditBoxData data;
    data.inputMode = uint32_t(mode);
    return data;
}

inline forms::ComboBoxData ComboOf(std::vector<std::string> items, int32_t selection) {
    forms::ComboBoxData data;
    data.items = std::move(items);
    data.selection = selection;
    return data;
}

inline forms::ButtonData ButtonOf(std::string caption, uint32_t defaultButton = 0) {
    forms::ButtonData data;
    data.caption = std::move(caption);
    data.defaultButton = defaultButton;
    return data;
}

inline forms::LabelData LabelOf(std::string caption) {
    forms::LabelData data;
    data.caption = std::move(caption);
    return data;
}

inline forms::WindowRecord FormWindowRecord() {
    forms::WindowRecord window{kFormId, 0, 0x1901000F, "", "", {}};
    forms::WindowData own;
    own.title = "form";
    own.escCloses = 1;
    own.enterMovesFocus = 1;
    own.dragAnywhere = 1;
    forms::UnitRecord ownUnit = OwnUnit(kFormUnit, {50, 50, 420, 340}, own);
    ownUnit.events = {{0, kOnCreated}, {3, kOnMoved}, {4, kOnResized}};
    window.units.push_back(ownUnit);

    forms::TabControlData tabs;
    tabs.pageCaptions = {"p0", "p1"};
    forms::UnitRecord tab =
        Unit(kTab, forms::KindCode::TabControl, {0, 0, 400, 280}, forms::WriteKindData(tabs));
    tab.children = {kGroup,         kCalcButton, kCombo,        kEmptyCombo, kRadio1, kRadio2,
                    kUnboundButton, 0,           kPageOneLabel, kClickLabel, kPicture};
    tab.events = {{1, kOnTabChanging}, {2, kOnTabChanged}};
    window.units.push_back(tab);

    forms::GroupBoxData group;
    group.caption = "group";
    forms::UnitRecord groupUnit = Unit(kGroup, forms::KindCode::GroupBox, {8, 32, 200, 120},
                                       forms::WriteKindData(group), kTab);
    groupUnit.children = {kDigitsEdit, kDecimalEdit};
    window.units.push_back(groupUnit);

    forms::UnitRecord digits =
        Unit(kDigitsEdit, forms::KindCode::EditBox, {8, 24, 80, 24},
             forms::WriteKindData(EditWithMode(forms::EditInputMode::DigitsOnly)), kGroup);
    digits.events = {{-7, kOnDigitsFocus}};
    window.units.push_back(digits);
    window.units.push_back(Unit(kDecimalEdit, forms::KindCode::EditBox, {8, 60, 80, 24},
                                forms::WriteKindData(EditWithMode(forms::EditInputMode::Decimal)),
                                kGroup));

    forms::UnitRecord calc = Unit(kCalcButton, forms::KindCode::Button, {220, 10, 80, 30},
                                  forms::WriteKindData(ButtonOf("calc")), kTab);
    calc.events = {{-1, kOnCalcPress}, {0, kOnCalc}};
    window.units.push_back(calc);
    forms::UnitRecord combo = Unit(kCombo, forms::KindCode::ComboBox, {220, 50, 100, 24},
                                   forms::WriteKindData(ComboOf({"a", "b", "c"}, 0)), kTab);
    combo.events = {{0, kOnComboChosen}};
    window.units.push_back(combo);
    window.units.push_back(Unit(kEmptyCombo, forms::KindCode::ComboBox, {220, 80, 100, 24},
                                forms::WriteKindData(ComboOf({"x"}, -1)), kTab));
    forms::RadioButtonData selected;
    selected.caption = "r1";
    selected.selected = 1;
    window.units.push_back(Unit(kRadio1, forms::KindCode::RadioButton, {220, 110, 100, 24},
                                forms::WriteKindData(selected), kTab));
    forms::RadioButtonData other;
    other.caption = "r2";
    window.units.push_back(Unit(kRadio2, forms::KindCode::RadioButton, {220, 140, 100, 24},
                                forms::WriteKindData(other), kTab));
    window.units.push_back(Unit(kUnboundButton, forms::KindCode::Button, {220, 170, 80, 30},
                                forms::WriteKindData(ButtonOf("nobind")), kTab));

    forms::UnitRecord hidden = Unit(kPageOneLabel, forms::KindCode::Label, {10, 10, 100, 24},
                                    forms::WriteKindData(LabelOf("L52")), kTab);
    hidden.stateFlags = 0;
    window.units.push_back(hidden);
    forms::UnitRecord clickLabel = Unit(kClickLabel, forms::KindCode::Label, {10, 50, 100, 24},
                                        forms::WriteKindData(LabelOf("lab")), kTab);
    clickLabel.events = {{-1, kOnLabelPress}};
    window.units.push_back(clickLabel);
    window.units.push_back(Unit(kPicture, forms::KindCode::PictureBox, {10, 90, 40, 40},
                                forms::WriteKindData(forms::PictureBoxData{}), kTab));

    window.units.push_back(Item(kFileMenu, 0, "file", forms::kNoHandler));
    window.units.push_back(Item(kExitItem, 1, "exit", kOnExit));
    window.units.push_back(Item(kHelpMenu, 0, "help", forms::kNoHandler));
    window.units.push_back(Item(kAboutItem, 1, "about", kOnAbout));
    return window;
}

inline forms::WindowRecord DialogWindowRecord() {
    forms::WindowRecord window{kDialogId, 0, 0x19010428, "", "", {}};
    forms::WindowData own;
    own.title = "dialog";
    window.units.push_back(OwnUnit(kDialogUnit, {50, 50, 300, 200}, own));
    window.units.push_back(Unit(kDialogEdit, forms::KindCode::EditBox, {10, 10, 100, 24},
                                forms::WriteKindData(forms::EditBoxData{})));
    window.units.push_back(Unit(kDialogOther, forms::KindCode::Button, {10, 50, 80, 30},
                                forms::WriteKindData(ButtonOf("other"))));
    forms::UnitRecord def = Unit(kDialogDefault, forms::KindCode::Button, {100, 50, 80, 30},
                                 forms::WriteKindData(ButtonOf("ok", 1)));
    def.events = {{0, kOnDialogDefault}};
    window.units.push_back(def);
    return window;
}

inline forms::TemplateData TestTemplate() {
    forms::TemplateData data;
    data.windows.push_back(FormWindowRecord());
    data.windows.push_back(DialogWindowRecord());
    return data;
}

}  // namespace controls::testing
