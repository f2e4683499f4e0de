// Running llvm-readobj and parsing its export listing.
#include "support/readobj_exports.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string_view>

namespace quillon::testing {

namespace {

std::string quoted(const std::string& path)
{
    std::string out(1, '\'');
    for (char c : path) {
        if (c == '\'')
            out += "'\\''";
        else
            out += c;
    }
    out += '\'';
    return out;
}

std::optional<std::string> run(const std::string& command)
{
#ifdef _WIN32
    (void)command;
    return std::nullopt;
#else
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr)
        return std::nullopt;
    std::string output;
    char buffer[65536];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, n);
    const int status = ::pclose(pipe);
    if (status == -1)
        return std::nullopt;
    return output;
#endif
}

/// Runs the tool over `which` files and parses the listing into `result`.
bool listInto(const std::vector<std::string>& files, const std::vector<std::size_t>& which,
              std::vector<std::vector<NamedExport>>& result, std::vector<bool>& listed)
{
    std::map<std::string, std::size_t> index;
    std::string command = readobjProgram() + " --coff-exports";
    for (std::size_t i : which) {
        command += ' ';
        command += quoted(files[i]);
        index[files[i]] = i;
    }
    command += " 2>/dev/null";
    const std::optional<std::string> out = run(command);
    if (!out)
        return false;
    std::vector<NamedExport>* current = nullptr;
    long ordinal = -1;  // the ordinal of the entry being read, -1 before its line
    std::size_t pos = 0;
    while (pos < out->size()) {
        std::size_t end = out->find('\n', pos);
        if (end == std::string::npos)
            end = out->size();
        std::string_view line(out->data() + pos, end - pos);
        pos = end + 1;
        while (!line.empty() && line.front() == ' ')
            line.remove_prefix(1);
        if (line.starts_with("File: ")) {
            const auto it = index.find(std::string(line.substr(6)));
            current = nullptr;
            if (it != index.end()) {
                current = &result[it->second];
                current->clear();
                listed[it->second] = true;
            }
        } else if (line.starts_with("Ordinal: ")) {
            ordinal = static_cast<long>(std::stoul(std::string(line.substr(9))));
        } else if (line.starts_with("Name: ") || line == "Name:") {
            const std::string_view name = line.size() > 6 ? line.substr(6) : std::string_view();
            if (current != nullptr && ordinal >= 0 && !name.empty())
                current->push_back(
                    NamedExport{std::string(name), static_cast<std::uint16_t>(ordinal)});
            ordinal = -1;
        }
    }
    return true;
}

}  // namespace

std::string readobjProgram()
{
    const char* env = std::getenv("QUILLON_READOBJ");
    return env != nullptr && *env != '\0' ? env : "llvm-readobj";
}

bool readobjAvailable()
{
    const std::optional<std::string> out = run(readobjProgram() + " --version 2>/dev/null");
    return out.has_value() && out->find("LLVM") != std::string::npos;
}

std::optional<std::vector<std::vector<NamedExport>>> readobjExports(
    const std::vector<std::string>& files)
{
    if (!readobjAvailable())
        return std::nullopt;
    std::vector<std::vector<NamedExport>> result(files.size());
    std::vector<bool> listed(files.size(), false);
    // One run for many files. The tool stops at a file it cannot parse: that file is run on
    // its own and the run goes on with the files after it.
    std::vector<std::size_t> pending(files.size());
    for (std::size_t i = 0; i < files.size(); ++i)
        pending[i] = i;
    constexpr std::size_t kBatch = 200;
    while (!pending.empty()) {
        std::vector<std::size_t> batch(
            pending.begin(),
            pending.begin() + static_cast<std::ptrdiff_t>(std::min(kBatch, pending.size())));
        if (!listInto(files, batch, result, listed))
            return std::nullopt;
        std::size_t done = 0;
        while (done < batch.size() && listed[batch[done]])
            ++done;
        if (done < batch.size()) {
            if (!listInto(files, {batch[done]}, result, listed))
                return std::nullopt;
            ++done;
        }
        pending.erase(pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(done));
    }
    return result;
}

}  // namespace quillon::testing
