// The exclusion list's index.
#include "core/exclude_list.h"

#include <algorithm>

namespace quillon {

std::string ExcludeEntry::symbolUpper() const
{
    return upperCase(symbol);
}

void ExcludeList::assign(std::vector<ExcludeEntry> entries)
{
    m_entries = std::move(entries);
    reindex();
}

void ExcludeList::reindex()
{
    m_index.clear();
    for (const ExcludeEntry& e : m_entries)
        m_index.emplace(upperCase(e.symbol), e.check);
}

void ExcludeList::append(ExcludeEntry entry)
{
    m_index.emplace(upperCase(entry.symbol), entry.check);
    m_entries.push_back(std::move(entry));
}

bool ExcludeList::replace(std::size_t index, ExcludeEntry entry)
{
    if (index >= m_entries.size())
        return false;
    m_entries[index] = std::move(entry);
    reindex();
    return true;
}

bool ExcludeList::erase(std::size_t index)
{
    if (index >= m_entries.size())
        return false;
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(index));
    reindex();
    return true;
}

void ExcludeList::sortByUpper()
{
    std::stable_sort(m_entries.begin(), m_entries.end(),
                     [](const ExcludeEntry& a, const ExcludeEntry& b) {
                         return a.symbolUpper() < b.symbolUpper();
                     });
    reindex();
}

void ExcludeList::sortByRec()
{
    std::stable_sort(m_entries.begin(), m_entries.end(),
                     [](const ExcludeEntry& a, const ExcludeEntry& b) { return a.rec < b.rec; });
    reindex();
}

int ExcludeList::lookupUpper(std::string_view upperSymbol) const
{
    const auto it = m_index.find(std::string(upperSymbol));
    return it == m_index.end() ? -1 : it->second;
}

}  // namespace quillon
