#pragma once
// The three windows of the program, written once as data.
//
//   WindowSpec (window_spec.h) ──► BuildTemplate ──► TemplateData ──► WriteTemplate ──► bytes
//     main, about, company          (main_window_builder.h)             (build-time tool)

#include <vector>

#include "windows/window_spec.h"

namespace windows {

// The windows in template order: main, about, company profile.
std::vector<WindowSpec> FormWindows();
WindowSpec MainWindowSpec();
WindowSpec AboutWindowSpec();
WindowSpec CompanyWindowSpec();

}  // namespace windows
