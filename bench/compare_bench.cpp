// Comparing modules with their files on disk: every module of a library made from a folder of
// DLLs (the libwine i386 DLLs when present, $QUILLON_BENCH_DLLS otherwise) against its located
// DLL, measured beside reading the same DLLs as `quillon exports` does; and one module of
// 10,000 functions whose every name changed (related names, and unrelated ones).
#include <benchmark/benchmark.h>

#include "bench_workspace.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "core/library_model.h"
#include "exe/executable_reader.h"
#include "locate/locate_state.h"
#include "reports/compare_library.h"
#include "reports/compare_module.h"
#include "support/exe_builder.h"

namespace {

using namespace quillon;
namespace fs = std::filesystem;

std::string dllFolder()
{
    const char* env = std::getenv("QUILLON_BENCH_DLLS");
    if (env != nullptr && *env != '\0')
        return env;
    if (const char* wine = std::getenv("QUILLON_WINE_DLLS"); wine != nullptr && *wine != '\0')
        return wine;
    return "/opt/libwine-i386/usr/lib/i386-linux-gnu/wine/i386-windows";
}

std::vector<std::string> dllFiles()
{
    std::vector<std::string> files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(dllFolder(), ec)) {
        if (entry.is_regular_file())
            files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

/// Reads `file` into the library as `quillon exports` does; returns where its rows begin.
std::size_t readDll(Workspace& ws, const std::string& file)
{
    return exe::executableReader(ws, file, exe::ReadMode{false, true}).firstNewRow;
}

/// Reads every DLL into the library and drops the rows again, as `quillon exports` does.
void BM_ReadExportsOfEveryDll(benchmark::State& state)
{
    const std::vector<std::string> files = dllFiles();
    if (files.empty()) {
        state.SkipWithError("no DLL folder");
        return;
    }
    bench::BenchWorkspace b;
    std::size_t names = 0;
    for (auto _ : state) {
        names = 0;
        for (const std::string& file : files) {
            const std::size_t first = readDll(b.ws, file);
            names += b.ws.library.rows.size() - first;
            truncateLibrary(b.ws, first);
        }
    }
    state.counters["files"] = static_cast<double>(files.size());
    state.counters["rows"] = static_cast<double>(names);
}

/// A library of every DLL's exports, as if read from a LIB file (no recorded files), whose
/// modules are then located in the DLL folder and compared (arg 0); with arg 1 each module
/// keeps the file it was read from, so locating takes the first step only.
void BM_CompareEveryModuleWithItsLocatedDll(benchmark::State& state)
{
    bench::BenchWorkspace b;
    b.ws.options.UseNoMessages = true;
    for (const std::string& file : dllFiles()) {
        for (std::size_t i = readDll(b.ws, file); i < b.ws.library.rows.size(); ++i) {
            b.ws.library.rows[i].setFileName("/libs/ALL.LIB");
            b.ws.library.rows[i].setFileNameDll(state.range(0) == 1 ? file : std::string());
        }
    }
    if (b.ws.library.rows.empty()) {
        state.SkipWithError("no DLL folder");
        return;
    }
    rebuildModuleTable(b.ws);
    locate::AutolocateOptions options;
    options.UsePriorityPath = true;
    options.FirstFolder = dllFolder() + "/";
    locate::state(b.ws).fixedOptions = options;
    std::size_t compared = 0;
    std::size_t changed = 0;
    for (auto _ : state) {
        const auto results = reports::compareLibraryModules(b.ws, {});
        compared = results.size();
        changed = static_cast<std::size_t>(
            std::count_if(results.begin(), results.end(), [](const auto& m) {
                return !m.result.compared() || m.result.status.longText != "No changes";
            }));
    }
    state.counters["modules"] = static_cast<double>(compared);
    state.counters["notUnchanged"] = static_cast<double>(changed);
    state.counters["rows"] = static_cast<double>(b.ws.library.rows.size());
}

/// One module of 10,000 functions against a DLL in which every name changed: to a related
/// name (arg 0: "Function00001" becomes "Function00001Ex") or to an unrelated one (arg 1).
void BM_CompareModuleWhoseEveryNameChanged(benchmark::State& state)
{
    constexpr int kCount = 10000;
    const bool related = state.range(0) == 0;
    bench::BenchWorkspace b;
    b.ws.options.UseNoMessages = true;
    testing::PeSpec spec;
    spec.dllName = "BIG.dll";
    const std::size_t first = b.ws.library.rows.size();
    appendModuleRow(b.ws, "BIG.dll", kOs32);
    for (int i = 0; i < kCount; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "Function%05d", i);
        appendSymbolRow(b.ws, name, static_cast<std::uint16_t>(i + 1));
        std::snprintf(name, sizeof name, related ? "Function%05dEx" : "Routine%05dX", i);
        spec.exports.push_back({name, static_cast<std::uint16_t>(kCount - 1 - i), {}});
    }
    postProcessLoad(b.ws, first, LoadedFile{"/libs/BIG.LIB", false, 0});
    const fs::path dll = fs::temp_directory_path() /
                         (related ? "quillon-big-related.dll" : "quillon-big-unrelated.dll");
    const testing::BuiltImage image = testing::buildPe(spec);
    if (std::FILE* f = std::fopen(dll.string().c_str(), "wb")) {
        std::fwrite(image.bytes.data(), 1, image.bytes.size(), f);
        std::fclose(f);
    }
    std::string status;
    for (auto _ : state) {
        const reports::CompareResult r = reports::compareModule(b.ws, 0, dll.string(), {});
        status = r.status.longText;
        benchmark::DoNotOptimize(r.rows.data());
    }
    state.SetLabel(status);
}

}  // namespace

BENCHMARK(BM_ReadExportsOfEveryDll)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompareEveryModuleWithItsLocatedDll)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompareModuleWhoseEveryNameChanged)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
