// The matching passes of the comparison, each through an index of the disk functions.
#include "reports/compare_passes.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "base/ascii_text.h"
#include "reports/compare_texts.h"
#include "reports/name_relation.h"

namespace quillon::reports {

namespace {

constexpr std::size_t kUnpaired = static_cast<std::size_t>(-1);

using NameIndex = std::unordered_map<std::string_view, std::vector<std::size_t>>;

/// A name and an ordinal as one key, for the duplicate tests.
struct NameOrdinal {
    std::string_view name;
    std::uint16_t ordinal;
    friend bool operator==(const NameOrdinal&, const NameOrdinal&) = default;
};
struct NameOrdinalHash {
    std::size_t operator()(const NameOrdinal& k) const
    {
        return std::hash<std::string_view>()(k.name) ^
               (std::size_t{k.ordinal} * 0x9E3779B97F4A7C15ULL);
    }
};

void mark(CellChange& cell, CellChange change)
{
    if (change > cell)
        cell = change;
}

class Matcher {
public:
    Matcher(const PassInput& in, const PassHooks& hooks, CompareList& rows, CompareCounts& counts)
        : m_in(in),
          m_hooks(hooks),
          m_rows(rows),
          m_counts(counts),
          m_diskPair(in.disk.size(), kUnpaired),
          m_libPair(in.library.size(), kUnpaired)
    {
    }

    bool run()
    {
        const CompareOptions& o = m_in.options;
        const bool ordinals = !o.UseIgnoreOrdinals;
        copyDiskRows();
        const NameIndex byName =
            indexDisk([](const CompareFunction& f) -> std::string_view { return f.name; });
        if (o.UseMatchCase) {
            for (const CompareFunction& f : m_in.library)
                m_libUpper.push_back(upperCase(f.name));
            for (const CompareFunction& f : m_in.disk)
                m_diskUpper.push_back(upperCase(f.name));
        }
        NameIndex byUpper;
        for (std::size_t j = 0; j < m_diskUpper.size(); ++j)
            byUpper[m_diskUpper[j]].push_back(j);
        const auto libName = [this](std::size_t i) -> std::string_view {
            return m_in.library[i].name;
        };
        const auto libUpper = [this](std::size_t i) -> std::string_view { return m_libUpper[i]; };
        const auto sameOrdinal = [this, ordinals](std::size_t i, std::size_t j) {
            return !ordinals || m_in.library[i].ordinal == m_in.disk[j].ordinal;
        };
        const auto any = [](std::size_t, std::size_t) { return true; };

        status(o.UseMatchCase ? kPassUnchangedCasingText : kPassUnchangedText);
        pairBy(byName, libName, sameOrdinal, 1,
               [this](std::size_t, std::size_t j) { add(j, kUnchanged, kMarkUnchanged); });
        if (o.UseMatchCase)
            pairBy(byUpper, libUpper, sameOrdinal, 2,
                   [this](std::size_t, std::size_t j) { casing(j); });
        status(kPassOrdinalText);
        if (ordinals)
            pairBy(byName, libName, any, 3,
                   [this](std::size_t i, std::size_t j) { ordinal(i, j); });
        status(kPassOrdinalCasingText);
        if (ordinals && o.UseMatchCase) {
            pairBy(byUpper, libUpper, any, 3, [this](std::size_t i, std::size_t j) {
                casing(j);
                ordinal(i, j);
            });
        }
        status(kPassNameText);
        if (ordinals)
            relatedBySameOrdinal();
        else
            relatedByName(4, false);
        status(kPassOrdinalNameText);
        if (ordinals)
            relatedByName(5, true);
        if (m_stop)
            return false;
        status(kPassMissingLibraryText);
        missingInLibrary();
        status(kPassMissingDiskText);
        missingOnDisk();
        status(kCompletingText);
        std::stable_sort(
            m_rows.begin(), m_rows.end(),
            [](const CompareRow& a, const CompareRow& b) { return a.ORDINAL < b.ORDINAL; });
        return !m_stop;
    }

private:
    void status(std::string_view text) const
    {
        if (m_hooks.status)
            m_hooks.status(text);
    }
    bool stop()
    {
        if (!m_stop && m_hooks.cancelled && m_hooks.cancelled())
            m_stop = true;
        return m_stop;
    }

