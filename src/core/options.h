// Options: the typed values of the settings file's general options, held in memory.
#pragma once

#include <string>
#include <vector>

namespace quillon {

// The choices of the multi-valued options. Each enumerator holds the number the settings file
// stores for it; a stored number outside the list is kept as it is (each user of a choice
// names the fallback it takes for such a value), so a file's value survives a load and a save.

/// `UseBitCheck`, "DLL source files synchronization:".
enum class BitCheck : int {
    None = 0,
    SynchronizeManually = 1,
    RemoveInconsistent = 2,
    RemoveInconsistentAndUnlocated = 3,
};

/// Whether `choice` removes inconsistent modules when a library is saved or loaded.
[[nodiscard]] constexpr bool removesInconsistentModules(BitCheck choice)
{
    return choice == BitCheck::RemoveInconsistent ||
           choice == BitCheck::RemoveInconsistentAndUnlocated;
}

/// `UseBitCheckSet`, the library's 16/32-bit setting.
enum class LibraryBitness : int { Set16Bit = 1, Set32Bit = 2, Automatic = 3 };

/// Whether `bits` chooses a bitness (16 or 32), by which modules can be judged.
[[nodiscard]] constexpr bool isBitnessChosen(LibraryBitness bits)
{
    return bits == LibraryBitness::Set16Bit || bits == LibraryBitness::Set32Bit;
}

/// `QuickMenu`, the quick menu assigned to the library list's quick menu button.
enum class QuickMenuChoice : int {
    SortList = 2,
    AddRecentFiles = 3,
    MarkSelections = 4,
    ExpandContractTree = 5,
};

/// `CaseOption`, the letter casing of the recent files sub-menu.
enum class MenuCasing : int { Upper = 1, Lower = 2, AsStored = 3 };

/// `UseLIBSortOrder`, "LIB-file's sort order:".
enum class LibSortOrder : int { Current = 0, SymbolNames = 1, OrdinalNumbers = 2, FileOrder = 3 };

/// `UseExcludeGlobalDuplicatesSet`, which entry of a globally duplicated symbol stays.
enum class DuplicateKeep : int {
    KeepNone = 0,
    KeepFirst = 1,
    MatchSavedLibElseKeepNone = 2,
    MatchSavedLibElseKeepFirst = 3,
};

/// Whether `choice` keeps the entries found in the saved LIB file.
[[nodiscard]] constexpr bool matchesSavedLib(DuplicateKeep choice)
{
    return choice == DuplicateKeep::MatchSavedLibElseKeepNone ||
           choice == DuplicateKeep::MatchSavedLibElseKeepFirst;
}

/// "Never", "Always", "Ask": `UseExportTextCopy`, `UseExportTextNotepad` and the resident-name
/// choices.
enum class AskChoice : int { Never = 1, Always = 2, Ask = 3 };

/// `OptionAddFolder`, the default source folder for DLL files.
enum class SourceFolderChoice : int {
    SystemDefault = 1,
    LastUsed = 2,
    Fixed = 3,
    ClarionBin = 4,
    WindowsSystem = 5,
    ClarionLib = 6,
};

/// `OptionSaveFolder`, the default target folder for LIB files.
enum class TargetFolderChoice : int { SystemDefault = 1, LastUsed = 2, Fixed = 3, ClarionLib = 4 };

/// The option values that `LoadOptions` reads and `SaveOptions` writes (sections `Options`,
/// `Folders` and `Filelist`), with their defaults. Names are the settings' own key names; flags
/// are `bool`, choices the enumerations above, counts and widths numbers.
struct Options {
    // Section Options
    bool UseLongAdd = true;
    bool UseExcludeObsoleteFolders = false;
    int UseRecentFolders = 100;
    bool UseStartFile = false;
    bool UseOpening = false;
    bool UseNocreate = true;
    bool UseNosplash = false;
    bool UseSaveWindow = true;
    bool UseStatusBar = false;
    std::string UseStatusCaps = "Default casing";
    bool UseToolTips = true;
    bool UseQuickMenu = false;
    QuickMenuChoice QuickMenu = QuickMenuChoice::SortList;
    LibraryBitness UseBitCheckSet = LibraryBitness::Automatic;
    bool UseBitCheckSetUnlocated = false;
    bool UseBitCheckSetDuplicates = false;
    bool UseRestoreFormat = true;
    bool UseOsIcons = true;
    bool UseHexColumn = false;
    bool UseHexEntryPoint = false;
    int UseUnsortedWidth = 42;
    int UseHexWidth = 48;
    int UseHexEntryWidth = 48;
    bool UseExpandAll = false;
    bool UseShowQuery = false;
    bool UseShowCompare = false;
    bool UseTopWindow = false;
    bool TopWindow = false;
    bool UseMinimizeTray = false;
    bool UseFlatButtons = false;
    bool UseFavorites = true;
    bool UseNoMessages = false;
    bool UseNoBanner = false;
    int UseMainWidthPref = 0;  // read and written by the main window when it opens
    bool UseClearExtract = true;
    bool UseNoEditInPlace = false;
    /// The lists show decorated names undecorated (their stored names stay as they are).
    bool UseUndecoratedNames = false;
    bool UseRecentMenu = false;
    int UseRecentFiles = 255;
    int UseRecentSearch = 100;
    AskChoice UseExportTextCopy = AskChoice::Always;
    AskChoice UseExportTextNotepad = AskChoice::Never;
    AskChoice UseReadResidentNames = AskChoice::Always;
    AskChoice UseWriteResidentNames = AskChoice::Always;
    bool UseExcludeList = false;
    bool UseExcludeGlobalDuplicates = false;
    DuplicateKeep UseExcludeGlobalDuplicatesSet = DuplicateKeep::KeepNone;
    LibSortOrder UseLIBSortOrder = LibSortOrder::Current;
    BitCheck UseBitCheck = BitCheck::None;
    bool UseBitCheckDuplicates = false;
    std::string UseTrayMenuAlignment = "Right mouse button";
    bool UseIconSingle = true;
    bool UseIconAnimation = false;
    bool UseMarkFound = false;  // read from section Search

    // Section Folders
    std::string ProgFolder;
    std::string StatFolder;
    std::string BINFolder;
    std::string LIBFolder;
    SourceFolderChoice OptionAddFolder = SourceFolderChoice::SystemDefault;
    std::string LastAddFolder;
    std::string AddFolder;
    TargetFolderChoice OptionSaveFolder = TargetFolderChoice::SystemDefault;
    std::string LastSaveFolder;
    std::string SaveFolder;
    bool UseSameAddSave = false;

    // Section Filelist
    int UseNumMenu = 4;
    MenuCasing CaseOption = MenuCasing::Lower;
    std::string FileSuffix;
    bool UseExcludeObsoleteFiles = false;

    // Folder histories (AddFolderDrop<n>, SaveFolderDrop<n>) as read at load.
    std::vector<std::string> AddFolderDrop;
    std::vector<std::string> SaveFolderDrop;

    friend bool operator==(const Options&, const Options&) = default;
};

}  // namespace quillon
