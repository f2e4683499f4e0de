// Tests of path text at the system's boundary: files named outside the ANSI code page, native
// separators and the settings' older code page.
#include "platform/native_path.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/file_system.h"
#include "platform/paths.h"
#include "support/test_workspace.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace quillon::platform {
namespace {

using quillon::testing::TempFolder;

// A folder and a file named with Cyrillic and Greek letters, outside Windows-1252.
constexpr const char* kFolderName = "\xD0\x91\xD0\xB8\xD0\xB1\xD0\xBB\xD0\xB8\xD0\xBE "
                                    "\xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1";
constexpr const char* kFileName = "\xD0\xA4\xD0\xB0\xD0\xB9\xD0\xBB.dll";

TEST(NativePath, FilesNamedOutsideTheAnsiCodePageAreMadeReadListedAndRemoved)
{
    TempFolder root;
    FileSystem files;
    const std::string base = pathText(root.path());
    const std::string folder = base + kPathSeparator + kFolderName;
    const std::string file = folder + kPathSeparator + kFileName;
    ASSERT_TRUE(files.createFolder(folder).ok());
    EXPECT_TRUE(files.isFolder(folder));
    Result<File> made = files.createNew(file);
    ASSERT_TRUE(made.ok());
    EXPECT_TRUE(made->append("MZ").ok());
    EXPECT_TRUE(made->close().ok());
    EXPECT_TRUE(files.isFile(file));

    Result<std::vector<std::byte>> bytes = files.readWholeFile(file);
    ASSERT_TRUE(bytes.ok());
    EXPECT_EQ(bytes->size(), 2u);
    Result<std::vector<FolderEntry>> listed = files.listFolder(base);
    ASSERT_TRUE(listed.ok());
    EXPECT_EQ(*listed, (std::vector<FolderEntry>{{kFolderName, true}}));
    EXPECT_EQ(files.fullPath(file), file);
    EXPECT_TRUE(std::filesystem::exists(fileSystemPath(file)));

    const std::string moved = folder + kPathSeparator + "moved.dll";
    EXPECT_TRUE(files.rename(file, moved).ok());
    EXPECT_TRUE(files.remove(moved).ok());
    EXPECT_FALSE(files.exists(moved));
}

#ifdef _WIN32

TEST(NativePath, WindowsPathsTakeBackslashesWhereTheyEnter)
{
    EXPECT_EQ(nativePath("C:/Libs/my.lib"), "C:\\Libs\\my.lib");
    EXPECT_EQ(nativePath("C:\\Libs/sub\\x.dll"), "C:\\Libs\\sub\\x.dll");
    EXPECT_EQ(pathFromSettings("C:/Libs/noext.lib"), "C:\\Libs\\noext.lib");
}

TEST(NativePath, SettingsValuesOfEarlierVersionsAreReadFromTheAnsiCodePage)
{
    // "C:\Café\x.lib" as an earlier version wrote it, in the ANSI code page of this system.
    const std::wstring wide = L"C:\\Caf\u00E9\\x.lib";
    std::string ansi(64, '\0');
    BOOL lost = FALSE;
    ansi.resize(static_cast<std::size_t>(WideCharToMultiByte(
        CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), ansi.data(),
        static_cast<int>(ansi.size()), nullptr, &lost)));
    if (lost)
        GTEST_SKIP() << "the ANSI code page has no e with acute accent";
    const std::string utf8 = "C:\\Caf\xC3\xA9\\x.lib";
    EXPECT_EQ(pathFromSettings(ansi), utf8);
    EXPECT_EQ(pathFromSettings(utf8), utf8);
    // Written back in that code page, so that an earlier version reads it too ...
    EXPECT_EQ(pathForSettings(utf8), ansi);
    // ... unless the code page lacks a character: then UTF-8, which reads back the same.
    const std::string cyrillic = std::string("C:\\") + kFolderName + "\\x.lib";
    EXPECT_EQ(pathForSettings(cyrillic), cyrillic);
    EXPECT_EQ(pathFromSettings(pathForSettings(cyrillic)), cyrillic);
    EXPECT_EQ(pathForSettings("C:\\Libs\\x.lib"), "C:\\Libs\\x.lib");
}

#else

TEST(NativePath, ElsewherePathsAndSettingsValuesStayAsSpelled)
{
    EXPECT_EQ(nativePath("/libs/a\\b.lib"), "/libs/a\\b.lib");
    EXPECT_EQ(pathFromSettings("/libs/Caf\xE9.lib"), "/libs/Caf\xE9.lib");
    EXPECT_EQ(pathForSettings("/libs/Caf\xC3\xA9.lib"), "/libs/Caf\xC3\xA9.lib");
}

#endif

}  // namespace
}  // namespace quillon::platform
