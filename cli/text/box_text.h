#pragma once
// Texts on their way into and out of the window's edit boxes.
//
//   UTF-8 argument ─► drop invisible format characters GBK cannot hold ─► GBK
//   GBK box text ─► UTF-8 for the terminal
//
// The edit box stores exactly the GBK text the engine reads: an invisible
// format character (a zero-width space, a direction mark) that GBK cannot
// hold is left out, and every other character GBK cannot hold becomes "?".
// Doing the same here makes "1<zero-width space>2" read as 12 from a
// terminal too.

#include <string>
#include <string_view>

namespace cli {

// A typed text as the edit box keeps it, in GBK.
std::string TypedTextToGbk(std::string_view utf8);
// A box's text as UTF-8.
std::string ShownText(std::string_view gbk);

// Whether a GBK text reads as a number as a whole, after full-width forms
// are folded and blanks around it dropped; a text with a NUL never does.
bool IsNumberText(std::string_view gbk);
// The text without the blanks (space, tab, line breaks) around it.
std::string_view Trimmed(std::string_view text);

}  // namespace cli
