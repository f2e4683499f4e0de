// The cleanup in chosen steps and its record.
#include "maintenance/library_cleanup.h"

#include <algorithm>

#include "core/module_numbers.h"
#include "core/option_override.h"
#include "maintenance/duplicate_modules.h"
#include "maintenance/exclusion_list.h"
#include "maintenance/global_duplicates.h"
#include "maintenance/inconsistent_modules.h"
#include "maintenance/remove_marked_symbols.h"

namespace quillon::maintenance {

namespace {

/// The module steps. Modules are removed whole by number, and numbers stay as they are, so a
/// module of the rows before that is missing afterwards is one the step removed.
void removeModules(Workspace& ws, const CleanupSteps& steps, CleanupRecord& record)
{
    Library& lib = ws.library;
    if (!steps.anyModuleStep() || lib.empty())
        return;
    struct Module {
        ModuleNumber number;
        std::string name;
        std::uint8_t os;
    };
    std::vector<Module> before;
    for (const LibraryRow& row : lib.rows) {
        if (row.isModule())
            before.push_back({row.MODULENUM, std::string(row.MODULENAME.view()), row.OS});
    }

    const LibraryBitness bits = steps.bits.value_or(ws.options.UseBitCheckSet);
    const bool judgeBits = steps.inconsistentModules && isBitnessChosen(bits);
    std::uint8_t wrongOs = kOsUnknown;
    if (steps.locates()) {
        const OptionOverride check(ws.options, &Options::UseBitCheck, BitCheck::RemoveInconsistent);
        // Unlocated modules are judged without a bitness, but the step runs only with one set.
        const OptionOverride set(ws.options, &Options::UseBitCheckSet,
                                 judgeBits ? bits : LibraryBitness::Set32Bit);
        InconsistentRequest request;
        request.inconsistent = judgeBits;
        request.unlocated = steps.unlocatedModules;
        request.duplicates = steps.duplicateModules;
        const InconsistentRemoval removal = removeInconsistentModules(ws, request);
        if (judgeBits) {
            record.bits = removal.bits;
            wrongOs = bits == LibraryBitness::Set16Bit ? kOs32 : kOs16;
        }
    } else {
        const OptionOverride duplicates(ws.options, &Options::UseBitCheckDuplicates, true);
        (void)removeDuplicateModules(ws, DuplicateRemovalMode::Standalone);
    }

    std::vector<bool> kept(moduleNumberBound(lib.rows, lib.modules), false);
    for (const LibraryRow& row : lib.rows)
        kept[row.MODULENUM] = true;
    for (Module& module : before) {
        if (module.number < kept.size() && kept[module.number])
            continue;
        RemovalReason reason = RemovalReason::DuplicateModule;
        if (steps.unlocatedModules && module.os == kOsUnknown)
            reason = RemovalReason::UnlocatedModule;
        else if (judgeBits && module.os == wrongOs)
            reason = RemovalReason::InconsistentModule;
        record.removed.push_back({std::move(module.name), {}, 0, reason});
    }
}

/// The symbol steps: the marks are set anew by the steps asked for, recorded, and removed.
void removeSymbols(Workspace& ws, const CleanupSteps& steps, CleanupRecord& record)
{
    Library& lib = ws.library;
    if (!steps.anySymbolStep() || lib.empty())
        return;
    for (LibraryRow& row : lib.rows)
        row.EXCLUDE = kExcludeNone;
    {
        const OptionOverride active(ws.options, &Options::UseExcludeList, true);
        if (steps.excludedSymbols)
            (void)markExcludedSymbols(ws);
        if (steps.duplicateSymbols) {
            const DuplicateKeep keep =
                steps.keep.value_or(ws.options.UseExcludeGlobalDuplicatesSet);
            const OptionOverride enabled(ws.options, &Options::UseExcludeGlobalDuplicates, true);
            const OptionOverride kept(ws.options, &Options::UseExcludeGlobalDuplicatesSet, keep);
            duplicateOptionsChanged(ws);
            (void)findGlobalDuplicates(ws);
        }
    }
    // The next search takes its mode from the options again.
    duplicateOptionsChanged(ws);

    std::string_view module;
    for (const LibraryRow& row : lib.rows) {
        if (row.isModule()) {
            module = row.MODULENAME.view();
        } else if (row.EXCLUDE != kExcludeNone) {
            const RemovalReason reason = row.EXCLUDE == kExcludeListed
                                             ? RemovalReason::ExcludedSymbol
                                             : RemovalReason::DuplicateSymbol;
            record.removed.push_back({std::string(module), row.SYMBOL.str(), row.ORDINAL, reason});
        }
    }
    record.emptiedModules = removeMarkedSymbols(ws).modulesRemoved;
}

}  // namespace

CleanupSteps saveCleanupSteps(const Options& o)
{
    CleanupSteps steps;
    if (removesInconsistentModules(o.UseBitCheck)) {
        // The save removes the duplicates with the inconsistent modules, and only when the
        // library's bitness is chosen.
        const bool bitsChosen = isBitnessChosen(o.UseBitCheckSet);
        steps.inconsistentModules = bitsChosen;
        steps.unlocatedModules =
            bitsChosen && o.UseBitCheck == BitCheck::RemoveInconsistentAndUnlocated;
        steps.duplicateModules = bitsChosen;
    } else {
        steps.duplicateModules = o.UseBitCheckDuplicates;
    }
    steps.excludedSymbols = o.UseExcludeList;
    steps.duplicateSymbols = o.UseExcludeList && o.UseExcludeGlobalDuplicates;
    return steps;
}

std::uint32_t CleanupRecord::count(RemovalReason reason) const
{
    return static_cast<std::uint32_t>(std::count_if(
        removed.begin(), removed.end(), [&](const RemovedEntry& e) { return e.reason == reason; }));
}

CleanupRecord runCleanupSteps(Workspace& ws, const CleanupSteps& steps, const LocatePass& locate)
{
    CleanupRecord record;
    if (ws.library.empty())
        return record;
    if (steps.locates() && locate) {
        locate(ws);
        if (ws.cancel.cancelled()) {
            record.cancelled = true;
            return record;
        }
    }
    removeModules(ws, steps, record);
    removeSymbols(ws, steps, record);
    return record;
}

std::string removalReasonText(RemovalReason reason, std::string_view bits)
{
    switch (reason) {
        case RemovalReason::InconsistentModule:
            return std::string(bits) + "-bit module";
        case RemovalReason::UnlocatedModule:
            return "unlocated module";
        case RemovalReason::DuplicateModule:
            return "duplicate module";
        case RemovalReason::ExcludedSymbol:
            return "excluded";
        case RemovalReason::DuplicateSymbol:
            return "duplicate";
    }
    return {};
}

std::string cleanupSummaryText(const CleanupRecord& record)
{
    std::string text;
    const auto add = [&](std::uint32_t count, std::string_view what, std::string_view noun,
                         std::string_view after = {}) {
        if (count == 0)
            return;
        if (!text.empty())
            text += ", ";
        text += std::to_string(count) + ' ';
        if (!what.empty())
            text += std::string(what) + ' ';
        text += noun;
        if (count > 1)
            text += 's';
        text += after;
    };
    const std::string bits = std::string(record.bits) + "-bit";
    add(record.count(RemovalReason::InconsistentModule), bits, "module");
    add(record.count(RemovalReason::UnlocatedModule), "unlocated", "module");
    add(record.count(RemovalReason::DuplicateModule), "duplicate", "module");
    add(record.count(RemovalReason::ExcludedSymbol), "excluded", "symbol");
    add(record.count(RemovalReason::DuplicateSymbol), "duplicate", "symbol");
    add(record.emptiedModules, {}, "module", " left empty");
    return text.empty() ? "nothing to remove" : text;
}

}  // namespace quillon::maintenance
