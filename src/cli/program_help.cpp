// The program's help text.
#include "cli/program_help.h"

#include "cli/command_table.h"
#include "cli/exit_status_table.h"

namespace quillon::cli {

namespace {

constexpr const char* kHead =
    R"(Clarion Quillon 32 - makes Clarion LIB files from the exports of Windows DLLs.

usage: quillon [--settings DIR] [--quiet] [--interactive] FILE... /s[:OUT.LIB]
       quillon [--settings DIR] [--quiet] COMMAND [OPTIONS] [ARGUMENTS]
       quillon --help | --version

Commands ("quillon COMMAND --help" gives each one's options and exit statuses):
)";

constexpr const char* kBatchFormHelp = R"(
Making a LIB file (the batch form, as "quillon32 FILE... /s" runs it):
  FILE...          DLL, EXE (and other executables), module-definition files
                   (.def) or Clarion LIB files to read: the arguments before /s.
                   The options below may stand anywhere; any other argument
                   starting with "-" is refused.
                   Files after /s are not read (a warning names them). On
                   Windows, as in the desktop program, the input files end at
                   the first argument that contains "/".
  /s               write the LIB file: its name is the first input file's name
                   without its extension, first letter upper case and the rest
                   lower case, with ".lib" (quillsmp.dll and QUILLSMP.DLL give
                   Quillsmp.lib), in the folder of the first input file, or in
                   the current folder when that file was given without one.
  /s:OUT.LIB       write OUT.LIB; a name without folder goes where the default
                   would.

  The run loads every input file it finds (each one not found is named on
  stderr), cleans the library up as the settings ask (remove inconsistent or
  duplicated modules, excluded and duplicate symbols), sorts it by the LIB-file
  sort order of the settings, writes the LIB file (beside an old one, which it
  replaces only when complete) and prints one result message on stderr.

Options:
  --settings DIR   use DIR/Quillon32.ini as the settings file (every command)
  --quiet          print no message on stderr (every command; the exit status
                   still tells the outcome; questions asked with --interactive
                   are still shown)
  --interactive    ask the questions (duplicate modules...) on the terminal
                   instead of taking their default answers, which the run names
  -h, --help       show this text
  --version        show the version

Settings: a run reads Quillon32.ini: the one beside the program when present,
otherwise $XDG_CONFIG_HOME/quillon/Quillon32.ini (~/.config/quillon/), or the
one in the folder named by --settings or by the environment variable
QUILLON_SETTINGS_DIR; the key ProgFolder of [Folders] there may redirect once
to another folder's file.

The batch form, "update" and "cleanup" record what the desktop program records
(LastAddFolder, module names found in files of another name); exports, list,
map, query, compare, locate, update --preview, cleanup --preview, "exclude
list" and "exceptions list" never write the settings file.

Keys of [Options] that steer a run (default in brackets): UseLIBSortOrder [0]
(0 current, 1 symbol names, 2 ordinals, 3 file order), UseBitCheck [0] (2
remove inconsistent modules, 3 also unlocated ones), UseBitCheckDuplicates [0]
(remove duplicated modules), UseExcludeList [0] with UseExcludeGlobalDuplicates
[0] and the symbols of [Excludelist] (ExcludeNum, Symbol<n>, Check<n>, which
"quillon exclude" edits: remove excluded and duplicate symbols), UseNoMessages
[0] (no result message), UseLongAdd [1].

Locating the DLLs behind modules (locate, compare, update, cleanup) reads the
[Folders] keys UsePriorityPath and FirstFolder (a first folder to search;
--priority does the same for one run), UseOnlyPriorityPath, UseOnlySourcePath,
UseOnlyEnvironmentPath, UseRelaxedAutolocate [1], UseVerifyOSAutolocate,
UseAutolocateDeep and UseOnlyDLLAutolocate (all [0] but where given), the pairs
of [Exceptlist], PATH and the Wine prefix ($WINEPREFIX, default ~/.wine).

)";

}  // namespace

std::string programHelp()
{
    std::string out = kHead;
    for (const Command& command : commands()) {
        std::string name(command.name);
        name.resize(13, ' ');
        out += "  " + name + std::string(command.summary) + "\n";
    }
    out += kBatchFormHelp;
    out += exitStatusHelp(kBatchForm);
    return out;
}

}  // namespace quillon::cli
