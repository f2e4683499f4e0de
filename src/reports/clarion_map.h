// The Clarion MAP include of a library's functions: one MODULE structure per module.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "core/ui/ui_interface.h"
#include "core/workspace.h"

namespace quillon::reports {

/// One MODULE structure of the MAP: the file it names and the exported names in order.
struct MapModule {
    std::string fileName;
    std::vector<std::string> exportNames;

    friend bool operator==(const MapModule&, const MapModule&) = default;
};

/// The modules of the library, or of the rows given (positions in `LibraryList`, in any
/// order): a module row stands for its whole module, a symbol row for itself. Symbols without
/// an ordinal are left out, as the LIB file leaves them out. The file of a module is the file
/// name of its located executable, else the name its export table gives.
[[nodiscard]] std::vector<MapModule> mapModules(const Workspace& ws,
                                                std::span<const std::size_t> rows = {});

/// The MAP include: a head that says how to use it, then per module "MODULE('<file>')", one
/// prototype per function and "END". Lines end in CR LF, as Clarion's sources do.
[[nodiscard]] std::string clarionMapText(const std::vector<MapModule>& modules);

/// The prototypes of the modules' functions alone, one line each (for the clipboard), with
/// labels unique among them. Lines end in CR LF.
[[nodiscard]] std::string clarionPrototypeText(const std::vector<MapModule>& modules);

/// Writes `text` (a MAP or prototype text) to `path` as one whole: a failure leaves the file
/// that was there as it was.
[[nodiscard]] Status writeClarionMap(platform::FileSystem& files, const std::string& path,
                                     std::string_view text);

/// The message after a MAP file could not be written.
[[nodiscard]] ui::MessageBox mapWriteFailure(std::string_view path, const Error& error);

/// The status text after a MAP file was written.
[[nodiscard]] std::string mapWrittenStatus(std::string_view path, std::size_t functions);

}  // namespace quillon::reports
