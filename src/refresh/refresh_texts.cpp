// The texts of the revert and update commands.
#include "refresh/refresh_texts.h"

#include "base/ascii_text.h"
#include "base/text_encoding.h"
#include "core/workspace.h"

namespace quillon::refresh {

namespace {

std::string plural(std::size_t count)
{
    return count > 1 ? "s" : "";
}

}  // namespace

std::string workingName(std::string_view moduleName)
{
    std::string name = lowerCase(trimRight(moduleName));
    if (!name.empty())
        name.front() = upperCase(name.substr(0, 1)).front();
    return name + "...";
}

std::string searchingModuleText(std::string_view moduleName)
{
    return "Module: " + std::string(trimRight(moduleName)) + "...";
}

std::string fromLibFileText(std::string_view moduleName)
{
    return "Module: " + std::string(trimRight(moduleName)) + " not located...";
}

std::string fileText(std::string_view file)
{
    return "File: " + std::string(file);
}

std::string symbolsText(std::size_t count)
{
    return std::to_string(count) + " symbols";
}

namespace {

std::string locatedCountText(std::size_t updated, std::size_t notLocated)
{
    const std::string l = std::to_string(updated);
    const std::string u = std::to_string(notLocated);
    if (notLocated > 0 && updated > 0)
        return l + " module" + plural(updated) + " updated - " + u + " module" +
               plural(notLocated) + " not located";
    if (notLocated > 1)
        return "None of the " + u + " modules located";
    if (notLocated == 1)
        return "Module NOT located";
    if (updated > 2)
        return "All " + l + " modules updated from DLL/EXE files";
    if (updated == 2)
        return "Both modules updated from DLL/EXE files";
    if (updated == 1)
        return "One module was updated from DLL/EXE file";
    return "No modules was updated from DLL/EXE files";
}

}  // namespace

std::string updateCountText(std::size_t updated, std::size_t notLocated, std::size_t unreadable)
{
    std::string text = locatedCountText(updated, notLocated);
    if (unreadable > 0)
        text += " - " + std::to_string(unreadable) + " module" + plural(unreadable) + " " +
                std::string(kKeptReadErrorText);
    return text;
}

void showStatus(Workspace& ws, int pane, std::string_view text)
{
    if (ws.options.UseStatusBar)
        ws.ui().status(pane, text);
}

void clearStatus(Workspace& ws)
{
    for (int pane = 1; pane <= 3; ++pane)
        showStatus(ws, pane, {});
}

ui::MessageBox moduleNotFoundMessage(std::string_view moduleName, std::string_view file)
{
    ui::MessageBox box;
    box.title = "CLARION QUILLON 32 - Module not found!";
    box.icon = ui::MessageIcon::Exclamation;
    box.text = "    Module " + std::string(trimRight(moduleName)) + " was NOT found in the file!|" +
               std::string(90, kNonBreakingSpace) + "|    File:|    " + std::string(file);
    return box;
}

}  // namespace quillon::refresh
