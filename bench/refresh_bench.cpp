// Update library on a LIB file of the libwine i386 DLLs (every DLL located in one folder of the
// PATH), beside the silent run that makes the same LIB file from the DLLs themselves.
// The DLL folder comes from $QUILLON_WINE_DLLS or the libwine package's place; without it both
// benchmarks are skipped.
#include <benchmark/benchmark.h>

#include "bench_workspace.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "locate/locate_state.h"
#include "locate/search_places.h"
#include "platform/environment.h"
#include "program/command_line.h"
#include "program/command_line_save.h"
#include "refresh/library_file_update.h"

namespace {

using namespace quillon;
namespace fs = std::filesystem;

std::string dllFolder()
{
    const char* env = std::getenv("QUILLON_WINE_DLLS");
    return env != nullptr ? env : "/opt/libwine-i386/usr/lib/i386-linux-gnu/wine/i386-windows";
}

/// The DLLs, the LIB file made of them and a scratch folder, made once for the program.
struct Inputs {
    Inputs()
    {
        std::error_code ec;
        for (const fs::directory_entry& entry : fs::directory_iterator(dllFolder(), ec)) {
            if (entry.path().extension() == ".dll")
                dlls.push_back(entry.path().string());
        }
        std::sort(dlls.begin(), dlls.end());
        if (dlls.empty())
            return;
        root = fs::temp_directory_path() /
               ("quillon-refresh-bench-" + std::to_string(std::random_device{}()));
        fs::create_directories(root);
        lib = (root / "wine.lib").string();
        (void)silentRun(lib);
    }
    ~Inputs()
    {
        std::error_code ec;
        if (!root.empty())
            fs::remove_all(root, ec);
    }

    /// `quillon <DLLs> /s:target`.
    std::size_t silentRun(const std::string& target) const
    {
        bench::BenchWorkspace b;
        b.ws.options.UseNoMessages = true;
        std::vector<std::string> parameters = dlls;
        parameters.push_back("/s:" + target);
        (void)processCommandLine(b.ws, parseCommandLine(parameters, platformSwitchRule()));
        return b.ws.library.SymbolCount;
    }

    /// `quillon update lib -o target`, the DLL folder on the PATH.
    refresh::FileUpdateResult update(const std::string& target) const
    {
        bench::BenchWorkspace b;
        b.ws.options.UseNoMessages = true;
        platform::Environment env;
        env.set("WINEPREFIX", (root / "no-prefix").string());
        env.set("PATH", dllFolder());
        locate::state(b.ws).environment = locate::locateEnvironment(b.files, env);
        return refresh::updateLibraryFile(b.ws, refresh::FileUpdateRequest{lib, target},
                                          RunMode{true, false});
    }

    std::vector<std::string> dlls;
    fs::path root;
    std::string lib;
};

const Inputs& inputs()
{
    static const Inputs made;
    return made;
}

void BM_SilentRunFromDlls(benchmark::State& state)
{
    const Inputs& in = inputs();
    if (in.dlls.empty()) {
        state.SkipWithError("libwine i386 DLLs not found");
        return;
    }
    std::size_t symbols = 0;
    for (auto _ : state)
        symbols = in.silentRun((in.root / "fresh.lib").string());
    state.counters["files"] = static_cast<double>(in.dlls.size());
    state.counters["symbols"] = static_cast<double>(symbols);
}
BENCHMARK(BM_SilentRunFromDlls)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_UpdateLibraryFile(benchmark::State& state)
{
    const Inputs& in = inputs();
    if (in.dlls.empty()) {
        state.SkipWithError("libwine i386 DLLs not found");
        return;
    }
    refresh::FileUpdateResult result;
    for (auto _ : state)
        result = in.update((in.root / "updated.lib").string());
    state.counters["modules"] = static_cast<double>(result.update.modules);
    state.counters["updated"] = static_cast<double>(result.update.updated);
    state.counters["symbols"] = static_cast<double>(result.symbols);
    if (!result.written())
        state.SkipWithError("the update wrote nothing");
}
BENCHMARK(BM_UpdateLibraryFile)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
