// Writing a file whole: a uniquely named sibling, flushed to disk, renamed over the target.
#include "platform/replace_file.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <random>

#include "platform/file_system.h"
#include "platform/native_path.h"

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace quillon::platform {

namespace fs = std::filesystem;

namespace {

constexpr int kNameAttempts = 16;

/// The file a write of `path` replaces: the target of a symbolic link, else `path` itself.
fs::path replacedFile(const std::string& path)
{
    std::error_code ec;
    const fs::path target = fileSystemPath(path);
    if (!fs::is_symlink(target, ec))
        return target;
    const fs::path resolved = fs::weakly_canonical(target, ec);
    return ec ? target : resolved;
}

std::string uniqueSuffix(std::mt19937_64& random)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::uint64_t bits = random();
    std::string suffix = ".";
    for (int i = 0; i < 12; ++i, bits >>= 4)
        suffix += kDigits[bits & 0xF];
    return suffix + ".tmp";
}

/// Creates a new file beside `target` whose name no one else holds.
Result<File> createSibling(FileSystem& files, const std::string& target)
{
    std::random_device device;
    std::mt19937_64 random(
        (static_cast<std::uint64_t>(device()) << 32) ^ device() ^
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    Error last;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string name = target + uniqueSuffix(random);
        Result<File> file = files.createNew(name);
        if (file || !files.exists(name))
            return file;
        last = file.error();
    }
    return last;
}

/// Makes the rename itself durable where the system allows it; a failure here changes nothing
/// the reader sees, so it is not reported.
void syncFolder([[maybe_unused]] const fs::path& folder)
{
#ifndef _WIN32
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
#endif
}

}  // namespace

Status replaceFile(FileSystem& files, const std::string& path, std::string_view content)
{
    const fs::path target = replacedFile(path);
    const fs::path folder = target.parent_path();
    if (!folder.empty() && !files.exists(pathText(folder))) {
        if (Status made = files.createFolder(pathText(folder)); !made)
            return made;
    }
    std::error_code ec;
    const fs::file_status oldStatus = fs::status(target, ec);

    Result<File> file = createSibling(files, pathText(target));
    if (!file)
        return file.error();
    const std::string temp = file->path();
    const auto fail = [&](const Error& error) -> Status {
        *file = File();  // closed without writing what is left, so that it can go
        (void)files.remove(temp);
        return error;
    };
    if (Status s = file->append(content); !s)
        return fail(s.error());
    if (Status s = file->flush(); !s)
        return fail(s.error());
    if (Status s = file->close(); !s)
        return fail(s.error());
    if (fs::is_regular_file(oldStatus))
        fs::permissions(fileSystemPath(temp), oldStatus.permissions(), ec);
    if (Status s = files.rename(temp, pathText(target)); !s)
        return fail(s.error());
    syncFolder(folder);
    return {};
}

}  // namespace quillon::platform
