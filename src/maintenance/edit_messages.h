// The texts of editing by hand: status texts and the "Edit error!" boxes of the library list,
// and the texts of the exceptions and favourites list editor.
#pragma once

#include <string>
#include <string_view>

#include "core/ui/ui_interface.h"

namespace quillon::maintenance {

inline constexpr std::string_view kEditErrorTitle = "CLARION QUILLON 32 - Edit error!";

// First status pane texts of refused edits.
inline constexpr std::string_view kStatusOrdinalPositive = "Ordinal number must be positive!";
inline constexpr std::string_view kStatusNameBlank = "Name cannot be blank!";
inline constexpr std::string_view kStatusNameTooLong = "Name too long!";
inline constexpr std::string_view kStatusOrdinalTooLarge = "Ordinal number too large!";
inline constexpr std::string_view kStatusOrdinalNotNumber = "Ordinal number must be a number!";
inline constexpr std::string_view kStatusModuleFull = "Module is full!";

/// The box of a refused edit: `first` is its first line ("Name can not be blank!"); the lines
/// telling that nothing was saved and the padding line follow.
[[nodiscard]] ui::MessageBox refusedEditBox(std::string_view first);

/// The first status pane after a storing error: in place "Edit error: " text "!", in the dialog
/// "Edit error #" code ". Error: " text.
[[nodiscard]] std::string storeErrorStatus(int code, std::string_view text, bool inPlace);
/// The box of a storing error, in place or in the "Edit symbol" dialog.
[[nodiscard]] ui::MessageBox storeErrorBox(int code, std::string_view text, bool inPlace);

// The exceptions and favourites list editor.
inline constexpr std::string_view kExceptionsCaption = "Exceptions list";
inline constexpr std::string_view kExceptionsHint =
    "Enter the module filename - Do not include path";
inline constexpr std::string_view kFavoritesCaption = "Favourties list";
inline constexpr std::string_view kFavoritesHint = "Enter a fully qualified file/path filename";
inline constexpr std::string_view kEntryAddCaption = "Enter a new entry";
inline constexpr std::string_view kEntryEditCaption = "Edit an entry";
inline constexpr std::string_view kEntryAddModule = "Enter new module name:";
inline constexpr std::string_view kEntryAddFile = "Enter new file name:";
inline constexpr std::string_view kEntryEditModule = "Edit module name:";
inline constexpr std::string_view kEntryEditFile = "Edit file name:";
inline constexpr std::string_view kListErrorTitle = "CLARION QUILLON 32 - Edit list error!";

/// The box of a failed write of the list ("Editlist:1 Error#: ", `entryDialog` false) or of a
/// failed store of one entry ("Editlist:2 Error#: ", `entryDialog` true).
[[nodiscard]] ui::MessageBox editListErrorBox(int code, std::string_view text, bool entryDialog);

/// The box of an entry the list editor refuses; `reason` is one line.
[[nodiscard]] ui::MessageBox refusedEntryBox(std::string_view reason);

}  // namespace quillon::maintenance
