// Caption, status texts and the save question of the main window.
#include "program/window_texts.h"

#include <cctype>

#include "base/ascii_text.h"
#include "base/text_encoding.h"
#include "core/exclude_list.h"
#include "platform/path_spelling.h"
#include "settings/options_io.h"
#include "settings/settings_store.h"

namespace quillon {

std::string captionText(std::string_view libraryFileName)
{
    const std::string_view name = trimBlanks(libraryFileName);
    if (name.empty())
        return "Clarion Quillon 32";
    return "Clarion Quillon 32 - TARGET:" + platform::shownPath(name);
}

std::string statusCaps(Workspace& ws)
{
    const std::string caps =
        upperCase(std::string_view(ws.options.UseStatusCaps)
                      .substr(0, std::min<std::size_t>(3, ws.options.UseStatusCaps.size())));
    if (caps == "DEF" || caps == "INI" || caps == "LOW" || caps == "UPP")
        return caps;
    ws.options.UseStatusCaps = "Default casing";
    settings::SaveOption(ws.settings(), ws.options, &Options::UseStatusCaps);
    return "DEF";
}

std::string applyCaps(std::string_view text, std::string_view caps)
{
    if (caps == "UPP")
        return upperCase(text);
    if (caps == "LOW")
        return lowerCase(text);
    if (caps != "INI")
        return std::string(text);
    std::string out = lowerCase(text);
    bool first = true;
    for (char& c : out) {
        if (first && c != ' ') {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            first = false;
        }
        if (c == '/')
            first = true;
    }
    return out;
}

std::array<std::string, 3> libraryStatusTexts(Workspace& ws, std::optional<std::size_t> row)
{
    const Library& library = ws.library;
    if (library.empty() || !row || *row >= library.rows.size())
        return {};
    const LibraryRow& r = library.rows[*row];
    std::string text = r.MODULENAME.str();
    if (r.isSymbol())
        text += "/" + r.SYMBOL;
    std::array<std::string, 3> panes;
    panes[0] = applyCaps(text, statusCaps(ws));
    FunctionCount functions = 0;
    for (const ModuleEntry& entry : library.modules) {
        if (entry.MODULENUM == r.MODULENUM) {
            functions = entry.FUNCTIONNUM;
            break;
        }
    }
    panes[1] = "M:" + std::to_string(r.MODULENUM) + "/" + std::to_string(library.modules.size());
    panes[2] = "F:" + std::to_string(functions) + "/" + std::to_string(library.SymbolCount);
    return panes;
}

ui::MessageBox libraryChangedQuestion(const Workspace& ws)
{
    ui::MessageBox box;
    box.title = "CLARION QUILLON 32 - Library file changed";
    box.icon = ui::MessageIcon::Exclamation;
    box.text = "    The library file has been changed.|" + std::string(95, kNonBreakingSpace) +
               "|    File: " + std::string(trimBlanks(ws.library.LibraryFileName)) +
               "|    Do you want to save the changes?";
    box.buttons = "&Yes|&No|&Cancel";
    box.defaultButton = 1;
    return box;
}

SaveAnswer askSaveChanges(Workspace& ws)
{
    if (ws.library.empty()) {
        ws.library.LibraryChanged = false;
        return SaveAnswer::Discard;
    }
    if (!ws.library.LibraryChanged || ws.options.UseNoMessages)
        return SaveAnswer::Discard;
    switch (ws.ui().message(libraryChangedQuestion(ws))) {
        case 1:
            return SaveAnswer::Save;
        case 2:
            return SaveAnswer::Discard;
        default:
            return SaveAnswer::Cancel;
    }
}

ui::MessageBox exceptionalSplashMessage()
{
    ui::MessageBox box;
    box.title = "CLARION QUILLON 32 - Exceptional Splash Window Error!";
    box.text = "    IMPORTANT - READ THIS!|" + std::string(75, kNonBreakingSpace) +
               "|    The main window was still hidden when it was restored from the tray."
               "|    The splash window may have hidden it while the program started."
               "|    The window is shown again now. Should a window stay hidden, close it"
               "|    from the tray icon's menu with \"Exit Clarion Quillon\".";
    box.icon = ui::MessageIcon::Exclamation;
    box.buttons = "&OK";
    return box;
}

}  // namespace quillon
