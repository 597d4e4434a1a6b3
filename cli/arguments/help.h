#pragma once
// The help text: all of it, or one command's section with the rules every
// command shares.
//
//   HelpRequest ─► HelpText ─► text in the locale's language

#include <string>

#include "cli/text/language.h"

namespace cli {

// `command` is a command's section of the help, or null for the whole help.
std::string HelpText(const Message* command, Language language);

}  // namespace cli
