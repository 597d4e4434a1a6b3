#pragma once
// The rows of the pressure page as its user works them: a value typed into a
// row's edit box (the click into it highlights the row and uncovers its
// button), the row's "换算" clicked, the seven edit boxes read back.

#include <gtest/gtest.h>

#include <QString>
#include <array>

#include "engine/form_ids.h"

namespace gui_testing {

inline constexpr int kPressurePage = 1;

// The rows, top to bottom.
enum class PressureRow { Bar, MPa, KPa, Atm, Kgf, MmHg, Psi };
inline constexpr size_t kPressureRowCount = 7;

// Types `text` into the row's edit box and clicks the row's button.
::testing::AssertionResult ConvertTyped(PressureRow row, const QString& text);

// The edit box of every row, top to bottom, shows its expected text, on
// screen and read through the service table.
void ExpectRows(const std::array<const char*, kPressureRowCount>& shown);

}  // namespace gui_testing
