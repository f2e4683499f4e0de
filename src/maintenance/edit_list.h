// The lists edited in the list editor: the exceptions list (module name to file name) and the
// favourite files; their entries' rules, storage and the import from SYSTEM.INI.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "core/workspace.h"

namespace quillon::platform {
class Environment;
class FileSystem;
}  // namespace quillon::platform

namespace quillon::maintenance {

/// The two lists the editor serves.
enum class EditListKind { Exceptions, Favorites };

/// One line of the editor: the "Module name" and "File name" columns. A favourite's module
/// name is its file name without the folder, shown only.
struct EditListEntry {
    std::string moduleName;
    std::string fileName;
    friend bool operator==(const EditListEntry&, const EditListEntry&) = default;
};

/// At most this many entries ("ListNum" is one byte).
inline constexpr std::size_t kMaxListEntries = 255;

/// Why the editor refuses an entry.
enum class EntryRefusal {
    None,
    BlankModule,
    BlankFile,
    ModuleTooLong,
    FileTooLong,
    Duplicate,
    Full,
    FavoritesFull,
    BadCharacter,
    NotFullPath,  // a favourite file named without its folder from a root
    ControlCharacter,
};

/// An entry as the list keeps it. Exceptions: the module name upper case without apostrophes
/// and double quotes, the file name upper case without its folder. Favourites: the full file
/// name as typed (without surrounding blanks), the module column its name without folder.
[[nodiscard]] EditListEntry normalizeEntry(EditListKind kind, std::string_view moduleName,
                                           std::string_view fileName);

/// Checks a normalised `entry` against `list`; `editing` is the position of the entry it
/// replaces (nothing for a new one).
[[nodiscard]] EntryRefusal checkEntry(EditListKind kind, const std::vector<EditListEntry>& list,
                                      const EditListEntry& entry,
                                      std::optional<std::size_t> editing);

/// One line saying why an entry was refused.
[[nodiscard]] std::string_view entryRefusalText(EditListKind kind, EntryRefusal refusal);

/// The list as stored now: the exceptions of section "Exceptlist" (also taken into
/// `ws.exceptQ`), or the favourite files of section Favorites.
[[nodiscard]] std::vector<EditListEntry> loadEditList(Workspace& ws, EditListKind kind);

/// Writes the list back ("ListNum" and the pairs, or `UseFavoritesFiles`) and reads it back to
/// make sure the settings file took it; the exceptions take effect in `ws.exceptQ` at once.
/// Fails with the posted code when the settings file did not take the list.
Status saveEditList(Workspace& ws, EditListKind kind, const std::vector<EditListEntry>& list);

/// The exceptions SYSTEM.INI (`systemIni`, a full path) gives: each driver of its [boot]
/// section ("display.drv=vga.drv") whose module name (DISPLAY) differs from its file's name.
[[nodiscard]] std::vector<EditListEntry> systemIniExceptions(const std::string& systemIni);

/// Appends the entries of `more` whose module name `list` does not hold yet, up to the limit;
/// returns how many were added.
std::size_t mergeEntries(std::vector<EditListEntry>& list, const std::vector<EditListEntry>& more);

/// What "Impor&t" did.
struct SystemIniImport {
    /// SYSTEM.INI was there to read.
    bool found = false;
    /// Entries added to the list.
    std::size_t added = 0;
    friend bool operator==(const SystemIniImport&, const SystemIniImport&) = default;
};

/// The SYSTEM.INI "Impor&t" reads: the one in the Windows folder (off Windows the Wine prefix's);
/// without a Windows folder "\\SYSTEM.INI", the name alone as the system would take it.
[[nodiscard]] std::string defaultSystemIni(const platform::FileSystem& files,
                                           const platform::Environment& env);

/// "Impor&t": merges the exceptions of `systemIni` into `list`, when the file is there.
SystemIniImport importSystemIni(Workspace& ws, std::vector<EditListEntry>& list,
                                const std::string& systemIni);

/// The status text after "Impor&t": how many entries came from SYSTEM.INI, that none were new,
/// or that the file `systemIni` is not there.
[[nodiscard]] std::string systemIniImportText(const SystemIniImport& import,
                                              std::string_view systemIni);

}  // namespace quillon::maintenance
