// Titles and texts of the executable reader's and the executable test's message boxes.
#include "exe/exe_messages.h"

#include "base/text_encoding.h"

namespace quillon::exe {

namespace {

constexpr std::string_view kTitlePrefix = "CLARION QUILLON 32 - ";
constexpr std::string_view kFileLines = "|    File:|    ";
constexpr std::string_view kClosingLine = "|    (This file cannot be opened by Clarion Quillon)";

constexpr std::string_view kDamagedLead =
    "    This file does not have any exported names|    recognizeable by Clarion Quillon, or the|"
    "    file header may be damaged.|";

struct Text {
    std::string_view title;
    std::string lead;
};

std::string withSeparator(std::string_view lead)
{
    return std::string(lead) + separatorLine() + std::string(kFileLines);
}

Text textFor(ExeMessage which, std::string_view errorText)
{
    const std::string error(errorText);
    switch (which) {
        case ExeMessage::OldDosFileError33:
            return {"Old DOS file!",
                    "    An error #33 (" + error + ") was posted. This is" +
                        "|    probably an old-type DOS file which does not have any" +
                        "|    exported names recognizeable by Clarion Quillon."};
        case ExeMessage::HeaderNotFoundError33:
            return {"HEADER information not found!",
                    "    An error #33 (" + error + ") was posted, and" +
                        "|    Clarion Quillon could not read the file's header" +
                        "|    information. The file is either not an executeable," +
                        "|    or the header may be damaged."};
        case ExeMessage::LeFile:
            return {"NOT a library file!",
                    withSeparator("    This file type does not have any exported names|"
                                  "    recognizeable by Clarion Quillon.|")};
        case ExeMessage::DosFile:
            return {"DOS file!",
                    withSeparator("    This file is a DOS file which does not have any exported|"
                                  "    names recognizeable by Clarion Quillon.|")};
        case ExeMessage::NotLibraryDamaged:
            return {"NOT a library file!", withSeparator(kDamagedLead)};
        case ExeMessage::UnknownFileType:
            return {"UNKNOWN filetype!",
                    withSeparator("    This file does not have any exported names|"
                                  "    recognizeable by Clarion Quillon.|")};
        case ExeMessage::NotExecutable:
            return {"NOT a library file!",
                    withSeparator("    This file is NOT an executeable or library file |"
                                  "    recognizeable by Clarion Quillon.|")};
        case ExeMessage::LateHeaderError:
            return {"HEADER information not found!",
                    "    Could not read file's HEADER information!|    Error posted " + error +
                        "|" + separatorLine() + std::string(kFileLines)};
        case ExeMessage::DefinitionFault:
            return {"Module-definition file error!",
                    withSeparator("    This module-definition file cannot be read:|    " + error +
                                  "|")};
        case ExeMessage::TestNotLibrary:
            return {"NOT a library file!",
                    withSeparator("    This file is NOT a library file that have any exported|"
                                  "    names recognizeable by Clarion Quillon!|")};
        case ExeMessage::TestHeaderNotFound:
            return {"HEADER information not found!",
                    withSeparator("    Could not read file's HEADER information!|")};
        case ExeMessage::TestSystemFile:
            return {"SYSTEM file!", withSeparator("    This file does not have any exported names|"
                                                  "    recognizeable by Clarion Quillon!|")};
        case ExeMessage::TestOldDosFile:
            return {"Old DOS file!",
                    withSeparator("    This file is an old DOS file and does not have any|"
                                  "    exported names recognizeable by Clarion Quillon!|")};
        case ExeMessage::TestUnknownFileType:
            return {"UNKNOWN filetype!",
                    withSeparator("    This file does not have any exported functions|"
                                  "    recognizeable by Clarion Quillon!|")};
    }
    return {};
}

bool endsWith(std::string_view text, std::string_view tail)
{
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

}  // namespace

std::string separatorLine()
{
    return std::string(90, kNonBreakingSpace);
}

ui::MessageBox exeMessage(ExeMessage which, std::string_view fileName, std::string_view errorText)
{
    Text text = textFor(which, errorText);
    ui::MessageBox box;
    box.title = std::string(kTitlePrefix) + std::string(text.title);
    box.text = std::move(text.lead);
    // Lead texts that do not end with the file lines get the separator and the file lines.
    if (!endsWith(box.text, kFileLines))
        box.text += "|" + separatorLine() + std::string(kFileLines);
    box.text += fileName;
    box.text += kClosingLine;
    box.icon = ui::MessageIcon::Question;
    box.buttons = "&OK";
    box.defaultButton = 1;
    return box;
}

}  // namespace quillon::exe
