// Reading and writing the exceptions list (section "Exceptlist" of the settings file).
#pragma once

#include <string_view>

#include "core/except_list.h"

namespace quillon::settings {
class SettingsStore;
}

namespace quillon::locate {

/// An entry made from a module name and a file name as a user or the settings file gives them:
/// surrounding blanks are removed, both names are upper-cased and cut to their capacities, and
/// the suffixes are the extensions after the last dot of the name part, without the dot.
[[nodiscard]] ExceptEntry makeExceptEntry(std::string_view moduleName, std::string_view fileName);

/// Reads pairs "Modulename<n>" and "Filename<n>" for n = 1, 2, ...; reading stops at the first
/// pair with a blank or missing member. Marks the list loaded.
void loadExceptList(settings::SettingsStore& store, ExceptQ& list);

/// Writes the entries as pairs 1..N and "ListNum" N, and deletes the pairs a longer list left
/// behind (a later read would take them up again).
void saveExceptList(settings::SettingsStore& store, const ExceptQ& list);

}  // namespace quillon::locate
