// Integration test over real DLLs (the i386 PE DLLs of Debian's libwine package, folder from
// $QUILLON_WINE_DLLS): the module-definition file written from each DLL makes the same LIB file
// as the DLL itself in a silent run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "program/command_line_save.h"
#include "program/file_loader.h"
#include "reports/module_definition.h"
#include "support/test_workspace.h"

namespace quillon::reports {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;
using testing::TestWorkspace;

std::vector<std::string> dllFiles()
{
    const char* env = std::getenv("QUILLON_WINE_DLLS");
    const std::string folder = env != nullptr && *env != '\0'
                                   ? env
                                   : "/opt/libwine-i386/usr/lib/i386-linux-gnu/wine/i386-windows";
    std::vector<std::string> files;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_regular_file())
            files.push_back(it->path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

/// The bytes of the LIB file a silent run makes from `input`.
std::string silentRun(const std::string& input, const std::string& target)
{
    TestWorkspace t;
    t.ws.options.UseNoMessages = true;
    const CommandLine line = parseCommandLine({input, "/s:" + target}, SwitchRule::Posix);
    EXPECT_EQ(processCommandLine(t.ws, line), 1);
    std::ifstream in(target, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    std::error_code ec;
    fs::remove(target, ec);
    return bytes.str();
}

TEST(RealDlls, ModuleDefinitionFilesMakeTheSameLibFilesAsTheirDlls)
{
    const std::vector<std::string> files = dllFiles();
    if (files.empty())
        GTEST_SKIP() << "no libwine DLLs";
    TempFolder scratch;
    std::size_t compared = 0;
    for (const std::string& dll : files) {
        TestWorkspace t;
        (void)loadFileList(t.ws, makeInputFileList(t.ws, {dll}));
        const std::vector<std::size_t> modules = moduleRows(t.ws);
        if (modules.size() != 1)
            continue;
        const std::string def =
            scratch.write("module.def", moduleDefinitionText(t.ws, modules.front()));
        const std::string fromDll = silentRun(dll, scratch.file("dll.lib"));
        const std::string fromDef = silentRun(def, scratch.file("def.lib"));
        ASSERT_FALSE(fromDll.empty()) << dll;
        EXPECT_EQ(fromDef, fromDll) << dll;
        ++compared;
    }
    EXPECT_GT(compared, files.size() / 2);
}

}  // namespace
}  // namespace quillon::reports
