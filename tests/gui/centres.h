#pragma once
// Where controls of the main window lie, for the end-to-end tests that click
// the real program under an X server: started with kCentresOption and a
// comma-separated list of requests, this test program runs the program,
// prints one line per request and ends it. Every place is in the main
// window's client area. The layout is the program's own, so the end-to-end
// tests follow it wherever the forms place their controls.
//
//   unit name        "编辑框1 x y"               centre of a shown control
//   tab:CAPTION      "tab:农家历 x y"            centre of a page's tab header
//   menu:CAPTION     "menu:帮助 x y"             centre of a menu-bar title
//   rect:UNIT NAME   "rect:农历月历1 x y w h"    rectangle of a control, also
//                                                 of one on a hidden page

#include <string_view>

namespace gui_testing {

inline constexpr std::string_view kCentresOption = "--print-centres=";

// Runs the program, prints the places and returns the program's exit code,
// or 1 when a request names nothing there.
int PrintCentres(int& argc, char** argv, std::string_view names);

}  // namespace gui_testing
