// The message boxes of executable identification: titles and texts in one place.
#pragma once

#include <string>
#include <string_view>

#include "core/ui/ui_interface.h"

namespace quillon::exe {

/// Every message the executable reader and the executable test show.
enum class ExeMessage {
    // ExecutableReader
    OldDosFileError33,      // new header beyond the end, buffer still "MZ"
    HeaderNotFoundError33,  // file ends inside the new header
    LeFile,                 // "NOT a library file!": LE executable
    DosFile,                // "DOS file!"
    NotLibraryDamaged,      // "NOT a library file!": executable extension or empty module
    UnknownFileType,        // "UNKNOWN filetype!"
    NotExecutable,          // "NOT a library file!": no "MZ", not an executable extension
    LateHeaderError,        // "HEADER information not found!": error 33 left at the end
    DefinitionFault,        // a module-definition file that cannot be read: errorText says where
    // ExecutableTest
    TestNotLibrary,
    TestHeaderNotFound,
    TestSystemFile,
    TestOldDosFile,
    TestUnknownFileType,
};

/// The line of 90 non-breaking spaces that widens the message boxes.
[[nodiscard]] std::string separatorLine();

/// The message box for `which` about `fileName`. `errorText` is the posted error text of the
/// error-33 messages, and the line and fault of `DefinitionFault`. Question-mark icon, one OK button; the text ends with the file line and
/// "(This file cannot be opened by Clarion Quillon)".
[[nodiscard]] ui::MessageBox exeMessage(ExeMessage which, std::string_view fileName,
                                        std::string_view errorText = {});

}  // namespace quillon::exe
