// The query engine over 1,000,000 symbols in 10,000 modules: a query of 10 OR keywords and one
// of 3 AND and 2 NOT keywords, each extracting about 10% of the rows, a find that scans the
// whole list without a match, grep -c -i -F with the same OR keywords over a text file of the
// same names (measured in the same run), and an accumulating query that finds every row a
// duplicate at 100,000 and 1,000,000 rows.
#include <benchmark/benchmark.h>

#include "bench_workspace.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <sys/resource.h>

#include "core/library_model.h"
#include "query/keyword_matcher.h"
#include "query/run_search.h"
#include "query/search_list.h"

namespace {

using namespace quillon;

constexpr int kSymbolsPerModule = 100;
constexpr int kNouns = 100;

/// 100 made-up nouns ("Bakod", "Bekif", ...) that do not contain one another.
const std::vector<std::string>& nouns()
{
    static const std::vector<std::string> list = [] {
        const std::string consonants = "bdfgklmnprstvz";
        const std::string vowels = "aeiou";
        std::vector<std::string> out;
        for (int i = 0; static_cast<int>(out.size()) < kNouns; ++i) {
            std::string noun;
            noun += static_cast<char>(consonants[static_cast<std::size_t>(i % 14)] - 'a' + 'A');
            noun += vowels[static_cast<std::size_t>((i / 14) % 5)];
            noun += consonants[static_cast<std::size_t>((i / 70 + 3) % 14)];
            noun += vowels[static_cast<std::size_t>((i + 2) % 5)];
            noun += consonants[static_cast<std::size_t>((i * 7 + 5) % 14)];
            out.push_back(noun);
        }
        return out;
    }();
    return list;
}

/// Symbol `s` of module `m`: group (Core, Base, Util, Gfx, Net), Get or Set, a noun, a number.
std::string symbolName(int m, int s)
{
    static const char* const groups[] = {"Core", "Base", "Util", "Gfx", "Net"};
    const int k = m * kSymbolsPerModule + s;
    return std::string(groups[k % 5]) + ((k / 5) % 2 == 0 ? "Get" : "Set") +
           nouns()[static_cast<std::size_t>((k * 37 / 10) % kNouns)] + "_" + std::to_string(k);
}

/// A library of `modules` modules of 100 symbols.
std::unique_ptr<bench::BenchWorkspace> library(int modules)
{
    auto b = std::make_unique<bench::BenchWorkspace>();
    Workspace& ws = b->ws;
    ws.library.rows.reserve(static_cast<std::size_t>(modules) * (kSymbolsPerModule + 1));
    for (int m = 0; m < modules; ++m) {
        appendModuleRow(ws, "MODULE" + std::to_string(m), kOs32);
        for (int s = 1; s <= kSymbolsPerModule; ++s)
            appendSymbolRow(ws, symbolName(m, s), static_cast<std::uint16_t>(s));
    }
    postProcessLoad(ws, 0, {"/bench/query.lib", false, 0});
    return b;
}

Workspace& millionRows()
{
    static const std::unique_ptr<bench::BenchWorkspace> b = library(10000);
    return b->ws;
}

/// The 10 OR keywords: one noun in ten.
std::string orKeywords()
{
    std::string text;
    for (int i = 0; i < 10; ++i)
        text += (i == 0 ? "" : " ") + nouns()[static_cast<std::size_t>(i * 10 + 3)];
    return text;
}

query::SearchOptions queryOptions(const std::string& keywords, bool accumulate = false)
{
    query::SearchOptions o;
    o.SearchString = keywords;
    o.UseProgress = false;
    o.UseAccumulateQuery = accumulate;
    return o;
}

void runQuery(benchmark::State& state, const std::string& keywords)
{
    Workspace& ws = millionRows();
    std::uint32_t extracted = 0;
    for (auto _ : state) {
        const query::SearchResult r = query::runQuery(ws, queryOptions(keywords));
        extracted = r.extracted;
        benchmark::DoNotOptimize(r);
    }
    state.counters["rows"] = static_cast<double>(ws.library.rows.size());
    state.counters["extracted"] = extracted;
    state.counters["percent"] = 100.0 * extracted / static_cast<double>(ws.library.rows.size());
}

void BM_QueryTenOrKeywords(benchmark::State& state)
{
    runQuery(state, orKeywords());
}

/// The OR keywords' scan alone (the rows tested, nothing extracted): what grep does.
void BM_ScanTenOrKeywords(benchmark::State& state)
{
    const Workspace& ws = millionRows();
    const query::SearchOptions options = queryOptions(orKeywords());
    const query::KeywordMatcher matcher(query::keywordSetsFor(options, true), options.SearchOption,
                                        false);
    std::size_t matches = 0;
    for (auto _ : state) {
        matches = 0;
        for (const LibraryRow& row : ws.library.rows)
            matches += matcher.test(row.SYMBOL) == query::Verdict::Match ? 1 : 0;
        benchmark::DoNotOptimize(matches);
    }
    state.counters["matches"] = static_cast<double>(matches);
}

void BM_QueryThreeAndTwoNotKeywords(benchmark::State& state)
{
    // Core and Get together are one name in ten; every name has "_"; two nouns are refused.
    runQuery(state, "+core +get +_ -" + nouns()[5] + " -" + nouns()[6]);
}

void BM_FindWholeListWithoutMatch(benchmark::State& state)
{
    Workspace& ws = millionRows();
    const query::LibrarySearchList list(ws);
    for (auto _ : state) {
        const query::SearchResult r = query::runFind(ws, queryOptions("NoSuchNameAnywhere"),
                                                     query::SearchMode::Library, list, 1);
        if (r.found())
            state.SkipWithError("unexpected match");
        benchmark::DoNotOptimize(r);
    }
}

void BM_GrepSameOrKeywords(benchmark::State& state)
{
    const Workspace& ws = millionRows();
    const std::string names =
        (std::filesystem::temp_directory_path() / "quillon_query_bench_names.txt").string();
    {
        std::ofstream out(names);
        for (const LibraryRow& row : ws.library.rows)
            out << row.SYMBOL << '\n';
    }
    std::string command = "grep -c -i -F";
    for (int i = 0; i < 10; ++i)
        command += " -e " + nouns()[static_cast<std::size_t>(i * 10 + 3)];
    command += " " + names + " > /dev/null";
    // The machine may be shared: the processor time grep used is told beside the wall time.
    auto childSeconds = [] {
        rusage usage{};
        getrusage(RUSAGE_CHILDREN, &usage);
        auto seconds = [](const timeval& t) {
            return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
        };
        return seconds(usage.ru_utime) + seconds(usage.ru_stime);
    };
    const double childStart = childSeconds();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("grep failed");
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
    state.counters["grep_cpu_ms"] =
        1000.0 * (childSeconds() - childStart) / static_cast<double>(state.iterations());
    std::filesystem::remove(names);
}

void BM_AccumulatingQueryAllDuplicates(benchmark::State& state)
{
    const auto b = library(static_cast<int>(state.range(0)) / kSymbolsPerModule);
    Workspace& ws = b->ws;
    // Every symbol is in the list already; the accumulating query finds each one a duplicate.
    (void)query::runQuery(ws, queryOptions("_"));
    const std::size_t entries = ws.queryResults.size();
    for (auto _ : state) {
        const query::SearchResult r = query::runQuery(ws, queryOptions("_", true));
        if (r.extracted != 0 || r.duplicates != entries)
            state.SkipWithError("expected every row a duplicate");
    }
    state.counters["entries"] = static_cast<double>(entries);
}

}  // namespace

BENCHMARK(BM_QueryTenOrKeywords)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ScanTenOrKeywords)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_QueryThreeAndTwoNotKeywords)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_FindWholeListWithoutMatch)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_GrepSameOrKeywords)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(BM_AccumulatingQueryAllDuplicates)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

BENCHMARK_MAIN();
