#pragma once
// The command-line program as a library: arguments in, texts and an exit
// status out, so that tests run it without a process.
//
//   args ─► ParseArguments ─► request ─► conversion ─► output ─► exit status

#include <ctime>
#include <ostream>
#include <span>
#include <string>

#include "cli/file_output.h"
#include "cli/language.h"

namespace cli {

enum class ExitStatus : int {
    Success = 0,
    RowsFailed = 1,    // a batch ran, but some of its rows could not be converted
    Usage = 2,         // the command line was wrong, or the input could not be read
    OutputFailed = 3,  // standard output could not be written in full
};

// What the program takes from its process besides the arguments.
struct Environment {
    Language language = Language::English;
    int standardInput = 0;          // a descriptor
    bool progressTerminal = false;  // standard error is a terminal that standard output is not
    std::time_t now = std::time(nullptr);  // decides the calendar's "this month"
};

// The arguments after the program name.
ExitStatus Run(std::span<const std::string> args, const Environment& environment, std::ostream& out,
               std::ostream& err);

// Closes standard output: the status to exit with, OutputFailed when some
// of it could not be written (said on `err`, except for a reader that has
// gone away, which is no news to anyone).
ExitStatus FinishOutput(FileOutput& output, ExitStatus status, const Environment& environment,
                        std::ostream& err);
ExitStatus ReportOutOfMemory(const Environment& environment, std::ostream& err);

}  // namespace cli
