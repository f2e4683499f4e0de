// The export list of a 1,000,000-symbol library: writing it from the library in memory, the
// whole `quillon list` path from the LIB file against `quillon exports` of the same file, and
// filling the viewer's pages.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "bench_workspace.h"
#include "core/library_model.h"
#include "lib/lib_format.h"
#include "lib/lib_reader.h"
#include "program/export_listing.h"
#include "reports/export_list_command.h"
#include "reports/export_list_pages.h"
#include "reports/export_list_writer.h"
#include "reports/export_rows.h"

namespace {

constexpr int kModules = 10'000;
constexpr int kSymbolsPerModule = 100;

using quillon::bench::BenchWorkspace;

/// A scratch folder removed at the end.
struct Folder {
    Folder()
        : path(std::filesystem::temp_directory_path() /
               ("quillon-export-bench-" + std::to_string(std::rand())))
    {
        std::filesystem::create_directories(path);
    }
    ~Folder()
    {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    [[nodiscard]] std::string file(const char* name) const { return (path / name).string(); }
    std::filesystem::path path;
};

std::string symbolName(int module, int symbol)
{
    return "Function_" + std::to_string(module) + "_" + std::to_string(symbol);
}

/// Writes the LIB file of the benchmark library.
void writeLibFile(const std::string& path)
{
    std::string bytes;
    for (int m = 0; m < kModules; ++m) {
        const std::string module = "MODULE" + std::to_string(m);
        for (int s = 0; s < kSymbolsPerModule; ++s)
            quillon::lib::encodeImportRecord(bytes, symbolName(m, s), module,
                                             static_cast<std::uint16_t>(s + 1));
    }
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f != nullptr) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
}

void loadLib(quillon::Workspace& ws, const std::string& path)
{
    quillon::lib::LibLoadRequest request;
    request.fileName = path;
    request.quiet = true;
    (void)quillon::lib::loadLibrary(ws, request);
}

/// The window's command on a library in memory: export rows, file, progress and Escape poll.
void BM_ExportListOfLoadedLibrary(benchmark::State& state)
{
    Folder folder;
    writeLibFile(folder.file("BENCH.LIB"));
    BenchWorkspace b;
    loadLib(b.ws, folder.file("BENCH.LIB"));
    b.ws.options.UseStatusBar = true;
    b.ws.options.UseExportTextCopy = quillon::AskChoice::Never;
    const std::string out = folder.file("ExportList.txt");
    for (auto _ : state) {
        (void)quillon::reports::fillExportRows(b.ws, std::nullopt);
        const auto run = quillon::reports::runExportList(
            b.ws, quillon::reports::PassListRows(b.ws.pass), {}, out);
        if (run.end != quillon::reports::ExportListEnd::Written)
            state.SkipWithError("export failed");
        b.ws.pass.clear();
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(out));
}

/// `quillon list FILE.LIB -o OUT`: load the LIB file, then write the export list.
void BM_ListCommandFromLibFile(benchmark::State& state)
{
    Folder folder;
    writeLibFile(folder.file("BENCH.LIB"));
    for (auto _ : state) {
        auto b = std::make_unique<BenchWorkspace>();
        loadLib(b->ws, folder.file("BENCH.LIB"));
        (void)quillon::reports::fillExportRows(b->ws, std::nullopt);
        auto file = b->files.create(folder.file("list.txt"));
        if (!file) {
            state.SkipWithError("cannot create");
            break;
        }
        quillon::reports::FileSink sink(*file);
        (void)quillon::reports::writeExportList(b->ws, quillon::reports::PassListRows(b->ws.pass),
                                                sink, {});
        (void)file->close();
        state.PauseTiming();
        b.reset();
        state.ResumeTiming();
    }
}

/// `quillon exports FILE.LIB`: the listing of the same file for scripts.
void BM_ExportsCommandFromLibFile(benchmark::State& state)
{
    Folder folder;
    writeLibFile(folder.file("BENCH.LIB"));
    for (auto _ : state) {
        auto b = std::make_unique<BenchWorkspace>();
        const auto listing = quillon::exe::listExports(b->ws, {folder.file("BENCH.LIB")});
        const std::string text = quillon::exe::exportListingTsv(listing);
        std::FILE* f = std::fopen(folder.file("exports.txt").c_str(), "wb");
        if (f != nullptr) {
            std::fwrite(text.data(), 1, text.size(), f);
            std::fclose(f);
        }
        state.PauseTiming();
        b.reset();
        state.ResumeTiming();
    }
}

/// Filling the viewer's ten pages from the export file of the large library.
void BM_ViewerPagesOfLargeList(benchmark::State& state)
{
    Folder folder;
    writeLibFile(folder.file("BENCH.LIB"));
    BenchWorkspace b;
    loadLib(b.ws, folder.file("BENCH.LIB"));
    const std::string out = folder.file("ExportList.txt");
    (void)quillon::reports::fillExportRows(b.ws, std::nullopt);
    (void)quillon::reports::runExportList(b.ws, quillon::reports::PassListRows(b.ws.pass), {}, out);
    for (auto _ : state) {
        const auto pages = quillon::reports::readExportListPages(b.files, out);
        if (!pages || !pages->tooBig)
            state.SkipWithError("pages not filled");
        benchmark::DoNotOptimize(pages);
    }
}

}  // namespace

BENCHMARK(BM_ExportListOfLoadedLibrary)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ListCommandFromLibFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ExportsCommandFromLibFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ViewerPagesOfLargeList)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
