// ExeFixture: a test workspace that writes an image to a file and reads it as the program does.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/library_row.h"
#include "exe/executable_reader.h"
#include "support/exe_builder.h"
#include "support/test_workspace.h"

namespace quillon::testing {

/// One symbol row as the tests compare it: name, ordinal, resident icon.
struct SymbolSeen {
    std::string name;
    std::uint16_t ordinal = 0;
    bool residentIcon = false;

    friend bool operator==(const SymbolSeen&, const SymbolSeen&) = default;
};

struct ExeFixture {
    TestWorkspace t;
    /// The file read, how it is read, and how its last read or test ended.
    std::string path;
    exe::ReadMode mode;
    ReadOutcome outcome;

    /// Runs `executableReader` on `path`.
    exe::ExecutableLoad read()
    {
        exe::ExecutableLoad load = exe::executableReader(t.ws, path, mode);
        outcome = load.outcome;
        return load;
    }
    /// Runs `executableTest` on `path`.
    ReadOutcome test()
    {
        outcome = exe::executableTest(t.ws, path);
        return outcome;
    }

    /// Writes `bytes` as `name` in the scratch folder and runs `executableReader` on it.
    exe::ExecutableLoad load(std::string_view name, const std::vector<std::byte>& bytes,
                             bool showProgress = false)
    {
        path = t.folder.write(name, bytes);
        mode.showProgress = showProgress;
        return read();
    }
    exe::ExecutableLoad load(std::string_view name, const BuiltImage& image,
                             bool showProgress = false)
    {
        return load(name, image.bytes, showProgress);
    }

    [[nodiscard]] const LibraryList& rows() const { return t.ws.library.rows; }

    /// The symbol rows from `first` on.
    [[nodiscard]] std::vector<SymbolSeen> symbols(std::size_t first = 0) const
    {
        std::vector<SymbolSeen> seen;
        for (std::size_t i = first; i < rows().size(); ++i) {
            if (rows()[i].isSymbol())
                seen.push_back({rows()[i].SYMBOL.str(), rows()[i].ORDINAL,
                                rows()[i].ICON == RowIcon::ResFunction});
        }
        return seen;
    }

    /// The module names of the module rows.
    [[nodiscard]] std::vector<std::string> modules() const
    {
        std::vector<std::string> names;
        for (const LibraryRow& row : rows()) {
            if (row.isModule())
                names.push_back(row.SYMBOL.str());
        }
        return names;
    }
};

}  // namespace quillon::testing
