#pragma once
// Window creation from the template records: the menu bar, the window from
// its own unit, every control-type unit in unit order inside its container,
// the stacking order, the visibility of tab pages, and the window's size and
// place on the screen. Events are bound only after the whole window exists;
// nothing here raises one. The controls of tab pages that are not shown are
// made later, when first asked for or when their page is first shown, just
// as they would have been made with the window.

#include <QSize>

#include "forms/template.h"

class QWidget;

namespace controls {

class FormWindow;

// The window built hidden, or null when the window's own unit or any control
// cannot be created; nothing of the window remains then.
FormWindow* BuildFormWindow(forms::WindowRecord& record, QWidget* owner);

// What a classic fixed single frame takes from a window's stored outer size:
// the two borders, the caption and, with a menu, the menu bar.
inline constexpr int kClassicBorder = 3;
inline constexpr int kClassicCaption = 19;

}  // namespace controls
