// The settings store's I/O: one read and one write per operation, failures that leave the old
// file whole and are reported, and concurrent writers that never mix their files.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "platform/file_system.h"
#include "platform/native_path.h"
#include "settings/options_io.h"
#include "settings/recent_files.h"
#include "settings/setting_history.h"
#include "settings/settings_store.h"
#include "support/test_workspace.h"

namespace quillon::settings {
namespace {

using platform::FileOp;
using quillon::testing::TempFolder;

/// A settings file in a scratch folder, read and written through a file layer that counts the
/// opens of the file and the renames onto it (one rename is one write).
struct CountedStore {
    CountedStore()
    {
        files.setFaultHook([this](FileOp op, const std::string& path) {
            if (op == FileOp::Open && path == this->path)
                ++opens;
            if (op == FileOp::Rename)
                ++writes;
            return 0;
        });
    }

    TempFolder folder;
    std::string path = folder.file("Quillon32.ini");
    platform::FileSystem files;
    SettingsStore store{files, path};
    int opens = 0;
    int writes = 0;
};

std::vector<std::string> folderNames(const TempFolder& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        names.push_back(entry.path().filename().string());
    return names;
}

TEST(SettingsBatch, ReadsTheFileOnceAndWritesItOnceWhenChanged)
{
    CountedStore c;
    c.folder.write("Quillon32.ini", "; kept\n[S]\nA=1\nBlank=\n");
    {
        const SettingsStore::Batch outer(c.store);
        EXPECT_EQ(c.store.readSetting("S", "A", ""), "1");
        for (int i = 1; i <= 300; ++i)
            c.store.writeNumber("S", "K" + std::to_string(i), i);
        {
            const SettingsStore::Batch inner(c.store);
            c.store.deleteSetting("S", "K300");
            EXPECT_EQ(c.store.readSetting("S", "Blank", "d"), "");
        }
        EXPECT_EQ(c.writes, 0) << "an inner batch joins the outer one";
        EXPECT_EQ(c.store.readNumber("S", "K299", 0), 299);
    }
    EXPECT_EQ(c.opens, 1);
    EXPECT_EQ(c.writes, 1);
    const std::string written = c.folder.read("Quillon32.ini");
    EXPECT_EQ(written.substr(0, 18), "; kept\n[S]\nA=1\nK1=");
    EXPECT_EQ(written.find("Blank"), std::string::npos);
    EXPECT_EQ(written.find("K300"), std::string::npos);

    {
        const SettingsStore::Batch unchanged(c.store);
        c.store.writeNumber("S", "K1", 1);
        EXPECT_EQ(c.store.readSetting("S", "K2", ""), "2");
    }
    EXPECT_EQ(c.opens, 2);
    EXPECT_EQ(c.writes, 1) << "a batch that changes nothing writes nothing";

    c.store.writeNumber("S", "K1", 5);
    c.store.writeNumber("S", "K2", 5);
    EXPECT_EQ(c.writes, 3) << "outside a batch every change is written at once";
    EXPECT_EQ(folderNames(c.folder), std::vector<std::string>{"Quillon32.ini"});
}

TEST(SettingsBatch, RecordingThePresentFileAndSavingAFullHistoryWriteOnceEach)
{
    CountedStore c;
    {
        const SettingsStore::Batch setup(c.store);
        c.store.writeSetting("Filelist", "PresentFile", "/x/P.LIB");
        for (int i = 1; i <= 255; ++i) {
            c.store.writeSetting("Filelist", "Filelist" + std::to_string(i),
                                 "/x/F" + std::to_string(i) + ".LIB");
            c.store.writeSetting("Folders", "AddFolderDrop" + std::to_string(i),
                                 "/d" + std::to_string(i) + "/");
        }
    }
    c.opens = 0;
    c.writes = 0;

    RecentFiles recent;
    EXPECT_TRUE(recent.recordPresentFile(c.store, 255, "/x/NEW.LIB"));
    EXPECT_EQ(c.opens, 1);
    EXPECT_EQ(c.writes, 1);
    EXPECT_EQ(c.store.readSetting("Filelist", "Filelist1", ""), platform::nativePath("/x/P.LIB"));
    EXPECT_EQ(c.store.readSetting("Filelist", "Filelist255", ""),
              platform::nativePath("/x/F254.LIB"));

    const HistoryKeys keys{"Folders", "AddFolderDrop", 255};
    SettingHistory history{readHistory(c.store, keys), ""};
    ASSERT_EQ(history.entries.size(), 255U);
    c.opens = 0;
    c.writes = 0;
    EXPECT_TRUE(writeHistory(c.store, keys, history, "/new/"));
    EXPECT_EQ(c.opens, 1);
    EXPECT_EQ(c.writes, 1);
    EXPECT_EQ(history.entries.front(), platform::nativePath("/new/"));
    EXPECT_EQ(history.entries.back(), platform::nativePath("/d254/"));

    c.opens = 0;
    c.writes = 0;
    {
        const SettingsStore::Batch run(c.store);
        (void)recent.recordPresentFile(c.store, 255, "/x/OTHER.LIB");
        EXPECT_TRUE(writeHistory(c.store, keys, history, "/other/"));
    }
    EXPECT_EQ(c.opens, 1);
    EXPECT_EQ(c.writes, 1);
}

TEST(SettingsBatch, LoadingAndSavingTheOptionsReadOnceAndWriteOnce)
{
    CountedStore c;
    Options options;
    SaveOptions(c.store, options);
    EXPECT_EQ(c.writes, 1);
    Options loaded;
    c.opens = 0;
    LoadOptions(c.store, c.files, loaded, OptionsContext{});
    EXPECT_EQ(c.opens, 1);
    EXPECT_EQ(c.writes, 1);
}

TEST(SettingsBatch, AWriteFailingAtAnyFileOperationKeepsTheOldFileAndReportsTheCode)
{
    const std::string content = "[S]\r\nK=1\r\n; note\r\n";
    int code = 60;
    for (const FileOp failing : {FileOp::Open, FileOp::Read, FileOp::Create, FileOp::Write,
                                 FileOp::Flush, FileOp::Close, FileOp::Rename}) {
        SCOPED_TRACE(static_cast<int>(failing));
        ++code;
        TempFolder folder;
        const std::string path = folder.write("Quillon32.ini", content);
        platform::FileSystem files;
        files.setFaultHook([&](FileOp op, const std::string&) { return op == failing ? code : 0; });
        SettingsStore store(files, path);
        std::vector<std::pair<Error, std::string>> reports;
        store.setFailureReport(
            [&](const Error& e, const std::string& p) { reports.emplace_back(e, p); });
        {
            const SettingsStore::Batch batch(store);
            store.writeSetting("S", "K", "2");
            store.writeSetting("T", "New", "x");
        }
        EXPECT_EQ(folder.read("Quillon32.ini"), content);
        ASSERT_EQ(reports.size(), 1U);
        EXPECT_EQ(reports[0].first.code, code);
        EXPECT_EQ(reports[0].second, path);
        EXPECT_EQ(store.lastWriteError().code, code);
        EXPECT_EQ(folderNames(folder), std::vector<std::string>{"Quillon32.ini"})
            << "no temporary file is left behind";

        files.setFaultHook({});
        store.writeSetting("S", "K", "3");
        EXPECT_EQ(folder.read("Quillon32.ini"), "[S]\r\nK=3\r\n; note\r\n");
        EXPECT_EQ(reports.size(), 1U);
    }
}

TEST(SettingsBatch, ReadOnlyAccessAndUtf16FilesRefuseWritesWithoutAReport)
{
    TempFolder folder;
    const std::string path = folder.write("win.ini", "[S]\nK=1\n");
    platform::FileSystem files;
    SettingsStore store(files, path, SettingsStore::Access::ReadOnly);
    int reports = 0;
    store.setFailureReport([&](const Error&, const std::string&) { ++reports; });
    store.writeSetting("S", "K", "2");
    EXPECT_EQ(folder.read("win.ini"), "[S]\nK=1\n");

    const std::string utf16("\xFF\xFE[\0S\0]\0\n\0K\0=\0\x31\0\n\0", 18);
    SettingsStore wide(files, folder.write("wide.ini", utf16));
    wide.setFailureReport([&](const Error&, const std::string&) { ++reports; });
    EXPECT_EQ(wide.readSetting("S", "K", ""), "1");
    wide.writeSetting("S", "K", "2");
    EXPECT_EQ(folder.read("wide.ini"), utf16);
    EXPECT_EQ(reports, 0);
}

#ifndef _WIN32
/// The section of `text` as key/value pairs, or nothing when a line is not "key=value".
std::map<std::string, std::string> parseRace(const std::string& text, bool* wellFormed)
{
    std::map<std::string, std::string> values;
    *wellFormed = text.rfind("[Race]\n", 0) == 0;
    std::size_t start = text.find('\n') + 1;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        const std::string line = text.substr(start, end - start);
        const std::size_t eq = line.find('=');
        if (end == std::string::npos || eq == std::string::npos) {
            *wellFormed = false;
            break;
        }
        values[line.substr(0, eq)] = line.substr(eq + 1);
        start = end + 1;
    }
    return values;
}

/// Whether `values` are the 200 values one writer wrote in one round.
bool oneWritersState(const std::map<std::string, std::string>& values)
{
    if (values.size() != 200)
        return false;
    const std::string stamp = values.begin()->second.substr(0, values.begin()->second.find(':'));
    for (int i = 1; i <= 200; ++i) {
        const auto at = values.find("V" + std::to_string(i));
        if (at == values.end() || at->second != stamp + ":" + std::to_string(i))
            return false;
    }
    return true;
}

TEST(SettingsBatch, TwoProcessesWritingAtOnceLeaveOneWritersWholeFile)
{
    TempFolder folder;
    const std::string path = folder.file("Quillon32.ini");
    constexpr int kRounds = 40;
    std::vector<pid_t> writers;
    for (const char* name : {"A", "B"}) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            SettingsStore store(path);
            for (int round = 0; round < kRounds; ++round) {
                const SettingsStore::Batch batch(store);
                for (int i = 1; i <= 200; ++i)
                    store.writeSetting(
                        "Race", "V" + std::to_string(i),
                        std::string(name) + std::to_string(round) + ":" + std::to_string(i));
            }
            ::_exit(store.lastWriteError().code == 0 ? 0 : 1);
        }
        writers.push_back(pid);
    }
    int torn = 0;
    int seen = 0;
    for (int i = 0; i < 2000 && seen < 50; ++i) {
        std::error_code ec;
        if (!std::filesystem::exists(path, ec))
            continue;
        bool wellFormed = false;
        const auto values = parseRace(folder.read("Quillon32.ini"), &wellFormed);
        ++seen;
        if (!wellFormed || !oneWritersState(values))
            ++torn;
    }
    for (const pid_t pid : writers) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(torn, 0);
    bool wellFormed = false;
    const auto values = parseRace(folder.read("Quillon32.ini"), &wellFormed);
    EXPECT_TRUE(wellFormed);
    EXPECT_TRUE(oneWritersState(values));
    const std::string last = values.begin()->second;
    EXPECT_TRUE(last.rfind("A" + std::to_string(kRounds - 1) + ":", 0) == 0 ||
                last.rfind("B" + std::to_string(kRounds - 1) + ":", 0) == 0)
        << last;
    EXPECT_EQ(folderNames(folder), std::vector<std::string>{"Quillon32.ini"});
}
#endif

}  // namespace
}  // namespace quillon::settings
