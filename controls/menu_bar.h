#pragma once
// A window's menu bar, made from its menu item records.

#include "forms/template.h"

class QMenuBar;

namespace controls {

// Fills an empty menu bar with the window's shown menu items: a top-level
// item with items below it opens a drop-down, one without is pressed
// directly. Choosing an item raises its event.
void FillMenuBar(QMenuBar& bar, const forms::WindowRecord& record);

}  // namespace controls
