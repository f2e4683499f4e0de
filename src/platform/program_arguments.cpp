// The command line as UTF-8.
#include "platform/program_arguments.h"

#include "platform/native_path.h"

#ifdef _WIN32
#include <windows.h>

#include <shellapi.h>
#endif

namespace quillon::platform {

ProgramArguments::ProgramArguments(int argc, char** argv)
{
#ifdef _WIN32
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide != nullptr) {
        for (int i = 0; i < count; ++i)
            m_arguments.push_back(pathFromWide(wide[i]));
        LocalFree(wide);
    }
    if (wide == nullptr || count != argc) {
        // The runtime split the line otherwise than the system does: its words count, in the
        // ANSI code page they come in.
        m_arguments.clear();
        for (int i = 0; i < argc; ++i) {
            const int n = MultiByteToWideChar(CP_ACP, 0, argv[i], -1, nullptr, 0);
            std::wstring text(static_cast<std::size_t>(n > 0 ? n : 1), L'\0');
            if (n > 0)
                MultiByteToWideChar(CP_ACP, 0, argv[i], -1, text.data(), n);
            text.resize(text.size() - 1);
            m_arguments.push_back(pathFromWide(text));
        }
    }
#else
    m_arguments.assign(argv, argv + argc);
#endif
    for (std::string& argument : m_arguments)
        m_pointers.push_back(argument.data());
    m_pointers.push_back(nullptr);
}

}  // namespace quillon::platform
