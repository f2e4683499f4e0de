// Tests of the path helpers and NormalizeFolderPath.
#include "platform/paths.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/file_system.h"
#include "support/test_workspace.h"

namespace quillon::platform {
namespace {

using quillon::testing::TempFolder;

#ifndef _WIN32

TEST(Paths, FolderEndingsAndParts)
{
    EXPECT_EQ(withTrailingSeparator("/a/b"), "/a/b/");
    EXPECT_EQ(withTrailingSeparator("/a/b/"), "/a/b/");
    EXPECT_EQ(withTrailingSeparator(""), "");
    EXPECT_EQ(withoutTrailingSeparator("/a/b//"), "/a/b");
    EXPECT_EQ(withoutTrailingSeparator("/"), "/");
    EXPECT_EQ(withoutTrailingSeparator("C:/"), "C:/");
    EXPECT_EQ(folderOf("/opt/quillon/quillon32"), "/opt/quillon/");
    EXPECT_EQ(folderOf("quillon32"), "");
    EXPECT_EQ(fileNameOf("/opt/quillon/quillon32"), "quillon32");
    EXPECT_EQ(joinPath("/a", "b"), "/a/b");
    EXPECT_EQ(joinPath("/a/", "/b"), "/a/b");
    EXPECT_TRUE(containsPathSeparator("a/b"));
    EXPECT_FALSE(containsPathSeparator("a\\b"));
    EXPECT_EQ(longPathForm("/x/PROGRA~1"), "/x/PROGRA~1");
    EXPECT_EQ(shortPathForm("/x/Program Files"), "/x/Program Files");
}

TEST(Paths, ProgramFolderFallsBackToCurrentFolder)
{
    EXPECT_EQ(programFolder("/opt/quillon/quillon32", "/home/u"), "/opt/quillon/");
    EXPECT_EQ(programFolder("quillon32", "/home/u"), "/home/u/");
    EXPECT_EQ(programFolder("", "/home/u/"), "/home/u/");
}

TEST(Paths, ProgramPathNamesTheRunningProgram)
{
    const std::string path = programPath();
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(fileNameOf(path), "quillon_core_tests");
    EXPECT_TRUE(std::filesystem::is_regular_file(path));
}

TEST(Paths, AFullPathStartsAtARoot)
{
#ifdef _WIN32
    for (const char* full : {"C:\\Libs\\a.lib", "d:/x.lib", "\\\\server\\share\\a.lib"})
        EXPECT_TRUE(isFullPath(full)) << full;
    for (const char* relative : {"a.lib", "Libs\\a.lib", "C:a.lib", "\\a.lib", ""})
        EXPECT_FALSE(isFullPath(relative)) << relative;
#else
    EXPECT_TRUE(isFullPath("/home/u/a.lib"));
    for (const char* relative : {"a.lib", "libs/a.lib", "./a.lib", "~/a.lib", ""})
        EXPECT_FALSE(isFullPath(relative)) << relative;
#endif
}

TEST(Paths, FullPathResolvesAgainstCurrentFolder)
{
    EXPECT_EQ(fullPath("/a/./b/../c"), "/a/c");
    EXPECT_EQ(fullPath("x"), joinPath(currentFolder(), "x"));
    EXPECT_EQ(fullPath(""), "");
}

TEST(NormalizeFolderPath, BlankGivesEmptyText)
{
    FileSystem files;
    EXPECT_EQ(NormalizeFolderPath(files, "", 1), "");
    EXPECT_EQ(NormalizeFolderPath(files, "    ", 1, ExistenceCheck::Skipped), "");
}

TEST(NormalizeFolderPath, CollapsesDoubledSeparatorsAndTrimsBlanks)
{
    TempFolder folder;
    FileSystem files;
    std::filesystem::create_directories(folder.path() / "Sub" / "Deep");
    const std::string base = folder.path().string();
    EXPECT_EQ(NormalizeFolderPath(files, "  " + base + "//Sub///Deep//  ", 1), base + "/Sub/Deep/");
    EXPECT_EQ(NormalizeFolderPath(files, base + "//Sub", 1), base + "/Sub");
}

TEST(NormalizeFolderPath, UpperCasesOnlyADriveLetter)
{
    FileSystem files;
    EXPECT_EQ(NormalizeFolderPath(files, "c://C5//bin/", 1, ExistenceCheck::Skipped), "C:/C5/bin/");
    EXPECT_EQ(NormalizeFolderPath(files, "relative//dir", 1, ExistenceCheck::Skipped),
              "relative/dir");
}

TEST(NormalizeFolderPath, ShortFormKeepsLetterCaseWhereNamesAreCaseSensitive)
{
    TempFolder folder;
    FileSystem files;
    std::filesystem::create_directories(folder.path() / "lower");
    const std::string path = folder.file("lower");
    EXPECT_EQ(NormalizeFolderPath(files, path, 0), path);
}

TEST(NormalizeFolderPath, MissingPathIsEmptyUnlessTheCheckIsSkipped)
{
    TempFolder folder;
    FileSystem files;
    const std::string missing = folder.file("missing") + "//x";
    EXPECT_EQ(NormalizeFolderPath(files, missing, 1), "");
    EXPECT_EQ(NormalizeFolderPath(files, missing, 1, ExistenceCheck::Skipped),
              folder.file("missing") + "/x");
    const std::string file = folder.write("a.dll", "MZ");
    EXPECT_EQ(NormalizeFolderPath(files, file, 1), file);
    EXPECT_EQ(NormalizeFolderPath(files, file + "/", 1), "");
}

#endif

#ifdef _WIN32

TEST(Paths, WindowsSeparatorsAndRoots)
{
    EXPECT_TRUE(isPathSeparator('/'));
    EXPECT_EQ(withTrailingSeparator("C:\\x"), "C:\\x\\");
    EXPECT_EQ(withoutTrailingSeparator("C:\\"), "C:\\");
    EXPECT_EQ(folderOf("C:\\Q\\quillon32.exe"), "C:\\Q\\");
    EXPECT_EQ(programFolder("quillon32.exe", "C:\\Work"), "C:\\Work\\");
    EXPECT_EQ(fileNameOf(programPath()), "quillon_core_tests.exe");
}

TEST(NormalizeFolderPath, WindowsDriveLetterSeparatorsAndNetworkPaths)
{
    FileSystem files;
    EXPECT_EQ(NormalizeFolderPath(files, "c:\\\\C5\\\\BIN\\", 1, ExistenceCheck::Skipped),
              "C:\\C5\\BIN\\");
    EXPECT_EQ(NormalizeFolderPath(files, "\\\\server\\\\share", 1, ExistenceCheck::Skipped),
              "\\\\server\\share");
    TempFolder folder;
    std::filesystem::create_directories(folder.path() / "Long Folder Name");
    std::string path = folder.file("Long Folder Name");
    path[0] = static_cast<char>(path[0] | 0x20);
    const std::string doubled = path.substr(0, 3) + "\\" + path.substr(3);
    const std::string normalized = NormalizeFolderPath(files, doubled, 1);
    EXPECT_EQ(normalized, folder.file("Long Folder Name"));
    const std::string shortForm = NormalizeFolderPath(files, doubled, 0);
    ASSERT_FALSE(shortForm.empty());
    EXPECT_TRUE(files.isFolder(shortForm));
    EXPECT_EQ(shortForm.find("Long Folder Name"), std::string::npos);
}

#endif

}  // namespace
}  // namespace quillon::platform
