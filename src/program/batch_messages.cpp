// The texts of the silent run's result messages.
#include "program/batch_messages.h"

#include "base/text_encoding.h"

namespace quillon {

namespace {

const char* const kHint = "|    [Suppress messages in the Advanced Options dialog]";
const char* const kTerminalHint =
    "|    [Suppress messages with --quiet, or with UseNoMessages=1 in section [Options]]";

std::string separator()
{
    return "|" + std::string(95, kNonBreakingSpace);
}

std::string parameters(std::string_view commandLine)
{
    return "|    Command line parameter(s):|    " + std::string(commandLine);
}

std::string libName(std::string_view libPath)
{
    return "|    LIB-file name:|    " + std::string(libPath);
}

ui::MessageBox box(std::string title, std::string text, ui::MessageIcon icon, std::string buttons)
{
    ui::MessageBox b;
    b.title = std::move(title);
    b.text = std::move(text);
    b.icon = icon;
    b.buttons = std::move(buttons);
    return b;
}

}  // namespace

ui::MessageBox batchResultMessage(BatchOutcome outcome, std::string_view commandLine,
                                  std::string_view libPath, int code, std::string_view errorText,
                                  ResultForm form)
{
    const std::string tail = separator() + (form == ResultForm::Terminal ? kTerminalHint : kHint);
    const std::string codeText = std::to_string(code);
    switch (outcome) {
    case BatchOutcome::Saved:
        return box("CLARION QUILLON 32 - LIB-file created",
                   "    LIB-file was successfully created and saved to disk.|    Created LIB-file: " +
                       std::string(libPath) + "|" + parameters(commandLine) + tail,
                   ui::MessageIcon::Program, "&OK");
    case BatchOutcome::OpenFileError:
        return box("CLARION QUILLON 32 - Open file error!",
                   "    An error was posted while opening/creating file for output.|    (This error "
                   "may also occur if an illegal filename was used).|    LIB-file was not "
                   "created/saved.|    Posted errorcode: #" +
                       codeText + "|    Posted error: " + std::string(errorText) +
                       parameters(commandLine) + libName(libPath) + tail,
                   ui::MessageIcon::Question, "&OK|&Help");
    case BatchOutcome::WriteFailed:
        return box("CLARION QUILLON 32 - Creating file failed!",
                   "    Command line parameter for creating LIB-file failed!|    Posted errorcode: #" +
                       codeText + "|    Posted error: " + std::string(errorText) +
                       parameters(commandLine) + libName(libPath) + tail,
                   ui::MessageIcon::Question, "&OK|&Help");
    case BatchOutcome::NoNames:
        return box("CLARION QUILLON 32 - No exported names found!",
                   "    Creating LIB-file failed - No symbols in input file(s)!|    LIB-file was not "
                   "created/saved." +
                       parameters(commandLine) + libName(libPath) + tail,
                   ui::MessageIcon::Question, "&OK|&Help");
    case BatchOutcome::NotLocated:
        return box("CLARION QUILLON 32 - File(s) not located!",
                   "    Creating LIB-file failed - Input file(s) not located!|" +
                       parameters(commandLine) + libName(libPath) + tail,
                   ui::MessageIcon::Question, "&OK|&Help");
    case BatchOutcome::Cancelled:
        break;
    }
    return box("CLARION QUILLON 32 - Process cancelled!",
               "    Creating LIB-file interupted - Process cancelled by user.|    LIB-file was not "
               "created/saved." +
                   parameters(commandLine) + libName(libPath) + tail,
               ui::MessageIcon::SystemLogo, "&OK");
}

ui::MessageBox internalErrorMessage()
{
    return box("CLARION QUILLON 32 - Internal error!",
               "    This procedure should not be called from|    the command line parameter "
               "procedures.|    Please report bug.||    Procedure: \"AddFiles\"|    Source file: "
               "\"fileproc\"|" +
                   std::string(90, kNonBreakingSpace),
               ui::MessageIcon::Hand, "&OK");
}

}  // namespace quillon
