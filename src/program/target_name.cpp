// The target name rules of the "&New..." and "&Rename..." dialog.
#include "program/target_name.h"

#include "base/lib_file_name.h"
#include "base/text_encoding.h"
#include "locate/search_places.h"
#include "platform/environment.h"

namespace quillon {

namespace {

constexpr char kSeparator = '/';

std::string trimmed(std::string_view text)
{
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    return std::string(text);
}

bool isSeparator(char c)
{
    return c == '/' || c == '\\';
}

// A name the path rules accept: no control characters, none of the characters Windows file
// names cannot hold, a drive colon only in second place, and a file part after the folder.
bool validName(std::string_view name)
{
    if (name.empty() || isSeparator(name.back()))
        return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (c < 0x20 || c == '<' || c == '>' || c == '"' || c == '|' || c == '?' || c == '*')
            return false;
        if (c == ':' && i != 1)
            return false;
    }
    const std::size_t slash = name.find_last_of("/\\");
    const std::string_view file = slash == std::string_view::npos ? name : name.substr(slash + 1);
    return !file.empty() && file != "." && file != "..";
}

std::string joinPath(std::string_view folder, std::string_view file)
{
    std::string out(folder);
    if (!out.empty() && !isSeparator(out.back()))
        out += kSeparator;
    out += file;
    return out;
}

std::string fileOf(std::string_view path)
{
    const std::size_t slash = path.find_last_of("/\\");
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

ui::MessageBox folderQuestion(const std::string& folder)
{
    ui::MessageBox box;
    box.title = "CLARION QUILLON 32 - Folder does no exist!";
    box.icon = ui::MessageIcon::Program;
    box.text =
        "    The entered folder does not exist!|    Folder: " + folder +
        "|    Do you want to create it?|"
        "|    (Press \"Present\" to use present folder, or \"Default\" to use default folder).";
    box.buttons = "&Yes|&Present|&Default|&Cancel";
    box.defaultButton = 1;
    return box;
}

ui::MessageBox folderNotCreated(const std::string& folder, int code)
{
    ui::MessageBox box;
    box.title = "CLARION QUILLON 32 - Folder NOT created!";
    box.icon = ui::MessageIcon::Hand;
    box.text = "    Error creating folder!" + std::string(50, kNonBreakingSpace) +
               "|    Folder: " + folder +
               "|    [Returned Windows API error code: " + std::to_string(code) + "]";
    return box;
}

}  // namespace

void setTargetAfterOpen(Workspace& ws, const std::string& file)
{
    if (isLibFileName(file))
        ws.library.LibraryFileName = file;
    ws.library.LibraryChanged = false;
}

std::string folderPart(std::string_view path)
{
    const std::size_t slash = path.find_last_of("/\\");
    if (slash == std::string_view::npos)
        return {};
    if (slash == 0)
        return std::string(1, path[0]);
    return std::string(path.substr(0, slash));
}

std::string defaultTargetFolder(const Workspace& ws, std::string_view startupFolder)
{
    const Options& o = ws.options;
    if (o.UseSameAddSave) {
        locate::LocateEnvironment env =
            locate::locateEnvironment(ws.files(), platform::Environment::fromProcess());
        env.startupFolder = std::string(startupFolder);
        std::string source = locate::defaultSourceFolder(ws, env);
        if (!trimmed(source).empty())
            return source;
    }
    std::string folder;
    switch (o.OptionSaveFolder) {
        case TargetFolderChoice::SystemDefault:
            folder = std::string(startupFolder);
            break;
        case TargetFolderChoice::LastUsed:
            folder = o.LastSaveFolder;
            break;
        case TargetFolderChoice::Fixed:
            folder = o.SaveFolder;
            break;
        case TargetFolderChoice::ClarionLib:
            folder = o.LIBFolder;
            break;
    }
    if (trimmed(folder).empty())
        folder = ws.files().currentFolder();
    return folder;
}

TargetNameOutcome resolveTargetName(Workspace& ws, const TargetNameInput& input)
{
    std::string name = trimmed(input.typed);
    if (!validName(name)) {
        ws.ui().status(1, "Not a valid name!");
        return {};
    }
    name = withLibExtension(name);

    std::string presentFolder = folderPart(trimmed(input.presentName));
    if (presentFolder.empty())
        presentFolder = input.defaultFolder;
    const bool absolute = isSeparator(name.front()) || (name.size() > 1 && name[1] == ':');
    if (!absolute) {
        if (folderPart(name).empty())
            name = joinPath(input.keepPresentFolder ? presentFolder : input.defaultFolder, name);
        else
            name = joinPath(input.defaultFolder, name);
    }

    const std::string folder = folderPart(name);
    if (!folder.empty() && !ws.files().isFolder(folder)) {
        switch (ws.ui().message(folderQuestion(folder))) {
            case 1:
                if (const Status made = ws.files().createFolder(folder); !made) {
                    (void)ws.ui().message(folderNotCreated(folder, made.error().code));
                    return {};
                }
                break;
            case 2:
                name = joinPath(presentFolder, fileOf(name));
                break;
            case 3:
                name = joinPath(input.defaultFolder, fileOf(name));
                break;
            default:
                return {};
        }
    }
    ws.ui().status(1, "");
    return {true, ws.files().fullPath(name)};
}

}  // namespace quillon
