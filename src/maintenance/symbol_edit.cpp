// Checking and storing edits of the library list, module renames and inserted symbols.
#include "maintenance/symbol_edit.h"

#include <new>
#include <vector>

#include "base/ascii_text.h"
#include "core/library_edit.h"
#include "core/library_model.h"
#include "maintenance/edit_messages.h"
#include "maintenance/exclusion_list.h"
#include "maintenance/global_duplicates.h"
#include "maintenance/maintenance_common.h"
#include "platform/error_codes.h"

namespace quillon::maintenance {

namespace {

constexpr std::uint32_t kTooLarge = 65536;
constexpr std::uint16_t kMostSymbols = 65535;

ModuleEntry* moduleEntry(Workspace& ws, std::uint16_t number)
{
    for (ModuleEntry& entry : ws.library.modules) {
        if (entry.MODULENUM == number)
            return &entry;
    }
    return nullptr;
}

Error rowMissing()
{
    return {platform::kSystemError, "The row no longer exists"};
}

}  // namespace

std::optional<std::uint32_t> parseOrdinalText(std::string_view text)
{
    text = trimBlanks(text);
    std::uint32_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<std::uint32_t>(c - '0');
        if (value >= kTooLarge)
            value = kTooLarge;  // the rest of the digits cannot bring it back down
    }
    return value;
}

EditRefusal checkSymbolFields(std::string_view name, std::uint32_t ordinal, bool ordinalRequired)
{
    const std::string_view typed = trimRight(name);
    // The ordinal is looked at before the name.
    if (ordinal == 0 && ordinalRequired)
        return EditRefusal::OrdinalZero;
    if (typed.empty())
        return EditRefusal::BlankName;
    if (typed.size() > kSymbolCapacity - 1)
        return EditRefusal::NameTooLong;
    if (ordinal > 65535)
        return EditRefusal::OrdinalTooLarge;
    return EditRefusal::None;
}

EditRefusal checkRowEdit(const LibraryRow& row, std::string_view name, std::uint32_t ordinal,
                         bool insert)
{
    // A symbol row (also a new one under a module row) needs a positive ordinal.
    if (!row.isModule() || insert)
        return checkSymbolFields(name, ordinal, row.ORDINAL != 0 || insert);
    const std::string_view typed = trimRight(name);
    if (typed.empty())
        return EditRefusal::BlankName;
    // A module read with a longer name may keep it.
    if (typed == trimRight(row.SYMBOL))
        return EditRefusal::None;
    if (typed.size() > kModuleNameCapacity - 1)
        return EditRefusal::NameTooLong;
    return EditRefusal::None;
}

void reportRefusal(Workspace& ws, EditRefusal refusal, EditSource source)
{
    std::string_view status;
    std::string first;
    switch (refusal) {
        case EditRefusal::None:
            return;
        case EditRefusal::OrdinalZero:
            // The list's own editor shows the box only.
            status = source == EditSource::Dialog ? kStatusOrdinalPositive : std::string_view();
            first = "Ordinal number must have a positive value!";
            break;
        case EditRefusal::BlankName:
            status = kStatusNameBlank;
            first = "Name can not be blank!";
            break;
        case EditRefusal::NameTooLong:
            status = kStatusNameTooLong;
            first = "The name is longer than its field (254 characters)!";
            break;
        case EditRefusal::OrdinalTooLarge:
            status = kStatusOrdinalTooLarge;
            first = "Ordinal number must not exceed 65535!";
            break;
        case EditRefusal::OrdinalNotNumber:
            status = kStatusOrdinalNotNumber;
            first = "Ordinal number must be a whole number (digits only)!";
            break;
        case EditRefusal::ModuleFull:
            status = kStatusModuleFull;
            first = "The module already holds 65535 symbols, the most it can!";
            break;
    }
    if (!status.empty())
        showStatus(ws, 1, status);
    if (!ws.options.UseNoMessages)
        (void)ws.ui().message(refusedEditBox(first));
}

void reportStoreError(Workspace& ws, const Error& error, EditSource source)
{
    const bool inPlace = source == EditSource::InPlace;
    showStatus(ws, 1, storeErrorStatus(error.code, error.text, inPlace));
    if (!ws.options.UseNoMessages)
        (void)ws.ui().message(storeErrorBox(error.code, error.text, inPlace));
}

Status storeRowEdit(Workspace& ws, std::size_t row, const RowEdit& edit)
{
    LibraryList& rows = ws.library.rows;
    if (row >= rows.size())
        return rowMissing();
    LibraryRow& target = rows[row];
    const std::string name(trimRight(edit.name));
    if (target.isModule()) {
        const ModuleName moduleName(name);
        target.SYMBOL = name;
        target.MODULENAME = moduleName;
        for (std::size_t i = row + 1; i < rows.size() && !rows[i].isModule(); ++i) {
            if (rows[i].MODULENUM == target.MODULENUM)
                rows[i].MODULENAME = moduleName;
        }
        if (ModuleEntry* entry = moduleEntry(ws, target.MODULENUM))
            entry->MODULENAME = moduleName;
    } else {
        target.SYMBOL = name;
        target.ORDINAL = edit.ordinal;
    }
    ws.library.LibraryChanged = true;
    return {};
}

