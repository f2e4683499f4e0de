// The desktop program over a LIB file of 1,000,000 symbols in 10,000 modules: opening it until
// the tree is painted, sorting it from the menu, and scrolling through it.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QScrollBar>
#include <QTreeView>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "app/library/library_tree_model.h"
#include "app/widgets/qt_ui.h"
#include "app/window/main_window.h"
#include "base/clock.h"
#include "lib/lib_format.h"
#include "platform/file_system.h"
#include "settings/settings_store.h"

namespace {

using namespace quillon;

constexpr int kModules = 10000;
constexpr int kSymbolsPerModule = 100;

struct BenchWindow {
    app::QtUi ui;
    platform::FileSystem files;
    settings::SettingsStore settings{"/nonexistent/Quillon32.ini"};
    SteadyClock clock;
    Workspace ws{ui, files, settings, clock};
    app::MainWindow window{ws, ui, {"/tmp", "/tmp"}};

    BenchWindow()
    {
        ui.setMessageSeam([](const ui::MessageBox& box) { return box.defaultButton; });
        window.resize(900, 700);
        window.show();
        QApplication::processEvents();
    }
};

// One import definition per symbol, as the LIB writer makes them.
const std::string& bigLibrary()
{
    static const std::string path = [] {
        const std::string file =
            (std::filesystem::temp_directory_path() / "quillon-bench-1m.lib").string();
        std::string bytes;
        bytes.reserve(40u * kModules * kSymbolsPerModule);
        for (int m = 0; m < kModules; ++m) {
            const std::string module = "MODULE" + std::to_string(m);
            for (int s = 0; s < kSymbolsPerModule; ++s) {
                const int n = (s * 7919) % kSymbolsPerModule;
                lib::encodeImportRecord(bytes, "Function_" + std::to_string(n) + "_" + module,
                                        module, static_cast<std::uint16_t>(s + 1));
            }
        }
        std::ofstream(file, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file;
    }();
    return path;
}

void BM_OpenLibFileUntilTreeShown(benchmark::State& state)
{
    const std::string& file = bigLibrary();
    for (auto _ : state) {
        state.PauseTiming();
        BenchWindow b;
        state.ResumeTiming();
        if (!b.window.openFile(file))
            state.SkipWithError("not loaded");
        b.window.tree()->viewport()->repaint();
        QApplication::processEvents();
        state.PauseTiming();
        state.counters["symbols"] = static_cast<double>(b.ws.library.SymbolCount);
        b.ws.library.LibraryChanged = false;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenLibFileUntilTreeShown)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SortFromMenu(benchmark::State& state)
{
    BenchWindow b;
    if (!b.window.openFile(bigLibrary()))
        state.SkipWithError("not loaded");
    b.window.tree()->setFocus();
    b.window.selectRow(500000);
    bool byName = true;
    for (auto _ : state) {
        (byName ? b.window.actions().sortName : b.window.actions().sortFile)->trigger();
        b.window.tree()->viewport()->repaint();
        QApplication::processEvents();
        byName = !byName;
    }
    b.ws.library.LibraryChanged = false;
}
BENCHMARK(BM_SortFromMenu)->Unit(benchmark::kMillisecond)->Iterations(4);

void BM_ScrollExpandedTree(benchmark::State& state)
{
    BenchWindow b;
    if (!b.window.openFile(bigLibrary()))
        state.SkipWithError("not loaded");
    b.window.actions().expandAll->trigger();
    QScrollBar* bar = b.window.tree()->verticalScrollBar();
    int step = 0;
    for (auto _ : state) {
        // A page further down each time, then the far end: what dragging the thumb does.
        bar->setValue((step++ * 997 * 40) % std::max(1, bar->maximum()));
        b.window.tree()->viewport()->repaint();
    }
    state.counters["rows"] = static_cast<double>(b.ws.library.rows.size());
    b.ws.library.LibraryChanged = false;
}
BENCHMARK(BM_ScrollExpandedTree)->Unit(benchmark::kMillisecond)->Iterations(50);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
