// Whether a file name names a Clarion LIB file.
#include "base/lib_file_name.h"

#include "base/ascii_text.h"

namespace quillon {

bool isLibFileName(std::string_view name)
{
    return upperCase(trimRight(name)).ends_with(".LIB");
}

bool containsLibExtension(std::string_view name)
{
    return upperCase(name).find(".LIB") != std::string::npos;
}

}  // namespace quillon
