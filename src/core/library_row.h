// The rows of the library: LibraryList rows, ModuleTable entries and PassList entries.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/fixed_text.h"
#include "base/large_blocks.h"
#include "base/module_name.h"
#include "base/row_text.h"
#include "core/module_files.h"

namespace quillon {

/// Field capacities (including the terminator); longer values are cut to capacity minus one.
inline constexpr std::size_t kSymbolCapacity = 255;
inline constexpr std::size_t kModuleNameCapacity = ModuleName::kMaxLength + 1;
inline constexpr std::size_t kPathCapacity = 260;
inline constexpr std::size_t kCommentCapacity = 255;

/// A module's number (`MODULENUM`) and a module's symbol count (`FUNCTIONNUM`) in memory: wide
/// enough for any library that fits in memory, so that no two modules ever share a number.
using ModuleNumber = std::uint32_t;
using FunctionCount = std::uint32_t;

/// A value no module number takes (numbers run from 1 to the module count).
inline constexpr ModuleNumber kNoModuleNumber = 0xFFFFFFFFu;

/// Bitness of a module: `OS`.
enum : std::uint8_t { kOsUnknown = 0, kOs16 = 1, kOs32 = 2 };

/// `EXCLUDE` values of a symbol row (module rows use 2 or 3 for "holds marked symbols").
enum : std::uint8_t {
    kExcludeNone = 0,
    kExcludeListed = 1,
    kExcludeDuplicate = 2,
    kExcludeModule3 = 3
};

/// `ICON`: the picture of a row in the list, named after its icon resource and numbered as the
/// list display (and the module table's column) knows it. A module picture comes in a shut form
/// for a collapsed module and an open form, numbered one higher, for an expanded one. A marked
/// row (`MARK` 1) shows a hook in the main window's hook colour; "Exclamation" pictures show a
/// module that holds excluded or duplicate symbols (`EXCLUDE` 2 or 3).
enum class RowIcon : std::int16_t {
    None = 0,
    ShutFold = 1,
    OpenFold = 2,
    ShutFold16 = 3,
    OpenFold16 = 4,
    ShutFold32 = 5,
    OpenFold32 = 6,
    ShutFoldX = 7,
    OpenFoldX = 8,
    ShutFoldNotFound = 9,
    OpenFoldNotFound = 10,
    ShutFoldBlueHook = 11,
    OpenFoldBlueHook = 12,
    ShutFoldRedHook = 13,
    OpenFoldRedHook = 14,
    ShutFoldU = 15,
    OpenFoldU = 16,
    ShutFoldExclamation = 17,
    OpenFoldExclamation = 18,
    ShutFold16Exclamation = 19,
    OpenFold16Exclamation = 20,
    ShutFold32Exclamation = 21,
    OpenFold32Exclamation = 22,
    ShutFoldXExclamation = 23,
    OpenFoldXExclamation = 24,
    ShutFoldUExclamation = 25,
    OpenFoldUExclamation = 26,
    Function = 101,
    FunctionHookBlue = 102,
    FunctionHookRed = 103,
    ResFunction = 104,
    ResFunctionHookBlue = 105,
    ResFunctionHookRed = 106,
    FunctionExclude = 110,
    ResFunctionExclude = 111,
    FunctionDuplicate = 112,
    ResFunctionDuplicate = 113,
};

/// The form of the module picture `shut` for a module that is `expanded` or not.
[[nodiscard]] constexpr RowIcon moduleIconForm(RowIcon shut, bool expanded)
{
    return expanded ? static_cast<RowIcon>(static_cast<std::int16_t>(shut) + 1) : shut;
}

/// `TREELEVEL`: where a row stands in the tree, by the number the module table's column shows.
/// A symbol row of a collapsed module may carry `SymbolHidden`.
enum class TreeLevel : std::int16_t {
    None = 0,
    ModuleExpanded = 1,
    ModuleCollapsed = -1,
    Symbol = 2,
    SymbolHidden = -2,
};

/// One row of `LibraryList`: a module row (TREELEVEL 1 or -1) followed by its symbol rows
/// (TREELEVEL 2). `ORDINALH` is derived from `ORDINAL` (see ordinalHexText), `ENTRYPOINT` and
/// `BLANK` are carried but never set, so neither is stored. A row takes 64 bytes; long names
/// live in shared chunks (see RowText) and the file names only on module rows.
struct LibraryRow {
    RowText SYMBOL;     // symbol name, or the module name on a module row (<= 254)
    ModuleFiles files;  // module row: FILENAME and FILENAMEDLL, see the accessors
    ModuleNumber MODULENUM = 0;
    std::uint32_t UNSORTED = 0;
    RowIcon ICON = RowIcon::None;
    TreeLevel TREELEVEL = TreeLevel::None;
    std::uint16_t ORDINAL = 0;
    ModuleName MODULENAME;  // <= 254
    /// 1 for a marked row: the user's mark, drawn as a hook (the one word for it is "marked").
    std::uint8_t MARK = 0;
    std::uint8_t RESIDENTSTAB = 0;
    std::uint8_t OS = kOsUnknown;
    std::uint8_t EXCLUDE = kExcludeNone;

