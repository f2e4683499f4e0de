// Read-only file mappings over mmap (Linux) and file-mapping views (Windows).
#include "platform/file_mapping.h"

#include <algorithm>
#include <cerrno>
#include <limits>
#include <string>
#include <utility>

#include "platform/error_codes.h"
#include "platform/file_system.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <array>
#include <atomic>
#include <csignal>
#include <mutex>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quillon::platform {

namespace {

Error outOfMemory()
{
    return Error{kOutOfMemory, errorCodeText(kOutOfMemory)};
}

}  // namespace

#ifndef _WIN32

namespace {

// The bus-error guard. A signal handler can reach nothing but process-wide state: the address
// ranges of the live mappings sit in a fixed table of lock-free entries, taken and given back
// by the mappings themselves.
struct GuardedRange {
    std::atomic<std::uintptr_t> begin{0};  // 0: the entry is free
    std::atomic<std::uintptr_t> end{0};
    std::atomic<bool> cut{false};
};

constexpr std::size_t kGuardedRanges = 256;
std::array<GuardedRange, kGuardedRanges> g_ranges;
std::uintptr_t g_pageSize = 4096;
struct sigaction g_previousAction {};
std::once_flag g_guardInstalled;
bool g_guardWorks = false;

/// Puts a page of zeros in place of a mapped page that lies past the end of a file cut short,
/// and marks the mapping; any other bus error goes on to the handler before ours (or ends the
/// process as it would have without us).
void onBusError(int signal, siginfo_t* info, void* context)
{
    const auto address = reinterpret_cast<std::uintptr_t>(info->si_addr);
    for (GuardedRange& range : g_ranges) {
        const std::uintptr_t begin = range.begin.load(std::memory_order_acquire);
        if (begin == 0 || address < begin || address >= range.end.load(std::memory_order_acquire))
            continue;
        void* page = reinterpret_cast<void*>(address & ~(g_pageSize - 1));
        if (::mmap(page, g_pageSize, PROT_READ, MAP_FIXED | MAP_PRIVATE | MAP_ANONYMOUS, -1, 0) !=
            MAP_FAILED) {
            range.cut.store(true, std::memory_order_release);
            return;
        }
        break;
    }
    if ((g_previousAction.sa_flags & SA_SIGINFO) != 0 && g_previousAction.sa_sigaction != nullptr) {
        g_previousAction.sa_sigaction(signal, info, context);
    } else if (g_previousAction.sa_handler != SIG_DFL && g_previousAction.sa_handler != SIG_IGN) {
        g_previousAction.sa_handler(signal);
    } else {
        // Returning repeats the faulting access, which now ends the process as it would have.
        struct sigaction fallback {};
        fallback.sa_handler = SIG_DFL;
        sigemptyset(&fallback.sa_mask);
        ::sigaction(SIGBUS, &fallback, nullptr);
    }
}

void installGuard()
{
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    if (pageSize > 0)
        g_pageSize = static_cast<std::uintptr_t>(pageSize);
    struct sigaction action {};
    action.sa_sigaction = onBusError;
    action.sa_flags = SA_SIGINFO | SA_NODEFER;
    sigemptyset(&action.sa_mask);
    g_guardWorks = ::sigaction(SIGBUS, &action, &g_previousAction) == 0;
}

/// Takes a free entry for [begin, end); -1 when the guard is missing or the table is full.
int guardRange(std::uintptr_t begin, std::uintptr_t end)
{
    std::call_once(g_guardInstalled, installGuard);
    if (!g_guardWorks)
        return -1;
    for (std::size_t i = 0; i < g_ranges.size(); ++i) {
        GuardedRange& range = g_ranges[i];
        std::uintptr_t expected = 0;
        // The entry is claimed with a begin of 1 (matching no mapped address) until its end is
        // set, so the handler never sees a half-written entry.
        if (!range.begin.compare_exchange_strong(expected, 1, std::memory_order_acq_rel))
            continue;
        range.cut.store(false, std::memory_order_relaxed);
        range.end.store(end, std::memory_order_release);
        range.begin.store(begin, std::memory_order_release);
        return static_cast<int>(i);
    }
    return -1;
}

void unguardRange(int slot)
{
    if (slot < 0)
        return;
    GuardedRange& range = g_ranges[static_cast<std::size_t>(slot)];
    range.end.store(0, std::memory_order_release);
    range.begin.store(0, std::memory_order_release);
}

}  // namespace

