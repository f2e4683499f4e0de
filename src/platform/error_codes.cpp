// Maps operating-system errors onto the posted codes and gives each code its text.
#include "platform/error_codes.h"

#include <cerrno>
#include <cstring>

namespace quillon::platform {

std::string errorCodeText(int code)
{
    switch (code) {
    case kNoError: return {};
    case kFileNotFound: return "File not found";
    case kPathNotFound: return "Path not found";
    case kTooManyOpenFiles: return "Too many open files";
    case kAccessDenied: return "Access denied";
    case kOutOfMemory: return "Insufficient memory";
    case kReadPastEnd: return "Read past end of file";
    case kFileNotOpen: return "File not open";
    default: return "System error";
    }
}

int errorCodeFromErrno(int err, std::string* systemText)
{
    switch (err) {
    case 0: return kNoError;
    case ENOENT: return kFileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP: return kPathNotFound;
    case EMFILE:
    case ENFILE: return kTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EISDIR:
    case EEXIST: return kAccessDenied;
    case ENOMEM: return kOutOfMemory;
    case EBADF: return kFileNotOpen;
    default:
        if (systemText != nullptr)
            *systemText = std::strerror(err);
        return kSystemError;
    }
}

int errorCodeFromWindows(unsigned long err, std::string* systemText)
{
    // The Windows codes of the cases the posted codes name; the rest keep the system's text.
    switch (err) {
    case 0: return kNoError;
    case 2: return kFileNotFound;     // ERROR_FILE_NOT_FOUND
    case 3:                           // ERROR_PATH_NOT_FOUND
    case 123:                         // ERROR_INVALID_NAME
    case 161:                         // ERROR_BAD_PATHNAME
    case 206: return kPathNotFound;   // ERROR_FILENAME_EXCED_RANGE
    case 4: return kTooManyOpenFiles; // ERROR_TOO_MANY_OPEN_FILES
    case 5:                           // ERROR_ACCESS_DENIED
    case 19:                          // ERROR_WRITE_PROTECT
    case 32:                          // ERROR_SHARING_VIOLATION
    case 33:                          // ERROR_LOCK_VIOLATION
    case 39:                          // ERROR_HANDLE_DISK_FULL
    case 112:                         // ERROR_DISK_FULL
    case 1295: return kAccessDenied;  // ERROR_DISK_QUOTA_EXCEEDED
    case 8:                           // ERROR_NOT_ENOUGH_MEMORY
    case 14: return kOutOfMemory;     // ERROR_OUTOFMEMORY
    case 38: return kReadPastEnd;     // ERROR_HANDLE_EOF
    case 6: return kFileNotOpen;      // ERROR_INVALID_HANDLE
    default:
        if (systemText != nullptr)
            *systemText = "System error " + std::to_string(err);
        return kSystemError;
    }
}

}  // namespace quillon::platform
