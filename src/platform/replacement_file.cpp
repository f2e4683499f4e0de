// Replacing a file whole: a uniquely named sibling, flushed to disk, renamed over the target.
#include "platform/replacement_file.h"

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <random>
#include <utility>

#include "platform/error_codes.h"
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
/// the reader sees, so it is not reported. (On Windows the rename is written through.)
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

ReplacementFile::ReplacementFile(FileSystem& files, std::string target, File file)
    : m_files(&files), m_target(std::move(target)), m_temporary(file.path()), m_file(std::move(file))
{
}

ReplacementFile::ReplacementFile(ReplacementFile&& other) noexcept
    : m_files(other.m_files),
      m_target(std::move(other.m_target)),
      m_temporary(std::exchange(other.m_temporary, {})),
      m_file(std::move(other.m_file))
{
}

ReplacementFile& ReplacementFile::operator=(ReplacementFile&& other) noexcept
{
    if (this != &other) {
        abandon();
        m_files = other.m_files;
        m_target = std::move(other.m_target);
        m_temporary = std::exchange(other.m_temporary, {});
        m_file = std::move(other.m_file);
    }
    return *this;
}

ReplacementFile::~ReplacementFile()
{
    abandon();
}

Result<ReplacementFile> ReplacementFile::begin(FileSystem& files, const std::string& target)
{
    const std::string replaced = pathText(replacedFile(target));
    // A folder of the target's name is never replaced: nothing is created beside it.
    if (files.isFolder(replaced))
        return errorFromErrno(EACCES);
#ifndef _WIN32
    // A file that no one may write is not replaced, as Windows keeps a read-only file (a rename
    // over it would succeed here, where only the folder's permissions count).
    std::error_code ec;
    const fs::file_status status = fs::status(fs::path(replaced), ec);
    constexpr fs::perms kWrite = fs::perms::owner_write | fs::perms::group_write |
                                 fs::perms::others_write;
    if (!ec && fs::is_regular_file(status) && (status.permissions() & kWrite) == fs::perms::none)
        return errorFromErrno(EACCES);
#endif
    Result<File> file = createSibling(files, replaced);
    if (!file)
        return file.error();
    return ReplacementFile(files, replaced, std::move(*file));
}

Status ReplacementFile::finishWriting()
{
    if (!m_file.isOpen())
        return {};
    Status done = m_file.flush();
    if (Status closed = m_file.close(); done && !closed)
        done = closed;
    if (!done)
        abandon();
    return done;
}

Status ReplacementFile::commit()
{
    if (m_temporary.empty())
        return Error{kFileNotOpen, errorCodeText(kFileNotOpen)};
    if (Status written = finishWriting(); !written)
        return written;
#ifndef _WIN32
    // (On Windows the only permission is the read-only flag, which the new file does not take.)
    std::error_code ec;
    const fs::file_status oldStatus = fs::status(fileSystemPath(m_target), ec);
    if (fs::is_regular_file(oldStatus))
        fs::permissions(fileSystemPath(m_temporary), oldStatus.permissions(), ec);
#endif
    if (Status renamed = m_files->rename(m_temporary, m_target); !renamed) {
        abandon();
        return renamed;
    }
    m_temporary.clear();
    syncFolder(fileSystemPath(m_target).parent_path());
    return {};
}

void ReplacementFile::abandon()
{
    m_file = File();  // closed without writing what is left, so that it can go
    if (!m_temporary.empty() && m_files != nullptr)
        (void)m_files->remove(m_temporary);
    m_temporary.clear();
}

}  // namespace quillon::platform
