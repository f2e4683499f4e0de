// The named exports of a PE file as the independent tool `llvm-readobj --coff-exports` lists
// them, for cross-checking the reader and the image builder.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillon::testing {

/// One named export: name and ordinal.
struct NamedExport {
    std::string name;
    std::uint16_t ordinal = 0;

    friend bool operator==(const NamedExport&, const NamedExport&) = default;
    friend auto operator<=>(const NamedExport&, const NamedExport&) = default;
};

/// The program to run: $QUILLON_READOBJ, else "llvm-readobj" on the PATH.
[[nodiscard]] std::string readobjProgram();
/// True when the program runs.
[[nodiscard]] bool readobjAvailable();
/// The named exports of each file, in the tool's order (by ordinal), in one run of the tool;
/// nullopt when it cannot be run. Files the tool rejects give an empty list.
[[nodiscard]] std::optional<std::vector<std::vector<NamedExport>>> readobjExports(
    const std::vector<std::string>& files);

}  // namespace quillon::testing
