// The command-line program's process entry.

#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli/run.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    const cli::Environment environment = {cli::LanguageFromEnvironment(), stdin,
                                          isatty(STDERR_FILENO) == 1};
    cli::ExitStatus status = cli::Run(args, environment, std::cout, std::cerr);
    std::cout.flush();
    return static_cast<int>(status);
}
