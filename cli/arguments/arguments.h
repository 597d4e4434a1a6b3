#pragma once
// The command line, read into one request or a usage error.
//
//   argv ─► command word ─► options and operands ─► ConvertRequest | PressureRequest | ...
//
// Options are "--name VALUE", "--name=VALUE", or a short "-t VALUE", "-tVALUE"
// or "-t=VALUE". An argument counts as an option only when it starts with "-"
// or "--" followed by a letter, so "-40", "--5" and "" are operands; an
// option is never taken as the value of the option before it, so that
// "--rh -t 20" says --rh lacks its value. "--" makes every later argument an
// operand.

#include <span>
#include <string>

#include "cli/arguments/invocation.h"

namespace cli {

// The arguments after the program name.
Request ParseArguments(std::span<const std::string> args);

}  // namespace cli
