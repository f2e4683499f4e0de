// The library's modules as scripts take them: finding a module by name and writing one
// module as a module-definition file.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/workspace.h"

namespace quillon::reports {

/// The positions of the module rows of the library, in order.
[[nodiscard]] std::vector<std::size_t> moduleRows(const Workspace& ws);

/// The module row of the first module named `name` (letter case ignored), if any.
[[nodiscard]] std::optional<std::size_t> findModuleRow(const Workspace& ws, std::string_view name);

/// The module at `moduleRow` as a module-definition file: "LIBRARY" and the name the module
/// row holds, then "EXPORTS" and one line "  name @ordinal" per symbol (with "RESIDENTNAME"
/// for the names of an NE resident-name table), with LF line ends. Read back, it gives the
/// same module and symbols.
[[nodiscard]] std::string moduleDefinitionText(const Workspace& ws, std::size_t moduleRow);

/// `name` as a module-definition file writes it: in double quotes (single quotes when it holds
/// a double quote) when it is empty, begins with "@", holds a blank, ";", "=" or a quote, or
/// reads as a keyword of the format.
[[nodiscard]] std::string definitionName(std::string_view name);

}  // namespace quillon::reports
