// Name preparation for the search.
#include "locate/name_preparation.h"

#include <algorithm>

#include "locate/autolocate_options.h"
#include "locate/path_parts.h"

namespace quillon::locate {

namespace {

struct SplitName {
    std::string base;
    std::string extension;  // with its dot, empty when none
};

SplitName splitAtDot(std::string_view name)
{
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0)
        return {std::string(name), {}};
    if (dot + 1 == name.size())
        return {std::string(name.substr(0, dot)), {}};
    return {std::string(name.substr(0, dot)), std::string(name.substr(dot))};
}

const ExceptEntry* findException(const ExceptQ& exceptions, const std::string& name,
                                 const std::string& base, bool relaxed)
{
    const ExceptEntry* onBase = nullptr;
    for (const ExceptEntry& entry : exceptions.entries) {
        const std::string key = relaxed ? relaxedName(entry.MODULENAME) : entry.MODULENAME;
        const std::string_view trimmed = trimBlanks(key);
        if (trimmed == name)
            return &entry;
        if (onBase == nullptr && entry.MODULENAMESUFFIX.empty() && trimmed == base)
            onBase = &entry;
    }
    return onBase;
}

// The extensions of files the search can accept, with the deep list's extras.
bool executableExtension(std::string_view extension)
{
    constexpr std::string_view kExtensions[] = {".DLL", ".EXE", ".DRV", ".VBX",
                                                ".OCX", ".AX",  ".CPL"};
    return std::find(std::begin(kExtensions), std::end(kExtensions), extension) !=
           std::end(kExtensions);
}

std::vector<std::string> fileNamesOf(const PreparedName& p, const std::string& ownExtension)
{
    std::vector<std::string> names;
    names.reserve(2 * p.extensions.size());
    if (!ownExtension.empty() && !executableExtension(ownExtension)) {
        // "WINDOWS.MEDIA" is the file WINDOWS.MEDIA.DLL far more often than WINDOWS.DLL.
        const std::string whole = p.base + ownExtension;
        names.push_back(whole);
        for (std::size_t i = 1; i < p.extensions.size(); ++i)
            names.push_back(whole + p.extensions[i]);
        for (std::size_t i = 1; i < p.extensions.size(); ++i)
            names.push_back(p.base + p.extensions[i]);
        return names;
    }
    for (const std::string& extension : p.extensions)
        names.push_back(p.base + extension);
    return names;
}

bool usableBase(std::string_view base)
{
    if (base.empty() || base == "." || base == "..")
        return false;
    return std::none_of(base.begin(), base.end(),
                        [](char c) { return c == '/' || c == '\\' || c == '\0'; });
}
}  // namespace

std::string relaxedName(std::string_view name)
{
    std::string out;
    out.reserve(name.size());
    for (const char c : name) {
        if (c != '\'' && c != '"')
            out += c;
    }
    return out;
}

PreparedName prepareName(std::string_view moduleName, bool relaxed, const ExceptQ& exceptions,
                         const DerivedAutolocate& derived)
{
    PreparedName p;
    std::string name = upperAscii(trimBlanks(moduleName));
    if (relaxed)
        name = relaxedName(name);
    p.display = name;

    SplitName split = splitAtDot(name);
    if (const ExceptEntry* entry = findException(exceptions, name, split.base, relaxed)) {
        // A file name with a folder part (in either separator) names the file by its last
        // component.
        std::string_view file = trimBlanks(entry->FILENAME);
        if (const std::size_t slash = file.find_last_of("/\\"); slash != std::string_view::npos)
            file.remove_prefix(slash + 1);
        split = splitAtDot(upperAscii(file));
        p.fromException = true;
    }
    p.base = std::move(split.base);
    p.usable = usableBase(p.base);

    p.extensions = p.fromException ? derived.exceptionExtensions : derived.extensions;
    if (!split.extension.empty()) {
        std::erase(p.extensions, split.extension);
        p.extensions.insert(p.extensions.begin(), split.extension);
    }
    p.fileNames = fileNamesOf(p, split.extension);
    return p;
}

}  // namespace quillon::locate
