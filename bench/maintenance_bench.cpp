// Library maintenance over 1,000,000 symbols in 10,000 modules, 10% of the names duplicated
// across modules and 5% on the exclusion list: the duplicate search in each mode, the
// exclusion marking, the removal of marked symbols and the removal of duplicate modules.
#include <benchmark/benchmark.h>

#include "bench_workspace.h"

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "base/clock.h"
#include "core/library_model.h"
#include "lib/lib_reader.h"
#include "lib/lib_writer.h"
#include "maintenance/duplicate_modules.h"
#include "maintenance/exclusion_list.h"
#include "maintenance/global_duplicates.h"
#include "maintenance/remove_marked_symbols.h"
#include "platform/file_system.h"
#include "settings/settings_store.h"

namespace {

using namespace quillon;

using bench::NullUi;
using bench::BenchWorkspace;


constexpr int kModules = 10000;
constexpr int kSymbolsPerModule = 100;
constexpr int kExcludedNames = 50;
/// Where the library is saved for the "Match saved LIB" modes.
std::string savedLibPath()
{
    return (std::filesystem::temp_directory_path() / "quillon_maintenance_bench_SAVED.LIB")
        .string();
}

/// 1,000,000 symbols: 85% unique names, 10% drawn from a pool shared by several modules, 5%
/// from the exclusion list; 5% of the modules repeat the name of another module.
void fill(Workspace& ws)
{
    std::mt19937 random(7);
    ws.library.rows.reserve(static_cast<std::size_t>(kModules) * (kSymbolsPerModule + 1));
    std::vector<ExcludeEntry> excluded;
    for (int i = 0; i < kExcludedNames; ++i)
        excluded.push_back({"ExcludedEntry" + std::to_string(i), 1});
    char name[64];
    for (int m = 0; m < kModules; ++m) {
        const int nameNumber = random() % 20 == 0 ? static_cast<int>(random() % kModules) : m;
        std::snprintf(name, sizeof name, "MODULE%05d", nameNumber);
        appendModuleRow(ws, name, kOs32);
        for (int s = 0; s < kSymbolsPerModule; ++s) {
            const unsigned pick = static_cast<unsigned>(random() % 100);
            if (pick < 10)
                std::snprintf(name, sizeof name, "SharedFunction%05u",
                              static_cast<unsigned>(random() % 20000));
            else if (pick < 15)
                std::snprintf(name, sizeof name, "ExcludedEntry%u",
                              static_cast<unsigned>(random() % kExcludedNames));
            else
                std::snprintf(name, sizeof name, "Function_%05d_%03d", m, s);
            appendSymbolRow(ws, name, static_cast<std::uint16_t>(s + 1));
        }
    }
    postProcessLoad(ws, 0, LoadedFile{"/bench/SYNTHETIC.LIB", false, 0});
    ws.excludeList.assign(std::move(excluded));
    ws.options.UseExcludeList = true;
    ws.options.UseExcludeGlobalDuplicates = true;
}

/// Saves the library with the LIB writer as the file it was read from, so that the "Match
/// saved LIB" modes find every symbol in it.
void saveLibrary(Workspace& ws)
{
    const std::string path = savedLibPath();
    if (!lib::writeLibrary(ws, path, {false, true}).ok())
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
    ws.library.LibraryFileName = path;
    for (ModuleEntry& entry : ws.library.modules)
        entry.FILENAME = path;
    for (LibraryRow& row : ws.library.rows) {
        if (row.isModule())
            row.setFileName(path);
    }
}

void BM_FindGlobalDuplicates(benchmark::State& state)
{
    BenchWorkspace b;
    fill(b.ws);
    saveLibrary(b.ws);
    b.ws.options.UseExcludeGlobalDuplicatesSet = static_cast<DuplicateKeep>(state.range(0));
    b.ws.library.LibraryChanged = true;
    maintenance::markExcludedSymbols(b.ws);
    // The first search reads the saved LIB into the cache; the timed ones use it.
    const std::int64_t start = b.clock.hundredths();
    std::uint32_t marked = maintenance::findGlobalDuplicates(b.ws).marked;
    state.counters["first_search_ms"] = static_cast<double>(b.clock.hundredths() - start) * 10;
    for (auto _ : state)
        marked = maintenance::findGlobalDuplicates(b.ws).marked;
    state.counters["marked"] = marked;
    state.counters["saved_symbols"] = static_cast<double>(b.ws.SavedLibSymbols.size());
}
BENCHMARK(BM_FindGlobalDuplicates)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ReadSavedLib(benchmark::State& state)
{
    BenchWorkspace b;
    fill(b.ws);
    saveLibrary(b.ws);
    for (auto _ : state) {
        if (!lib::loadSavedLibSymbols(b.ws).ok())
            state.SkipWithError("cannot read the saved LIB");
    }
    state.counters["saved_symbols"] = static_cast<double>(b.ws.SavedLibSymbols.size());
}
BENCHMARK(BM_ReadSavedLib)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_MarkExcludedSymbols(benchmark::State& state)
{
    BenchWorkspace b;
    fill(b.ws);
    std::uint32_t marked = 0;
    for (auto _ : state)
        marked = maintenance::markExcludedSymbols(b.ws);
    state.counters["marked"] = marked;
}
BENCHMARK(BM_MarkExcludedSymbols)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_RemoveMarkedSymbols(benchmark::State& state)
{
    BenchWorkspace b;
    fill(b.ws);
    b.ws.options.UseExcludeGlobalDuplicatesSet = DuplicateKeep::KeepFirst;
    maintenance::markExcludedSymbols(b.ws);
    (void)maintenance::findGlobalDuplicates(b.ws);
    const Library marked = b.ws.library;
    std::uint32_t removed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        b.ws.library = marked;
        state.ResumeTiming();
        removed = maintenance::removeMarkedSymbols(b.ws).removed;
    }
    state.counters["removed"] = removed;
}
BENCHMARK(BM_RemoveMarkedSymbols)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_RemoveDuplicateModules(benchmark::State& state)
{
    BenchWorkspace b;
    fill(b.ws);
    b.ws.options.UseBitCheckDuplicates = true;
    const Library original = b.ws.library;
    std::uint32_t removed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        b.ws.library = original;
        state.ResumeTiming();
        removed =
            maintenance::removeDuplicateModules(b.ws, maintenance::DuplicateRemovalMode::Standalone)
                .removed;
    }
    state.counters["removed"] = removed;
}
BENCHMARK(BM_RemoveDuplicateModules)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
