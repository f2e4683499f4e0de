// The texts of the search.
#include "locate/locate_messages.h"

#include "base/text_encoding.h"

namespace quillon::locate {

namespace {
constexpr std::size_t kWideningLineLength = 90;

constexpr std::string_view kTipsBlock =
    "    TIPS ON AUTOLOCATING:|"
    "    ->Press the \"Autolocate options...\" button to access the|"
    "       advanced parameters for autolocating.|"
    "    ->Make sure that no unneccessary restrictions are checked.|"
    "    ->Try to change the \"First priority\" search path to a|"
    "       more likely location. Use the button with the blue star|"
    "       in the Autolocate options dialog to browse for a folder.|"
    "       (The system folders and the \"PATH folders\" are searched|"
    "       automatically).|";

constexpr std::string_view kExceptionsBlock =
    "    ->If the module name is not reflected in the file name,|"
    "       then add this module to the \"Exceptions list\". By |"
    "       convention the internal module name should match the|"
    "       disk file name. The \"Exceptions list\" is made to facilitate|"
    "       exceptions to this rule.|"
    "       Example:|"
    "       The 16-bit module KERNEL is found in the file KRNL386.EXE|";

constexpr std::string_view kRelaxedBlock =
    "    ->Turn on the option \"Relaxed match\" to search|"
    "       for a partial match of the module name, ignoring|"
    "       minor differences.|";

std::string plural(std::size_t count, std::string_view noun)
{
    std::string text = std::to_string(count);
    text += ' ';
    text += noun;
    if (count > 1)
        text += 's';
    return text;
}
}  // namespace

ui::MessageBox failedToLocateMessage(std::string_view moduleName, bool multiFileAdd, bool relaxed)
{
    std::string text =
        "    Could not locate the DLL/EXE source file for|    the module!||    Module name: ";
    text += moduleName;
    text += '|';
    if (!multiFileAdd) {
        text +=
            "    Please locate and select the correct disk file manually|"
            "    in the Compare Dialog window.||";
        text += kTipsBlock;
        text += kExceptionsBlock;
        if (!relaxed)
            text += kRelaxedBlock;
    } else {
        text += '|';
        text += kTipsBlock;
    }
    text.append(kWideningLineLength, kNonBreakingSpace);

    ui::MessageBox box;
    box.title = std::string(kFailedTitle);
    box.text = std::move(text);
    box.icon = ui::MessageIcon::Exclamation;
    return box;
}

std::string emptyModulesAbortedText(std::size_t count)
{
    return plural(count, "empty module") + " aborted";
}

std::string locateSummaryText(std::size_t located, std::size_t total)
{
    if (total == 1)
        return located == 1 ? "File located - Press F4 for filelist" : "File was NOT located";
    if (located == 0)
        return "None of the " + std::to_string(total) + " files located";
    if (located >= total)
        return "All " + std::to_string(total) + " files located - Press F4 for filelist";
    return std::to_string(located) + " of " + std::to_string(total) +
           " files located - Press F4 for filelist";
}

std::string locateEndText(std::size_t located, std::size_t checked, bool cancelled)
{
    if (cancelled)
        return std::string(kInterruptedText);
    if (located >= checked)
        return std::string(kDoneText);
    return plural(checked, "file") + " checked";
}

}  // namespace quillon::locate
