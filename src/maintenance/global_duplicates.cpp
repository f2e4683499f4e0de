// The global duplicate search, its mode and the cache of the saved LIB file's symbols.
#include "maintenance/global_duplicates.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "base/lib_file_name.h"
#include "core/exclude_list.h"
#include "core/library_model.h"
#include "core/progress_indicator.h"
#include "lib/lib_reader.h"
#include "maintenance/maintenance_common.h"
#include "maintenance/maintenance_messages.h"

namespace quillon::maintenance {

namespace {

/// One member of a group of equal names, in the order the marking walk visits them.
struct Candidate {
    std::string_view name;        // upper-cased, trailing blanks removed
    std::uint32_t row = 0;        // position of the symbol row
    std::uint32_t moduleRow = 0;  // position of the module row above it
    bool first = false;           // the group's first occurrence in library order
};

/// The upper-cased names of all symbol rows, kept in one buffer.
struct NameKeys {
    std::string buffer;
    struct Key {
        std::uint32_t offset;
        std::uint32_t length;
        std::uint32_t row;
        std::uint32_t moduleRow;
    };
    std::vector<Key> keys;

    [[nodiscard]] std::string_view name(const Key& k) const
    {
        return {buffer.data() + k.offset, k.length};
    }
};

NameKeys collectNames(const LibraryList& rows)
{
    NameKeys names;
    std::size_t total = 0;
    for (const LibraryRow& row : rows)
        total += row.SYMBOL.size();
    names.buffer.reserve(total);
    names.keys.reserve(rows.size());
    std::uint32_t moduleRow = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const LibraryRow& row = rows[i];
        if (row.isModule()) {
            moduleRow = static_cast<std::uint32_t>(i);
            continue;
        }
        // Symbols without an ordinal never reach a LIB file, so they duplicate nothing.
        if (row.ORDINAL == 0)
            continue;
        const std::string_view name = trimRight(row.SYMBOL);
        const auto offset = static_cast<std::uint32_t>(names.buffer.size());
        for (char c : name)
            names.buffer.push_back(c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c);
        names.keys.push_back({offset, static_cast<std::uint32_t>(name.size()),
                              static_cast<std::uint32_t>(i), moduleRow});
    }
    return names;
}

/// The groups of equal names, each as: second occurrence, first (flagged), third, fourth...
std::vector<Candidate> buildCandidates(const NameKeys& names)
{
    std::vector<Candidate> sorted;
    sorted.reserve(names.keys.size());
    for (const NameKeys::Key& k : names.keys)
        sorted.push_back({names.name(k), k.row, k.moduleRow, false});
    // Ties go by row, which keeps equal names in library order.
    std::sort(sorted.begin(), sorted.end(), [](const Candidate& a, const Candidate& b) {
        const int c = a.name.compare(b.name);
        return c != 0 ? c < 0 : a.row < b.row;
    });
    std::vector<Candidate> candidates;
    bool firstAppended = false;
    for (std::size_t i = 1; i < sorted.size(); ++i) {
        if (sorted[i].name != sorted[i - 1].name) {
            firstAppended = false;
            continue;
        }
        candidates.push_back(sorted[i]);
        if (!firstAppended) {
            candidates.push_back(sorted[i - 1]);
            candidates.back().first = true;
            firstAppended = true;
        }
    }
    return candidates;
}

/// Puts each group's first occurrence in front of its second: the order by (name, row).
void firstOccurrencesFirst(std::vector<Candidate>& candidates)
{
    for (std::size_t i = 1; i < candidates.size(); ++i) {
        if (candidates[i].first)
            std::swap(candidates[i - 1], candidates[i]);
    }
}

/// Sorts the cache by (`MODULENAME`, `SYMBOLUPPER`), equal keys in the order read. The
/// positions are sorted and each row moved once, which is far cheaper than sorting the rows.
void sortSavedSymbols(SavedLibSymbolList& saved)
{
    std::vector<std::uint32_t> order(saved.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<std::uint32_t>(i);
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        int c = saved[a].MODULENAME.view().compare(saved[b].MODULENAME.view());
        if (c == 0)
            c = saved[a].SYMBOLUPPER.compare(saved[b].SYMBOLUPPER);
        return c != 0 ? c < 0 : a < b;
    });
    SavedLibSymbolList sorted;
    sorted.reserve(saved.size());
    for (const std::uint32_t i : order)
        sorted.push_back(std::move(saved[i]));
    saved = std::move(sorted);
}

