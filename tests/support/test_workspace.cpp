// Scratch folders and the test workspace.
#include "support/test_workspace.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <sstream>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace quillon::testing {

namespace {
std::atomic<int> g_folderCounter{0};

long processId()
{
#ifdef _WIN32
    return 0;
#else
    return static_cast<long>(::getpid());
#endif
}
}  // namespace

TempFolder::TempFolder()
{
    const auto base = std::filesystem::temp_directory_path();
    for (;;) {
        m_path = base / ("quillon-test-" + std::to_string(processId()) + "-" +
                         std::to_string(g_folderCounter++));
        std::error_code ec;
        if (std::filesystem::create_directory(m_path, ec))
            break;
    }
}

TempFolder::~TempFolder()
{
    std::error_code ec;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(m_path, ec);
}

std::string TempFolder::file(std::string_view name) const
{
    return (m_path / std::string(name)).string();
}

std::string TempFolder::write(std::string_view name, std::string_view bytes) const
{
    const std::string path = file(name);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

std::string TempFolder::write(std::string_view name, const std::vector<std::byte>& bytes) const
{
    return write(name, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::string TempFolder::read(std::string_view name) const
{
    std::ifstream in(file(name), std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::vector<std::string> TempFolder::names() const
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(m_path))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TestWorkspace::TestWorkspace()
    : settings(folder.file("Quillon32.ini")), ws(ui, files, settings, clock)
{
}

}  // namespace quillon::testing
