// The exit statuses of the command-line program and of the desktop program's silent run.
#pragma once

namespace quillon {

/// How a run of `quillon` (or of `quillon32 ... /s`) ended. Every subcommand ends with one of
/// these; which ones a subcommand uses, and what each means there, is written once in the
/// command-line program's status table (`quillon --help`, each subcommand's `--help`).
/// `compare` ends with a bit set instead: its bits are the Compare values, or-ed over the
/// modules compared.
enum class ExitStatus : int {
    Success = 0,
    /// The subcommand's own "did not work out": a file rejected (exports), a module not located
    /// (locate), nothing matched (query), an entry refused (exceptions).
    Failed = 1,
    Usage = 2,
    /// The input files hold no exported names.
    NoNames = 3,
    /// No input file was found, or no module was located (nothing was written).
    NotFound = 4,
    /// Ctrl+C: the run stopped cleanly and wrote no output file.
    Cancelled = 5,
    /// The output (a LIB file, a text file, standard output, the settings file) could not be
    /// written.
    WriteFailed = 6,
    /// The run did its work over the input files it found, but some named input files were not
    /// found (each is named on stderr).
    SomeNotFound = 7,
    /// The file to work on, or the file to write, is not of the kind its name must show (a LIB
    /// file to update whose name does not end in ".LIB"): nothing was read or written.
    NotLibFile = 8,
    /// The output was written, but modules were kept as they were because their executable
    /// could not be read whole or gave no names.
    ModulesKept = 9,

    CompareError = 1,
    CompareCompatible = 4,
    CompareBreaking = 8,
    /// Ctrl+C stopped the comparison; nothing was printed.
    CompareCancelled = 16,
};

/// The status as the process's exit code.
[[nodiscard]] constexpr int exitCode(ExitStatus status)
{
    return static_cast<int>(status);
}

}  // namespace quillon
