// The silent LIB-file run of the command-line program.
#include "cli/batch_command.h"

#include <csignal>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_session.h"
#include "core/ui/terminal_ui.h"
#include "program/command_line.h"
#include "program/command_line_save.h"
#include "program/session.h"

namespace quillon::cli {

const char* const kProgramHelp =
    R"(Clarion Quillon 32 - makes Clarion LIB files from the exports of Windows DLLs.

usage: quillon [OPTIONS] FILE... /s[:TARGET.LIB]
       quillon exports [--json] [--all] [--undecorate] FILE...
       quillon list [--module=NAME] [--format=text|def|json] [--undecorate] [-o OUT] FILE...
       quillon map [--module=NAME] [--prototypes] [-o OUT] FILE...
       quillon locate [--verify] [--deep] [--dll-only] [--exact] [--priority=FOLDER]
                      (FILE.LIB | MODULE)...
       quillon update [/s[:OUT.LIB] | -o OUT.LIB] [--preview] [--json] [--quiet] FILE.LIB
       quillon exceptions [--json] [list | add MODULE FILE | remove MODULE]
       quillon query [--match=contains|begins|ends|whole] [--case] [--accumulate]
                     [--save=OUT.LIB] [--json] [--] KEYWORDS FILE...
       quillon compare [--module=NAME] [--match-case|--ignore-case] [--ignore-ordinals]
                       [--partial] [--all] [--json] LIB [DISKFILE]

Making a LIB file:
  FILE...          DLL, EXE (and other executables), module-definition files (.def)
                   or Clarion LIB files to read. The input files end at the first
                   switch ("/s", "/s:...", or anything starting with "-").
  /s               write the LIB file: its name is the first input file's name with
                   ".lib" (A.DLL gives A.lib), in the folder of the first file, or in
                   the current folder when that file was given without one.
  /s:TARGET        write TARGET; a name without folder goes where the default would.

