// The texts of library maintenance, built in one place.
#include "maintenance/maintenance_messages.h"

#include "base/text_encoding.h"
#include "core/exclude_list.h"

namespace quillon::maintenance {

namespace {

std::string s(std::uint64_t count)
{
    return count > 1 ? "s" : "";
}

std::string n(std::uint64_t count)
{
    return std::to_string(count);
}

const std::string kUnderscores(40, '_');
const std::string kMacrons(40, '\xAF');

/// A count for a report line: the number, `zero` for 0, or "<Not checked>".
std::string reportCount(bool checked, std::uint32_t count, std::string_view zero)
{
    if (!checked)
        return "<Not checked>";
    return count == 0 ? std::string(zero) : n(count);
}

}  // namespace

std::string countNoun(std::uint64_t count, std::string_view noun)
{
    return n(count) + " " + std::string(noun) + s(count);
}

std::string duplicatesFoundText(std::uint32_t count)
{
    if (count == 0)
        return "No globally duplicated symbols found";
    return n(count) + " globally duplicated symbol" + s(count) + " found";
}

std::string symbolsRemovedText(std::uint32_t count)
{
    if (count == 0)
        return "No symbols removed";
    return countNoun(count, "symbol") + " removed";
}

std::string symbolsCleanupSummary(const SymbolsCleanupCounts& c)
{
    if (c.locateDuplicates && c.duplicatesSwitchedOff) {
        SymbolsCleanupCounts searched = c;
        searched.locateDuplicates = false;
        searched.duplicatesSwitchedOff = false;
        const std::string rest = symbolsCleanupSummary(searched);
        return rest.empty() ? std::string(kDuplicatesNotChecked)
                            : rest + "; " + std::string(kDuplicatesNotChecked);
    }
    const std::uint32_t e = c.excludes;
    const std::uint32_t d = c.duplicates;
    const std::uint32_t r = c.removed;
    const std::uint32_t k = c.modulesRemoved;
    if (c.remove) {
        if (r == 0)
            return "No excludes or duplicates found";
        const std::string modules = " and " + n(k) + " empty modules removed";
        if (e > 0 && d > 0) {
            std::string text = n(r) + " symbol" + s(r) + " removed - [" + n(e) + " exclude" + s(e);
            if (k > 0)
                return text + ", " + n(d) + " duplicate" + s(d) + " and " + n(k) +
                       " empty modules]";
            return text + " and " + n(d) + " duplicate" + s(d) + "]";
        }
        std::string kind;
        if (e > 0)
            kind = " exclude";
        else if (d > 0)
            kind = " duplicate";
        const std::string text = n(r) + kind + " symbol" + s(r);
        return k > 0 ? text + modules : text + " removed";
    }
    if (c.locateExcludes && c.locateDuplicates) {
        if (e > 0 && d > 0)
            return n(e) + " exclude" + s(e) + " and " + n(d) + " duplicate" + s(d) + " found";
        if (e > 0)
            return n(e) + " exclude" + s(e) + " and no duplicates found";
        if (d > 0)
            return n(d) + " duplicate" + s(d) + " and no excludes found";
        return "No excludes or duplicates found";
    }
    if (c.locateExcludes)
        return e > 0 ? n(e) + " exclude symbol" + s(e) + " found" : "No exclude symbols found";
    if (c.locateDuplicates)
        return d > 0 ? n(d) + " duplicate symbol" + s(d) + " found" : "No duplicate symbols found";
    return {};
}

ui::MessageBox symbolsCleanupReport(const SymbolsCleanupCounts& c, std::string_view comment,
                                    std::string_view duration)
{
    std::string text = "    " + kUnderscores + "|    SYMBOLS CLEANUP|    " + kMacrons +
                       "|    Comment: " + std::string(comment);
    // The comment carries its own line break; one is added only when it lacks it.
    if (text.back() != '|')
        text += '|';
    text += "    Number of excludes found: " +
            reportCount(c.locateExcludes, c.excludes, "<None found>");
    text +=
        "|    Number of duplicates found: " +
        reportCount(c.locateDuplicates && !c.duplicatesSwitchedOff, c.duplicates, "<None found>");
    if (c.locateDuplicates && c.duplicatesSwitchedOff)
        text +=
            "|    (switched off: \"Activate symbols cleanup operations\" and|    "
            "\"Exclude globally duplicated symbols\" in the LIB-file options)";
    text += "|    Number of symbols removed: " + reportCount(c.remove, c.removed, "<None>");
    text += "|    Number of (empty) modules removed: " +
            (c.modulesRemoved == 0 ? std::string("<None>") : n(c.modulesRemoved));
    text += "|    Process time: " + std::string(duration);
    text += "|    " + kUnderscores + "|" + std::string(80, kNonBreakingSpace);
    ui::MessageBox box;
    box.title = std::string(kSymbolsCleanupTitle);
    box.text = std::move(text);
    box.icon = ui::MessageIcon::Information;
    box.buttons = "&OK";
    return box;
}

ui::MessageBox duplicateQuestion(std::string_view moduleName, std::string_view fileName,
                                 bool afterAdd, bool allButtons)
{
    ui::MessageBox box;
    box.title = std::string(kDuplicateTitle);
    box.icon = ui::MessageIcon::Question;
    box.text = "    Module is already included in the library!|" +
               std::string(95, kNonBreakingSpace) + "|    Module name: " + std::string(moduleName) +
               "|    File name: " + std::string(fileName) + "||    " +
               (afterAdd ? "Remove this module?" : "Abort loading of this module?");
    box.buttons = std::string(allButtons ? kButtonsYesNoAll : kButtonsYesNo);
    box.defaultButton = 1;
    return box;
}

std::string duplicateModulesRemovedText(std::uint32_t count)
{
    if (count == 0)
        return "No duplicate modules found";
    return countNoun(count, "duplicate module") + " removed";
}

std::string inconsistentSummary(std::uint32_t inconsistent, std::uint32_t unlocated,
                                std::uint32_t duplicates, std::string_view bits)
{
    const std::string b(bits);
    const std::string dup = n(duplicates) + " duplicate module" + s(duplicates);
    if (duplicates == 0) {
        if (inconsistent > 0 && unlocated > 0)
            return n(inconsistent) + " " + b + "-bit and " + n(unlocated) + " unlocated module" +
                   s(unlocated) + " removed";
        if (inconsistent > 0)
            return n(inconsistent) + " " + b + "-bit module" + s(inconsistent) + " removed";
        if (unlocated > 0)
            return n(unlocated) + " unlocated module" + s(unlocated) + " removed";
        return "No modules removed";
    }
    if (inconsistent > 0 && unlocated > 0)
        return n(inconsistent) + " " + b + "-bit, " + n(unlocated) + " unlocated and " + dup +
               " removed";
    if (inconsistent > 0)
        return n(inconsistent) + " " + b + "-bit module" + s(inconsistent) + " and " + dup +
               " removed";
    if (unlocated > 0)
        return n(unlocated) + " unlocated module" + s(unlocated) + " and " + dup + " removed";
    return dup + " removed";
}

std::string removingModuleText(std::string_view moduleName)
{
    std::string text(moduleName);
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text + "...";
}

std::string modulesCleanupComment(bool bit, bool unlocated, bool duplicates)
{
    if (bit && unlocated)
        return duplicates ? "Bit inconsistency, unlocated and |    dublicates checked|"
                          : "Bit inconsistency and unlocated checked|";
    if (bit)
        return duplicates ? "Bit inconsistency and dublicates checked|"
                          : "Only bit inconsistency checked|";
    if (unlocated)
        return duplicates ? "Unlocated and dublicates checked|" : "Only unlocated checked|";
    if (duplicates)
        return "Only dublicates checked|";
    return std::string(kCommentNoAction);
}

ui::MessageBox modulesCleanupReport(const ModulesCleanupCounts& c, std::string_view comment,
                                    std::string_view duration)
{
    std::string text = "    " + kUnderscores + "|    MODULES CLEANUP|    " + kMacrons +
                       "|    Comment: " + std::string(comment);
    text +=
        "|    Number of inconsistent: " + reportCount(c.bit, c.inconsistentRemoved, "<None found>");
    text +=
        "|    Number of unlocated: " + reportCount(c.unlocated, c.unlocatedRemoved, "<None found>");
    text += "|    Number of duplicates: " +
            reportCount(c.duplicates, c.duplicatesRemoved, "<None found>");
    text +=
        "|    Number of modules removed: " + (c.total == 0 ? std::string("<None>") : n(c.total));
    text += "|    Process time: " + std::string(duration);
    text += "|    " + kUnderscores;
    ui::MessageBox box;
    box.title = std::string(kModulesCleanupTitle);
    box.text = std::move(text);
    box.icon = ui::MessageIcon::Information;
    box.buttons = "&OK";
    return box;
}

std::string bitBoxLabel(int useBitCheckSet, std::string_view defaultLabel)
{
    if (useBitCheckSet == 1)
        return "Remove 32-bit modules ";
    if (useBitCheckSet == 2)
        return "Remove 16-bit modules ";
    return std::string(defaultLabel);
}

}  // namespace quillon::maintenance
