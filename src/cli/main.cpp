// The headless command-line program `quillon`: installs the Ctrl+C handler and hands over.
#include <string>
#include <vector>

#include "cli/command_table.h"
#include "cli/interrupt.h"
#include "platform/program_arguments.h"

int main(int argc, char** argv)
{
    volatile std::sig_atomic_t& interrupted = quillon::cli::installInterruptHandler();
    // The arguments as UTF-8, whatever code page the system hands them over in.
    const quillon::platform::ProgramArguments program(argc, argv);
    const std::vector<std::string> arguments(program.list().begin() + 1, program.list().end());
    return quillon::exitCode(quillon::cli::runProgram(arguments, interrupted));
}
