#pragma once
// What a user does with the running program, and what the user sees.
//
//   unit name / unit ID ──► live control ──► point in its window ──► QTest input on the window
//   live control / ReadProperty ──► the text or state the user sees
//
// Every mouse action goes through the window's platform window at a point,
// so Qt hit-tests it as a real click: a control that is hidden, on another
// tab page or covered by another control cannot be clicked by mistake. Keys
// go to the widget that has the keyboard focus, as typing does.

#include <gtest/gtest.h>

#include <QPoint>
#include <QString>
#include <cstdint>
#include <string>

#include "engine/form_ids.h"

class QWidget;

namespace gui_testing {

inline constexpr uint32_t kMainWindow = engine::Id(engine::WindowId::Main);
inline constexpr uint32_t kAboutWindow = engine::Id(engine::WindowId::About);
inline constexpr uint32_t kCompanyWindow = engine::Id(engine::WindowId::Company);

// The unit of the main window that the engine names, as a number.
constexpr uint32_t Unit(engine::MainUnit unit) {
    return engine::Id(unit);
}

// The ID of the unit named `utf8Name` (e.g. "按钮2") in a window of the
// form template; 0 when there is none.
uint32_t UnitNamed(uint32_t windowId, const std::string& utf8Name);

// The live control of a unit, or null when its window is not loaded.
QWidget* Control(uint32_t unitId, uint32_t windowId = kMainWindow);

// Lets posted events, deferred deletions and repaints run.
void Settle();

// Makes the window the active one, as the window manager does for the
// window the user works in; false when it does not become active.
bool Activate(uint32_t windowId);

// Each action fails, saying why, when the user could not do it: the click is
// then not made, so it cannot land on another control.

// Clicks at a point of a visible control, through its window.
::testing::AssertionResult ClickAt(QWidget* control, QPoint point);
::testing::AssertionResult Click(QWidget* control);
::testing::AssertionResult Click(uint32_t unitId, uint32_t windowId = kMainWindow);

// Shows a page of the main window's tab control by clicking its tab.
::testing::AssertionResult ShowPage(int page);

// Clicks into an edit box, selects all of its text and types `text` in its
// place (the empty text deletes it), key by key.
::testing::AssertionResult TypeInto(uint32_t editBoxUnitId, const QString& text);

// Opens a combo box's list with a click and picks item `index` with the
// arrow keys and Enter.
::testing::AssertionResult ChooseItem(uint32_t comboBoxUnitId, int index);

// Opens a menu of the menu bar with a click and clicks one of its items.
::testing::AssertionResult ChooseMenuItem(uint32_t windowId, const QString& menu,
                                          const QString& item);

// The text an edit box shows, from its live editor.
QString ShownText(uint32_t editBoxUnitId);

// A text property read through the service table, converted to UTF-8; the
// heap text is freed as the engine frees it.
QString PropertyText(uint32_t unitId, int32_t property, uint32_t windowId = kMainWindow);
// The low word of a numeric property read through the service table.
uint32_t PropertyWord(uint32_t unitId, int32_t property, uint32_t windowId = kMainWindow);

// The caption of a transparent label (the clock and day-of-week labels).
QString TransLabelCaption(engine::MainUnit label);

}  // namespace gui_testing
