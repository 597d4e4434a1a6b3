#pragma once
// Where controls of the main window lie, for the end-to-end test that clicks
// the real program under an X server: started with kCentresOption and a
// comma-separated list of unit names, this test program runs the program,
// prints one line "name x y" per unit (the unit's centre in the main
// window's client area) and ends it. The layout is the program's own, so the
// end-to-end test follows it wherever the forms place their controls.

#include <string_view>

namespace gui_testing {

inline constexpr std::string_view kCentresOption = "--print-centres=";

// Runs the program, prints the centres and returns the program's exit code,
// or 1 when a name names no visible control.
int PrintCentres(int& argc, char** argv, std::string_view names);

}  // namespace gui_testing