bool savedContains(const SavedLibSymbolList& saved, std::string_view moduleName,
                   std::string_view symbolUpper)
{
    const auto it = std::lower_bound(
        saved.begin(), saved.end(), std::pair{moduleName, symbolUpper},
        [](const SavedLibSymbol& s, const std::pair<std::string_view, std::string_view>& key) {
            const int c = s.MODULENAME.view().compare(key.first);
            return c != 0 ? c < 0 : std::string_view(s.SYMBOLUPPER) < key.second;
        });
    return it != saved.end() && it->MODULENAME.view() == moduleName &&
           trimRight(it->SYMBOLUPPER) == symbolUpper;
}

void sortModulesByNumber(ModuleTable& modules)
{
    const auto byNumber = [](const ModuleEntry& a, const ModuleEntry& b) {
        return a.MODULENUM < b.MODULENUM;
    };
    if (!std::is_sorted(modules.begin(), modules.end(), byNumber))
        std::stable_sort(modules.begin(), modules.end(), byNumber);
}

/// Brings `SavedLibSymbols` up to date for the "Match saved LIB" modes. Returns false when
/// there is nothing to match against, which lowers the mode for this search.
bool prepareSavedLib(Workspace& ws)
{
    Library& lib = ws.library;
    if (!ws.SavedLibLoaded || ws.SavedLibName != lib.LibraryFileName) {
        ws.SavedLibSymbols.clear();
        sortModulesByNumber(lib.modules);
        if (!lib.modules.empty() &&
            containsLibExtension(lib.modules.front().FILENAME)) {
            ws.SavedLibName = lib.LibraryFileName;
            if (!lib.LibraryFileName.empty() && ws.files().exists(lib.LibraryFileName)) {
                // A file that cannot be read leaves what was read; no message is shown.
                (void)lib::loadSavedLibSymbols(ws);
            }
        }
        if (ws.SavedLibSymbols.empty()) {
            ws.SavedLibName.clear();
            return false;
        }
        sortSavedSymbols(ws.SavedLibSymbols);
        ws.SavedLibLoaded = true;
    }
    return true;
}

}  // namespace

void deriveDuplicateMode(Workspace& ws)
{
    DuplicateModeState& state = ws.duplicateMode;
    if (state.derived)
        return;
    state.enabled = ws.options.UseExcludeGlobalDuplicates && ws.options.UseExcludeList;
    state.mode = DuplicateKeep::KeepNone;
    switch (ws.options.UseExcludeGlobalDuplicatesSet) {
        case DuplicateKeep::KeepFirst:
        case DuplicateKeep::MatchSavedLibElseKeepNone:
        case DuplicateKeep::MatchSavedLibElseKeepFirst:
            if (state.enabled)
                state.mode = ws.options.UseExcludeGlobalDuplicatesSet;
            break;
        case DuplicateKeep::KeepNone:
            break;
    }
    state.derived = true;
}

void duplicateOptionsChanged(Workspace& ws)
{
    ws.duplicateMode.derived = false;
}

std::size_t clearDuplicateMarks(Workspace& ws)
{
    std::size_t changed = 0;
    for (LibraryRow& row : ws.library.rows) {
        const bool duplicate = row.EXCLUDE == kExcludeDuplicate;
        const bool marked = row.MARK != 0;
        if (duplicate)
            row.EXCLUDE = kExcludeNone;
        if (marked)
            row.MARK = 0;
        if (duplicate || marked)
            ++changed;
    }
    return changed;
}

