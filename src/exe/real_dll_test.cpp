// Integration tests over real DLLs (the i386 PE DLLs of Debian's libwine package, folder from
// $QUILLON_WINE_DLLS): every file is read, and every named export agrees with llvm-readobj.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "exe/executable_image.h"
#include "exe/executable_reader.h"
#include "support/exe_fixture.h"
#include "support/readobj_exports.h"

namespace quillon::exe {
namespace {

namespace fs = std::filesystem;

std::string dllFolder()
{
    const char* env = std::getenv("QUILLON_WINE_DLLS");
    return env != nullptr && *env != '\0'
               ? env
               : "/opt/libwine-i386/usr/lib/i386-linux-gnu/wine/i386-windows";
}

std::vector<std::string> dllFiles()
{
    std::vector<std::string> files;
    std::error_code ec;
    for (fs::directory_iterator it(dllFolder(), ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_regular_file())
            files.push_back(it->path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

TEST(RealDlls, EveryNamedExportAgreesWithLlvmReadobj)
{
    const std::vector<std::string> files = dllFiles();
    if (files.empty())
        GTEST_SKIP() << "no DLLs in " << dllFolder();
    const auto reference = testing::readobjExports(files);
    if (!reference)
        GTEST_SKIP() << "llvm-readobj is not installed";
    platform::FileSystem fileSystem;
    std::size_t names = 0;
    std::size_t filesWithNames = 0;
    std::size_t differing = 0;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const auto bytes = fileSystem.readWholeFile(files[i]);
        ASSERT_TRUE(bytes.ok()) << files[i];
        const ExecutableExports exports = readExecutable(*bytes);
        std::vector<testing::NamedExport> ours;
        for (const ExportTable& table : exports.tables) {
            EXPECT_EQ(table.error.code, 0) << files[i];
            for (const ExportedName& n : table.names)
                ours.push_back({std::string(n.name), n.ordinal});
        }
        EXPECT_EQ(exports.error.code, 0) << files[i];
        EXPECT_LE(exports.tables.size(), 1u) << files[i];
        std::vector<testing::NamedExport> theirs = (*reference)[i];
        std::sort(ours.begin(), ours.end());
        std::sort(theirs.begin(), theirs.end());
        if (ours != theirs) {
            ++differing;
            ADD_FAILURE() << files[i] << ": " << ours.size() << " names here, " << theirs.size()
                          << " from llvm-readobj";
        }
        names += ours.size();
        filesWithNames += ours.empty() ? 0 : 1;
    }
    std::cout << "[ real DLLs ] " << files.size() << " files, " << filesWithNames
              << " with named exports, " << names << " named exports, " << differing
              << " files differing from llvm-readobj\n";
}

TEST(RealDlls, EveryFileLoadsIntoTheLibraryWithoutMessages)
{
    const std::vector<std::string> files = dllFiles();
    if (files.empty())
        GTEST_SKIP() << "no DLLs in " << dllFolder();
    testing::ExeFixture f;
    for (const std::string& file : files) {
        f.path = file;
        const ExecutableLoad load = f.read();
        EXPECT_EQ(load.outcome.ReadStatus, 0) << file;
        EXPECT_EQ(load.kind, ExecutableKind::Pe) << file;
    }
    EXPECT_TRUE(f.t.ui.messages.empty());
    EXPECT_GT(f.rows().size(), files.size());
}

}  // namespace
}  // namespace quillon::exe
