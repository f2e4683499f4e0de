// The command table of `quillon` and the dispatch from it.
#include "cli/command_table.h"

#include <array>

#include "cli/batch_command.h"
#include "cli/cleanup_command.h"
#include "cli/compare_command.h"
#include "cli/exceptions_command.h"
#include "cli/exclude_command.h"
#include "cli/exports_command.h"
#include "cli/list_command.h"
#include "cli/locate_command.h"
#include "cli/map_command.h"
#include "cli/query_command.h"
#include "cli/update_command.h"

namespace quillon::cli {

namespace {

constexpr std::array kCommands{
    Command{"exports", "what executables and LIB files export, one line per symbol",
            runExportsCommand},
    Command{"list", "the export list, a module-definition file or JSON of a library",
            runListCommand},
    Command{"map", "the Clarion MAP prototypes of a library's functions", runMapCommand},
    Command{"query", "the functions matching keywords, printed or saved as a LIB file",
            runQueryCommand},
    Command{"locate", "where the DLLs behind the modules of LIB files are", runLocateCommand},
    Command{"compare", "what changed in the DLLs since a LIB file was made", runCompareCommand},
    Command{"update", "a LIB file refreshed from the DLLs behind its modules", runUpdateCommand},
    Command{"cleanup",
            "a LIB file cleaned of duplicate, excluded, inconsistent and unlocated entries",
            runCleanupCommand},
    Command{"exclude", "the symbol names no LIB file should hold ([Excludelist])",
            runExcludeCommand},
    Command{"exceptions", "the module names found in files of another name ([Exceptlist])",
            runExceptionsCommand},
};

}  // namespace

std::span<const Command> commands()
{
    return kCommands;
}

const Command* findCommand(std::string_view name)
{
    for (const Command& command : kCommands) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

ExitStatus runProgram(const std::vector<std::string>& arguments,
                      volatile std::sig_atomic_t& interrupted)
{
    CommonOptions common;
    std::size_t i = 0;
    for (; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        if (arg == "--quiet")
            common.quiet = true;
        else if (arg == "--settings" && i + 1 < arguments.size())
            common.settingsDir = arguments[++i];
        else if (arg.starts_with("--settings="))
            common.settingsDir = arg.substr(11);
        else
            break;
    }
    if (i < arguments.size()) {
        if (const Command* command = findCommand(arguments[i])) {
            CommandContext context(
                std::string(command->name),
                {arguments.begin() + static_cast<std::ptrdiff_t>(i) + 1, arguments.end()},
                interrupted, common);
            return command->run(context);
        }
    }
    return runBatchCommand(arguments, interrupted);
}

}  // namespace quillon::cli