    [[nodiscard]] bool isModule() const
    {
        return TREELEVEL == TreeLevel::ModuleExpanded || TREELEVEL == TreeLevel::ModuleCollapsed;
    }
    [[nodiscard]] bool isSymbol() const
    {
        return TREELEVEL == TreeLevel::Symbol || TREELEVEL == TreeLevel::SymbolHidden;
    }
    [[nodiscard]] bool expanded() const { return TREELEVEL == TreeLevel::ModuleExpanded; }

    /// `FILENAME`: module row, the file the module was loaded from (<= 259).
    [[nodiscard]] const std::string& fileName() const { return files.fileName(); }
    /// `FILENAMEDLL`: module row, the executable behind the module (<= 259).
    [[nodiscard]] const std::string& fileNameDll() const { return files.fileNameDll(); }
    void setFileName(std::string_view fileName) { files.setFileName(fileName); }
    void setFileNameDll(std::string_view fileNameDll) { files.setFileNameDll(fileNameDll); }

    friend bool operator==(const LibraryRow&, const LibraryRow&) = default;
};

static_assert(sizeof(LibraryRow) <= 64);

/// One entry of `ModuleTable`, rebuilt from the module rows.
struct ModuleEntry {
    ModuleName MODULENAME;
    ModuleNumber MODULENUM = 0;
    TreeLevel TREELEVEL = TreeLevel::None;
    FunctionCount FUNCTIONNUM = 0;
    std::string FILENAME;
    std::string FILENAMEDLL;
    std::uint16_t FILESIZE = 0;
    std::uint8_t OS = kOsUnknown;
    std::uint8_t MARK = 0;
    std::uint8_t EXCLUDE = kExcludeNone;

    friend bool operator==(const ModuleEntry&, const ModuleEntry&) = default;
};

/// One entry of the transfer list `PassList`.
struct PassEntry {
    ModuleName MODULENAME;
    std::string SYMBOL;  // <= 254
    std::uint16_t ORDINAL = 0;
    std::string COMMENT;  // <= 254
    std::uint32_t UNSORTED = 0;

    friend bool operator==(const PassEntry&, const PassEntry&) = default;
};

using LibraryList = std::vector<LibraryRow, LargeBlockAllocator<LibraryRow>>;
using ModuleTable = std::vector<ModuleEntry>;
using PassList = std::vector<PassEntry>;

/// One file of the multi-file loader's input: folder, name, full long path, full short path.
struct InputFile {
    std::string PATH;
    std::string FILE;
    std::string PATHFILE;
    std::string SHORTNAME;

    friend bool operator==(const InputFile&, const InputFile&) = default;
};

using InputFileList = std::vector<InputFile>;

}  // namespace quillon
