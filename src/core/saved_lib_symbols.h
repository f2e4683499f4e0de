// SavedLibSymbols: the symbols of the library's saved LIB file, read for the duplicate check.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/library_row.h"

namespace quillon {

/// One row of `SavedLibSymbols`: a module row (`TreeLevel::ModuleExpanded`) or a symbol
/// row (`TreeLevel::Symbol`).
struct SavedLibSymbol {
    ModuleName MODULENAME;
    std::string SYMBOL;
    std::string SYMBOLUPPER;
    TreeLevel TREELEVEL = TreeLevel::None;
    std::uint16_t ORDINAL = 0;
    std::uint32_t UNSORTED = 0;
    std::uint8_t MARK = 0;

    friend bool operator==(const SavedLibSymbol&, const SavedLibSymbol&) = default;
};

using SavedLibSymbolList = std::vector<SavedLibSymbol>;

}  // namespace quillon
