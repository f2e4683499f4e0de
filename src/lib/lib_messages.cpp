// The texts of the LIB reader, the LIB writers and the save command.
#include "lib/lib_messages.h"

#include "base/text_encoding.h"
#include "core/workspace.h"

namespace quillon::lib {

namespace {

constexpr std::string_view kTitlePrefix = "CLARION QUILLON 32 - ";
constexpr std::size_t kSpacerWidth = 90;

std::string title(std::string_view shortTitle)
{
    return std::string(kTitlePrefix) + std::string(shortTitle);
}

/// "|", the line of non-breaking spaces that widens the box, "|    File:|    " and the name.
std::string fileLines(std::string_view fileName)
{
    std::string text = "|";
    text.append(kSpacerWidth, kNonBreakingSpace);
    text += "|    File:|    ";
    text += fileName;
    return text;
}

ui::MessageBox box(std::string_view shortTitle, std::string text)
{
    ui::MessageBox result;
    result.title = title(shortTitle);
    result.text = std::move(text);
    result.icon = ui::MessageIcon::Exclamation;
    return result;
}

constexpr std::string_view kCannotOpenLine = "|    (This file cannot be opened by Clarion Quillon)";

}  // namespace

ui::MessageBox notLibraryFileMessage(std::string_view fileName)
{
    std::string text =
        "    This file is NOT a Clarion LIB-file containing any linking|"
        "    information recognizeable by Clarion Quillon.|";
    text += fileLines(fileName).substr(1);
    text += kCannotOpenLine;
    return box("NOT a library file!", std::move(text));
}

ui::MessageBox emptyLibraryFileMessage(std::string_view fileName)
{
    std::string text =
        "    This LIB-file does not contain any linking information|"
        "    recognizeable by Clarion Quillon.|";
    text += fileLines(fileName).substr(1);
    text += kCannotOpenLine;
    return box("Empty library file!", std::move(text));
}

ui::MessageBox saveFailureMessage(SaveFailure failure, const Error& error,
                                  std::string_view fileName, std::uint64_t recordNumber)
{
    std::string_view shortTitle;
    std::string text;
    switch (failure) {
        case SaveFailure::OpenFile:
            shortTitle = "Open file error!";
            text =
                "    An error was posted while opening/creating file for output.|"
                "    (This error may also occur if an illegal filename was used).|"
                "    File was not saved.|    Posted errorcode: #";
            break;
        case SaveFailure::DiskFull:
            shortTitle = "Disk full!";
            text =
                "    Not enough room on disk to save file.|    File was not saved.|"
                "    Posted errorcode: #";
            break;
        case SaveFailure::Queue:
            shortTitle = "QUEUE Error!";
            text =
                "    Error while reading memory queue for output.|    File was not saved.|"
                "    Posted errorcode: #";
            break;
        case SaveFailure::Saving:
            shortTitle = "Error while saving file!";
            text =
                "    An error was posted while saving file.|    File was not saved.|"
                "    Posted errorcode: #";
            break;
    }
    text += std::to_string(error.code);
    text += "|    Posted error: ";
    text += error.text;
    if (failure == SaveFailure::Queue) {
        text += "|    Record No#: ";
        text += std::to_string(recordNumber);
    }
    text += fileLines(fileName);
    return box(shortTitle, std::move(text));
}

std::string errorPostedStatus(const Error& error)
{
    return "Error posted: #" + std::to_string(error.code) + " - " + error.text;
}

ui::MessageBox saveFileInternalErrorMessage()
{
    std::string text =
        "    This procedure should not be called from the command-line parameter procedures.|"
        "    Please report this error.|"
        "    Procedure: SaveFile|"
        "    Source file: fileproc";
    ui::MessageBox result = box("Internal error!", std::move(text));
    result.icon = ui::MessageIcon::Hand;
    return result;
}

std::string librarySavedStatus(std::string_view fileName, std::uint32_t modulesRemoved)
{
    std::string text = "Library: ";
    text += fileName;
    if (modulesRemoved > 0)
        text += " - Modules removed: " + std::to_string(modulesRemoved);
    else
        text += " saved to disk";
    return text;
}

std::string symbolsRemovedStatus(std::uint32_t symbolsRemoved)
{
    if (symbolsRemoved == 0)
        return {};
    return std::to_string(symbolsRemoved) + (symbolsRemoved > 1 ? " symbols" : " symbol") +
           " removed";
}

std::string librarySaveFailedStatus(std::string_view fileName)
{
    return "Library: " + std::string(fileName) + " - save failed";
}

void showStatus(Workspace& ws, int pane, std::string_view text)
{
    if (ws.options.UseStatusBar)
        ws.ui().status(pane, text);
}

void showMessage(Workspace& ws, const ui::MessageBox& message)
{
    if (!ws.options.UseNoMessages)
        ws.ui().message(message);
}

}  // namespace quillon::lib
