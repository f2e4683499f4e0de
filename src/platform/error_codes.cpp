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

}  // namespace quillon::platform
