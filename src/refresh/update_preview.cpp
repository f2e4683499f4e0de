// Building the update list from the update's own reloads and the compare passes.
#include "refresh/update_preview.h"

#include "base/ascii_text.h"
#include "base/text_encoding.h"
#include "core/option_override.h"
#include "refresh/kept_module.h"
#include "refresh/library_update.h"
#include "reports/compare_passes.h"

namespace quillon::refresh {

namespace {

/// True when the row tells of anything but an unchanged function.
bool isChange(const reports::CompareRow& row)
{
    return (row.changes & ~static_cast<std::uint32_t>(reports::kUnchanged)) != 0;
}

/// One module as the LIB writer writes it: its name and its functions with an ordinal, names
/// without trailing blanks.
struct WrittenModule {
    std::string name;
    std::vector<std::string> symbols;
    std::vector<std::uint16_t> ordinals;
};

WrittenModule writtenModule(const LibraryList& rows, std::size_t moduleRow)
{
    WrittenModule module;
    module.name = std::string(trimRight(rows[moduleRow].MODULENAME.view()));
    for (std::size_t i = moduleRow + 1; i < rows.size() && !rows[i].isModule(); ++i) {
        if (rows[i].ORDINAL == 0)
            continue;  // never written
        module.symbols.emplace_back(trimRight(rows[i].SYMBOL.view()));
        module.ordinals.push_back(rows[i].ORDINAL);
    }
    return module;
}

std::uint32_t moduleChange(const std::string& before, const std::string& after)
{
    if (before == after)
        return 0;
    return upperCase(before) == upperCase(after) ? reports::kModuleCasing : reports::kModuleChanged;
}

/// Lists how `after` differs from `before`; true when it does.
bool listChanges(const WrittenModule& before, const WrittenModule& after, bool heavyMangling,
                 std::vector<UpdatePreviewRow>& out)
{
    reports::PassInput input;
    input.libraryModule = before.name;
    input.diskModule = after.name;
    for (std::size_t i = 0; i < before.symbols.size(); ++i)
        input.library.push_back({before.symbols[i], before.ordinals[i]});
    for (std::size_t i = 0; i < after.symbols.size(); ++i)
        input.disk.push_back({after.symbols[i], after.ordinals[i]});
    input.options.UseMatchCase = true;
    input.options.UseIgnoreOrdinals = false;
    input.options.UseHeavyMangling = heavyMangling;
    input.moduleChange = moduleChange(before.name, after.name);
    reports::CompareList rows;
    reports::CompareCounts counts;
    (void)reports::runComparePasses(input, {}, rows, counts);

    bool changed = false;
    for (const reports::CompareRow& r : rows) {
        if (!isChange(r))
            continue;
        changed = true;
        UpdatePreviewRow row{cp1252ToUtf8(r.MODULENAME.view()), cp1252ToUtf8(r.SYMBOL), r.ORDINAL,
                             cp1252ToUtf8(r.COMMENT), {}, {}};
        const std::uint32_t libraryOnly = reports::kMissingOnDisk | reports::kDuplicateInLibrary;
        if ((r.changes & libraryOnly) != 0) {
            row.drops = LibFunction{before.name, r.SYMBOL, r.ORDINAL};
        } else {
            row.writes = LibFunction{after.name, r.SYMBOL, r.ORDINAL};
            if (r.pairedWith != 0) {
                const reports::CompareFunction& paired = input.library[r.pairedWith - 1];
                row.drops = LibFunction{before.name, std::string(paired.name), paired.ordinal};
            }
        }
        out.push_back(std::move(row));
    }
    return changed;
}

}  // namespace

UpdatePreview buildUpdatePreview(Workspace& ws, const reports::CompareOptions& options)
{
    UpdatePreview preview;
    if (ws.library.empty())
        return preview;
    const OptionOverride quiet(ws.options, &Options::UseNoMessages, true);
    const UpdatePlan plan = planLibraryUpdate(ws);
    preview.cancelled = plan.cancelled;
    if (plan.cancelled)
        return preview;
    std::vector<std::size_t> moduleRows;
    for (std::size_t i = 0; i < ws.library.rows.size(); ++i) {
        if (ws.library.rows[i].isModule())
            moduleRows.push_back(i);
    }

    // The reloads run on a library of their own over the same services, loaded as the update
    // loads them: the preview shows what the update's own rules make of each file.
    Workspace scratch(ws.ui(), ws.files(), ws.settings(), ws.clock());
    scratch.options = ws.options;
    scratch.options.UseNoMessages = true;
    scratch.options.UseStatusBar = false;
    for (std::size_t i = 0; i < plan.entries.size(); ++i) {
        const RefreshEntry& entry = plan.entries[i];
        ++preview.modules;
        if (!entry.located()) {
            // The update keeps the module as it is.
            ++preview.notLocated;
            preview.rows.push_back({cp1252ToUtf8(entry.module), {}, 0, kPreviewFileNotFound, {}, {}});
            continue;
        }
        scratch.library = Library{};
        const KeepReason reason = reloadEntry(scratch, entry, false, RunMode{true, true});
        if (scratch.cancel.cancelled()) {
            preview.cancelled = true;
            break;
        }
        if (reason != KeepReason::None) {
            ++preview.kept;
            preview.rows.push_back(
                {cp1252ToUtf8(entry.module), {}, 0, std::string(keptText(reason)), {}, {}});
            continue;
        }
        if (i >= moduleRows.size() ||
            ws.library.rows[moduleRows[i]].MODULENAME.view() != entry.module)
            continue;
        const WrittenModule before = writtenModule(ws.library.rows, moduleRows[i]);
        const WrittenModule after = writtenModule(scratch.library.rows, 0);
        if (listChanges(before, after, options.UseHeavyMangling, preview.rows))
            ++preview.changedModules;
    }
    return preview;
}

std::vector<std::string> updatePreviewLines(const UpdatePreview& preview)
{
    std::vector<std::string> lines;
    lines.reserve(preview.rows.size());
    for (const UpdatePreviewRow& row : preview.rows) {
        const std::string ordinal =
            row.symbol.empty() ? std::string() : std::to_string(row.ordinal);
        lines.push_back(row.module + '\t' + row.symbol + '\t' + ordinal + '\t' + row.change);
    }
    return lines;
}

}  // namespace quillon::refresh
