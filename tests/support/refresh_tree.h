// RefreshTree: a search tree with LIB files and DLLs for the revert and update tests.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/library_model.h"
#include "program/file_loader.h"
#include "support/exe_builder.h"
#include "support/lib_builder.h"
#include "support/locate_tree.h"

namespace quillon::testing {

/// A module as a test compares it: name and symbol names in list order.
struct ModuleSymbols {
    std::string module;
    std::vector<std::string> symbols;

    friend bool operator==(const ModuleSymbols&, const ModuleSymbols&) = default;
};

/// A locate tree whose system folder is where DLLs are found, with the status bar on.
struct RefreshTree : LocateTree {
    RefreshTree() { t.ws.options.UseStatusBar = true; }

    /// Writes a DLL exporting `names` (ordinals 1, 2, ...) whose module name is `fileName`.
    std::string dll(std::string_view relative, const std::vector<std::string>& names) const
    {
        const std::string name(relative.substr(relative.find_last_of('/') + 1));
        return file(relative, buildPeWithNames(names, name).text());
    }
    /// A DLL in the system folder, where the search finds it.
    std::string systemDll(std::string_view name, const std::vector<std::string>& names) const
    {
        return dll("wine/drive_c/windows/system32/" + std::string(name), names);
    }

    /// Loads `path` as the open command does it (no duplicate question on an empty library).
    void load(const std::string& path)
    {
        maintenance::DuplicateAnswerState answers = maintenance::DuplicateAnswerState::singleFile();
        (void)openSingleFile(t.ws, path, OpenRequest{}, answers);
    }

    /// The library as module names with their symbol names.
    [[nodiscard]] std::vector<ModuleSymbols> contents() const
    {
        std::vector<ModuleSymbols> modules;
        for (const LibraryRow& row : t.ws.library.rows) {
            if (row.isModule())
                modules.push_back({row.MODULENAME.str(), {}});
            else if (!modules.empty())
                modules.back().symbols.push_back(row.SYMBOL.str());
        }
        return modules;
    }

    /// The module row of the module named `name`.
    [[nodiscard]] const LibraryRow* moduleRow(std::string_view name) const
    {
        for (const LibraryRow& row : t.ws.library.rows) {
            if (row.isModule() && row.MODULENAME.view() == name)
                return &row;
        }
        return nullptr;
    }
};

}  // namespace quillon::testing
