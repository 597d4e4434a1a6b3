#pragma once
// A small three-window template that uses every record feature: a window's
// own unit with kind data, controls inside a tab control and a group box,
// a hand pointer, events bound to offset 0 and unbound (-1), and a menu.

#include "forms/kind_data.h"
#include "forms/template.h"

namespace forms::testing {

inline constexpr uint32_t kMainWindowId = 0x52010001;
inline constexpr uint32_t kAboutWindowId = 0x5201041B;
inline constexpr uint32_t kProfileWindowId = 0x52010432;
inline constexpr uint32_t kHandCursor = 32649;

inline UnitRecord WindowUnit(uint32_t id, std::string title) {
    WindowData data;
    data.title = std::move(title);
    data.escCloses = 1;
    UnitRecord unit;
    unit.id = id;
    unit.kind = uint32_t(KindCode::Window);
    // Moved in as a made string: GCC 12 at -O3 takes assigning the literal
    // for copies that may overlap (-Werror=restrict, a false alarm).
    unit.name = std::string("w");
    unit.left = 50;
    unit.top = 50;
    unit.width = 360;
    unit.height = 340;
    unit.stateFlags = kVisible;
    unit.kindData = WriteKindData(data);
    return unit;
}

inline UnitRecord Control(uint32_t id, KindCode kind, std::string name, Bytes kindData) {
    UnitRecord unit;
    unit.id = id;
    unit.kind = uint32_t(kind);
    unit.name = std::move(name);
    unit.left = 8;
    unit.top = -8;
    unit.width = 80;
    unit.height = 24;
    unit.stateFlags = kVisible | kTabStop;
    unit.kindData = std::move(kindData);
    return unit;
}

inline MenuItemRecord MenuItem(uint32_t id, uint32_t level, std::string caption, int32_t handler) {
    MenuItemRecord item;
    item.id = id;
    item.kind = uint32_t(KindCode::Menu);
    item.level = level;
    item.caption = std::move(caption);
    item.handlerOffset = handler;
    return item;
}

inline Bytes HandPointer() {
    return {0x89, 0x7F, 0x00, 0x00};
}

inline WindowRecord MainWindow() {
    WindowRecord window{kMainWindowId, 7, 0x1901000F, "", "", {}};
    UnitRecord own = WindowUnit(0x06010000, "main");
    own.events = {{0, 3}};
    window.units.push_back(own);

    TabControlData tabs;
    tabs.pageCaptions = {"page0", "page1"};
    UnitRecord tab = Control(0x16010299, KindCode::TabControl, "tab1", WriteKindData(tabs));
    tab.children = {0x160102e4, 0x1601029e, 0, 0x16010303};
    window.units.push_back(tab);

    GroupBoxData group;
    group.caption = "group";
    UnitRecord box = Control(0x160102e4, KindCode::GroupBox, "group1", WriteKindData(group));
    box.parent = 0x16010299;
    box.children = {0x160102ee};
    window.units.push_back(box);

    EditBoxData edit;
    edit.content = "10";
    FontRecord font;
    font.height = -16;
    font.weight = 700;
    font.SetFace("face");
    edit.font = font;
    UnitRecord editUnit = Control(0x160102ee, KindCode::EditBox, "edit1", WriteKindData(edit));
    editUnit.parent = 0x160102e4;
    editUnit.events = {{-7, 0}, {-8, kNoHandler}};
    editUnit.mousePointer = HandPointer();
    editUnit.tag = "tag";
    window.units.push_back(editUnit);

    TimerData timer;
    timer.period = 1000;
    UnitRecord timerUnit = Control(0x1601029e, KindCode::Timer, "timer1", WriteKindData(timer));
    timerUnit.parent = 0x16010299;
    timerUnit.events = {{0, 1}};
    window.units.push_back(timerUnit);

    UnitRecord label = Control(0x16010303, KindCode::TransLabel, "trans1", {});
    label.parent = 0x16010299;
    label.remark = "remark";
    window.units.push_back(label);

    window.units.push_back(MenuItem(0x260100BE, 0, "file", kNoHandler));
    window.units.push_back(MenuItem(0x260100BF, 1, "exit", 2));
    return window;
}

inline WindowRecord SmallWindow(uint32_t windowId, uint32_t ownUnit, uint32_t buttonId) {
    WindowRecord window{windowId, 0, 0x19010428, "t1", "t2", {}};
    window.units.push_back(WindowUnit(ownUnit, "small"));
    ButtonData button;
    button.caption = "ok";
    UnitRecord buttonUnit = Control(buttonId, KindCode::Button, "button1", WriteKindData(button));
    buttonUnit.events = {{0, 4}};
    window.units.push_back(buttonUnit);
    return window;
}

// Offsets 0-4 are bound, so the procedure table needs five entries.
inline constexpr size_t kSampleProcedureCount = 5;

inline TemplateData SampleTemplate() {
    TemplateData data;
    data.windows.push_back(MainWindow());
    data.windows.push_back(SmallWindow(kAboutWindowId, 0x0601041A, 0x16010427));
    data.windows.push_back(SmallWindow(kProfileWindowId, 0x06010431, 0x16010438));
    return data;
}

}  // namespace forms::testing
