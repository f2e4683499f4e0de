// The exclusion list's index.
#include "core/exclude_list.h"

namespace quillon {

std::string upperCase(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

void ExcludeList::assign(std::vector<ExcludeEntry> entries)
{
    m_entries = std::move(entries);
    m_index.clear();
    for (const ExcludeEntry& e : m_entries)
        m_index.emplace(upperCase(e.symbol), e.check);
}

int ExcludeList::lookupUpper(std::string_view upperSymbol) const
{
    const auto it = m_index.find(std::string(upperSymbol));
    return it == m_index.end() ? -1 : it->second;
}

}  // namespace quillon
