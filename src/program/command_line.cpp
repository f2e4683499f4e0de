// Parsing the command line and naming the target LIB file.
#include "program/command_line.h"

#include <algorithm>

#include "core/exclude_list.h"
#include "platform/native_path.h"
#include "platform/path_spelling.h"
#include "platform/paths.h"

namespace quillon {

namespace {

std::string withoutTrailingWhitespace(std::string_view s)
{
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return std::string(s);
}

bool isSwitch(std::string_view parameter, SwitchRule rule)
{
    if (rule == SwitchRule::Windows)
        return parameter.find('/') != std::string_view::npos;
    return isSilentSwitch(parameter) || (!parameter.empty() && parameter.front() == '-');
}

char lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

char upper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

SwitchRule platformSwitchRule()
{
#ifdef _WIN32
    return SwitchRule::Windows;
#else
    return SwitchRule::Posix;
#endif
}

bool isSilentSwitch(std::string_view parameter)
{
    if (parameter.size() < 2 || parameter[0] != '/' || (parameter[1] != 's' && parameter[1] != 'S'))
        return false;
    return parameter.size() == 2 || parameter[2] == ':';
}

std::string CommandLine::shownText(std::size_t maxInputs) const
{
    // The input files are the leading parameters.
    const std::size_t inputs = std::min(inputFiles.size(), parameters.size());
    const bool shortened = maxInputs > 0 && inputs > maxInputs;
    std::string text;
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        if (shortened && i >= maxInputs && i < inputs) {
            if (i == maxInputs)
                text += " ... and " + std::to_string(inputs - maxInputs) + " more";
            continue;
        }
        if (!text.empty())
            text.push_back(' ');
        // The parameters as paths are shown; the count of those left out stays as it is.
        text += platform::shownPath(parameters[i]);
    }
    return withoutTrailingWhitespace(text);
}

CommandLine parseCommandLine(std::vector<std::string> parameters, SwitchRule rule)
{
    CommandLine line;
    line.parameters = std::move(parameters);
    bool inputsEnded = false;
    for (const std::string& parameter : line.parameters) {
        const std::string trimmed = withoutTrailingWhitespace(parameter);
        if (!inputsEnded) {
            if (trimmed.empty() || isSwitch(trimmed, rule))
                inputsEnded = true;
            else
                line.inputFiles.push_back(platform::nativePath(trimmed));
        }
        if (!line.silent && isSilentSwitch(trimmed)) {
            line.silent = true;
            const std::size_t colon = trimmed.find(':');
            if (colon != std::string::npos) {
                std::string_view rest = std::string_view(trimmed).substr(colon + 1);
                while (!rest.empty() && rest.front() == ' ')
                    rest.remove_prefix(1);
                line.target = platform::nativePath(rest);
            }
        }
    }
    return line;
}

bool hasFolder(std::string_view path)
{
    if (platform::containsPathSeparator(path))
        return true;
#ifdef _WIN32
    return path.size() >= 2 && path[1] == ':';
#else
    return false;
#endif
}

std::string libNameFromFile(std::string_view fileName)
{
    std::string name = platform::fileNameOf(fileName);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos)
        name.erase(dot);
    for (std::size_t i = 0; i < name.size(); ++i)
        name[i] = i == 0 ? upper(name[i]) : lower(name[i]);
    return name + ".lib";
}

std::string silentTarget(const CommandLine& line, std::string_view currentFolder)
{
    const std::string first =
        line.parameters.empty()
            ? std::string()
            : platform::nativePath(withoutTrailingWhitespace(line.parameters[0]));
    std::string folder = hasFolder(first) ? platform::folderOf(first) : std::string(currentFolder);
    std::string target;
    if (line.target && !withoutTrailingWhitespace(*line.target).empty())
        target = withoutTrailingWhitespace(*line.target);
    else if (!line.inputFiles.empty())
        target = libNameFromFile(line.inputFiles.front());
    if (target.empty())
        return {};
    if (hasFolder(target))
        return target;
    return platform::joinPath(folder, target);
}

}  // namespace quillon
