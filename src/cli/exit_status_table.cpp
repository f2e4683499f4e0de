// The status table of the command-line program.
#include "cli/exit_status_table.h"

#include <array>

#include "cli/help_text.h"

namespace quillon::cli {

namespace {

using enum ExitStatus;

constexpr std::array kMeanings{
    StatusMeaning{kBatchForm, Success, "the LIB file was written"},
    StatusMeaning{kBatchForm, Usage, "usage error"},
    StatusMeaning{kBatchForm, NoNames, "no exported names in the input files (nothing written)"},
    StatusMeaning{kBatchForm, NotFound, "no input file was found (nothing written)"},
    StatusMeaning{kBatchForm, Cancelled, "cancelled with Ctrl+C (nothing written)"},
    StatusMeaning{kBatchForm, WriteFailed,
                  "writing the LIB file failed (a LIB file that was there is kept)"},
    StatusMeaning{kBatchForm, SomeNotFound,
                  "the LIB file was written, but input files named on stderr were not found"},

    StatusMeaning{"exports", Success, "every file was listed"},
    StatusMeaning{"exports", Failed,
                  "a file was not found, was rejected or could not be read (named on stderr); "
                  "the others are listed"},
    StatusMeaning{"exports", Usage, "usage error"},
    StatusMeaning{"exports", Cancelled, "cancelled with Ctrl+C (nothing printed)"},
    StatusMeaning{"exports", WriteFailed, "standard output could not be written"},

    StatusMeaning{"list", Success, "the list was written"},
    StatusMeaning{"list", Usage,
                  "usage error; also no module of the --module name, or --format=def of "
                  "several modules without --module"},
    StatusMeaning{"list", NoNames, "no exported names in the input files"},
    StatusMeaning{"list", NotFound, "no input file was found"},
    StatusMeaning{"list", Cancelled, "cancelled with Ctrl+C (no OUT is left behind)"},
    StatusMeaning{"list", WriteFailed,
                  "OUT or standard output could not be written (an OUT that was there is kept)"},
    StatusMeaning{"list", SomeNotFound,
                  "the list was written, but input files named on stderr were not found"},

    StatusMeaning{"map", Success, "the MAP was written"},
    StatusMeaning{"map", Usage, "usage error; also no module of the --module name"},
    StatusMeaning{"map", NoNames, "no exported names in the input files"},
    StatusMeaning{"map", NotFound, "no input file was found"},
    StatusMeaning{"map", Cancelled, "cancelled with Ctrl+C (no OUT is left behind)"},
    StatusMeaning{"map", WriteFailed,
                  "OUT or standard output could not be written (an OUT that was there is kept)"},
    StatusMeaning{"map", SomeNotFound,
                  "the MAP was written, but input files named on stderr were not found"},

    StatusMeaning{"locate", Success, "every module was located"},
    StatusMeaning{"locate", Failed, "a module was not located, or a LIB file could not be read"},
    StatusMeaning{"locate", Usage, "usage error"},
    StatusMeaning{"locate", NotFound, "a LIB file named was not found (nothing printed)"},
    StatusMeaning{"locate", Cancelled, "cancelled with Ctrl+C (nothing printed)"},
    StatusMeaning{"locate", WriteFailed, "standard output could not be written"},

    StatusMeaning{"update", Success,
                  "the LIB file was written (with --preview: the changes were listed)"},
    StatusMeaning{"update", Usage, "usage error"},
    StatusMeaning{"update", NoNames, "FILE.LIB holds no import definitions (nothing written)"},
    StatusMeaning{"update", NotFound,
                  "FILE.LIB was not found, or no module was located (nothing written)"},
    StatusMeaning{"update", Cancelled, "cancelled with Ctrl+C (nothing written)"},
    StatusMeaning{"update", WriteFailed,
                  "writing the LIB file or standard output failed (the old LIB file is kept)"},
    StatusMeaning{"update", NotLibFile,
                  "FILE.LIB or OUT.LIB is not named as a LIB file (nothing read or written)"},
    StatusMeaning{"update", ModulesKept,
                  "the LIB file was written, but modules whose DLL could not be read whole or "
                  "gave no names were kept as they were"},

    StatusMeaning{"cleanup", Success,
                  "the LIB file was written, or nothing was to be removed and it was left "
                  "untouched (with --preview: what would go was listed)"},
    StatusMeaning{"cleanup", Usage,
                  "usage error; also no step named while the settings switch no cleanup on, or "
                  "--inconsistent without a bitness"},
    StatusMeaning{"cleanup", NoNames,
                  "FILE.LIB holds no import definitions, or nothing would be left (nothing "
                  "written)"},
    StatusMeaning{"cleanup", NotFound, "FILE.LIB was not found (nothing written)"},
    StatusMeaning{"cleanup", Cancelled, "cancelled with Ctrl+C (nothing written)"},
    StatusMeaning{"cleanup", WriteFailed,
                  "writing the LIB file or standard output failed (the old LIB file is kept)"},
    StatusMeaning{"cleanup", NotLibFile,
                  "FILE.LIB or OUT.LIB is not named as a LIB file (nothing read or written)"},

    StatusMeaning{"exclude", Success, "done; the list is printed"},
    StatusMeaning{"exclude", Failed,
                  "add: the list already holds the 50 entries the settings file keeps; remove: "
                  "the list holds no such symbol (nothing written)"},
    StatusMeaning{"exclude", Usage, "usage error; also a blank symbol name"},
    StatusMeaning{"exclude", Cancelled, "cancelled with Ctrl+C (nothing written)"},
    StatusMeaning{"exclude", WriteFailed, "the settings file or standard output could not be written"},

    StatusMeaning{"exceptions", Success,
                  "done; the list is printed (an import that found nothing new writes nothing)"},
    StatusMeaning{"exceptions", Failed,
                  "the entry was refused, or the list holds no such module (nothing written)"},
    StatusMeaning{"exceptions", Usage, "usage error"},
    StatusMeaning{"exceptions", NotFound,
                  "import: the SYSTEM.INI file was not found (nothing written)"},
    StatusMeaning{"exceptions", Cancelled, "cancelled with Ctrl+C (nothing written)"},
    StatusMeaning{"exceptions", WriteFailed,
                  "the settings file or standard output could not be written"},

    StatusMeaning{"query", Success, "functions were extracted"},
    StatusMeaning{"query", Failed, "nothing matched"},
    StatusMeaning{"query", Usage, "usage error"},
    StatusMeaning{"query", NoNames, "no exported names in the input files"},
    StatusMeaning{"query", NotFound, "no input file was found"},
    StatusMeaning{"query", Cancelled, "cancelled with Ctrl+C (nothing written)"},
    StatusMeaning{"query", WriteFailed,
                  "the --save file or standard output could not be written (a --save file "
                  "that was there is kept)"},
    StatusMeaning{"query", SomeNotFound,
                  "the query ran, but input files named on stderr were not found"},

    StatusMeaning{"compare", Success, "nothing changed"},
    StatusMeaning{"compare", CompareError,
                  "an error: a file not found, a module not located, unreadable input, or the "
                  "output could not be written"},
    StatusMeaning{"compare", Usage, "usage error (never or-ed with other bits)"},
    StatusMeaning{"compare", CompareCompatible,
                  "changes that keep programs linked against the LIB file working (casing, "
                  "functions only on disk, duplicates)"},
    StatusMeaning{"compare", CompareBreaking,
                  "changes that break them (functions missing on disk, ordinals changed, "
                  "renamed functions, another module)"},
    StatusMeaning{"compare", CompareCancelled, "cancelled with Ctrl+C (nothing printed)"},
};

}  // namespace

std::string exitStatusHelp(std::string_view command)
{
    std::string out;
    for (const StatusMeaning& m : kMeanings) {
        if (m.command != command)
            continue;
        if (out.empty())
            out = command == "compare" ? "Exit status (bits, or-ed over the modules compared):\n"
                                       : "Exit status:\n";
        const std::string code = std::to_string(exitCode(m.status));
        out += wrapText("  " + code + std::string(4 - code.size(), ' '), m.meaning, 6);
    }
    return out;
}

bool hasExitStatus(std::string_view command, ExitStatus status)
{
    for (const StatusMeaning& m : kMeanings) {
        if (m.command == command && m.status == status)
            return true;
    }
    return false;
}

}  // namespace quillon::cli
