// Whether a file name names a Clarion LIB file.
#include "base/lib_file_name.h"

#include "base/ascii_text.h"

namespace quillon {

bool isLibFileName(std::string_view name)
{
    return upperCase(trimRight(name)).ends_with(".LIB");
}

std::string withLibExtension(std::string_view name)
{
    std::string out(name);
    if (isLibFileName(name))
        return out;
    const std::size_t slash = name.find_last_of("/\\");
    const std::string_view file = slash == std::string_view::npos ? name : name.substr(slash + 1);
    bool upper = false;
    bool lower = false;
    for (const char c : file) {
        upper = upper || (c >= 'A' && c <= 'Z');
        lower = lower || (c >= 'a' && c <= 'z');
    }
    out += upper && !lower ? ".LIB" : ".lib";
    return out;
}

bool containsLibExtension(std::string_view name)
{
    return upperCase(name).find(".LIB") != std::string::npos;
}

}  // namespace quillon
