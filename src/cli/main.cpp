// The headless command-line program `quillon`: installs the Ctrl+C handler and hands over.
#include <string>
#include <vector>

#include "cli/command_table.h"
#include "cli/interrupt.h"

int main(int argc, char** argv)
{
    volatile std::sig_atomic_t& interrupted = quillon::cli::installInterruptHandler();
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return quillon::exitCode(quillon::cli::runProgram(arguments, interrupted));
}
