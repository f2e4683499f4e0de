// The export listing of the command-line program: what each file contributes to a library,
// as tab-separated lines or JSON, for scripts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/workspace.h"
#include "exe/module_definition_messages.h"

namespace quillon::exe {

/// One symbol a file contributes.
struct ListedSymbol {
    std::string module;  // `MODULENAME`
    std::string symbol;  // `SYMBOL`, Windows-1252 bytes
    std::uint16_t ordinal = 0;
    bool resident = false;  // from an NE resident-name table
    bool ordinalOnly = false;  // exported by ordinal only: `symbol` is empty

    friend bool operator==(const ListedSymbol&, const ListedSymbol&) = default;
};

/// A file that could not be listed whole: rejected (its message went to the front end), or a
/// file error the reader does not report itself.
struct ListingFailure {
    std::string file;
    int code = 0;      // `ReadStatus` (0 for a rejection without a file error)
    std::string text;  // the error text; empty for a rejection
    bool rejected = false;  // rejected, and the rejection reported

    friend bool operator==(const ListingFailure&, const ListingFailure&) = default;
};

/// How many exports of an executable have no name (the library leaves them out).
struct OrdinalOnlyCount {
    std::string file;
    std::size_t count = 0;

    friend bool operator==(const OrdinalOnlyCount&, const OrdinalOnlyCount&) = default;
};

struct ExportListing {
    std::vector<ListedSymbol> symbols;
    std::vector<ListingFailure> failures;
    /// One entry per executable read that has exports by ordinal only.
    std::vector<OrdinalOnlyCount> ordinalOnly;
    /// The exports by ordinal only are listed too (and the lines carry their marker).
    bool withOrdinalOnly = false;
    /// Escape stopped the listing; it holds the files before the one it stopped in.
    bool cancelled = false;
    /// Module-definition files whose entries a LIB file cannot bind were left out of.
    std::vector<SkippedEntries> skippedEntries;
};

/// How the listing is written.
struct ListingFormat {
    /// Each symbol also in its undecorated form (empty when its name is not decorated).
    bool undecorated = false;
};

/// Reads each file with `executableReader` (messages through the workspace's front end, no
/// progress) and collects its symbols, and counts each executable's exports by ordinal only,
/// listing them too when `withOrdinalOnly`. The workspace's library is left as it was. Stops
/// at the first file Escape cancels.
[[nodiscard]] ExportListing listExports(Workspace& ws, const std::vector<std::string>& files,
                                        bool withOrdinalOnly = false);

/// One line per symbol: module, symbol, ordinal (decimal), resident flag (0 or 1), when the
/// listing holds the exports by ordinal only their marker (1 for those, else 0), and when asked
/// the undecorated name, separated by tabs, in UTF-8. A tab, line break or backslash inside a
/// name is written as \t, \n, \r or \\.
[[nodiscard]] std::string exportListingTsv(const ExportListing& listing,
                                           const ListingFormat& format = {});
/// A JSON array of objects {"module", "symbol", "ordinal", "resident"} (and "ordinalOnly" when
/// the listing holds the exports by ordinal only, "undecorated" when asked), one line each,
/// UTF-8.
[[nodiscard]] std::string exportListingJson(const ExportListing& listing,
                                            const ListingFormat& format = {});

}  // namespace quillon::exe
