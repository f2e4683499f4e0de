// FindClarionFolders: the BIN and LIB folders of the installed Clarion product, found from the
// settings or from the products registered in WIN.INI.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/options.h"

namespace quillon {

class Workspace;

/// One row of the known-product table: WIN.INI section name, version text, version code.
struct KnownProduct {
    std::string_view section;
    std::string_view versionText;
    std::uint8_t code;
};

/// The known products in search order (older products first); section names exactly as
/// registered, double blanks included.
inline constexpr std::array<KnownProduct, 32> kKnownProducts = {{
    {"Clarion 15", "1.5", 15},
    {"Clarion 2", "2.0", 20},
    {"Clarion 3", "3.0", 30},
    {"Clarion 4", "4.0", 40},
    {"Clarion 4.0", "4.0", 40},
    {"Clarion 4  Enterprise Edition", "4.0 Enterprise Edition", 40},
    {"Clarion 4 Enterprise Edition", "4.0 Enterprise Edition", 40},
    {"Clarion 4EE", "4.0 Enterprise Edition", 40},
    {"Clarion 4ee", "4.0 Enterprise Edition", 40},
    {"Clarion 4 Enterprice", "4.0 Enterprise Edition", 40},
    {"Clarion 5", "5.0", 50},
    {"Clarion 5.0", "5.0", 50},
    {"Clarion 5  Enterprise Edition", "5.0 Enterprise Edition", 50},
    {"Clarion 5 Enterprise Edition", "5.0 Enterprise Edition", 50},
    {"Clarion 5EE", "5.0 Enterprise Edition", 50},
    {"Clarion 5ee", "5.0 Enterprise Edition", 50},
    {"Clarion 5.5", "5.5", 55},
    {"Clarion 5.5  Enterprise Edition", "5.5 Enterprise Edition", 55},
    {"Clarion 5.5 Enterprise Edition", "5.5 Enterprise Edition", 55},
    {"Clarion 55", "5.5", 55},
    {"Clarion 55 Enterprise Edition", "5.5 Enterprise Edition", 55},
    {"Clarion 55  Enterprise Edition", "5.5 Enterprise Edition", 55},
    {"Clarion 55EE", "5.5 Enterprise Edition", 55},
    {"Clarion 55ee", "5.5 Enterprise Edition", 55},
    {"Clarion 6", "6.0", 60},
    {"Clarion 6.0", "6.0", 60},
    {"Clarion 6  Enterprise Edition", "6.0 Enterprise Edition", 60},
    {"Clarion 6.0  Enterprise Edition", "6.0 Enterprise Edition", 60},
    {"Clarion 6.0 Enterprise Edition", "6.0 Enterprise Edition", 60},
    {"Clarion 6 Enterprise Edition", "6.0 Enterprise Edition", 60},
    {"Clarion 6EE", "6.0 Enterprise Edition", 60},
    {"Clarion 6ee", "6.0 Enterprise Edition", 60},
}};

/// The product the last detection found; kept for the run by its owner.
struct ClarionProduct {
    std::string section;
    std::string versionText;
    std::uint8_t code = 0;
    /// The Clarion IDE program's full path; empty when it does not exist.
    std::string idePath;

    friend bool operator==(const ClarionProduct&, const ClarionProduct&) = default;
};

/// The services the lookup needs: every one may be replaced in a test.
struct ClarionFolderServices {
    /// A key of section "Folders" of the settings file ("BINFolder", "LIBFolder").
    std::function<std::string(std::string_view key)> readFolderSetting;
    /// A key of WIN.INI; empty text when the file, section or key is missing.
    std::function<std::string(std::string_view section, std::string_view key)> readWinIni;
    /// The host path of a Windows path read from WIN.INI ("C:\C5\BIN\").
    std::function<std::string(std::string_view windowsPath)> hostPath;
    /// An existing folder's normalized full path ending in a separator; empty when missing.
    std::function<std::string(std::string_view folder)> normalizeFolder;
    /// The full path of the one file of `folder` named `name` (letter case ignored off
    /// Windows); empty when there is none or the name is ambiguous.
    std::function<std::string(const std::string& folder, std::string_view name)> findFile;
};

/// What the lookup gives back.
struct ClarionFoldersOutcome {
    std::uint8_t result = 0;
    std::string first;
    std::string second;

    friend bool operator==(const ClarionFoldersOutcome&, const ClarionFoldersOutcome&) = default;
};

/// FindClarionFolders. Mode 0 (start-up): the settings' folders when both exist (result 1),
/// else detection (result 2 when both folders were found, else 0); outputs BIN and LIB folder.
/// Mode 1 (options dialog): always detect; same outputs, result 2 or 0. Mode 2: detect, then
/// result 1 when "WIN16.LIB" and 2 when "WIN32.LIB" is in the LIB folder (0 otherwise); the
/// first output is the "WIN32.LIB" path. Mode 3: detect, then put `BINFolder` and `LIBFolder`
/// back; result the version code, first output the version text. Detection updates
/// `options.BINFolder`, `options.LIBFolder` and `product`. Outputs are cut to their capacity
/// minus one. Nothing is reported; whatever is missing leaves its result empty.
[[nodiscard]] ClarionFoldersOutcome FindClarionFolders(int mode, Options& options,
                                                       ClarionProduct& product,
                                                       const ClarionFolderServices& services,
                                                       std::size_t firstCapacity = 260,
                                                       std::size_t secondCapacity = 260);

/// The services of a workspace: its settings file, the WIN.INI and Wine prefix of its locate
/// environment (read only), and its file layer.
[[nodiscard]] ClarionFolderServices clarionFolderServices(Workspace& ws);

}  // namespace quillon
