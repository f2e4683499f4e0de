// The texts of editing by hand.
#include "maintenance/edit_messages.h"

#include "base/text_encoding.h"

namespace quillon::maintenance {

namespace {

/// Four blanks and 75 non-breaking spaces: the line that widens the edit boxes.
std::string paddingLine()
{
    return "    " + std::string(75, kNonBreakingSpace);
}

}  // namespace

ui::MessageBox refusedEditBox(std::string_view first)
{
    ui::MessageBox box;
    box.title = std::string(kEditErrorTitle);
    box.icon = ui::MessageIcon::Exclamation;
    box.text = "    " + std::string(first) +
               "|    The entered data was not saved.|    (To delete the entry use the "
               "Delete-key).|" +
               paddingLine();
    return box;
}

std::string storeErrorStatus(int code, std::string_view text, bool inPlace)
{
    if (inPlace)
        return "Edit error: " + std::string(text) + "!";
    return "Edit error #" + std::to_string(code) + ". Error: " + std::string(text);
}

ui::MessageBox storeErrorBox(int code, std::string_view text, bool inPlace)
{
    ui::MessageBox box;
    box.title = std::string(kEditErrorTitle);
    box.icon = ui::MessageIcon::Exclamation;
    if (inPlace)
        box.text =
            "    An error was posted when while saving data.|    The entered data may not "
            "be saved.|" +
            paddingLine() + "|    Error #" + std::to_string(code) +
            "|    Error message: " + std::string(text);
    else
        box.text = "An error was posted when trying to save the data:|    Error #" +
                   std::to_string(code) + "|    Error message: |" + std::string(text);
    return box;
}

ui::MessageBox editListErrorBox(int code, std::string_view text, bool entryDialog)
{
    ui::MessageBox box;
    box.title = std::string(kListErrorTitle);
    box.icon = ui::MessageIcon::Exclamation;
    box.text = std::string(entryDialog ? "    Editlist:2 Error#: " : "    Editlist:1 Error#: ") +
               std::to_string(code) + "|    Error message: " + std::string(text) +
               (entryDialog ? "|    The entry was not saved.|" : "|    The list was not saved.|") +
               paddingLine();
    return box;
}

ui::MessageBox refusedEntryBox(std::string_view reason)
{
    ui::MessageBox box;
    box.title = std::string(kEditErrorTitle);
    box.icon = ui::MessageIcon::Exclamation;
    box.text = "    " + std::string(reason) + "|    The entry was not saved.|" + paddingLine();
    return box;
}

}  // namespace quillon::maintenance
