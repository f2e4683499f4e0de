// The texts of the export list.
#include "reports/export_list_messages.h"

#include "base/ascii_text.h"
#include "base/text_encoding.h"

namespace quillon::reports {

namespace {

std::string wideLine()
{
    return std::string(90, kNonBreakingSpace);
}

}  // namespace

ui::MessageBox exportOpenErrorMessage(const Error& error, std::string_view fileName)
{
    ui::MessageBox box;
    box.title = "CLARION QUILLON 32 - File Open Error!";
    box.icon = ui::MessageIcon::Exclamation;
    box.text = "    An error was posted while trying to open file.|" + wideLine() +
               "|    Error message: " + error.text +
               "|    Error code: " + std::to_string(error.code) +
               "|    Filname: " + std::string(fileName) + "||    Do you want to retry?";
    box.buttons = "Retry|&Cancel";
    return box;
}

ui::MessageBox copyToClipboardQuestion(std::string_view moduleName,
                                       std::string_view libraryFileName)
{
    ui::MessageBox box;
    box.title = "CLARION QUILLON 32 - Copy text to clipboard?";
    box.icon = ui::MessageIcon::Question;
    box.text = "    Do you want to copy the generated text to the|    Windows clipboard?|" +
               wideLine() + "|    Exported text from: ";
    if (!moduleName.empty())
        box.text += upperCase(moduleName);
    else
        box.text += "|    " + upperCase(libraryFileName) + "|" + wideLine();
    box.buttons = "&Yes|&No";
    return box;
}

ui::MessageBox openInEditorQuestion(bool tooBig, std::string_view fileName)
{
    ui::MessageBox box;
    box.title = "CLARION QUILLON 32 - Exported List";
    box.icon = ui::MessageIcon::Program;
    box.text = tooBig ? "File is too big to fit in internal viewer!|" : "";
#ifdef _WIN32
    box.text += "    Open the file in Notepad?|    ";
#else
    box.text += "    Open the file in the text editor?|    ";
#endif
    box.text += "|    File: " + std::string(fileName) + "|" + wideLine();
    box.buttons = "&Yes|&No";
    return box;
}

ui::MessageBox editorNotStartedMessage(std::string_view fileName)
{
    ui::MessageBox box;
    box.title = "CLARION QUILLON 32 - Exported List";
    box.icon = ui::MessageIcon::Exclamation;
    box.text =
        "    No program could be started to open the export list.|" + wideLine() +
        "|    Open the file with a text editor of your choice:|    File: " + std::string(fileName);
    return box;
}

std::string shownFileName(std::string_view fileName)
{
#ifdef _WIN32
    return upperCase(fileName);
#else
    return std::string(fileName);
#endif
}

std::string exportViewerCaption(std::string_view fileName, int page, int pageCount)
{
    std::string caption = "Clarion Quillon 32 - Export List " + shownFileName(fileName);
    if (pageCount > 1)
        caption += " [PAGE " + std::to_string(page) + "]";
    return caption;
}

std::string exportScopeStatus(std::string_view moduleName, std::string_view libraryFileName)
{
    if (!moduleName.empty())
        return "Module: " + std::string(moduleName);
    return "Library: " + std::string(libraryFileName);
}

}  // namespace quillon::reports
