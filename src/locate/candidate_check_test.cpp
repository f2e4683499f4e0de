// The candidate test, the header kind and the folder listings.
#include "locate/candidate_check.h"

#include <gtest/gtest.h>

#include "locate/folder_cache.h"
#include "support/locate_tree.h"

namespace quillon::locate {
namespace {

using testing::executableBytes;
using testing::TempFolder;

TEST(HeaderKind, ReadsTheSignatureAtTheNewHeaderOffset)
{
    TempFolder dir;
    platform::FileSystem files;
    EXPECT_EQ(headerKind(files, dir.write("ne", executableBytes("NE"))), 1);
    EXPECT_EQ(headerKind(files, dir.write("pe", executableBytes("PE"))), 2);
    EXPECT_EQ(headerKind(files, dir.write("le", executableBytes("LE"))), 0);
    EXPECT_EQ(headerKind(files, dir.file("missing")), 0);
    EXPECT_EQ(headerKind(files, dir.path().string()), 0);
    std::string far = executableBytes("PE");
    far[0x3C] = '\xFF';
    far[0x3F] = '\x7F';
    EXPECT_EQ(headerKind(files, dir.write("far", far)), 0);
}

TEST(HeaderKind, EveryTruncationGivesZeroOrTheKind)
{
    TempFolder dir;
    platform::FileSystem files;
    const std::string full = executableBytes("NE");
    for (std::size_t n = 0; n <= full.size(); ++n) {
        const std::uint8_t kind = headerKind(files, dir.write("cut", full.substr(0, n)));
        EXPECT_EQ(kind, n >= 0x42 ? 1 : 0) << n;
    }
}

TEST(FolderCache, ListsEachFolderOncePerPass)
{
    TempFolder dir;
    platform::FileSystem files;
    dir.write("Alpha.dll", "x");
    dir.write("beta.DLL", "x");
    dir.write("BETA.dll", "x");  // the same file as beta.DLL on Windows
    dir.write("gamma.exe", "x");
    dir.write("gamma.drv", "x");
    dir.write("sub/Delta.dll", "x");
    const std::string folder = dir.path().string() + "/";
    int lists = 0;
    files.setFaultHook([&](platform::FileOp op, const std::string&) {
        lists += op == platform::FileOp::List ? 1 : 0;
        return 0;
    });

    FolderCache cache;
    const FolderCache::Lookup alpha = cache.find(files, folder, "ALPHA.DLL");
    EXPECT_EQ(alpha.match, NameMatch::One);
    EXPECT_EQ(alpha.path, folder + "Alpha.dll");
#ifndef _WIN32
    EXPECT_EQ(cache.find(files, folder, "Beta.Dll").match, NameMatch::Several);
#endif
    EXPECT_EQ(cache.find(files, folder, "SUB").match, NameMatch::None);
    EXPECT_EQ(cache.find(files, folder, "GAMMA.*").match, NameMatch::Several);
    EXPECT_EQ(cache.find(files, folder, "ALPHA.*").path, folder + "Alpha.dll");
    EXPECT_EQ(cache.find(files, folder + "nowhere/", "X.DLL").match, NameMatch::None);
    EXPECT_EQ(lists, 2);
    EXPECT_EQ(cache.listedFolders(), 2u);

    // A file added during the pass is not seen until the next one.
    dir.write("new.dll", "x");
    EXPECT_EQ(cache.find(files, folder, "NEW.DLL").match, NameMatch::None);
    cache.clear();
    EXPECT_EQ(cache.find(files, folder, "NEW.DLL").match, NameMatch::One);
}

TEST(CandidateTest, AcceptsOneFileAndVerifiesHeadersWhenAsked)
{
    TempFolder dir;
    platform::FileSystem files;
    dir.write("TEXT.DLL", "no header here");
    dir.write("REAL.DLL", executableBytes("PE"));
    const std::string folder = dir.path().string() + "/";
    FolderCache cache;

    const Candidate text = testCandidate(files, cache, folder, "text.dll", false, {});
    EXPECT_TRUE(text.accepted);
    EXPECT_EQ(text.os, 0);
    EXPECT_FALSE(testCandidate(files, cache, folder, "TEXT.DLL", true, {}).accepted);
    const Candidate real = testCandidatePath(files, cache, folder + "real.dll", true, {});
    EXPECT_TRUE(real.accepted);
    EXPECT_EQ(real.os, 2);
    EXPECT_EQ(real.path, folder + "REAL.DLL");
    EXPECT_FALSE(testCandidatePath(files, cache, "REAL.DLL", false, {}).accepted);
    EXPECT_FALSE(testCandidatePath(files, cache, "<File not found>", false, {}).accepted);

    // A file that vanishes after the listing fails the header check instead of crashing.
    std::filesystem::remove(dir.file("REAL.DLL"));
    EXPECT_FALSE(testCandidate(files, cache, folder, "REAL.DLL", true, {}).accepted);
}

}  // namespace
}  // namespace quillon::locate
