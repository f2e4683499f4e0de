// Tests of the LIB writers against a writer killed mid-save and two writers of one target.
#include "lib/lib_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "core/library_model.h"
#include "support/library_builder.h"
#include "support/test_workspace.h"

#ifndef _WIN32
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace quillon::lib {
namespace {

/// A library of `symbols` symbols in modules of a thousand, its names and ordinals drawn from
/// `seed`, so that two seeds give two different files of about the same size.
void fillLibrary(Workspace& ws, std::size_t symbols, unsigned seed)
{
    std::mt19937 random(seed);
    for (std::size_t first = 0; first < symbols; first += 1000) {
        testing::Symbols names;
        for (std::size_t i = first; i < std::min(symbols, first + 1000); ++i)
            names.emplace_back("Function_" + std::to_string(seed) + "_" + std::to_string(i),
                               1 + static_cast<int>(random() % 65535));
        testing::addModule(ws, "MODULE" + std::to_string(first / 1000), names);
    }
}

/// The bytes the library writer makes of `ws`'s library, written to `name` in `folder`.
std::string writtenBytes(testing::TestWorkspace& t, const std::string& name)
{
    EXPECT_TRUE(writeLibrary(t.ws, t.folder.file(name), WriteOptions{false, true}).ok());
    return t.folder.read(name);
}

TEST(LibWriterConcurrency, TwoWritersOfOneTargetLeaveOneOfTheirFilesWhole)
{
    testing::TestWorkspace first;
    testing::TestWorkspace second;
    fillLibrary(first.ws, 5000, 1);
    fillLibrary(second.ws, 5000, 2);
    const std::string firstBytes = writtenBytes(first, "first.lib");
    const std::string secondBytes = writtenBytes(second, "second.lib");
    ASSERT_NE(firstBytes, secondBytes);

    testing::TempFolder shared;
    const std::string target = shared.write("TARGET.LIB", "old");
    int firstWins = 0;
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE(round);
        Status firstResult;
        Status secondResult;
        std::thread firstWriter(
            [&] { firstResult = writeLibrary(first.ws, target, WriteOptions{false, true}); });
        std::thread secondWriter(
            [&] { secondResult = writeLibrary(second.ws, target, WriteOptions{false, true}); });
        firstWriter.join();
        secondWriter.join();

        const std::string found = shared.read("TARGET.LIB");
        ASSERT_TRUE(found == firstBytes || found == secondBytes) << found.size() << " bytes";
        // A writer that reports success put a complete file in place; at least one did.
        ASSERT_TRUE(firstResult.ok() || secondResult.ok());
        if (!firstResult.ok()) {
            EXPECT_EQ(found, secondBytes);
        }
        if (!secondResult.ok()) {
            EXPECT_EQ(found, firstBytes);
        }
        EXPECT_EQ(shared.names(), std::vector<std::string>{"TARGET.LIB"});
        firstWins += found == firstBytes ? 1 : 0;
    }
    RecordProperty("first_writer_wins", firstWins);
}

#ifndef _WIN32

/// Starts a child process that writes `t`'s library to `target` and ends.
pid_t startWriter(testing::TestWorkspace& t, const std::string& target)
{
    const pid_t child = ::fork();
    if (child == 0) {
        const bool written = writeLibrary(t.ws, target, WriteOptions{false, true}).ok();
        ::_exit(written ? 0 : 1);
    }
    return child;
}

TEST(LibWriterConcurrency, AWriterKilledAtAnyMomentLeavesTheOldOrTheNewFileWhole)
{
    testing::TestWorkspace small;
    fillLibrary(small.ws, 1, 3);
    const std::string oldBytes = writtenBytes(small, "old.lib");
    testing::TestWorkspace t;
    fillLibrary(t.ws, 100000, 4);
    const std::string newBytes = writtenBytes(t, "new.lib");
    ASSERT_GT(newBytes.size(), 3'000'000u);

    testing::TempFolder folder;
    const std::string target = folder.file("TARGET.LIB");

    // How long one whole write takes here, so that the kills fall across all of it.
    folder.write("TARGET.LIB", oldBytes);
    const auto started = std::chrono::steady_clock::now();
    const pid_t timed = startWriter(t, target);
    ASSERT_GT(timed, 0);
    int status = 0;
    ASSERT_EQ(::waitpid(timed, &status, 0), timed);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const auto whole = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - started);
    ASSERT_EQ(folder.read("TARGET.LIB"), newBytes);

    std::mt19937 random(std::random_device{}());
    int killedBefore = 0;
    for (int round = 0; round < 20; ++round) {
        SCOPED_TRACE(round);
        folder.write("TARGET.LIB", oldBytes);
        // A few kills come after the end, when the new file is in place.
        const auto delay = std::chrono::microseconds(random() % (whole.count() * 5 / 4 + 1));
        const pid_t child = startWriter(t, target);
        ASSERT_GT(child, 0);
        std::this_thread::sleep_for(delay);
        ::kill(child, SIGKILL);
        ASSERT_EQ(::waitpid(child, &status, 0), child);

        const std::string found = folder.read("TARGET.LIB");
        ASSERT_TRUE(found == oldBytes || found == newBytes) << found.size() << " bytes";
        killedBefore += found == oldBytes ? 1 : 0;
        // A killed writer cannot remove its new file; the next round starts without it.
        for (const std::string& name : folder.names())
            if (name != "TARGET.LIB")
                std::filesystem::remove(folder.path() / name);
    }
    RecordProperty("killed_before_the_rename", killedBefore);
}

#endif

}  // namespace
}  // namespace quillon::lib
