// The exceptions list in section "Exceptlist" and the entry added for each executable read.
#pragma once

#include <cstddef>
#include <string_view>

#include "core/workspace.h"

namespace quillon::maintenance {

/// At most this many pairs are stored ("ListNum" is one byte).
inline constexpr std::size_t kMaxExceptions = 255;

/// The pair as the list holds it in memory: names upper case and cut to their fields, the
/// extensions split off.
[[nodiscard]] ExceptEntry makeExceptEntry(std::string_view moduleName, std::string_view fileName);

/// Reads section "Exceptlist" into `ws.exceptQ`: the pairs "Modulename<n>" and "Filename<n>"
/// for n = 1, 2, ... up to the first missing pair (at most 255), and marks it loaded.
void loadExceptList(Workspace& ws);

/// Writes `ws.exceptQ` to section "Exceptlist" ("ListNum" and the pairs, at most 255) and
/// deletes the keys of pairs no longer present.
void saveExceptList(Workspace& ws);

/// `AddExceptionForFile`: for a module read from an executable whose name differs from the
/// file's, records the pair (module name upper case without apostrophes and double quotes,
/// file name upper case without folder) at the end of the list and in the settings file,
/// unless the list already holds the module name or either name is blank. Returns true when
/// a pair was added.
bool addExceptionForFile(Workspace& ws, std::string_view moduleName, std::string_view fileName);

}  // namespace quillon::maintenance
