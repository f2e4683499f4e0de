// The message about the entries of module-definition files that a LIB file cannot bind.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/ui/ui_interface.h"

namespace quillon::exe {

/// The entries one module-definition file lost: without an ordinal, and marked NONAME.
struct SkippedEntries {
    std::string file;
    std::size_t withoutOrdinal = 0;
    std::size_t withoutName = 0;

    friend bool operator==(const SkippedEntries&, const SkippedEntries&) = default;
};

/// The information message after loading module-definition files whose entries were left
/// out: how many, why (the DLL itself gives the ordinals), and the files.
[[nodiscard]] ui::MessageBox skippedEntriesMessage(const std::vector<SkippedEntries>& files);

/// The same in one line for the command line: "3 entries without an ordinal left out (...)".
[[nodiscard]] std::string skippedEntriesLine(const SkippedEntries& skipped);

}  // namespace quillon::exe
