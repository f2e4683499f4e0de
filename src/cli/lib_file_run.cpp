// The arguments and messages of the commands that write a LIB file back.
#include "cli/lib_file_run.h"

#include <string_view>
#include <utility>

#include "base/ascii_text.h"
#include "base/text_encoding.h"
#include "platform/native_path.h"
#include "program/command_line.h"

namespace quillon::cli {

void addLibFileArguments(CLI::App& app, LibFileArguments& arguments, const std::string& libFileHelp)
{
    asPath(app.add_option(
               "-o,--output", arguments.output,
               "write OUT.LIB instead of FILE.LIB (a name without folder: beside FILE.LIB)"))
        ->type_name("OUT.LIB");
    asPath(app.add_option("FILE.LIB", arguments.libFile, libFileHelp))->required();
    app.add_option("SWITCH", arguments.silentSwitch,
                   "/s (write FILE.LIB) or /s:OUT.LIB (the same as -o OUT.LIB), as the batch "
                   "form takes it");
}

std::optional<ExitStatus> takeSilentSwitch(const CommandContext& context, LibFileArguments& a)
{
    if (isSilentSwitch(a.libFile) && !a.silentSwitch.empty() && !isSilentSwitch(a.silentSwitch))
        std::swap(a.libFile, a.silentSwitch);
    if (!a.silentSwitch.empty()) {
        if (!isSilentSwitch(a.silentSwitch))
            return context.usageError("name one LIB file (" + a.silentSwitch +
                                      " is neither it nor /s)");
        const std::size_t colon = a.silentSwitch.find(':');
        if (colon != std::string::npos) {
            if (!a.output.empty())
                return context.usageError("give the output file once (/s:OUT.LIB or -o)");
            a.output = platform::nativePath(
                trimBlanks(std::string_view(a.silentSwitch).substr(colon + 1)));
        }
    }
    if (isSilentSwitch(a.libFile))
        return context.usageError("name the LIB file to work on");
    return std::nullopt;
}

bool tellRefusal(const CommandContext& context, const refresh::LibFileResult& result)
{
    switch (result.refusal) {
        case refresh::FileUpdateRefusal::None:
            return false;
        case refresh::FileUpdateRefusal::NotLibFile:
            context.tell(result.libFile +
                         " is not a LIB file (the name does not end in .LIB); nothing was read "
                         "or written");
            break;
        case refresh::FileUpdateRefusal::TargetNotLibName:
            context.tell(result.target + " is not a LIB file name (it must end in .LIB); " +
                         result.libFile + " is unchanged");
            break;
    }
    return true;
}

void tellNotWritten(const CommandContext& context, const refresh::LibFileResult& result)
{
    const std::string& file = result.libFile;
    switch (result.outcome) {
        case BatchOutcome::Saved:
        case BatchOutcome::NotLocated:
            break;
        case BatchOutcome::NoNames:
            context.tell(file + ": no import definitions" +
                         (result.errorText.empty() ? "" : ": " + cp1252ToUtf8(result.errorText)));
            break;
        case BatchOutcome::Cancelled:
            context.tell("cancelled; " + file + " is unchanged");
            break;
        case BatchOutcome::OpenFileError:
        case BatchOutcome::WriteFailed:
            context.tell("writing " + result.target + " failed: " + cp1252ToUtf8(result.errorText) +
                         " (error " + std::to_string(result.code) + ")");
            break;
    }
}

const char* outcomeName(BatchOutcome outcome)
{
    switch (outcome) {
        case BatchOutcome::Saved:
            return "written";
        case BatchOutcome::NoNames:
            return "no import definitions";
        case BatchOutcome::NotLocated:
            return "not written";
        case BatchOutcome::Cancelled:
            return "cancelled";
        case BatchOutcome::OpenFileError:
        case BatchOutcome::WriteFailed:
            return "write failed";
    }
    return "";
}

}  // namespace quillon::cli