Result<FileMapping> FileMapping::map(std::FILE* handle, std::uint64_t size)
{
    FileMapping mapping;
    mapping.m_handle = handle;
    if (size == 0)
        return mapping;
    if (size > std::numeric_limits<std::size_t>::max())
        return outOfMemory();
    const auto length = static_cast<std::size_t>(size);
    void* data = ::mmap(nullptr, length, PROT_READ, MAP_PRIVATE, fileno(handle), 0);
    if (data == MAP_FAILED)
        return errorFromErrno(errno);
    mapping.m_data = static_cast<const std::byte*>(data);
    mapping.m_size = length;
    const auto begin = reinterpret_cast<std::uintptr_t>(data);
    mapping.m_slot = guardRange(begin, begin + length);
    if (mapping.m_slot < 0)
        return Error{kSystemError, "The file cannot be mapped safely"};  // unmapped by the destructor
    // The readers walk a file from its start: the system may read ahead.
    ::madvise(data, length, MADV_SEQUENTIAL);
    return mapping;
}

bool FileMapping::cut() const
{
    if (m_size == 0)
        return false;
    if (m_slot >= 0 && g_ranges[static_cast<std::size_t>(m_slot)].cut.load(std::memory_order_acquire))
        return true;
    struct stat now {};
    return ::fstat(fileno(m_handle), &now) == 0 && static_cast<std::uint64_t>(now.st_size) < m_size;
}

void FileMapping::release(std::uint64_t offset, std::uint64_t n) const
{
    if (offset >= m_size)
        return;
    n = std::min<std::uint64_t>(n, m_size - offset);
    // Whole pages inside the range only.
    const auto begin = reinterpret_cast<std::uintptr_t>(m_data) + offset;
    const std::uintptr_t first = (begin + g_pageSize - 1) & ~(g_pageSize - 1);
    const std::uintptr_t last = (begin + n) & ~(g_pageSize - 1);
    if (last > first)
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED);
}

void FileMapping::unmap() noexcept
{
    if (m_data != nullptr)
        ::munmap(const_cast<std::byte*>(m_data), m_size);
    unguardRange(m_slot);
    m_data = nullptr;
    m_size = 0;
    m_slot = -1;
}

#else

Result<FileMapping> FileMapping::map(std::FILE* handle, std::uint64_t size)
{
    FileMapping mapping;
    mapping.m_handle = handle;
    if (size == 0)
        return mapping;
    if (size > std::numeric_limits<std::size_t>::max())
        return outOfMemory();
    const auto file = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(handle)));
    if (file == INVALID_HANDLE_VALUE || GetFileType(file) != FILE_TYPE_DISK)
        return Error{kSystemError, "The file cannot be mapped"};
    // The view covers the size found at opening, not what the file may have grown to since.
    HANDLE object = CreateFileMappingW(file, nullptr, PAGE_READONLY,
                                       static_cast<DWORD>(size >> 32), static_cast<DWORD>(size),
                                       nullptr);
    if (object == nullptr) {
        std::string systemText;
        const int code = errorCodeFromWindows(GetLastError(), &systemText);
        return Error{code, code == kSystemError ? systemText : errorCodeText(code)};
    }
    mapping.m_object = object;
    const void* view = MapViewOfFile(object, FILE_MAP_READ, 0, 0, static_cast<SIZE_T>(size));
    if (view == nullptr) {
        std::string systemText;
        const int code = errorCodeFromWindows(GetLastError(), &systemText);
        return Error{code, code == kSystemError ? systemText : errorCodeText(code)};
    }
    mapping.m_data = static_cast<const std::byte*>(view);
    mapping.m_size = static_cast<std::size_t>(size);
    return mapping;
}

bool FileMapping::cut() const
{
    return false;
}

void FileMapping::release(std::uint64_t offset, std::uint64_t n) const
{
    if (offset >= m_size)
        return;
    n = std::min<std::uint64_t>(n, m_size - offset);
    // Unlocking pages that were never locked takes them out of the working set.
    VirtualUnlock(const_cast<std::byte*>(m_data) + offset, static_cast<SIZE_T>(n));
}

void FileMapping::unmap() noexcept
{
    if (m_data != nullptr)
        UnmapViewOfFile(m_data);
    if (m_object != nullptr)
        CloseHandle(m_object);
    m_data = nullptr;
    m_size = 0;
    m_object = nullptr;
}

#endif

FileMapping::FileMapping(FileMapping&& other) noexcept
    : m_data(std::exchange(other.m_data, nullptr)),
      m_size(std::exchange(other.m_size, 0)),
      m_handle(std::exchange(other.m_handle, nullptr)),
      m_slot(std::exchange(other.m_slot, -1)),
      m_object(std::exchange(other.m_object, nullptr))
{
}

FileMapping& FileMapping::operator=(FileMapping&& other) noexcept
{
    if (this != &other) {
        unmap();
        m_data = std::exchange(other.m_data, nullptr);
        m_size = std::exchange(other.m_size, 0);
        m_handle = std::exchange(other.m_handle, nullptr);
        m_slot = std::exchange(other.m_slot, -1);
        m_object = std::exchange(other.m_object, nullptr);
    }
    return *this;
}

FileMapping::~FileMapping()
{
    unmap();
}

}  // namespace quillon::platform
