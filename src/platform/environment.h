// Environment: the environment variables an operation may consult, captured once and passed in.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace quillon::platform {

/// A set of environment variables. The logic that depends on the environment takes one of these,
/// so that tests can state exactly what it sees; only `fromProcess` reads the real environment.
class Environment {
public:
    /// The variables of the running process.
    [[nodiscard]] static Environment fromProcess();

    void set(std::string name, std::string value);
    void unset(std::string_view name);
    /// The variable's value, or nullopt when it is not set. Names compare without regard to
    /// letter case on Windows.
    [[nodiscard]] std::optional<std::string> get(std::string_view name) const;
    /// The value, or empty text when the variable is not set.
    [[nodiscard]] std::string value(std::string_view name) const;

private:
    [[nodiscard]] static std::string key(std::string_view name);

    std::map<std::string, std::string, std::less<>> m_values;
};

}  // namespace quillon::platform
