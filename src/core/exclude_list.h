// ExcludeList: symbol names that no LIB file should hold, each with its check value.
#pragma once

#include "base/ascii_text.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quillon {

/// One entry of the exclusion list: the symbol name and its check value (the `EXCLUDE` mark
/// a matching symbol takes; 0 leaves it unmarked).
struct ExcludeEntry {
    std::string symbol;
    std::uint8_t check = 1;
    /// `REC`: the entry's number in the stored order (1-based).
    std::uint8_t rec = 0;

    /// `SYMBOLUPPER`, the lookup key.
    [[nodiscard]] std::string symbolUpper() const;
    /// `ICON` of the options dialog's list: 152 when checked, 151 when not.
    [[nodiscard]] std::int16_t icon() const { return check != 0 ? 152 : 151; }

    friend bool operator==(const ExcludeEntry&, const ExcludeEntry&) = default;
};

/// The exclusion list in memory, in the order the options dialog shows it (sorted by
/// `SYMBOLUPPER` after loading and saving, added entries at the end), with an index by
/// upper-cased name.
class ExcludeList {
public:
    [[nodiscard]] const std::vector<ExcludeEntry>& entries() const { return m_entries; }
    void assign(std::vector<ExcludeEntry> entries);
    [[nodiscard]] std::size_t size() const { return m_entries.size(); }
    [[nodiscard]] bool empty() const { return m_entries.empty(); }

    /// Appends `entry` at the end.
    void append(ExcludeEntry entry);
    /// Replaces the entry at 0-based `index`; false when there is none.
    bool replace(std::size_t index, ExcludeEntry entry);
    /// Deletes the entry at 0-based `index`; false when there is none.
    bool erase(std::size_t index);
    /// Stable sorts by `SYMBOLUPPER`, or by `REC`.
    void sortByUpper();
    void sortByRec();

    /// The check value of the first entry whose upper-cased name equals `upperSymbol`
    /// (already upper-cased by the caller), or nullopt-like -1 when none matches.
    [[nodiscard]] int lookupUpper(std::string_view upperSymbol) const;

private:
    void reindex();

    std::vector<ExcludeEntry> m_entries;
    std::unordered_map<std::string, std::uint8_t> m_index;
};

}  // namespace quillon