DuplicateSearch findGlobalDuplicates(Workspace& ws, ProgressIndicator* shownProgress)
{
    DuplicateSearch search;
    Library& lib = ws.library;
    if (lib.empty())
        return search;
    search.ran = true;
    deriveDuplicateMode(ws);
    ProgressIndicator quiet(ws.ui(), false);
    ProgressIndicator& progress = shownProgress != nullptr ? *shownProgress : quiet;
    progress.start(kReadingData, lib.SymbolCount);

    clearDuplicateMarks(ws);
    if (!ws.duplicateMode.enabled) {
        refreshIcons(ws);
        progress.end();
        search.switchedOff = true;
        return search;
    }

    const NameKeys names = collectNames(lib.rows);
    progress.step(names.keys.size(), kSymbolsUnit);
    std::vector<Candidate> candidates = buildCandidates(names);

    if (candidates.empty()) {
        refreshIcons(ws);
        progress.end();
        return search;
    }

    // A search lowers a "Match saved LIB" mode when there is nothing to match: the library is
    // unchanged since it was read, or its saved LIB file holds no symbols. The lowering holds
    // for this search only, so that the next search after a change matches again.
    DuplicateKeep mode = ws.duplicateMode.mode;
    if (matchesSavedLib(mode)) {
        if (!lib.LibraryChanged || !prepareSavedLib(ws)) {
            mode = mode == DuplicateKeep::MatchSavedLibElseKeepFirst ? DuplicateKeep::KeepFirst
                                                                     : DuplicateKeep::KeepNone;
        } else {
            firstOccurrencesFirst(candidates);
        }
    }

    const bool matchSaved = matchesSavedLib(mode);
    const std::vector<std::int32_t> moduleIndex =
        matchSaved ? moduleIndexByNumber(lib.rows, lib.modules) : std::vector<std::int32_t>();
    const std::string savedNameUpper = upperCase(ws.SavedLibName);

    progress.start(kProcessing, candidates.size());
    std::string_view previousName;
    bool anyProcessed = false;
    ModuleNumber previousModule = kNoModuleNumber;
    std::uint64_t processed = 0;
    for (const Candidate& c : candidates) {
        LibraryRow& row = lib.rows[c.row];
        if (row.EXCLUDE != kExcludeNone)
            continue;
        bool keep = false;
        if (mode == DuplicateKeep::KeepFirst) {
            keep = c.first;
        } else if (matchSaved && (!anyProcessed || c.name != previousName)) {
            const std::int32_t entry = moduleIndex[row.MODULENUM];
            if (entry >= 0 && upperCase(lib.modules[static_cast<std::size_t>(entry)].FILENAME) ==
                                  savedNameUpper) {
                keep = savedContains(ws.SavedLibSymbols, row.MODULENAME.view(), c.name) ||
                       (mode == DuplicateKeep::MatchSavedLibElseKeepFirst && c.first);
            }
        }
        if (!keep) {
            row.EXCLUDE = kExcludeDuplicate;
            ++search.marked;
            if (row.MODULENUM != previousModule) {
                LibraryRow& moduleRow = lib.rows[c.moduleRow];
                if (moduleRow.EXCLUDE != kExcludeModule3 && moduleRow.MODULENUM == row.MODULENUM)
                    moduleRow.EXCLUDE = kExcludeDuplicate;
            }
        }
        previousName = c.name;
        anyProcessed = true;
        previousModule = row.MODULENUM;
        if (++processed % kProgressStride == 0)
            progress.step(processed, kDuplicatesUnit);
    }
    progress.step(processed, kDuplicatesUnit);

    refreshIcons(ws);
    progress.end();
    if (trimRight(ws.SavedLibName).empty())
        ws.SavedLibName = std::string(kUnlikelyLibName);
    return search;
}

}  // namespace quillon::maintenance