    void copyDiskRows()
    {
        m_rows.reserve(m_in.disk.size() + m_in.library.size());
        for (std::size_t j = 0; j < m_in.disk.size(); ++j) {
            CompareRow row;
            row.MODULENAME.assign(m_in.diskModule);
            row.SYMBOL = m_in.disk[j].name;
            row.ORDINAL = m_in.disk[j].ordinal;
            row.UNSORTED = static_cast<std::uint32_t>(j + 1);
            if (m_in.moduleChange & kModuleCasing) {
                row.COMMENT = kMarkModuleCasing;
                row.cells[kColumnModule] = CellChange::Casing;
            } else if (m_in.moduleChange & kModuleChanged) {
                row.COMMENT = kMarkModuleChanged;
                row.cells[kColumnModule] = CellChange::Changed;
            }
            row.changes = m_in.moduleChange;
            m_rows.push_back(std::move(row));
        }
    }

    template <class Key>
    NameIndex indexDisk(Key key) const
    {
        NameIndex index;
        index.reserve(m_in.disk.size());
        for (std::size_t j = 0; j < m_in.disk.size(); ++j)
            index[key(m_in.disk[j])].push_back(j);
        return index;
    }

    template <class LibKey, class Accept, class OnPair>
    void pairBy(const NameIndex& index, LibKey libKey, Accept accept, std::uint8_t pass,
                OnPair onPair)
    {
        for (std::size_t i = 0; i < m_in.library.size() && !stop(); ++i) {
            if (m_libPair[i] != kUnpaired)
                continue;
            const auto it = index.find(libKey(i));
            if (it == index.end())
                continue;
            for (const std::size_t j : it->second) {
                if (m_diskPair[j] == kUnpaired && accept(i, j)) {
                    pair(i, j, pass);
                    onPair(i, j);
                    break;
                }
            }
        }
    }

    void pair(std::size_t i, std::size_t j, std::uint8_t pass)
    {
        m_libPair[i] = j;
        m_diskPair[j] = i;
        m_rows[j].MARK = pass;
    }

    void add(std::size_t j, std::uint32_t bit, std::string_view marker,
             CellChange change = CellChange::None, CompareColumn column = kColumnComment)
    {
        CompareRow& row = m_rows[j];
        row.changes |= bit;
        row.COMMENT += marker;
        mark(row.cells[column], change);
        mark(row.cells[kColumnComment], change);
    }
    void casing(std::size_t j)
    {
        add(j, kNameCasing, kMarkNameCasing, CellChange::Casing, kColumnSymbol);
        ++m_counts.functionCasing;
    }
    void ordinal(std::size_t i, std::size_t j)
    {
        if (m_in.library[i].ordinal == m_in.disk[j].ordinal)
            return;
        add(j, kOrdinalChanged,
            std::string(kMarkOrdinalChangedFrom) + std::to_string(m_in.library[i].ordinal) + ">",
            CellChange::Changed, kColumnOrdinal);
        ++m_counts.ordinalsChanged;
    }
    void renamed(std::size_t i, std::size_t j)
    {
        add(j, kNameChanged, std::string(kMarkNameChangedFrom) + m_in.library[i].name + ">",
            CellChange::Changed, kColumnSymbol);
        ++m_counts.functionOther;
    }

    void relatedBySameOrdinal()
    {
        std::unordered_map<std::uint16_t, std::vector<std::size_t>> byOrdinal;
        for (std::size_t j = 0; j < m_in.disk.size(); ++j) {
            if (m_diskPair[j] == kUnpaired)
                byOrdinal[m_in.disk[j].ordinal].push_back(j);
        }
        for (std::size_t i = 0; i < m_in.library.size() && !stop(); ++i) {
            if (m_libPair[i] != kUnpaired)
                continue;
            const auto it = byOrdinal.find(m_in.library[i].ordinal);
            if (it == byOrdinal.end())
                continue;
            for (const std::size_t j : it->second) {
                if (m_diskPair[j] == kUnpaired &&
                    namesRelated(m_in.library[i].name, m_in.disk[j].name,
                                 m_in.options.UseHeavyMangling)) {
                    pair(i, j, 4);
                    renamed(i, j);
                    break;
                }
            }
        }
    }

