// Name preparation: from a module name to the base name and extensions the search tries.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/except_list.h"

namespace quillon::locate {

struct DerivedAutolocate;

/// The name a search looks for.
struct PreparedName {
    /// The module name upper-cased (relaxed when asked), whole, for messages and the results.
    std::string display;
    /// The base name the candidates are made of (the exception's file name when one applies).
    std::string base;
    /// The extensions to try, in order: the name's own (or the exception's) first.
    std::vector<std::string> extensions;
    /// The file names the search tries in each place, in order: the base name with each
    /// extension; for a dotted name whose last part is no executable extension
    /// ("WINDOWS.MEDIA"), the whole name with each extension of the list before those.
    std::vector<std::string> fileNames;
    /// The exceptions list supplied the file name.
    bool fromException = false;
    /// The name can name a file in a folder (no separators, not "." or "..").
    bool usable = false;

    friend bool operator==(const PreparedName&, const PreparedName&) = default;
};

/// Removes every apostrophe and double quote.
[[nodiscard]] std::string relaxedName(std::string_view name);

/// Upper-cases the module name, removes apostrophes and double quotes when `relaxed`, splits it
/// at its last dot into base name and extension, and takes the file name of a matching
/// exceptions entry (an entry matches on the whole name, or on the base name when the entry
/// carries no extension; quotes are ignored on both sides with `relaxed`). The own extension,
/// or the exception's, is taken out of the extension list and put first, also when the list
/// holds ".DLL" only. `fileNames` are made of those.
[[nodiscard]] PreparedName prepareName(std::string_view moduleName, bool relaxed,
                                       const ExceptQ& exceptions, const DerivedAutolocate& derived);

}  // namespace quillon::locate
