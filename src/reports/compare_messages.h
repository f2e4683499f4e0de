// The message boxes of the comparison and of the compare dialog's candidate-file test.
#pragma once

#include <string_view>

#include "core/ui/ui_interface.h"

namespace quillon::reports {

/// "File not found!": the disk file chosen for the comparison is not there.
[[nodiscard]] ui::MessageBox fileNotFoundMessage(std::string_view diskFile);
/// "No exported functions!", with the autolocate tips for a LIB or an executable disk file.
[[nodiscard]] ui::MessageBox noExportsMessage(std::string_view diskFile, bool libFile);
/// "Module not found!": the module is not in the disk file.
[[nodiscard]] ui::MessageBox moduleNotFoundMessage(std::string_view module,
                                                   std::string_view diskFile, bool libFile);
/// The question "Module not found in disk file!" (Yes compares anyway, the default).
[[nodiscard]] ui::MessageBox moduleNotInDiskFileQuestion(std::string_view libraryModule,
                                                         std::string_view diskModule,
                                                         bool partialMatch);

/// "No file selected!" of the candidate-file test.
[[nodiscard]] ui::MessageBox noFileSelectedMessage();
/// The outcome of testing a candidate file: passed (OK), not found or failed (Yes removes it
/// from the list, No keeps it).
enum class CandidateTest { Passed, NotFound, Failed };
[[nodiscard]] ui::MessageBox candidateTestMessage(CandidateTest outcome, std::string_view file);

}  // namespace quillon::reports
