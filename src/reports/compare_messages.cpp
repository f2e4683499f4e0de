// The texts of the comparison's message boxes.
#include "reports/compare_messages.h"

#include <string>

#include "base/ascii_text.h"

namespace quillon::reports {

namespace {

const std::string kWidening(90, '\xA0');
constexpr std::string_view kTitle = "CLARION QUILLON 32 - ";

constexpr std::string_view kTipsStart =
    "||    TIPS ON AUTOLOCATING:|    ->Open the Compare Dialog to change the options.";
constexpr std::string_view kTipLibFile =
    "|    ->If you don't want to compare to a LIB file on disk"
    "|       turn on the \"Use autolocate\" option. This will locate"
    "|       the DLL/EXE file on disk automatically.";
constexpr std::string_view kTipModuleNotFound =
    "|    ->If this is the correct file, try turning on the option"
    "|       \"Partial match\" to enable a comparison of the module"
    "|       found in this file.";
constexpr std::string_view kTipLessStrict =
    "|    ->If this is the correct file, try turning on the option"
    "|       \"Partial match\" to enable a less strict identification"
    "|       of the module names in the file - this will disregard"
    "|       smaller differences like case and extensions.";

constexpr std::string_view kTestExplained =
    "|    The test verifies whether the file is still located on the disk at the"
    "|    specified location - and whether it is a genuine library file.";

ui::MessageBox box(std::string_view title, std::string text, ui::MessageIcon icon)
{
    ui::MessageBox b;
    b.title = std::string(kTitle) + std::string(title);
    b.text = std::move(text);
    b.icon = icon;
    return b;
}

ui::MessageBox yesNo(ui::MessageBox b, int defaultButton)
{
    b.buttons = "&Yes|&No";
    b.defaultButton = defaultButton;
    return b;
}

}  // namespace

ui::MessageBox fileNotFoundMessage(std::string_view diskFile)
{
    return box(
        "File not found!",
        "    The file selected in the compare procedure|    was not found!||    Disk file: " +
            std::string(diskFile) + "|" + kWidening,
        ui::MessageIcon::Exclamation);
}

ui::MessageBox noExportsMessage(std::string_view diskFile, bool libFile)
{
    return box("No exported functions!",
               "    The file does not have any exported functions|    recognizable by Clarion "
               "Quillon!||    Disk file: " +
                   std::string(diskFile) + "|" + kWidening + std::string(kTipsStart) +
                   std::string(libFile ? kTipLibFile : kTipLessStrict),
               ui::MessageIcon::Exclamation);
}

ui::MessageBox moduleNotFoundMessage(std::string_view module, std::string_view diskFile,
                                     bool libFile)
{
    return box("Module not found!",
               "    The selected module was not found in the specified|    disk file!|" +
                   kWidening + "|    Library module: " + std::string(module) +
                   "|    Disk file: " + std::string(diskFile) + std::string(kTipsStart) +
                   std::string(libFile ? kTipLibFile : kTipModuleNotFound),
               ui::MessageIcon::Exclamation);
}

ui::MessageBox moduleNotInDiskFileQuestion(std::string_view libraryModule,
                                           std::string_view diskModule, bool partialMatch)
{
    std::string text =
        "   The module name in the library was NOT FOUND in the selected disk file.||"
        "   Library module name:   ";
    text += upperCase(libraryModule) + "|   Disk file module name: " + upperCase(diskModule) + "|";
    text +=
        partialMatch
            ? "|   Files may be located automatically by the \"Autolocate\" button."
              "|   If this fails you may in any case select a file manually in the Compare Dialog."
            : "|   By checking the \"Partial match\" option in the Compare Dialog"
              "|   minor changes to the module names, like extensions, will be ignored.";
    text +=
        "|   If the module name has been changed you may still make a relevant"
        "|   comparison by pressing the YES button below.|" +
        kWidening + "|   Do you want to make a comparison of these two modules anyway?";
    return yesNo(box("Module not found in disk file!", std::move(text), ui::MessageIcon::Question),
                 1);
}

ui::MessageBox noFileSelectedMessage()
{
    return box("No file selected!",
               "    No file was selected.|    To select a file click on the filelist to mark it.|",
               ui::MessageIcon::Exclamation);
}

ui::MessageBox candidateTestMessage(CandidateTest outcome, std::string_view file)
{
    const std::string tail = std::string(file) + "|" + kWidening + std::string(kTestExplained);
    switch (outcome) {
        case CandidateTest::Passed:
            return box("File PASSED the test!",
                       "    This file was located - and PASSED the test:|    " + tail,
                       ui::MessageIcon::Information);
        case CandidateTest::NotFound:
            return yesNo(box("File was NOT FOUND!",
                             "    This file was NOT found:|    " + tail +
                                 "|    Do you want to remove it from the list?",
                             ui::MessageIcon::Question),
                         1);
        case CandidateTest::Failed:
            break;
    }
    return yesNo(box("File FAILED the test!",
                     "    This file is NOT a library file:|    " + tail +
                         "|    Do you want to remove it from the list?",
                     ui::MessageIcon::Question),
                 1);
}

}  // namespace quillon::reports
