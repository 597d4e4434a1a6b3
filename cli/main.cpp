// The command-line program's process entry: standard output through checked
// writes, and the exit status that says whether all of it was written.

#include <unistd.h>

#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "cli/run.h"
#include "cli/text/file_output.h"
#include "cli/text/progress.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    const cli::Environment environment = {cli::LanguageFromEnvironment(), STDIN_FILENO,
                                          cli::ProgressBarFits(STDOUT_FILENO, STDERR_FILENO)};
    cli::FileOutput output(STDOUT_FILENO);
    std::ostream out(&output);
    cli::ExitStatus status;
    try {
        status = cli::Run(args, environment, out, std::cerr);
    } catch (const std::bad_alloc&) {
        status = cli::ReportOutOfMemory(environment, std::cerr);
    }
    return static_cast<int>(cli::FinishOutput(output, status, environment, std::cerr));
}
