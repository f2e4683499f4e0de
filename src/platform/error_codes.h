// The posted error codes of the file layer and their texts, one table for the whole program.
#pragma once

#include <string>

namespace quillon::platform {

/// Codes posted by the file layer; the texts users see refer to them.
enum ErrorCode : int {
    kNoError = 0,
    kFileNotFound = 2,
    kPathNotFound = 3,
    kTooManyOpenFiles = 4,
    kAccessDenied = 5,  // also disk full or quota exceeded while writing
    kOutOfMemory = 8,
    kReadPastEnd = 33,
    kFileNotOpen = 37,
    kSystemError = 90,
};

/// The short text posted beside a code; empty for 0.
[[nodiscard]] std::string errorCodeText(int code);

/// Maps an errno value to a posted code; `systemText` receives the system's own text for 90.
[[nodiscard]] int errorCodeFromErrno(int err, std::string* systemText = nullptr);

/// Maps a Windows system error (GetLastError) to a posted code; `systemText` receives the
/// system's own text for 90.
[[nodiscard]] int errorCodeFromWindows(unsigned long err, std::string* systemText = nullptr);

}  // namespace quillon::platform
