// Texts of the message about the entries of module-definition files left out.
#include "exe/module_definition_messages.h"

#include "exe/exe_messages.h"

namespace quillon::exe {

namespace {

std::string entries(std::size_t count)
{
    return std::to_string(count) + (count == 1 ? " entry" : " entries");
}

}  // namespace

ui::MessageBox skippedEntriesMessage(const std::vector<SkippedEntries>& files)
{
    std::size_t withoutOrdinal = 0;
    std::size_t withoutName = 0;
    for (const SkippedEntries& file : files) {
        withoutOrdinal += file.withoutOrdinal;
        withoutName += file.withoutName;
    }
    std::string text;
    if (withoutOrdinal > 0)
        text += "    " + entries(withoutOrdinal) +
                " without an ordinal left out: a LIB file binds each|"
                "    function by its ordinal, and only the DLL itself gives the|    " +
                (withoutOrdinal == 1 ? "ordinal of this entry. Load the DLL to bind it."
                                     : "ordinals of these entries. Load the DLL to bind them.");
    if (withoutName > 0)
        text += std::string(text.empty() ? "" : "|") + "    " + entries(withoutName) +
                " marked NONAME left out: the DLL exports " + (withoutName == 1 ? "it" : "them") +
                "|    by ordinal only, without a name to bind.";
    text += "|" + separatorLine() + (files.size() == 1 ? "|    File:" : "|    Files:");
    for (const SkippedEntries& file : files)
        text += "|    " + file.file + " (" +
                std::to_string(file.withoutOrdinal + file.withoutName) + " left out)";
    ui::MessageBox box;
    box.title = "CLARION QUILLON 32 - Entries left out!";
    box.text = std::move(text);
    box.icon = ui::MessageIcon::Information;
    return box;
}

std::string skippedEntriesLine(const SkippedEntries& skipped)
{
    std::string line;
    if (skipped.withoutOrdinal > 0)
        line = entries(skipped.withoutOrdinal) +
               " without an ordinal left out (only the DLL itself gives " +
               (skipped.withoutOrdinal == 1 ? "its ordinal)" : "their ordinals)");
    if (skipped.withoutName > 0)
        line += std::string(line.empty() ? "" : ", ") + entries(skipped.withoutName) +
                " marked NONAME left out (the DLL exports " +
                (skipped.withoutName == 1 ? "it" : "them") + " by ordinal only)";
    return line;
}

}  // namespace quillon::exe
