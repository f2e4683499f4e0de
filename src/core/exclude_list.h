// ExcludeList: symbol names that no LIB file should hold, each with its check value.
#pragma once

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

    friend bool operator==(const ExcludeEntry&, const ExcludeEntry&) = default;
};

/// The exclusion list in memory, in stored order, with an index by upper-cased name.
class ExcludeList {
public:
    [[nodiscard]] const std::vector<ExcludeEntry>& entries() const { return m_entries; }
    void assign(std::vector<ExcludeEntry> entries);
    [[nodiscard]] std::size_t size() const { return m_entries.size(); }

    /// The check value of the first entry whose upper-cased name equals `upperSymbol`
    /// (already upper-cased by the caller), or nullopt-like -1 when none matches.
    [[nodiscard]] int lookupUpper(std::string_view upperSymbol) const;

private:
    std::vector<ExcludeEntry> m_entries;
    std::unordered_map<std::string, std::uint8_t> m_index;
};

/// Upper-cases ASCII letters, the way names are compared.
[[nodiscard]] std::string upperCase(std::string_view text);

}  // namespace quillon
