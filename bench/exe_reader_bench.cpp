// Reading the exports of every PE file of a folder: the readers against merely reading the
// files' bytes and against one `llvm-readobj --coff-exports` process over the same files.
// Folder: $QUILLON_BENCH_DLLS, else the libwine i386 DLLs when present, else (or with
// QUILLON_BENCH_DLLS=synthetic) a set of 500 DLLs of 1 to 5,000 exports written by the image
// builder.
#include <benchmark/benchmark.h>

#include "bench_workspace.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "base/clock.h"
#include "core/library_model.h"
#include "exe/executable_image.h"
#include "exe/executable_reader.h"
#include "exe/image_source.h"
#include "platform/file_system.h"
#include "settings/settings_store.h"
#include "support/exe_builder.h"

namespace {

using namespace quillon;
namespace fs = std::filesystem;

using bench::NullUi;

/// 500 DLLs of 1 to 5,000 exports with names like real API names, written once per run.
std::string writeSyntheticSet()
{
    const fs::path folder = fs::temp_directory_path() / "quillon-bench-dlls";
    std::error_code ec;
    fs::create_directories(folder, ec);
    std::mt19937 random(42);
    std::uniform_int_distribution<int> count(1, 5000);
    std::uniform_int_distribution<int> length(6, 30);
    for (int d = 0; d < 500; ++d) {
        const fs::path path = folder / ("synthetic" + std::to_string(d) + ".dll");
        if (fs::exists(path))
            continue;
        testing::PeSpec spec;
        spec.dllName = "synthetic" + std::to_string(d) + ".dll";
        const int n = count(random);
        for (int i = 0; i < n; ++i) {
            std::string name = "Fn" + std::to_string(i) + "_";
            name.resize(static_cast<std::size_t>(length(random)), 'x');
            spec.exports.push_back({name, std::nullopt, {}});
        }
        std::sort(spec.exports.begin(), spec.exports.end(),
                  [](const auto& a, const auto& b) { return a.name < b.name; });
        const testing::BuiltImage image = testing::buildPe(spec);
        std::FILE* f = std::fopen(path.string().c_str(), "wb");
        if (f != nullptr) {
            std::fwrite(image.bytes.data(), 1, image.bytes.size(), f);
            std::fclose(f);
        }
    }
    return folder.string();
}

struct DllSet {
    std::string folder;
    std::vector<std::string> files;
    std::uint64_t bytes = 0;
};

const DllSet& dllSet()
{
    static const DllSet set = [] {
        DllSet s;
        const char* env = std::getenv("QUILLON_BENCH_DLLS");
        const std::string wine = "/opt/libwine-i386/usr/lib/i386-linux-gnu/wine/i386-windows";
        const std::string chosen = env != nullptr ? env : "";
        s.folder = chosen == "synthetic"    ? writeSyntheticSet()
                   : !chosen.empty()        ? chosen
                   : fs::is_directory(wine) ? wine
                                            : writeSyntheticSet();
        for (const auto& entry : fs::directory_iterator(s.folder)) {
            if (entry.is_regular_file()) {
                s.files.push_back(entry.path().string());
                s.bytes += entry.file_size();
            }
        }
        std::sort(s.files.begin(), s.files.end());
        std::fprintf(stderr, "folder %s: %zu files, %llu bytes\n", s.folder.c_str(), s.files.size(),
                     static_cast<unsigned long long>(s.bytes));
        return s;
    }();
    return set;
}

void reportRate(benchmark::State& state, std::size_t names)
{
    const DllSet& set = dllSet();
    state.counters["files"] = static_cast<double>(set.files.size());
    state.counters["names"] = static_cast<double>(names);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * set.bytes));
}

/// The floor: reading every file's bytes and nothing else.
void BM_ReadFileBytesOnly(benchmark::State& state)
{
    platform::FileSystem files;
    for (auto _ : state) {
        for (const std::string& file : dllSet().files) {
            auto bytes = files.readWholeFile(file);
            benchmark::DoNotOptimize(bytes);
        }
    }
    reportRate(state, 0);
}

/// The readers alone: each file opened and read page by page where its headers and export
/// tables lie, giving the names and ordinals (as the independent tool does), without rows.
void BM_ReadExportsFromFiles(benchmark::State& state)
{
    platform::FileSystem files;
    std::size_t names = 0;
    std::uint64_t bytesRead = 0;
    for (auto _ : state) {
        names = 0;
        bytesRead = 0;
        for (const std::string& path : dllSet().files) {
            auto file = files.openRead(path);
            exe::FileSource source(*file, *file->size());
            const exe::ExecutableExports exports = exe::readExecutable(source);
            for (const exe::ExportTable& t : exports.tables)
                names += t.names.size();
            bytesRead += source.bytesRead();
        }
    }
    reportRate(state, names);
    state.counters["read"] = static_cast<double>(bytesRead);
}

/// The same over files already read whole into memory (the parsing alone).
void BM_ReadExportsFromMemory(benchmark::State& state)
{
    platform::FileSystem files;
    std::vector<std::vector<std::byte>> images;
    for (const std::string& path : dllSet().files)
        images.push_back(*files.readWholeFile(path));
    std::size_t names = 0;
    for (auto _ : state) {
        names = 0;
        for (const auto& image : images) {
            const exe::ExecutableExports exports = exe::readExecutable(image);
            for (const exe::ExportTable& t : exports.tables)
                names += t.names.size();
        }
    }
    reportRate(state, names);
}

/// What the program does per file: `executableReader` into the library, rows included.
void BM_ExecutableReaderIntoLibrary(benchmark::State& state)
{
    NullUi ui;
    platform::FileSystem files;
    settings::SettingsStore settings{"/nonexistent/Quillon32.ini"};
    SteadyClock clock;
    Workspace ws{ui, files, settings, clock};
    for (auto _ : state) {
        ws.library.rows.clear();
        for (const std::string& file : dllSet().files) {
            benchmark::DoNotOptimize(exe::executableReader(ws, file, exe::ReadMode{false, true}));
        }
    }
    reportRate(state, ws.library.rows.size());
}

/// One llvm-readobj process listing the exports of the same files.
void BM_LlvmReadobjProcess(benchmark::State& state)
{
    const char* env = std::getenv("QUILLON_READOBJ");
    std::string command = env != nullptr && *env != '\0' ? env : "llvm-readobj";
    command += " --coff-exports";
    for (const std::string& file : dllSet().files)
        command += " '" + file + "'";
    command += " >/dev/null 2>&1";
    for (auto _ : state) {
        if (std::system(command.c_str()) == -1) {
            state.SkipWithError("llvm-readobj could not be run");
            break;
        }
    }
    reportRate(state, 0);
}

BENCHMARK(BM_ReadFileBytesOnly)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ReadExportsFromFiles)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ReadExportsFromMemory)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ExecutableReaderIntoLibrary)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_LlvmReadobjProcess)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
