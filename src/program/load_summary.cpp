// The texts of the load summary.
#include "program/load_summary.h"

#include "base/text_encoding.h"

namespace quillon {

namespace {

std::string plural(unsigned count)
{
    return count > 1 ? "s" : "";
}

std::string separator()
{
    return "|" + std::string(90, kNonBreakingSpace);
}

ui::MessageBox informationBox(std::string title, std::string text)
{
    ui::MessageBox box;
    box.title = std::move(title);
    box.text = std::move(text);
    box.icon = ui::MessageIcon::Information;
    return box;
}

std::string abortedList(const LoadCounts& c)
{
    return c.abortedFiles.empty() ? std::string() : "||    Aborted files:" + c.abortedFiles.text();
}

}  // namespace

void FileListText::add(std::string_view path)
{
    std::string entry = "|    " + std::string(path);
    if (m_text.size() >= kCapacity)
        return;
    m_text += entry.substr(0, kCapacity - m_text.size());
}

LoadSummary loadSummary(const LoadCounts& c)
{
    LoadSummary s;
    const unsigned n = c.processed >= c.aborted ? c.processed - c.aborted : 0U;
    const unsigned k = c.withoutNames;
    const unsigned m = c.notFound;

    if (c.modulesAdded > 0) {
        s.pane2 = std::to_string(c.modulesAdded) + (c.hadModules ? " new" : "") + " module" +
                  plural(c.modulesAdded);
        s.pane3 = c.symbolsAdded == 0 ? std::string()
                                      : std::to_string(c.symbolsAdded) +
                                            (c.hadSymbols ? " new" : "") + " symbol" +
                                            plural(c.symbolsAdded);
    } else {
        s.pane2 = std::string();
        s.pane3 = std::string();
    }

    const std::string hint =
        k > 10 ? "|    (Press the <Spacebar> to close this message window)|" : "|";
    const std::string names = "|    names recognizable by Clarion Quillon." + hint;
    const std::string withoutList = "without exported names:" + c.withoutNamesFiles.text() +
                                    abortedList(c) + separator();
    const std::string ns = std::to_string(n);
    if (k >= 1 && k == n) {
        if (k == 1) {
            s.pane1 = "No exported names found in the selected file";
            s.message = informationBox("CLARION QUILLON 32 - No exported names detected!",
                                       "    The selected file does not have any exported" + names +
                                           "|    File " + withoutList);
        } else {
            s.pane1 = "No exported names found in the " + ns + " selected files";
            s.message = informationBox(
                "CLARION QUILLON 32 - No exported names detected!",
                "    None of the " + ns + " selected files have any exported" + names +
                    "|    Files " + withoutList);
        }
    } else if (k > 1 && k < n) {
        const std::string ks = std::to_string(k);
        s.pane1 = "No exported names found in " + ks + " of the " + ns + " selected files";
        s.message = informationBox("CLARION QUILLON 32 - Missing exported names!",
                                   "    " + ks + " of the " + ns +
                                       " selected files do not contain any exported" + names +
                                       "|    Files " + withoutList);
    } else if (k == 1 && n > 1) {
        s.pane1 = "No exported names found in one of the " + ns + " selected files";
        s.message = informationBox("CLARION QUILLON 32 - Missing exported names!",
                                   "    One of the " + ns +
                                       " selected files does not have any exported" + names +
                                       "|    File " + withoutList);
    } else if (m > 0) {
        s.pane1 = m == 1 ? "File not located: " + c.notFoundPath
                         : std::to_string(m) + " files were not loacated";
        s.message = informationBox(
            "CLARION QUILLON 32 - File" + plural(m) + " not located!",
            "    The entered file" + plural(m) + (m == 1 ? " was" : " were") +
                " not located on the disk.||    File" + plural(m) + " not located:" +
                c.notFoundFiles.text() + abortedList(c) + separator());
    } else {
        if (n == 1)
            s.pane1 = "File loaded: " + c.lastPath;
        else if (n > 1)
            s.pane1 = ns + " files loaded";
        else
            s.pane1 = "No files loaded";
        if (c.aborted > 1)
            s.pane1 += " - " + std::to_string(c.aborted) + " file aborted";
        else if (c.aborted == 1)
            s.pane1 += " - One file aborted";
    }
    if (c.cancelled)
        s.pane1 = "Cancelled";
    else if (c.lastRejected)
        s.pane1 = "Not a valid library file";
    return s;
}

}  // namespace quillon
