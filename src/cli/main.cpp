// The headless command-line program `quillon`: parses the first word and hands over.
#include <string_view>

#include "cli/batch_command.h"
#include "cli/exceptions_command.h"
#include "cli/compare_command.h"
#include "cli/exports_command.h"
#include "cli/list_command.h"
#include "cli/locate_command.h"
#include "cli/map_command.h"
#include "cli/update_command.h"
#include "cli/query_command.h"

int main(int argc, char** argv)
{
    if (argc >= 2) {
        const std::string_view command = argv[1];
        if (command == "exports")
            return quillon::cli::runExportsCommand(argc, argv);
        if (command == "list")
            return quillon::cli::runListCommand(argc, argv);
        if (command == "map")
            return quillon::cli::runMapCommand(argc, argv);
        if (command == "exceptions")
            return quillon::cli::runExceptionsCommand(argc, argv);
        if (command == "query")
            return quillon::cli::runQueryCommand(argc, argv);
        if (command == "compare")
            return quillon::cli::runCompareCommand(argc, argv);
        if (command == "locate")
            return quillon::cli::runLocateCommand(argc, argv);
        if (command == "update")
            return quillon::cli::runUpdateCommand(argc, argv);
    }
    return quillon::cli::runBatchCommand(argc, argv);
}