Result<std::size_t> insertSymbolRow(Workspace& ws, std::size_t selected, const RowEdit& edit)
{
    LibraryList& rows = ws.library.rows;
    if (selected >= rows.size())
        return rowMissing();
    const std::size_t moduleRow = moduleRowOf(ws, selected);
    const LibraryRow& module = rows[moduleRow];
    ModuleEntry* entry = moduleEntry(ws, module.MODULENUM);
    if (entry != nullptr && entry->FUNCTIONNUM >= kMostSymbols)
        return Error{platform::kOutOfMemory, "The module holds the most symbols it can"};

    const std::size_t at = selected == moduleRow ? moduleRow + 1 : selected;
    LibraryRow row;
    row.SYMBOL = std::string(trimRight(edit.name));
    row.ORDINAL = edit.ordinal;
    row.MODULENAME = module.MODULENAME;
    row.MODULENUM = module.MODULENUM;
    row.TREELEVEL = TreeLevel::Symbol;
    row.OS = module.OS;
    // The new row takes the file-order place of the row it is put before.
    row.UNSORTED = selected == moduleRow ? module.UNSORTED + 1 : rows[selected].UNSORTED;
    try {
        rows.reserve(rows.size() + 1);
    } catch (const std::bad_alloc&) {
        return Error{platform::kOutOfMemory, platform::errorCodeText(platform::kOutOfMemory)};
    }
    for (LibraryRow& other : rows) {
        if (other.UNSORTED >= row.UNSORTED)
            ++other.UNSORTED;
    }
    rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(at), std::move(row));
    ++ws.library.SymbolCount;
    if (entry != nullptr)
        ++entry->FUNCTIONNUM;
    ws.library.LibraryChanged = true;
    refreshIcons(ws, at, at + 1);
    return at;
}

void renewMarksAfterEdit(Workspace& ws)
{
    LibraryList& rows = ws.library.rows;
    std::vector<std::uint8_t> hooks;
    hooks.reserve(rows.size());
    for (const LibraryRow& row : rows)
        hooks.push_back(row.MARK);
    (void)markExcludedSymbols(ws);
    (void)findGlobalDuplicates(ws);
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i].MARK = hooks[i];
    refreshIcons(ws);
}

bool commitInPlaceEdit(Workspace& ws, std::size_t row, EditField field, std::string_view text)
{
    if (row >= ws.library.rows.size())
        return false;
    const LibraryRow& current = ws.library.rows[row];
    RowEdit edit{current.SYMBOL.str(), current.ORDINAL};
    std::uint32_t ordinal = current.ORDINAL;
    if (field == EditField::Name) {
        edit.name = std::string(text);
    } else {
        if (current.isModule())
            return false;
        const auto parsed = parseOrdinalText(text);
        if (!parsed) {
            reportRefusal(ws, EditRefusal::OrdinalNotNumber, EditSource::InPlace);
            return false;
        }
        ordinal = *parsed;
    }
    const EditRefusal refusal = checkRowEdit(current, edit.name, ordinal, false);
    if (refusal != EditRefusal::None) {
        reportRefusal(ws, refusal, EditSource::InPlace);
        return false;
    }
    edit.ordinal = static_cast<std::uint16_t>(ordinal);
    edit.name = std::string(trimRight(edit.name));
    if (edit.name == current.SYMBOL && edit.ordinal == current.ORDINAL)
        return true;
    const Status stored = storeRowEdit(ws, row, edit);
    if (!stored) {
        reportStoreError(ws, stored.error(), EditSource::InPlace);
        return false;
    }
    renewMarksAfterEdit(ws);
    return true;
}

std::optional<RowEdit> checkSymbolEdit(Workspace& ws, std::size_t selected, std::string_view name,
                                       std::string_view ordinalText, bool insert)
{
    if (selected >= ws.library.rows.size())
        return std::nullopt;
    const LibraryRow& row = ws.library.rows[selected];
    const auto ordinal = parseOrdinalText(ordinalText);
    EditRefusal refusal = EditRefusal::None;
    if (!ordinal && (insert || !row.isModule()))
        refusal = EditRefusal::OrdinalNotNumber;
    else
        refusal = checkRowEdit(row, name, ordinal.value_or(0), insert);
    if (refusal == EditRefusal::None && insert) {
        const std::uint16_t number = ws.library.rows[moduleRowOf(ws, selected)].MODULENUM;
        if (const ModuleEntry* entry = moduleEntry(ws, number);
            entry != nullptr && entry->FUNCTIONNUM >= kMostSymbols)
            refusal = EditRefusal::ModuleFull;
    }
    if (refusal != EditRefusal::None) {
        reportRefusal(ws, refusal, EditSource::Dialog);
        return std::nullopt;
    }
    const bool moduleName = row.isModule() && !insert;
    return RowEdit{std::string(trimRight(name)),
                   moduleName ? std::uint16_t{0} : static_cast<std::uint16_t>(*ordinal)};
}

std::optional<std::size_t> applySymbolEdit(Workspace& ws, std::size_t selected, const RowEdit& edit,
                                           bool insert)
{
    std::size_t row = selected;
    if (insert) {
        Result<std::size_t> inserted = insertSymbolRow(ws, selected, edit);
        if (!inserted) {
            reportStoreError(ws, inserted.error(), EditSource::Dialog);
            return std::nullopt;
        }
        row = *inserted;
    } else {
        const Status stored = storeRowEdit(ws, selected, edit);
        if (!stored) {
            reportStoreError(ws, stored.error(), EditSource::Dialog);
            return std::nullopt;
        }
        ws.library.rows[selected].MARK = 0;
        if (ModuleEntry* entry = moduleEntry(ws, ws.library.rows[selected].MODULENUM);
            entry != nullptr && ws.library.rows[selected].isModule())
            entry->MARK = 0;
    }
    renewMarksAfterEdit(ws);
    return row;
}

std::optional<std::size_t> commitSymbolEdit(Workspace& ws, std::size_t selected,
                                            std::string_view name, std::string_view ordinalText,
                                            bool insert)
{
    const auto edit = checkSymbolEdit(ws, selected, name, ordinalText, insert);
    if (!edit)
        return std::nullopt;
    return applySymbolEdit(ws, selected, *edit, insert);
}

}  // namespace quillon::maintenance
