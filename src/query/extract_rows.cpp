// Extracting marked rows into the extracted functions.
#include "query/extract_rows.h"

#include <algorithm>
#include <vector>

#include "query/result_inserter.h"

namespace quillon::query {

namespace {

/// The rows to extract, in library order: marked rows with the symbols of marked modules, or
/// the cursor's row (with its module's symbols). Clears the hooks of the rows taken.
std::vector<std::size_t> rowsToExtract(Workspace& ws, std::optional<std::size_t> cursorRow)
{
    LibraryList& rows = ws.library.rows;
    std::vector<std::size_t> taken;
    auto takeModule = [&](std::size_t module) {
        for (std::size_t i = module + 1; i < rows.size() && !rows[i].isModule(); ++i) {
            rows[i].MARK = 0;
            taken.push_back(i);
        }
        return module;
    };
    const auto first =
        std::find_if(rows.begin(), rows.end(), [](const LibraryRow& r) { return r.MARK != 0; });
    if (first == rows.end()) {
        if (!cursorRow || *cursorRow >= rows.size())
            return taken;
        if (rows[*cursorRow].isModule())
            takeModule(*cursorRow);
        else
            taken.push_back(*cursorRow);
        return taken;
    }
    for (std::size_t i = static_cast<std::size_t>(first - rows.begin()); i < rows.size(); ++i) {
        if (rows[i].MARK == 0)
            continue;
        rows[i].MARK = 0;
        if (!rows[i].isModule()) {
            taken.push_back(i);
            continue;
        }
        const std::size_t before = taken.size();
        takeModule(i);
        // The module's symbols are taken; go on after them.
        if (taken.size() > before)
            i = taken.back();
    }
    return taken;
}

}  // namespace

ExtractCounts extractRows(Workspace& ws, std::optional<std::size_t> cursorRow,
                          ProgressIndicator* progress)
{
    if (progress != nullptr) {
        progress->status(1, kExtractingText);
        progress->status(2, {});
        progress->status(3, {});
    }
    ExtractCounts counts;
    const std::int64_t start = ws.clock().hundredths();
    const std::vector<std::size_t> taken = rowsToExtract(ws, cursorRow);
    ResultInserter inserter(ws.queryResults);
    for (const std::size_t i : taken) {
        const LibraryRow& row = ws.library.rows[i];
        ++counts.processed;
        if (inserter.add(
                QueryResult{row.MODULENAME, row.SYMBOL.str(), row.ORDINAL, row.UNSORTED, 1}))
            ++counts.extracted;
        else
            ++counts.duplicates;
        // The window stays responsive through a long extraction.
        if (counts.processed % 4096 == 0)
            ws.ui().processEvents();
    }
    inserter.finish();
    counts.elapsed = ws.clock().hundredths() - start;
    counts.listSize = ws.queryResults.size();
    return counts;
}

}  // namespace quillon::query
