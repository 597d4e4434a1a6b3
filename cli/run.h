#pragma once
// The command-line program as a library: arguments in, texts and an exit
// status out, so that tests run it without a process.
//
//   args ─► ParseArguments ─► request ─► conversion ─► output ─► exit status

#include <ostream>
#include <span>
#include <string>

#include "cli/arguments/invocation.h"
#include "cli/text/file_output.h"

namespace cli {

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
