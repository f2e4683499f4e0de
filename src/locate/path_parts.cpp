// Text pieces the search works with.
#include "locate/path_parts.h"

#include "platform/paths.h"

namespace quillon::locate {

std::string upperAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

bool isAbsolutePath(std::string_view path)
{
#ifdef _WIN32
    if (path.size() >= 3 && path[1] == ':' && platform::isPathSeparator(path[2]))
        return true;
    return path.size() >= 2 && platform::isPathSeparator(path[0]) &&
           platform::isPathSeparator(path[1]);
#else
    return !path.empty() && path[0] == '/';
#endif
}

std::vector<std::string> splitPathList(std::string_view value)
{
    std::vector<std::string> folders;
    std::size_t start = 0;
    while (start <= value.size()) {
        std::size_t end = value.find(kPathListSeparator, start);
        if (end == std::string_view::npos)
            end = value.size();
        std::string_view part = trimBlanks(value.substr(start, end - start));
        if (part.size() >= 2 && part.front() == '"' && part.back() == '"')
            part = trimBlanks(part.substr(1, part.size() - 2));
        if (!part.empty())
            folders.emplace_back(part);
        start = end + 1;
    }
    return folders;
}

}  // namespace quillon::locate
