// Whether a file name names a Clarion LIB file, by its extension.
#pragma once

#include <string>
#include <string_view>

namespace quillon {

/// The name, trailing blanks ignored, ends in ".LIB" in any letter case ("all.lib",
/// "C:\LIBS\WIN32.LIB"). This is the test wherever a file is opened, listed or located.
[[nodiscard]] bool isLibFileName(std::string_view name);

/// `name` as a LIB file's name: unchanged when it ends in ".LIB", else with ".LIB" added when
/// its file part is written in capitals and ".lib" otherwise ("NEW" gives "NEW.LIB", "c:/x/my"
/// gives "c:/x/my.lib").
[[nodiscard]] std::string withLibExtension(std::string_view name);

/// ".LIB" stands anywhere in the name, in any letter case ("ALL.LIB.BAK" too). The looser test
/// of the places that ask whether a module came from a LIB file at all (its `FILENAME`), where
/// the stored name may carry more after the extension.
[[nodiscard]] bool containsLibExtension(std::string_view name);

}  // namespace quillon
