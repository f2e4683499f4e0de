// Icons, ordinal text, the module-present test, the post-processing after a load and the
// module table rebuild.
#include "core/library_model.h"

#include <algorithm>
#include <array>

namespace quillon {

namespace {

bool holdsExcludedSymbols(const LibraryRow& row)
{
    return row.EXCLUDE == kExcludeDuplicate || row.EXCLUDE == kExcludeModule3;
}

bool fileNotFound(const LibraryRow& row)
{
    return upperCase(row.fileNameDll()).find("FILE NOT") != std::string::npos;
}

RowIcon moduleIcon(const Options& options, HookColour hook, const LibraryRow& row)
{
    using enum RowIcon;
    if (row.MARK == 1)
        return moduleIconForm(hook == HookColour::Blue ? ShutFoldBlueHook : ShutFoldRedHook,
                              row.expanded());
    const bool excluded = holdsExcludedSymbols(row);
    RowIcon icon = None;
    if (options.UseOsIcons) {
        if (row.OS == kOs16)
            icon = excluded ? ShutFold16Exclamation : ShutFold16;
        else if (row.OS == kOs32)
            icon = excluded ? ShutFold32Exclamation : ShutFold32;
        else if (options.UseBitCheck != BitCheck::None)
            icon = fileNotFound(row) ? (excluded ? ShutFoldUExclamation : ShutFoldNotFound)
                                     : (excluded ? ShutFoldXExclamation : ShutFoldX);
        else
            icon = excluded ? ShutFoldExclamation : ShutFold;
    } else {
        icon = excluded ? ShutFoldXExclamation : ShutFold;
    }
    return moduleIconForm(icon, row.expanded());
}

RowIcon symbolIcon(HookColour hook, const LibraryRow& row)
{
    using enum RowIcon;
    const bool resident = row.RESIDENTSTAB == 1;
    if (row.MARK == 1) {
        if (hook == HookColour::Blue)
            return resident ? ResFunctionHookBlue : FunctionHookBlue;
        return resident ? ResFunctionHookRed : FunctionHookRed;
    }
    if (row.EXCLUDE == kExcludeListed)
        return resident ? ResFunctionExclude : FunctionExclude;
    if (row.EXCLUDE == kExcludeDuplicate)
        return resident ? ResFunctionDuplicate : FunctionDuplicate;
    return resident ? ResFunction : Function;
}

TreeLevel levelFor(const Options& options)
{
    return options.UseExpandAll ? TreeLevel::ModuleExpanded : TreeLevel::ModuleCollapsed;
}

}  // namespace

std::string ordinalHexText(std::uint32_t value)
{
    static constexpr std::array<char, 16> kDigits = {'0', '1', '2', '3', '4', '5', '6', '7',
                                                     '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'};
    std::string text(4, '0');
    for (int i = 3; i >= 0; --i) {
        text[static_cast<std::size_t>(i)] = kDigits[value & 0xF];
        value >>= 4;
    }
    return text;
}

RowIcon newModuleIcon(const Options& options, std::uint8_t os)
{
    RowIcon icon = RowIcon::ShutFold;
    if (options.UseOsIcons) {
        if (os == kOs16)
            icon = RowIcon::ShutFold16;
        else if (os == kOs32)
            icon = RowIcon::ShutFold32;
        else if (options.UseBitCheck != BitCheck::None)
            icon = RowIcon::ShutFoldU;
    }
    return moduleIconForm(icon, options.UseExpandAll);
}

RowIcon rowIcon(const Options& options, HookColour hook, const LibraryRow& row)
{
    return row.isModule() ? moduleIcon(options, hook, row) : symbolIcon(hook, row);
}

std::size_t refreshIcons(Workspace& ws, std::size_t first, std::size_t last)
{
    LibraryList& rows = ws.library.rows;
    last = std::min(last, rows.size());
    std::size_t changed = 0;
    for (std::size_t i = first; i < last; ++i) {
        const RowIcon icon = rowIcon(ws.options, ws.hookColour, rows[i]);
        if (icon != rows[i].ICON) {
            rows[i].ICON = icon;
            ++changed;
        }
    }
    return changed;
}

bool isModulePresent(const Workspace& ws, std::string_view moduleName)
{
    // Module names compare without regard to case: KERNEL32 added to a library that holds
    // kernel32 is the same module again.
    const std::string wanted = upperCase(moduleName);
    return std::any_of(
        ws.library.modules.begin(), ws.library.modules.end(), [&](const ModuleEntry& e) {
            return e.MODULENAME.size() == wanted.size() && upperCase(e.MODULENAME.view()) == wanted;
        });
}

std::size_t appendModuleRow(Workspace& ws, std::string_view name, std::uint8_t os)
{
    LibraryRow& row = ws.library.rows.emplace_back();
    row.SYMBOL = ws.library.names.make(name.substr(0, std::min(name.size(), kSymbolCapacity - 1)));
    row.MODULENAME = ModuleName::sharing(row.SYMBOL);
    row.OS = os;
    row.TREELEVEL = levelFor(ws.options);
    row.ICON = newModuleIcon(ws.options, os);
    row.MARK = isModulePresent(ws, row.MODULENAME.view()) ? 1 : 0;
    return ws.library.rows.size() - 1;
}

void appendSymbolRow(Workspace& ws, std::string_view symbol, std::uint16_t ordinal, bool resident)
{
    LibraryList& rows = ws.library.rows;
    RowText text =
        ws.library.names.make(symbol.substr(0, std::min(symbol.size(), kSymbolCapacity - 1)));
    // The previous row is the module row or a symbol row that already carries its fields.
    const LibraryRow* previous = rows.empty() ? nullptr : &rows.back();
    const ModuleName moduleName = previous != nullptr ? previous->MODULENAME : ModuleName();
    const std::uint8_t os = previous != nullptr ? previous->OS : std::uint8_t{kOsUnknown};
    const std::uint8_t mark = previous != nullptr ? previous->MARK : 0;
    LibraryRow& row = rows.emplace_back();
    row.SYMBOL = std::move(text);
    row.ORDINAL = ordinal;
    row.TREELEVEL = TreeLevel::Symbol;
    row.ICON = resident ? RowIcon::ResFunction : RowIcon::Function;
    row.MODULENAME = moduleName;
    row.OS = os;
    row.MARK = mark;
}

namespace {

/// The module table and the row numbers before `firstNewRow` are as a rebuild leaves them: one
/// entry per module, numbered 1 to `ModuleCount` in list order, the last of them owning the row
/// just before the new ones. Checked at its ends, which is where a change that did not rebuild
/// the table shows.
bool tableCoversRowsBefore(const Library& library, std::size_t firstNewRow)
{
    const LibraryList& rows = library.rows;
    if (library.modules.size() != library.ModuleCount)
        return false;
    if (firstNewRow == 0)
        return library.modules.empty();
    return !library.modules.empty() && rows.front().isModule() && rows.front().MODULENUM == 1 &&
           library.modules.front().MODULENUM == 1 &&
           library.modules.back().MODULENUM == library.ModuleCount &&
           rows[firstNewRow - 1].MODULENUM == library.ModuleCount;
}

/// The `ModuleTable` entry of a module row, numbered as the row is.
ModuleEntry moduleEntryOf(const LibraryRow& row)
{
    ModuleEntry entry;
    entry.MODULENAME = row.MODULENAME;
    entry.MODULENUM = row.MODULENUM;
    entry.TREELEVEL = row.TREELEVEL;
    entry.FILENAME = row.fileName();
    entry.FILENAMEDLL = row.fileNameDll();
    entry.OS = row.OS;
    entry.MARK = row.MARK;
    entry.EXCLUDE = row.EXCLUDE;
    return entry;
}

/// Adds the entries of the modules from `firstNewRow` on, numbered and counted as
/// `rebuildModuleTable` numbers them.
void extendModuleTable(Workspace& ws, std::size_t firstNewRow)
{
    ModuleTable& modules = ws.library.modules;
    for (std::size_t i = firstNewRow; i < ws.library.rows.size(); ++i) {
        const LibraryRow& row = ws.library.rows[i];
        if (row.isModule()) {
            modules.push_back(moduleEntryOf(row));
        } else if (!modules.empty()) {
            ++modules.back().FUNCTIONNUM;
        }
    }
}

}  // namespace

void postProcessLoad(Workspace& ws, std::size_t firstNewRow, const LoadedFile& loaded)
{
    LibraryList& rows = ws.library.rows;
    if (firstNewRow >= rows.size())
        return;
    // Loading file after file touches only the rows each file added, unless something changed
    // the list without renumbering it.
    const bool incremental =
        tableCoversRowsBefore(ws.library, firstNewRow) && rows[firstNewRow].isModule();
    std::uint32_t sequence = firstNewRow > 0 ? rows[firstNewRow - 1].UNSORTED : 0;
    std::uint32_t residentLeft = 0;
    ModuleNumber moduleNumber = 0;
    const std::string path = cutToCapacity(loaded.path, kPathCapacity);
    const bool useExcludeList = ws.options.UseExcludeList;
    for (std::size_t i = firstNewRow; i < rows.size(); ++i) {
        LibraryRow& row = rows[i];
        if (row.isModule()) {
            ++ws.library.ModuleCount;
            row.MODULENUM = ws.library.ModuleCount;
            moduleNumber = row.MODULENUM;
            row.TREELEVEL = levelFor(ws.options);
            row.setFileName(path);
            row.setFileNameDll(loaded.executable ? std::string_view(path) : std::string_view());
            residentLeft = loaded.residentCount;
        } else {
            ++ws.library.SymbolCount;
            // Symbol rows carry their module's number, so that sorting keeps them under it.
            row.MODULENUM = moduleNumber;
            row.RESIDENTSTAB = residentLeft > 0 ? 1 : 0;
            if (residentLeft > 0)
                --residentLeft;
        }
        row.UNSORTED = ++sequence;
        row.EXCLUDE = kExcludeNone;
        if (useExcludeList && row.ORDINAL != 0) {
            const int check = ws.excludeList.lookupUpper(upperCase(row.SYMBOL));
            if (check >= 0)
                row.EXCLUDE = static_cast<std::uint8_t>(check);
        }
    }
    refreshIcons(ws, firstNewRow);
    if (incremental)
        extendModuleTable(ws, firstNewRow);
    else
        rebuildModuleTable(ws);
}

void rebuildModuleTable(Workspace& ws)
{
    ModuleTable& modules = ws.library.modules;
    modules.clear();
    ModuleNumber number = 0;
    LibraryList& rows = ws.library.rows;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        LibraryRow& row = rows[i];
        // Rows are renumbered in list order, so that module numbers stay unique and every
        // symbol row keeps the number of the module above it.
        if (row.isModule())
            ++number;
        row.MODULENUM = number;
        if (row.isModule()) {
            modules.push_back(moduleEntryOf(row));
        } else if (!modules.empty()) {
            ++modules.back().FUNCTIONNUM;
        }
    }
    // Walking the list in order numbers the entries ascending, which is the table's sort order.
    ws.library.ModuleCount = number;
}

void truncateLibrary(Workspace& ws, std::size_t first)
{
    LibraryList& rows = ws.library.rows;
    if (first < rows.size())
        rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(first), rows.end());
}

void fillPassListFromLibrary(Workspace& ws)
{
    ws.pass.clear();
    ws.pass.reserve(ws.library.rows.size());
    for (const LibraryRow& row : ws.library.rows) {
        PassEntry entry;
        entry.MODULENAME = row.MODULENAME;
        entry.SYMBOL = row.SYMBOL.str();
        entry.ORDINAL = row.ORDINAL;
        entry.UNSORTED = row.UNSORTED;
        ws.pass.push_back(std::move(entry));
    }
}

void fillPassListFromModules(Workspace& ws)
{
    ws.pass.clear();
    ws.pass.reserve(ws.library.modules.size());
    for (const ModuleEntry& module : ws.library.modules) {
        PassEntry entry;
        entry.MODULENAME = module.MODULENAME;
        entry.SYMBOL = module.MODULENAME.str();
        entry.UNSORTED = module.MODULENUM;
        ws.pass.push_back(std::move(entry));
    }
}

}  // namespace quillon
