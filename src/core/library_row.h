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

/// `TREELEVEL` values.
enum : std::int16_t { kLevelModuleExpanded = 1, kLevelModuleCollapsed = -1, kLevelSymbol = 2 };

/// One row of `LibraryList`: a module row (TREELEVEL 1 or -1) followed by its symbol rows
/// (TREELEVEL 2). `ORDINALH` is derived from `ORDINAL` (see ordinalHexText), `ENTRYPOINT` and
/// `BLANK` are carried but never set, so neither is stored. A row takes 64 bytes; long names
/// live in shared chunks (see RowText) and the file names only on module rows.
struct LibraryRow {
    RowText SYMBOL;     // symbol name, or the module name on a module row (<= 254)
    ModuleFiles files;  // module row: FILENAME and FILENAMEDLL, see the accessors
    ModuleNumber MODULENUM = 0;
    std::uint32_t UNSORTED = 0;
    std::int16_t ICON = 0;
    std::int16_t TREELEVEL = 0;
    std::uint16_t ORDINAL = 0;
    ModuleName MODULENAME;  // <= 254
    std::uint8_t MARK = 0;
    std::uint8_t RESIDENTSTAB = 0;
    std::uint8_t OS = kOsUnknown;
    std::uint8_t EXCLUDE = kExcludeNone;

    [[nodiscard]] bool isModule() const { return TREELEVEL == 1 || TREELEVEL == -1; }
    [[nodiscard]] bool isSymbol() const { return TREELEVEL == 2 || TREELEVEL == -2; }
    [[nodiscard]] bool expanded() const { return TREELEVEL == kLevelModuleExpanded; }

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
    std::int16_t TREELEVEL = 0;
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
