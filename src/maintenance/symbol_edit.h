// Editing the library by hand: checking and storing names and ordinals, renaming modules and
// inserting symbols, for the in-place editor of the list and the "Edit symbol" dialog.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/result.h"
#include "core/workspace.h"

namespace quillon::maintenance {

/// Where an edit comes from; the two differ in their status texts and boxes.
enum class EditSource { InPlace, Dialog };

/// The field of a row an in-place editor changes.
enum class EditField { Name, Ordinal };

/// Why an edit is refused before anything is stored.
enum class EditRefusal {
    None,
    OrdinalZero,       // ordinal 0 on a symbol row
    BlankName,         // a name of blanks only
    NameTooLong,       // longer than its field (254)
    OrdinalTooLarge,   // above 65535
    OrdinalNotNumber,  // anything but digits
    ModuleFull,        // inserting into a module that holds 65535 symbols
};

/// What the user typed for a row: the name (trailing blanks never count) and the ordinal.
struct RowEdit {
    std::string name;
    std::uint16_t ordinal = 0;
    friend bool operator==(const RowEdit&, const RowEdit&) = default;
};

/// The ordinal typed as text: blank reads as 0; digits only; a value above 65535 reads as
/// 65536 (refused later, never wrapped). Nothing when the text holds anything but digits.
[[nodiscard]] std::optional<std::uint32_t> parseOrdinalText(std::string_view text);

/// Checks the name and ordinal typed for a symbol, in this order: an ordinal of 0 where one is
/// required (the symbol had one, or is new), a blank name, a name longer than its field, an
/// ordinal above 65535. `ordinal` is the parsed value (see `parseOrdinalText`).
[[nodiscard]] EditRefusal checkSymbolFields(std::string_view name, std::uint32_t ordinal,
                                            bool ordinalRequired);

/// Checks an edit of `row`: `ordinal` is the parsed value (see `parseOrdinalText`). A module
/// row takes only a name (its ordinal stays 0); an inserted row is always a symbol row and is
/// checked by `checkSymbolFields`.
[[nodiscard]] EditRefusal checkRowEdit(const LibraryRow& row, std::string_view name,
                                       std::uint32_t ordinal, bool insert);

/// Shows a refusal: the status text of `source` in pane 1 and, unless "UseNoMessages" is set,
/// the "CLARION QUILLON 32 - Edit error!" box.
void reportRefusal(Workspace& ws, EditRefusal refusal, EditSource source);

/// Shows a storing error the way `source` reports it.
void reportStoreError(Workspace& ws, const Error& error, EditSource source);

/// Stores `edit` in the row at `row` (0-based). A symbol row takes the name and the ordinal;
/// a module row takes the name, which is carried into every following row of the module and
/// into its `ModuleTable` entry. Sets `LibraryChanged`. Fails when the row does not exist.
Status storeRowEdit(Workspace& ws, std::size_t row, const RowEdit& edit);

/// Inserts `edit` as a new symbol row at `selected` (after the module row when `selected` is
/// one), in the module of `selected`: `SymbolCount` and the module's `FUNCTIONNUM` go up by
/// one, and every row at or after the new row's file-order position `UNSORTED` moves one on.
/// Sets `LibraryChanged`. Returns the new row's position.
Result<std::size_t> insertSymbolRow(Workspace& ws, std::size_t selected, const RowEdit& edit);

/// Brings the exclusion and duplicate marks up to date after an edit, keeping the hooks the
/// user set (the duplicate search would clear them), and refreshes the icons.
void renewMarksAfterEdit(Workspace& ws);

/// An in-place edit of `field` of the row at `row`, typed as `text`: checked, reported when
/// refused, stored, marks renewed. True when the row holds the typed value afterwards (also
/// when nothing changed); false leaves the row as it was.
bool commitInPlaceEdit(Workspace& ws, std::size_t row, EditField field, std::string_view text);

/// The "Edit symbol" dialog's OK: checks the typed name and ordinal (refusals reported), then
/// inserts a new symbol row (`insert`) or stores them in the row at `selected` with its mark
/// cleared, renews the marks and reports a storing error. Returns the row to select, or
/// nothing when refused or failed (the library is then unchanged).
std::optional<std::size_t> commitSymbolEdit(Workspace& ws, std::size_t selected,
                                            std::string_view name, std::string_view ordinalText,
                                            bool insert);

/// The checks of `commitSymbolEdit` alone: the typed values as a `RowEdit`, or nothing after a
/// refusal has been reported.
std::optional<RowEdit> checkSymbolEdit(Workspace& ws, std::size_t selected, std::string_view name,
                                       std::string_view ordinalText, bool insert);
/// The storing of `commitSymbolEdit` alone, after `checkSymbolEdit`.
std::optional<std::size_t> applySymbolEdit(Workspace& ws, std::size_t selected, const RowEdit& edit,
                                           bool insert);

}  // namespace quillon::maintenance
