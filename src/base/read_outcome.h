// ReadOutcome: how reading one file ended, handed back to the caller that reports it.
#pragma once

#include <string>

#include "base/result.h"

namespace quillon {

/// How the read of a file ended.
enum class ReadEnd {
    Read,      // read whole, or as far as the file allows without an error
    Rejected,  // not a file of the kind asked for; the rejection has been reported
    Failed,    // an open or read error, in `ReadStatus` and `ErrorText`, not yet reported
};

/// The outcome of reading one file. A rejection can follow a read error (headers that run past
/// the end of the file are rejected as damaged): `ReadStatus` keeps its code then.
struct ReadOutcome {
    ReadEnd end = ReadEnd::Read;
    /// `ReadStatus`: 0, or the code of the file error.
    int ReadStatus = 0;
    /// `ErrorText`: the file error's text; empty when none was posted and after a rejection.
    std::string ErrorText;

    [[nodiscard]] bool read() const { return end == ReadEnd::Read; }
    [[nodiscard]] bool rejected() const { return end == ReadEnd::Rejected; }
    [[nodiscard]] bool failed() const { return end == ReadEnd::Failed; }

    /// Records a file error: the read has failed (a later rejection overrides it).
    void post(const Error& error)
    {
        end = ReadEnd::Failed;
        ReadStatus = error.code;
        ErrorText = error.text;
    }
    /// Records that the file was rejected and the rejection reported.
    void reject()
    {
        end = ReadEnd::Rejected;
        ErrorText.clear();
    }
    friend bool operator==(const ReadOutcome&, const ReadOutcome&) = default;
};

}  // namespace quillon
