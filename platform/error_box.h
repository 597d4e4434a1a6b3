#pragma once
// The runtime error box on the windowing platform: a modal message box with
// no owner window, the caption, the critical icon and one OK button (which
// reads "确定" once the Chinese translations are installed).

#include <string>

namespace platform {

// Shows the GBK text under the GBK caption and waits until it is dismissed.
// Without a QApplication (an error before the windowing layer starts) the
// text goes to the standard error stream instead.
void ShowErrorBox(const std::string& gbkText, const std::string& gbkCaption);

// Makes ShowErrorBox the presenter of FatalRuntimeError.
void InstallErrorBox();

}  // namespace platform
