// The captured environment.
#include "platform/environment.h"

#include <cstdlib>

#include "platform/native_path.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace quillon::platform {

Environment Environment::fromProcess()
{
    Environment env;
    const auto add = [&env](std::string_view entry) {
        const std::size_t eq = entry.find('=', 1);  // "=C:=C:\" style names start with '='
        if (eq != std::string_view::npos)
            env.set(std::string(entry.substr(0, eq)), std::string(entry.substr(eq + 1)));
    };
#ifdef _WIN32
    // The wide block, so that folders named outside the ANSI code page (in PATH, APPDATA)
    // come through whole.
    wchar_t* block = GetEnvironmentStringsW();
    for (const wchar_t* entry = block; entry != nullptr && *entry != L'\0';) {
        const std::wstring_view wide(entry);
        add(pathFromWide(wide));
        entry += wide.size() + 1;
    }
    if (block != nullptr)
        FreeEnvironmentStringsW(block);
#else
    for (char** entries = environ; entries != nullptr && *entries != nullptr; ++entries)
        add(*entries);
#endif
    return env;
}

std::string Environment::key(std::string_view name)
{
    std::string out(name);
#ifdef _WIN32
    for (char& c : out) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
#endif
    return out;
}

void Environment::set(std::string name, std::string value)
{
    m_values[key(name)] = std::move(value);
}

void Environment::unset(std::string_view name)
{
    const auto it = m_values.find(key(name));
    if (it != m_values.end())
        m_values.erase(it);
}

std::optional<std::string> Environment::get(std::string_view name) const
{
    const auto it = m_values.find(key(name));
    if (it == m_values.end())
        return std::nullopt;
    return it->second;
}

std::string Environment::value(std::string_view name) const
{
    return get(name).value_or(std::string());
}

}  // namespace quillon::platform
