// UnnamedExports: the exports of a PE or NE file that have an ordinal but no name, which the
// readers leave out of the library.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quillon::exe {

struct UnnamedExports {
    /// The module name the file gives itself (PE export directory name, NE first resident
    /// name), cut to 254 characters; empty when it has none.
    std::string moduleName;
    /// Ordinals of the exports without a name, ascending.
    std::vector<std::uint16_t> ordinals;

    friend bool operator==(const UnnamedExports&, const UnnamedExports&) = default;
};

/// Finds the exports by ordinal only in the bytes of a PE or NE file: PE export-address
/// entries that are used but named by no name-ordinal entry; NE entry-table entries whose
/// ordinal no name table gives. Any other file, and tables cut short by the file's end, give
/// what could be read (possibly nothing).
[[nodiscard]] UnnamedExports findUnnamedExports(std::span<const std::byte> file);

}  // namespace quillon::exe
