// The matching passes of the comparison, each through an index of the disk functions.
#include "reports/compare_passes.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

#include "base/ascii_text.h"
#include "reports/compare_texts.h"
#include "reports/name_chains.h"
#include "reports/name_relation.h"

namespace quillon::reports {

namespace {

constexpr std::size_t kUnpaired = NameChains::kEnd;
/// The cancel question is asked once in this many functions (and on the first).
constexpr std::uint32_t kPollEvery = 64;

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
          m_libPair(in.library.size(), kUnpaired),
          m_libUnpaired(in.library.size())
    {
    }

    bool run()
    {
        const CompareOptions& o = m_in.options;
        const bool ordinals = !o.UseIgnoreOrdinals;
        copyDiskRows();
        const NameChains byName(m_in.disk.size(), [this](std::size_t j) -> std::string_view {
            return m_in.disk[j].name;
        });
        const auto libName = [this](std::size_t i) -> std::string_view {
            return m_in.library[i].name;
        };
        const auto sameOrdinal = [this, ordinals](std::size_t i, std::size_t j) {
            return !ordinals || m_in.library[i].ordinal == m_in.disk[j].ordinal;
        };
        const auto any = [](std::size_t, std::size_t) { return true; };

        status(o.UseMatchCase ? kPassUnchangedCasingText : kPassUnchangedText);
        pairBy(byName, libName, sameOrdinal, 1,
               [this](std::size_t, std::size_t j) { add(j, kUnchanged, kMarkUnchanged); });
        // The upper-case names are needed only for what the first pass left.
        std::optional<NameChains> byUpper;
        if (o.UseMatchCase && m_libUnpaired > 0) {
            m_libUpper.reserve(m_in.library.size());
            for (const CompareFunction& f : m_in.library)
                m_libUpper.push_back(upperCase(f.name));
            m_diskUpper.reserve(m_in.disk.size());
            for (const CompareFunction& f : m_in.disk)
                m_diskUpper.push_back(upperCase(f.name));
            byUpper.emplace(m_in.disk.size(),
                            [this](std::size_t j) -> std::string_view { return m_diskUpper[j]; });
        }
        const auto libUpper = [this](std::size_t i) -> std::string_view { return m_libUpper[i]; };
        if (byUpper)
            pairBy(*byUpper, libUpper, sameOrdinal, 2,
                   [this](std::size_t, std::size_t j) { casing(j); });
        status(kPassOrdinalText);
        if (ordinals)
            pairBy(byName, libName, any, 3,
                   [this](std::size_t i, std::size_t j) { ordinal(i, j); });
        status(kPassOrdinalCasingText);
        if (ordinals && byUpper) {
            pairBy(*byUpper, libUpper, any, 3, [this](std::size_t i, std::size_t j) {
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
        missingInLibrary(byName);
        status(kPassMissingDiskText);
        missingOnDisk();
        status(kCompletingText);
        sortByOrdinal();
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
        if (!m_stop && m_hooks.cancelled && m_polls++ % kPollEvery == 0 && m_hooks.cancelled())
            m_stop = true;
        return m_stop;
    }

    /// Orders the rows by ordinal, rows of one ordinal keeping their order.
    void sortByOrdinal()
    {
        const auto byOrdinal = [](const CompareRow& a, const CompareRow& b) {
            return a.ORDINAL < b.ORDINAL;
        };
        if (std::is_sorted(m_rows.begin(), m_rows.end(), byOrdinal))
            return;
        // Sorting (ordinal, position) keys and moving each row once costs less than moving
        // whole rows in a merge sort.
        std::vector<std::uint64_t> keys;
        keys.reserve(m_rows.size());
        for (std::size_t k = 0; k < m_rows.size(); ++k)
            keys.push_back(std::uint64_t{m_rows[k].ORDINAL} << 32 | k);
        std::sort(keys.begin(), keys.end());
        CompareList sorted;
        sorted.reserve(m_rows.size());
        for (const std::uint64_t key : keys)
            sorted.push_back(std::move(m_rows[static_cast<std::size_t>(key & 0xffffffffu)]));
        m_rows = std::move(sorted);
    }

    void copyDiskRows()
    {
        m_rows.reserve(m_in.disk.size() + m_in.library.size());
        for (std::size_t j = 0; j < m_in.disk.size(); ++j) {
            CompareRow row;
            row.MODULENAME.assign(m_in.diskModule);
            row.SYMBOL = std::string(m_in.disk[j].name);
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

    template <class LibKey, class Accept, class OnPair>
    void pairBy(const NameChains& index, LibKey libKey, Accept accept, std::uint8_t pass,
                OnPair onPair)
    {
        for (std::size_t i = 0; i < m_in.library.size() && m_libUnpaired > 0 && !stop(); ++i) {
            if (m_libPair[i] != kUnpaired)
                continue;
            for (std::size_t j = index.first(libKey(i)); j != kUnpaired; j = index.next(j)) {
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
        --m_libUnpaired;
        m_rows[j].MARK = pass;
        m_rows[j].pairedWith = static_cast<std::uint32_t>(i + 1);
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
        add(j, kNameChanged,
            std::string(kMarkNameChangedFrom) + std::string(m_in.library[i].name) + ">",
            CellChange::Changed, kColumnSymbol);
        ++m_counts.functionOther;
    }

    void relatedBySameOrdinal()
    {
        if (m_libUnpaired == 0)
            return;
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
        if (m_stop || m_libUnpaired == 0)
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

    /// True when a function of the same name and ordinal comes earlier in `functions`; with
    /// "ignore ordinals" the name alone decides, as ordinals are then not compared at all.
    bool repeatsEarlier(const std::vector<CompareFunction>& functions, const NameChains& byName,
                        std::size_t at) const
    {
        const bool ordinals = !m_in.options.UseIgnoreOrdinals;
        for (std::size_t k = byName.first(functions[at].name); k < at; k = byName.next(k)) {
            if (!ordinals || functions[k].ordinal == functions[at].ordinal)
                return true;
        }
        return false;
    }

    void missingInLibrary(const NameChains& byName)
    {
        for (std::size_t j = 0; j < m_in.disk.size(); ++j) {
            if (m_diskPair[j] != kUnpaired)
                continue;
            m_rows[j].MARK = 6;
            if (repeatsEarlier(m_in.disk, byName, j)) {
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
        if (m_libUnpaired == 0)
            return;
        const NameChains byName(m_in.library.size(), [this](std::size_t i) -> std::string_view {
            return m_in.library[i].name;
        });
        for (std::size_t i = 0; i < m_in.library.size(); ++i) {
            if (m_libPair[i] != kUnpaired)
                continue;
            const CompareFunction& f = m_in.library[i];
            const bool repeated = repeatsEarlier(m_in.library, byName, i);
            CompareRow row;
            row.MODULENAME.assign(m_in.libraryModule);
            row.SYMBOL = std::string(f.name);
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
    std::size_t m_libUnpaired = 0;
    std::uint32_t m_polls = 0;
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