    void relatedByName(std::uint8_t pass, bool withOrdinal)
    {
        if (m_stop)
            return;
        std::vector<std::size_t> libs;
        std::vector<std::size_t> disks;
        std::vector<std::string_view> libNames;
        std::vector<std::string_view> diskNames;
        for (std::size_t i = 0; i < m_in.library.size(); ++i) {
            if (m_libPair[i] == kUnpaired) {
                libs.push_back(i);
                libNames.push_back(m_in.library[i].name);
            }
        }
        for (std::size_t j = 0; j < m_in.disk.size(); ++j) {
            if (m_diskPair[j] == kUnpaired) {
                disks.push_back(j);
                diskNames.push_back(m_in.disk[j].name);
            }
        }
        const auto candidates =
            relatedCandidates(libNames, diskNames, m_in.options.UseHeavyMangling);
        for (std::size_t k = 0; k < libs.size() && !stop(); ++k) {
            for (const std::size_t c : candidates[k]) {
                const std::size_t j = disks[c];
                if (m_diskPair[j] != kUnpaired)
                    continue;
                pair(libs[k], j, pass);
                if (withOrdinal)
                    ordinal(libs[k], j);
                renamed(libs[k], j);
                break;
            }
        }
    }

    void missingInLibrary()
    {
        std::unordered_set<NameOrdinal, NameOrdinalHash> seen;
        seen.reserve(m_in.disk.size());
        for (std::size_t j = 0; j < m_in.disk.size(); ++j) {
            const bool repeated =
                !seen.insert(NameOrdinal{m_in.disk[j].name, m_in.disk[j].ordinal}).second;
            if (m_diskPair[j] != kUnpaired)
                continue;
            m_rows[j].MARK = 6;
            if (repeated) {
                add(j, kDuplicateInDisk, kMarkDuplicateInDisk, CellChange::Changed, kColumnSymbol);
                ++m_counts.diskDuplicates;
            } else {
                add(j, kMissingInLibrary, kMarkMissingInLibrary, CellChange::Changed,
                    kColumnSymbol);
                ++m_counts.missingInLibrary;
            }
        }
    }

    void missingOnDisk()
    {
        std::unordered_set<NameOrdinal, NameOrdinalHash> seen;
        seen.reserve(m_in.library.size());
        for (std::size_t i = 0; i < m_in.library.size(); ++i) {
            const CompareFunction& f = m_in.library[i];
            const bool repeated = !seen.insert(NameOrdinal{f.name, f.ordinal}).second;
            if (m_libPair[i] != kUnpaired)
                continue;
            CompareRow row;
            row.MODULENAME.assign(m_in.libraryModule);
            row.SYMBOL = f.name;
            row.ORDINAL = f.ordinal;
            row.UNSORTED = static_cast<std::uint32_t>(m_rows.size() + 1);
            row.MARK = 7;
            row.changes = repeated ? kDuplicateInLibrary : kMissingOnDisk;
            row.COMMENT = repeated ? kMarkDuplicateInLibrary : kMarkMissingOnDisk;
            row.cells[kColumnSymbol] = CellChange::Changed;
            row.cells[kColumnComment] = CellChange::Changed;
            m_rows.push_back(std::move(row));
            ++(repeated ? m_counts.libraryDuplicates : m_counts.missingOnDisk);
        }
    }

    const PassInput& m_in;
    const PassHooks& m_hooks;
    CompareList& m_rows;
    CompareCounts& m_counts;
    std::vector<std::size_t> m_diskPair;
    std::vector<std::size_t> m_libPair;
    std::vector<std::string> m_libUpper;
    std::vector<std::string> m_diskUpper;
    bool m_stop = false;
};

}  // namespace

bool runComparePasses(const PassInput& input, const PassHooks& hooks, CompareList& rows,
                      CompareCounts& counts)
{
    rows.clear();
    counts.libraryFunctions = static_cast<int>(input.library.size());
    counts.diskFunctions = static_cast<int>(input.disk.size());
    return Matcher(input, hooks, rows, counts).run();
}

}  // namespace quillon::reports
