// Options: the typed values of the settings file's general options, held in memory.
#pragma once

#include <string>
#include <vector>

namespace quillon {

/// The option values that `LoadOptions` reads and `SaveOptions` writes (sections `Options`,
/// `Folders` and `Filelist`), with their defaults. Names are the settings' own key names.
struct Options {
    // Section Options
    int UseLongAdd = 1;
    int UseExcludeObsoleteFolders = 0;
    int UseRecentFolders = 100;
    int UseStartFile = 0;
    int UseOpening = 0;
    int UseNocreate = 1;
    int UseNosplash = 0;
    int UseSaveWindow = 1;
    int UseStatusBar = 0;
    std::string UseStatusCaps = "Default casing";
    int UseToolTips = 1;
    int UseQuickMenu = 0;
    int QuickMenu = 2;
    int UseBitCheckSet = 3;
    int UseBitCheckSetUnlocated = 0;
    int UseBitCheckSetDuplicates = 0;
    int UseRestoreFormat = 1;
    int UseOsIcons = 1;
    int UseHexColumn = 0;
    int UseHexEntryPoint = 0;
    int UseUnsortedWidth = 42;
    int UseHexWidth = 48;
    int UseHexEntryWidth = 48;
    int UseExpandAll = 0;
    int UseShowQuery = 0;
    int UseShowCompare = 0;
    int UseTopWindow = 0;
    int TopWindow = 0;
    int UseMinimizeTray = 0;
    int UseFlatButtons = 0;
    int UseFavorites = 1;
    int UseNoMessages = 0;
    int UseNoBanner = 0;
    int UseMainWidthPref = 0;  // read and written by the main window when it opens
    int UseClearExtract = 1;
    int UseNoEditInPlace = 0;
    /// The lists show decorated names undecorated (their stored names stay as they are).
    int UseUndecoratedNames = 0;
    int UseRecentMenu = 0;
    int UseRecentFiles = 255;
    int UseRecentSearch = 100;
    int UseExportTextCopy = 2;
    int UseExportTextNotepad = 1;
    int UseReadResidentNames = 2;
    int UseWriteResidentNames = 2;
    int UseExcludeList = 0;
    int UseExcludeGlobalDuplicates = 0;
    int UseExcludeGlobalDuplicatesSet = 0;
    int UseLIBSortOrder = 0;
    int UseBitCheck = 0;
    int UseBitCheckDuplicates = 0;
    std::string UseTrayMenuAlignment = "Right mouse button";
    int UseIconSingle = 1;
    int UseIconAnimation = 0;
    int UseMarkFound = 0;  // read from section Search

    // Section Folders
    std::string ProgFolder;
    std::string StatFolder;
    std::string BINFolder;
    std::string LIBFolder;
    int OptionAddFolder = 1;
    std::string LastAddFolder;
    std::string AddFolder;
    int OptionSaveFolder = 1;
    std::string LastSaveFolder;
    std::string SaveFolder;
    int UseSameAddSave = 0;

    // Section Filelist
    int UseNumMenu = 4;
    int CaseOption = 2;
    std::string FileSuffix;
    int UseExcludeObsoleteFiles = 0;

    // Folder histories (AddFolderDrop<n>, SaveFolderDrop<n>) as read at load.
    std::vector<std::string> AddFolderDrop;
    std::vector<std::string> SaveFolderDrop;

    friend bool operator==(const Options&, const Options&) = default;
};

}  // namespace quillon
