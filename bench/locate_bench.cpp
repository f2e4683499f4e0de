// The whole-library locate pass: 2,000 modules against a PATH of 50 folders holding 10,000
// files, names in mixed letter case.
#include <benchmark/benchmark.h>

#include "bench_workspace.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "base/clock.h"
#include "core/library_model.h"
#include "core/workspace.h"
#include "locate/locate_module.h"
#include "locate/path_parts.h"
#include "locate/update_library_data.h"
#include "platform/environment.h"
#include "platform/file_system.h"
#include "settings/settings_store.h"

namespace {

using namespace quillon;
namespace fs = std::filesystem;

using bench::NullUi;

constexpr int kFolders = 50;
constexpr int kFiles = 10000;
constexpr int kModules = 2000;

std::string peBytes()
{
    std::string bytes(0x40, '\0');
    bytes[0] = 'M';
    bytes[1] = 'Z';
    bytes[0x3C] = '\x40';
    return bytes + std::string("PE\0\0", 4);
}

/// The folder tree, made once for the whole program and removed at its end.
struct Tree {
    Tree()
    {
        root = fs::temp_directory_path() /
               ("quillon-locate-bench-" + std::to_string(std::random_device{}()));
        fs::create_directories(root / "wine/drive_c/windows/system32");
        std::mt19937 random(7);
        const std::string pe = peBytes();
        for (int f = 0; f < kFolders; ++f) {
            const fs::path folder = root / ("path" + std::to_string(f));
            fs::create_directories(folder);
            if (f != 0)
                path += locate::kPathListSeparator;
            path += folder.string();
        }
        // Module files first (every module has its DLL in a folder of the PATH picked at
        // random), then unrelated files up to the total.
        for (int i = 0; i < kFiles; ++i) {
            const int f = static_cast<int>(random() % kFolders);
            char name[32];
            if (i < kModules)
                std::snprintf(name, sizeof name, i % 3 == 0 ? "Mod%04d.dll" : "MOD%04d.DLL", i);
            else
                std::snprintf(name, sizeof name, "other%05d.%s", i, i % 2 ? "dll" : "txt");
            std::ofstream(root / ("path" + std::to_string(f)) / name, std::ios::binary) << pe;
        }
    }
    ~Tree()
    {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
    fs::path root;
    std::string path;
};

struct BenchWorkspace {
    BenchWorkspace()
    {
        Tree& tree = m_tree;
        ws.options.UseNoMessages = true;
        platform::Environment variables;
        variables.set("WINEPREFIX", (tree.root / "wine").string());
        variables.set("PATH", tree.path);
        locate::LocateEnvironment env = locate::locateEnvironment(files, variables);
        env.startupFolder = tree.root.string() + "/";
        locate::state(ws).environment = env;
        for (int m = 0; m < kModules; ++m) {
            const std::size_t first = ws.library.rows.size();
            char name[16];
            std::snprintf(name, sizeof name, "MOD%04d", m);
            appendModuleRow(ws, name, kOsUnknown);
            appendSymbolRow(ws, "Function", 1);
            postProcessLoad(ws, first, LoadedFile{"/bench/app.lib", false, 0});
        }
    }
    void forget()
    {
        for (LibraryRow& row : ws.library.rows)
            row.setFileNameDll({});
        locate::state(ws).previousFolder.clear();
        locate::state(ws).results.clear();
    }

    Tree m_tree;
    NullUi ui;
    platform::FileSystem files;
    settings::SettingsStore settings{(m_tree.root / "Quillon32.ini").string()};
    SteadyClock clock;
    Workspace ws{ui, files, settings, clock};
};

/// Every module searched from scratch: module data, system folders, then the PATH.
void BM_LocatePass(benchmark::State& state)
{
    BenchWorkspace b;
    std::size_t located = 0;
    for (auto _ : state) {
        state.PauseTiming();
        b.forget();
        state.ResumeTiming();
        located = locate::UpdateLibraryData(b.ws, locate::kUpdateLocate).located;
    }
    state.counters["modules"] = kModules;
    state.counters["located"] = static_cast<double>(located);
}
BENCHMARK(BM_LocatePass)->Unit(benchmark::kMillisecond)->Iterations(5);

/// A second pass: every module has its recorded file, which is verified.
void BM_LocatePassRecorded(benchmark::State& state)
{
    BenchWorkspace b;
    (void)locate::UpdateLibraryData(b.ws, locate::kUpdateLocate);
    std::size_t located = 0;
    for (auto _ : state)
        located = locate::UpdateLibraryData(b.ws, locate::kUpdateLocate).located;
    state.counters["located"] = static_cast<double>(located);
}
BENCHMARK(BM_LocatePassRecorded)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
