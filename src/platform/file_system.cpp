// The file layer over the C runtime and std::filesystem.
#include "platform/file_system.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/error_codes.h"
#include "platform/native_path.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quillon::platform {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kAppendBufferSize = 256 * 1024;

Error errorFromSystem(const std::error_code& ec)
{
#ifdef _WIN32
    // std::filesystem reports Windows system errors in the system category.
    if (ec.category() == std::system_category()) {
        std::string systemText;
        const int code = errorCodeFromWindows(static_cast<unsigned long>(ec.value()), &systemText);
        return Error{code, code == kSystemError ? ec.message() : errorCodeText(code)};
    }
#endif
    if (ec.category() == std::generic_category() || ec.category() == std::system_category())
        return errorFromErrno(ec.value());
    return Error{kSystemError, ec.message()};
}

/// Why `path` cannot be read as a file: missing (ENOENT) or a folder (EACCES); 0 when neither,
/// and the open's own error tells.
int unopenableReason(const std::string& path)
{
    std::error_code ec;
    const fs::file_status st = fs::status(fileSystemPath(path), ec);
    if (ec || !fs::exists(st))
        return ENOENT;
    if (fs::is_directory(st))
        return EACCES;
    return 0;
}

#ifdef _WIN32
bool seekTo(std::FILE* f, std::uint64_t offset)
{
    return _fseeki64(f, static_cast<__int64>(offset), SEEK_SET) == 0;
}
#endif

bool seekEnd(std::FILE* f)
{
#ifdef _WIN32
    return _fseeki64(f, 0, SEEK_END) == 0;
#else
    return fseeko(f, 0, SEEK_END) == 0;
#endif
}

std::int64_t tell(std::FILE* f)
{
#ifdef _WIN32
    return _ftelli64(f);
#else
    return ftello(f);
#endif
}

int syncToDisk(std::FILE* f)
{
#ifdef _WIN32
    return _commit(_fileno(f));
#else
    return fsync(fileno(f));
#endif
}

}  // namespace

Error errorFromErrno(int err)
{
    std::string systemText;
    const int code = errorCodeFromErrno(err, &systemText);
    return Error{code, code == kSystemError ? systemText : errorCodeText(code)};
}

// ---- File ----

File::File(FileSystem* files, std::FILE* handle, std::string path, std::uint64_t size,
           bool regular)
    : m_files(files), m_handle(handle), m_path(std::move(path)), m_size(size), m_regular(regular)
{
}

File::File(File&& other) noexcept
    : m_files(other.m_files),
      m_handle(other.m_handle),
      m_path(std::move(other.m_path)),
      m_size(other.m_size),
      m_buffer(std::move(other.m_buffer)),
      m_regular(other.m_regular),
      m_mapped(std::exchange(other.m_mapped, false)),
      m_mapping(std::move(other.m_mapping)),
      m_released(other.m_released)
{
    other.m_handle = nullptr;
}

File& File::operator=(File&& other) noexcept
{
    if (this != &other) {
        discard();
        m_files = other.m_files;
        m_handle = other.m_handle;
        m_path = std::move(other.m_path);
        m_size = other.m_size;
        m_buffer = std::move(other.m_buffer);
        m_regular = other.m_regular;
        m_mapped = std::exchange(other.m_mapped, false);
        m_mapping = std::move(other.m_mapping);
        m_released = other.m_released;
        other.m_handle = nullptr;
    }
    return *this;
}

File::~File()
{
    discard();
}

void File::discard()
{
    // The view goes before the file it shows.
    m_mapping = FileMapping();
    m_mapped = false;
    if (m_handle != nullptr) {
        std::fclose(m_handle);
        m_handle = nullptr;
    }
    m_buffer.clear();
}

Result<std::uint64_t> File::size()
{
    if (!isOpen())
        return Error{kFileNotOpen, errorCodeText(kFileNotOpen)};
    return m_size;
}

