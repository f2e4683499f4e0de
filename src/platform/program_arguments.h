// ProgramArguments: the command line as the program's UTF-8 text.
#pragma once

#include <string>
#include <vector>

namespace quillon::platform {

/// The program's arguments, its own name first, as UTF-8. On Windows they are taken from the
/// wide command line, since the `argv` of `main` holds them in the ANSI code page, where a name
/// outside it is lost; elsewhere they are `argv` as given.
class ProgramArguments {
public:
    ProgramArguments(int argc, char** argv);
    ProgramArguments(const ProgramArguments&) = delete;
    ProgramArguments& operator=(const ProgramArguments&) = delete;

    [[nodiscard]] const std::vector<std::string>& list() const { return m_arguments; }
    /// The same as a `main` takes them; valid as long as this object lives.
    [[nodiscard]] int argc() const { return static_cast<int>(m_arguments.size()); }
    [[nodiscard]] char** argv() { return m_pointers.data(); }

private:
    std::vector<std::string> m_arguments;
    std::vector<char*> m_pointers;  // into m_arguments, ending in a null pointer
};

}  // namespace quillon::platform
