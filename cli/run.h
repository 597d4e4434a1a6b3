#pragma once
// The command-line program as a library: arguments in, texts and an exit
// status out, so that tests run it without a process.
//
//   args ─► ParseArguments ─► request ─► conversion ─► output ─► exit status

#include <cstdio>
#include <ctime>
#include <ostream>
#include <span>
#include <string>

#include "cli/language.h"

namespace cli {

enum class ExitStatus : int {
    Success = 0,
    RowsFailed = 1,  // a batch ran, but some of its rows could not be converted
    Usage = 2,       // the command line was wrong; nothing was converted
};

// What the program takes from its process besides the arguments.
struct Environment {
    Language language = Language::English;
    std::FILE* standardInput = stdin;
    bool errorIsTerminal = false;          // progress is shown only on a terminal
    std::time_t now = std::time(nullptr);  // decides the calendar's "this month"
};

// The arguments after the program name.
ExitStatus Run(std::span<const std::string> args, const Environment& environment, std::ostream& out,
               std::ostream& err);

}  // namespace cli
