// The exclusion list: its storage in section "Excludelist", the marking of excluded symbols,
// and the list commands of the options dialog.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/workspace.h"
#include "settings/options_io.h"

namespace quillon::maintenance {

/// At most this many entries are stored.
inline constexpr std::size_t kMaxStoredExcludes = 50;

/// `LoadExcludeList`: reads "ExcludeNum" entries (at most 50, ending at a blank "Symbol<n>")
/// from section "Excludelist" into `ws.excludeList`, sorted by `SYMBOLUPPER`.
void loadExcludeList(Workspace& ws);
void loadExcludeList(settings::SettingsStore& store, ExcludeList& list);

/// `SaveExcludeList`: writes the entries (blank ones dropped, at most 50) in their stored
/// order, renumbers `REC`, deletes the keys of entries no longer present, and sorts the list
/// by `SYMBOLUPPER` again.
void saveExcludeList(Workspace& ws);
void saveExcludeList(settings::SettingsStore& store, ExcludeList& list);

/// Binds the exclusion list of `ws` to the settings' load and save of the options.
void setExcludeListSeams(settings::OptionsSeams& seams, Workspace& ws);

/// `MarkExcludedSymbols` over 1-based rows `first` to `last` (`fromFirst`, or 0, means row 1;
/// `toLast`, or 0, means the last row). A symbol whose name is on the list with check 1 gets
/// `EXCLUDE` 1 and its module row 3; with check 0 it gets 0; a symbol not on the list keeps
/// its mark (a duplicate mark 2 survives). Nothing is marked while "UseExcludeList" is off.
/// Returns the number of symbols marked 1.
std::uint32_t markExcludedSymbols(Workspace& ws, std::size_t first = 1, bool fromFirst = true,
                                  std::size_t last = 0, bool toLast = true);

/// The options dialog's "A&dd...": appends a new entry (a blank name is refused). Returns the
/// 0-based position of the new entry, to be selected, or nothing when refused.
std::optional<std::size_t> addExcludeEntry(ExcludeList& list, std::string_view symbol, bool check);

/// The options dialog's "Edi&t...": stores the entry at 0-based `index` in place. A blank name
/// or a position without an entry is refused (false).
bool editExcludeEntry(ExcludeList& list, std::size_t index, std::string_view symbol, bool check);

/// The options dialog's "Re&move": deletes the entry at 0-based `index` and returns the
/// position to select (the same one, or the last entry), nothing when the list is now empty
/// or there was no such entry.
std::optional<std::size_t> removeExcludeEntry(ExcludeList& list, std::size_t index);

}  // namespace quillon::maintenance
