// The captured environment.
#include "platform/environment.h"

#include <cstdlib>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace quillon::platform {

Environment Environment::fromProcess()
{
    Environment env;
#ifdef _WIN32
    char** entries = _environ;
#else
    char** entries = environ;
#endif
    for (; entries != nullptr && *entries != nullptr; ++entries) {
        const std::string_view entry(*entries);
        const std::size_t eq = entry.find('=', 1);  // "=C:=C:\" style names start with '='
        if (eq == std::string_view::npos)
            continue;
        env.set(std::string(entry.substr(0, eq)), std::string(entry.substr(eq + 1)));
    }
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