  The run loads every file, cleans the library up as the settings ask (remove
  inconsistent or duplicated modules, excluded and duplicate symbols), sorts it by
  the LIB-file sort order of the settings, writes the LIB file and prints one result
  message on stderr.

Updating a LIB file (quillon update):
  Loads FILE.LIB, locates the DLL/EXE file behind every module (the settings'
  folders, PATH and the Wine prefix, as quillon locate does), reloads each located
  module from it and the others from FILE.LIB, prints the count line and writes
  FILE.LIB again (or OUT.LIB) with the cleanup and sort order of the settings. The
  old file stays whole until the new one is complete and takes its place. Exit
  status 0 when written, 4 when no module was located (the file is left
  untouched), otherwise as below. With --preview (or --dry-run) it writes nothing and lists what the
  update would change: module, function, ordinal and change, one row a line.

Listing a library (quillon list):
  Loads the files as a LIB-file run does (without the cleanups) and writes to
  standard output or OUT: --format=text (default) the export list exactly as the
  window's "Export to text" writes ExportList.txt (Windows-1252, CR LF);
  --format=def a module-definition file (LIBRARY, EXPORTS name @ordinal) of one
  module, which --module names when the library holds several; --format=json the
  modules with their symbols and ordinals. --module=NAME limits text and json to
  one module. Exit status as below; 6 when OUT cannot be written.

Clarion prototypes (quillon map):
  Loads the files as "quillon list" does and writes a MAP include of the library's
  functions (or of --module's): MODULE('file') ... END per module, one prototype per
  function with NAME('exported name'). Parameters and calling convention come from
  decorated names (C++ names, _Name@N); a function whose name tells too little is
  written as a comment line with a note. --prototypes writes the lines alone.
  Exit status as for quillon list.

Extracting functions (quillon query):
  KEYWORDS         one argument: keywords separated by blanks, commas or semicolons;
                   a name matching any keyword is taken, +WORD must also be in it,
                   -WORD must not (put "--" before a KEYWORDS that starts with "-").
                   At most 10 keywords. --match says how a keyword matches a name
                   (default contains), --case makes letter case count. The functions
                   with an ordinal are printed as "quillon exports" prints rows, in
                   module order; --save writes them as a LIB file, and --accumulate
                   keeps what that file held, adding only new functions. Exit status
                   0 something extracted, 1 nothing matched, else as below.

Comparing with the files on disk (quillon compare):
  Checks each module of LIB against DISKFILE, or against the DLL located for it,
  and prints the changed functions; its exit status is a bit set: 1 error, 2 usage,
  4 compatible changes, 8 breaking changes ("quillon compare --help").

Exceptions list (quillon exceptions):
  Lists, adds or removes the module-to-file entries of [Exceptlist] that locating
  uses for modules whose file has another name.

Options:
  --settings DIR   use DIR/Quillon32.ini as the settings file
  --interactive    ask the questions (duplicate modules...) on the terminal instead
                   of taking their default answers
  --quiet          print no message (the exit status still tells the outcome)
  -h, --help       show this text
  --version        show the version

Settings: the run reads Quillon32.ini: the one beside the program when present,
otherwise $XDG_CONFIG_HOME/quillon/Quillon32.ini (~/.config/quillon/), or the folder
named by --settings or by the environment variable QUILLON_SETTINGS_DIR; the key
ProgFolder of [Folders] may redirect once. Keys of [Options] that steer a run:
UseLIBSortOrder (0 current, 1 symbol names, 2 ordinals, 3 file order),
UseBitCheck (2 remove inconsistent modules, 3 also unlocated ones),
UseBitCheckDuplicates (remove duplicated modules), UseExcludeList with
UseExcludeGlobalDuplicates and [Excludelist] (remove excluded and duplicate
symbols), UseNoMessages (no result message), UseLongAdd. Locating the DLLs behind
modules reads the [Folders] autolocate keys, PATH and the Wine prefix
($WINEPREFIX, default ~/.wine).

Exit status: 0 the LIB file was written; 2 usage error; 3 no exported names found;
4 input files not located; 5 cancelled (Ctrl+C); 6 writing the LIB file failed.
)";

namespace {

volatile std::sig_atomic_t g_interrupted = 0;  // set by the interrupt handler only

extern "C" void onInterrupt(int)
{
    g_interrupted = 1;
}

}  // namespace

int runBatchCommand(int argc, char** argv)
{
    bool interactive = false;
    bool quiet = false;
    std::string settingsDir;
    std::vector<std::string> parameters;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kProgramHelp, stdout);
            return 0;
        }
        if (arg == "--version") {
            std::fputs("quillon (Clarion Quillon 32) " QUILLON_VERSION "\n", stdout);
            return 0;
        }
        if (arg == "--interactive") {
            interactive = true;
        } else if (arg == "--quiet") {
            quiet = true;
        } else if (arg == "--settings" && i + 1 < argc) {
            settingsDir = argv[++i];
        } else if (arg.rfind("--settings=", 0) == 0) {
            settingsDir = std::string(arg.substr(11));
        } else if (arg.size() > 1 && arg.front() == '-' && arg.rfind("--", 0) == 0) {
            std::fprintf(stderr, "quillon: unknown option %s (see --help)\n", argv[i]);
            return 2;
        } else {
            parameters.emplace_back(arg);
        }
    }
    CommandLine line = parseCommandLine(parameters, platformSwitchRule());
    if (line.inputFiles.empty()) {
        std::fputs("quillon: no input file (see --help)\n", stderr);
        return 2;
    }
    if (!line.silent) {
        std::fputs("quillon: add /s or /s:TARGET.LIB to write a LIB file (see --help)\n", stderr);
        return 2;
    }

    std::signal(SIGINT, onInterrupt);
    ui::TerminalUi ui(g_interrupted, interactive, quiet);
    const std::unique_ptr<Session> session = openCommandSession(ui, settingsDir);
    Workspace& ws = session->workspace();

    LoaderHooks hooks;
    hooks.fileStarted = [&ui](std::size_t position, std::size_t count, const std::string& path) {
        ui.fileProgress(position, count, path);
    };
    BatchResult result;
    (void)processCommandLine(ws, line, hooks, &result, ResultForm::Terminal);
    ui.progressEnd();
    return batchExitCode(result);
}

}  // namespace quillon::cli
