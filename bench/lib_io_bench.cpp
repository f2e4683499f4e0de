// Writing and reading a LIB file of 1,000,000 symbols in 10,000 modules, against one large write.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "base/clock.h"
#include "core/library_model.h"
#include "core/ui/ui_interface.h"
#include "core/workspace.h"
#include "lib/lib_format.h"
#include "lib/lib_reader.h"
#include "lib/lib_writer.h"
#include "platform/file_system.h"
#include "core/ui/silent_ui.h"
#include "settings/settings_store.h"

namespace {

constexpr int kModules = 10'000;
constexpr int kSymbolsPerModule = 100;

using quillon::ui::SilentUi;

/// A workspace over the real file layer with its files in a scratch folder.
struct BenchWorkspace {
    BenchWorkspace()
        : folder(std::filesystem::temp_directory_path() /
                 ("quillon-bench-" + std::to_string(std::rand()))),
          settings((folder / "Quillon32.ini").string()),
          ws(ui, files, settings, clock)
    {
        std::filesystem::create_directories(folder);
    }
    ~BenchWorkspace()
    {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }

    std::filesystem::path folder;
    SilentUi ui;
    quillon::platform::FileSystem files;
    quillon::settings::SettingsStore settings;
    quillon::SteadyClock clock;
    quillon::Workspace ws;
};

std::string symbolName(int module, int symbol)
{
    return "Function_" + std::to_string(module) + "_" + std::to_string(symbol);
}

void fillLibrary(quillon::Workspace& ws)
{
    ws.library.rows.reserve(static_cast<std::size_t>(kModules) * (kSymbolsPerModule + 1));
    for (int m = 0; m < kModules; ++m) {
        quillon::appendModuleRow(ws, "MODULE" + std::to_string(m), quillon::kOsUnknown);
        for (int s = 0; s < kSymbolsPerModule; ++s)
            quillon::appendSymbolRow(ws, symbolName(m, s), static_cast<std::uint16_t>(s + 1));
    }
    quillon::postProcessLoad(ws, 0, quillon::LoadedFile{"/bench/BENCH.LIB", false, 0});
}

std::string libraryBytes()
{
    std::string bytes;
    for (int m = 0; m < kModules; ++m) {
        const std::string module = "MODULE" + std::to_string(m);
        for (int s = 0; s < kSymbolsPerModule; ++s)
            quillon::lib::encodeImportRecord(bytes, symbolName(m, s), module,
                                             static_cast<std::uint16_t>(s + 1));
    }
    return bytes;
}

void BM_WriteLibrary(benchmark::State& state)
{
    BenchWorkspace b;
    b.ws.options.UseNoMessages = true;
    fillLibrary(b.ws);
    const std::string target = (b.folder / "BENCH.LIB").string();
    for (auto _ : state) {
        const quillon::Status written = quillon::lib::writeLibrary(b.ws, target, {false, true});
        if (!written)
            state.SkipWithError(written.error().text.c_str());
    }
    state.SetBytesProcessed(
        static_cast<std::int64_t>(state.iterations()) *
        static_cast<std::int64_t>(std::filesystem::file_size(target)));
}

void BM_WriteSameBytesInOneWrite(benchmark::State& state)
{
    BenchWorkspace b;
    const std::string bytes = libraryBytes();
    const std::string path = (b.folder / "ONE.LIB").string();
    for (auto _ : state) {
        quillon::Result<quillon::platform::File> file = b.files.create(path);
        if (!file || !file->append(bytes) || !file->flush() || !file->close())
            state.SkipWithError("write failed");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes.size()));
}

void BM_ReadLibrary(benchmark::State& state)
{
    BenchWorkspace source;
    const std::string path = (source.folder / "READ.LIB").string();
    {
        quillon::Result<quillon::platform::File> file = source.files.create(path);
        if (!file || !file->append(libraryBytes()) || !file->close()) {
            state.SkipWithError("cannot write the input");
            return;
        }
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto b = std::make_unique<BenchWorkspace>();
        state.ResumeTiming();
        quillon::lib::LibLoadRequest request;
        request.fileName = path;
        request.quiet = true;
        const auto loaded = quillon::lib::loadLibrary(b->ws, request);
        if (!loaded || b->ws.library.SymbolCount != kModules * kSymbolsPerModule)
            state.SkipWithError("load failed");
        state.PauseTiming();
        b.reset();
        state.ResumeTiming();
    }
    state.counters["symbols"] = kModules * kSymbolsPerModule;
}

}  // namespace

BENCHMARK(BM_WriteLibrary)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_WriteSameBytesInOneWrite)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ReadLibrary)->Unit(benchmark::kMillisecond)->MinTime(2.0);

BENCHMARK_MAIN();