Result<std::size_t> File::readAt(std::uint64_t offset, std::span<std::byte> out)
{
    if (!isOpen())
        return Error{kFileNotOpen, errorCodeText(kFileNotOpen)};
    if (Error e = m_files->injected(FileOp::Read, m_path); e.code != 0)
        return e;
    if (offset >= m_size)
        return Error{kReadPastEnd, errorCodeText(kReadPastEnd)};
    if (!m_buffer.empty()) {
        if (Status s = writeBuffer(); !s)
            return s.error();
    }
#ifdef _WIN32
    if (!seekTo(m_handle, offset))
        return errorFromErrno(errno);
    const std::size_t n = std::fread(out.data(), 1, out.size(), m_handle);
    if (n < out.size() && std::ferror(m_handle) != 0) {
        std::clearerr(m_handle);
        return errorFromErrno(errno);
    }
    return n;
#else
    // One positioned read per request, past the stream's buffer (appends are flushed to the
    // file as they are written, so the stream holds nothing the file lacks).
    std::size_t done = 0;
    while (done < out.size()) {
        const ssize_t n = ::pread(fileno(m_handle), out.data() + done, out.size() - done,
                                  static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errorFromErrno(errno);
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return done;
#endif
}

Status File::map()
{
    if (!isOpen())
        return Error{kFileNotOpen, errorCodeText(kFileNotOpen)};
    if (m_mapped)
        return {};
    if (Error e = m_files->injected(FileOp::Map, m_path); e.code != 0)
        return e;
    if (!m_regular || !m_buffer.empty())
        return Error{kSystemError, "Only a file opened for reading is mapped"};
    Result<FileMapping> mapping = FileMapping::map(m_handle, m_size);
    if (!mapping)
        return mapping.error();
    m_mapping = std::move(*mapping);
    m_mapped = true;
    m_released = 0;
    return {};
}

Result<std::span<const std::byte>> File::viewAt(std::uint64_t offset, std::uint64_t n)
{
    if (!isOpen() || !m_mapped)
        return Error{kFileNotOpen, errorCodeText(kFileNotOpen)};
    if (Error e = m_files->injected(FileOp::Read, m_path); e.code != 0)
        return e;
    const std::span<const std::byte> all = m_mapping.bytes();
    if (offset > all.size() || n > all.size() - offset || (n == 0 && offset >= all.size()))
        return Error{kReadPastEnd, errorCodeText(kReadPastEnd)};
    return all.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(n));
}

Status File::checkMapped() const
{
    if (m_mapped && m_mapping.cut())
        return Error{kReadPastEnd, errorCodeText(kReadPastEnd)};
    return {};
}

void File::releaseMappedBefore(std::uint64_t offset)
{
    if (!m_mapped || offset <= m_released)
        return;
    m_mapping.release(m_released, offset - m_released);
    m_released = offset;
}

Status File::readExactAt(std::uint64_t offset, std::span<std::byte> out)
{
    const Result<std::size_t> n = readAt(offset, out);
    if (!n)
        return n.error();
    if (*n < out.size())
        return Error{kReadPastEnd, errorCodeText(kReadPastEnd)};
    return {};
}

Status File::append(std::span<const std::byte> data)
{
    if (!isOpen())
        return Error{kFileNotOpen, errorCodeText(kFileNotOpen)};
    if (Error e = m_files->injected(FileOp::Write, m_path); e.code != 0)
        return e;
    if (m_buffer.empty() && data.size() >= kAppendBufferSize) {
        // A large block goes to the file as it stands, not through the buffer.
        if (Status s = writeBytes(data); !s)
            return s;
        m_size += data.size();
        return {};
    }
    m_buffer.insert(m_buffer.end(), data.begin(), data.end());
    m_size += data.size();
    if (m_buffer.size() >= kAppendBufferSize)
        return writeBuffer();
    return {};
}

Status File::append(std::string_view data)
{
    return append(std::as_bytes(std::span(data.data(), data.size())));
}

Status File::writeBuffer()
{
    if (m_buffer.empty())
        return {};
    if (Status s = writeBytes(m_buffer); !s)
        return s;
    m_buffer.clear();
    return {};
}

Status File::writeBytes(std::span<const std::byte> data)
{
    if (!seekEnd(m_handle))
        return errorFromErrno(errno);
    const std::size_t n = std::fwrite(data.data(), 1, data.size(), m_handle);
    if (n != data.size() || std::fflush(m_handle) != 0) {
        const int err = errno != 0 ? errno : ENOSPC;
        std::clearerr(m_handle);
        return errorFromErrno(err);
    }
    return {};
}

Status File::flush()
{
    if (!isOpen())
        return Error{kFileNotOpen, errorCodeText(kFileNotOpen)};
    if (Error e = m_files->injected(FileOp::Flush, m_path); e.code != 0)
        return e;
    if (Status s = writeBuffer(); !s)
        return s;
    if (syncToDisk(m_handle) != 0)
        return errorFromErrno(errno);
    return {};
}

Status File::close()
{
    if (!isOpen())
        return Error{kFileNotOpen, errorCodeText(kFileNotOpen)};
    m_mapping = FileMapping();
    m_mapped = false;
    Status written = writeBuffer();
    Error injectedError = m_files->injected(FileOp::Close, m_path);
    const int rc = std::fclose(m_handle);
    const int err = errno;
    m_handle = nullptr;
    m_buffer.clear();
    if (!written)
        return written;
    if (injectedError.code != 0)
        return injectedError;
    if (rc != 0)
        return errorFromErrno(err);
    return {};
}

// ---- FileSystem ----

Error FileSystem::injected(FileOp op, const std::string& path) const
{
    if (!m_faultHook)
        return {};
    const int code = m_faultHook(op, path);
    if (code == 0)
        return {};
    return Error{code, errorCodeText(code)};
}

Result<File> FileSystem::openRead(const std::string& path)
{
    if (Error e = injected(FileOp::Open, path); e.code != 0)
        return e;
#ifdef _WIN32
    if (const int why = unopenableReason(path); why != 0)
        return errorFromErrno(why);
    errno = 0;
    // Others may read the file while it is open, but not change it.
    std::FILE* handle = _wfsopen(widePath(path).c_str(), L"rb", _SH_DENYWR);
    if (handle == nullptr)
        return errorFromErrno(errno != 0 ? errno : ENOENT);
#else
    // Opened first and asked afterwards: one status call for the file that is there; the reason
    // is looked for only when the open fails.
    errno = 0;
    std::FILE* handle = std::fopen(path.c_str(), "rb");
    if (handle == nullptr) {
        const int err = errno != 0 ? errno : ENOENT;
        const int why = unopenableReason(path);
        return errorFromErrno(why != 0 ? why : err);
    }
    struct stat opened {};
    if (::fstat(fileno(handle), &opened) != 0) {
        const int err = errno;
        std::fclose(handle);
        return errorFromErrno(err);
    }
    if (S_ISDIR(opened.st_mode)) {
        std::fclose(handle);
        return errorFromErrno(EACCES);
    }
    if (S_ISREG(opened.st_mode))
        return File(this, handle, path, static_cast<std::uint64_t>(opened.st_size), true);
#endif
    if (!seekEnd(handle)) {
        const int err = errno;
        std::fclose(handle);
        return errorFromErrno(err);
    }
    const std::int64_t size = tell(handle);
    if (size < 0) {
        const int err = errno;
        std::fclose(handle);
        return errorFromErrno(err);
    }
#ifdef _WIN32
    // The mapping itself tells a file on disk from a device.
    return File(this, handle, path, static_cast<std::uint64_t>(size), true);
#else
    return File(this, handle, path, static_cast<std::uint64_t>(size), false);
#endif
}

Result<File> FileSystem::create(const std::string& path)
{
    if (Error e = injected(FileOp::Create, path); e.code != 0)
        return e;
    std::error_code ec;
    if (fs::is_directory(fileSystemPath(path), ec))
        return errorFromErrno(EACCES);
    errno = 0;
#ifdef _WIN32
    std::FILE* handle = _wfsopen(widePath(path).c_str(), L"w+b", _SH_DENYWR);
#else
    std::FILE* handle = std::fopen(path.c_str(), "w+b");
#endif
    if (handle == nullptr)
        return errorFromErrno(errno != 0 ? errno : EACCES);
    return File(this, handle, path, 0, false);
}

Result<File> FileSystem::createNew(const std::string& path)
{
    if (Error e = injected(FileOp::Create, path); e.code != 0)
        return e;
    errno = 0;
#ifdef _WIN32
    std::FILE* handle = nullptr;
    const int fd = _wsopen(widePath(path).c_str(), _O_CREAT | _O_EXCL | _O_RDWR | _O_BINARY, _SH_DENYWR,
                          _S_IREAD | _S_IWRITE);
    if (fd >= 0 && (handle = _fdopen(fd, "w+b")) == nullptr)
        _close(fd);
#else
    // "x": the open fails when the name exists, checked and created in one step.
    std::FILE* handle = std::fopen(path.c_str(), "w+bx");
#endif
    if (handle == nullptr)
        return errorFromErrno(errno != 0 ? errno : EACCES);
    return File(this, handle, path, 0, false);
}

Result<std::vector<std::byte>> FileSystem::readWholeFile(const std::string& path)
{
    Result<File> file = openRead(path);
    if (!file)
        return file.error();
    const std::uint64_t size = *file->size();
    std::vector<std::byte> bytes;
    try {
        bytes.resize(static_cast<std::size_t>(size));
    } catch (const std::bad_alloc&) {
        return Error{kOutOfMemory, errorCodeText(kOutOfMemory)};
    }
    if (size > 0) {
        if (Status s = file->readExactAt(0, bytes); !s)
            return s.error();
    }
    if (Status s = file->close(); !s)
        return s.error();
    return bytes;
}

bool FileSystem::exists(const std::string& path) const
{
    std::error_code ec;
    return !path.empty() && fs::exists(fileSystemPath(path), ec);
}

bool FileSystem::isFolder(const std::string& path) const
{
    std::error_code ec;
    return !path.empty() && fs::is_directory(fileSystemPath(path), ec);
}

bool FileSystem::isFile(const std::string& path) const
{
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(fileSystemPath(path), ec);
}

Status FileSystem::rename(const std::string& from, const std::string& to)
{
    if (Error e = injected(FileOp::Rename, from); e.code != 0)
        return e;
#ifdef _WIN32
    // One move that replaces the target, written through to the disk before it returns.
    if (MoveFileExW(widePath(from).c_str(), widePath(to).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0) {
        std::string systemText;
        const int code = errorCodeFromWindows(GetLastError(), &systemText);
        return Error{code, code == kSystemError ? systemText : errorCodeText(code)};
    }
#else
    std::error_code ec;
    fs::rename(fileSystemPath(from), fileSystemPath(to), ec);
    if (ec)
        return errorFromSystem(ec);
#endif
    return {};
}

Status FileSystem::remove(const std::string& path)
{
    if (Error e = injected(FileOp::Remove, path); e.code != 0)
        return e;
    std::error_code ec;
    if (!fs::remove(fileSystemPath(path), ec)) {
        if (ec)
            return errorFromSystem(ec);
        return errorFromErrno(ENOENT);
    }
    return {};
}

Result<std::vector<FolderEntry>> FileSystem::listFolder(const std::string& path)
{
    if (Error e = injected(FileOp::List, path); e.code != 0)
        return e;
    std::error_code ec;
    fs::directory_iterator it(fileSystemPath(path), ec);
    if (ec)
        return errorFromSystem(ec);
    std::vector<FolderEntry> entries;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code typeError;
        entries.push_back(
            FolderEntry{pathText(it->path().filename()), it->is_directory(typeError)});
    }
    if (ec)
        return errorFromSystem(ec);
    return entries;
}

Status FileSystem::createFolder(const std::string& path)
{
    if (Error e = injected(FileOp::MakeFolder, path); e.code != 0)
        return e;
    std::error_code ec;
    fs::create_directories(fileSystemPath(path), ec);
    if (ec)
        return errorFromSystem(ec);
    return {};
}

std::string FileSystem::fullPath(const std::string& path) const
{
    if (path.empty())
        return {};
    std::error_code ec;
    const fs::path absolute = fs::absolute(fileSystemPath(path), ec);
    if (ec)
        return path;
    return pathText(absolute.lexically_normal());
}

std::string FileSystem::currentFolder() const
{
    std::error_code ec;
    return pathText(fs::current_path(ec));
}

}  // namespace quillon::platform
