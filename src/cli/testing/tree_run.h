// Running the built `quillon` over a tree of LIB files and DLLs, as the commands that locate
// DLLs are tried.
#pragma once

#include <string>
#include <vector>

#include "cli/testing/quillon_run.h"
#include "support/refresh_tree.h"

namespace quillon::cli::testing {

/// Runs the program with `arguments`, PATH set to `path`, the tree's Wine prefix and the tree's
/// own settings folder.
inline Run runOverTree(const quillon::testing::RefreshTree& tree, const std::string& path,
                       std::vector<std::string> arguments)
{
    arguments.insert(arguments.end(), {"--settings", tree.folder("settings")});
    RunSetup setup;
    setup.environment = {{"PATH", path}, {"WINEPREFIX", tree.prefix()}};
    return runQuillon(arguments, setup);
}

}  // namespace quillon::cli::testing
