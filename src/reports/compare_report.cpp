// Building the compare report's text.
#include "reports/compare_report.h"

namespace quillon::reports {

namespace {

const std::string kUnderline = "  " + std::string(43, '_') + "\r\n";
const std::string kOverline = "  " + std::string(43, '\xAF') + "\r\n";
constexpr std::string_view kBlank = "  \r\n";
constexpr std::string_view kNotCompared = "<Not compared>";

class ReportWriter {
public:
    void line(std::string_view text) { m_text += "  " + std::string(text) + "\r\n"; }
    /// An indented line: the label after a tab, then the value.
    void field(std::string_view label, std::string_view value)
    {
        m_text += "  \t" + std::string(label) + std::string(value) + "\r\n";
    }
    void raw(std::string_view text) { m_text += text; }
    [[nodiscard]] std::string take() { return std::move(m_text); }

private:
    std::string m_text;
};

std::string count(int n)
{
    return n == 0 ? std::string("None") : std::to_string(n);
}

}  // namespace

std::string compareReportCaption(std::string_view moduleName)
{
    return "Clarion Quillon 32 - Compare Report: " + std::string(moduleName);
}

std::string compareReportText(const CompareResult& r)
{
    const CompareCounts& c = r.counts;
    const bool matchCase = r.options.UseMatchCase;
    ReportWriter w;
    w.raw(kUnderline);
    w.line("        C O M P A R E   R E P O R T");
    w.raw(kOverline);
    w.raw(kBlank);
    w.line("STATUS: " + r.status.longText);
    w.raw(kOverline);
    w.line("Library module name: " + r.moduleName);
    if (!r.loadedFrom.empty()) {
        w.line("Library module loaded from file:");
        w.line("  " + r.loadedFrom);
    }
    if (r.locatedFile.find('.') != std::string::npos) {
        w.line("Loacated DLL/EXE source file:");
        w.line("  " + r.locatedFile);
    }
    w.line("Compared to disk file: ");
    w.line("  " + r.diskFile);
    w.raw(kUnderline);
    w.raw(kBlank);

    w.line("Changes in module name");
    if (r.options.partialMatch)
        w.line("(Only first occurrence compared)");
    const std::string moduleCasing =
        !matchCase ? std::string(kNotCompared)
                   : (c.moduleCasing > 0 ? "Yes" : (c.moduleOther > 0 ? "--" : "None"));
    w.field("Casing:             ", moduleCasing);
    w.field("Other changes:      ", c.moduleOther > 0 ? "Yes" : "None");

    w.raw(kBlank);
    if (c.diskDuplicates > 0) {
        w.line("Number of unique functions");
        w.field("Disk file:          ", count(c.diskFunctions - c.diskDuplicates));
        w.field("Library module:     ", count(c.libraryFunctions - c.libraryDuplicates));
        w.raw(kBlank);
        w.line("Duplicate functions");
        w.field("Disk file:          ", count(c.diskDuplicates));
        w.field("Library module:     ", count(c.libraryDuplicates));
    } else {
        w.line("Number of functions");
        w.field("Disk file:          ", count(c.diskFunctions));
        w.field("Library module:     ", count(c.libraryFunctions));
    }

    w.raw(kBlank);
    w.line("Missing functions");
    w.field("Missing on disk:    ", count(c.missingOnDisk));
    w.field("Missing in library: ", count(c.missingInLibrary));

    w.raw(kBlank);
    w.line("Changes in function names");
    w.field("Casing:             ",
            matchCase ? count(c.functionCasing) : std::string(kNotCompared));
    w.field("Other changes:      ", count(c.functionOther));

    w.raw(kBlank);
    w.line("Changes in ordinal numbers");
    w.field("Numbers changed:    ",
            r.options.UseIgnoreOrdinals ? std::string(kNotCompared) : count(c.ordinalsChanged));

    for (int i = 0; i < 3; ++i)
        w.raw(kBlank);
    w.raw(kUnderline);
    w.line("            E N D   R E P O R T");
    w.raw(kOverline);
    for (int i = 0; i < 4; ++i)
        w.raw(kBlank);
    return w.take();
}

}  // namespace quillon::reports
