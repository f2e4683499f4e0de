// Writing the results of `quillon compare` as text and as JSON.
#include "cli/compare_output.h"

#include <nlohmann/json.hpp>

#include "base/text_encoding.h"
#include "reports/compare_status.h"

namespace quillon::cli {

namespace {

struct Summary {
    int unchanged = 0;
    int changed = 0;
    int failed = 0;
};

Summary summarize(const std::vector<reports::ModuleComparison>& modules)
{
    Summary s;
    for (const reports::ModuleComparison& m : modules) {
        const int bits = reports::severityBits(m.result);
        if (bits & reports::kSeverityError)
            ++s.failed;
        else if (bits != 0)
            ++s.changed;
        else
            ++s.unchanged;
    }
    return s;
}

bool shown(const reports::CompareRow& row, bool allRows)
{
    return allRows || (row.changes & ~static_cast<std::uint32_t>(reports::kUnchanged)) != 0;
}

std::string endText(const reports::ModuleComparison& m)
{
    switch (m.result.end) {
        case reports::CompareEnd::Compared:
            return "compared";
        case reports::CompareEnd::FileNotFound:
            return m.located ? "file not found" : "not located";
        case reports::CompareEnd::NoExports:
            return "no exports";
        case reports::CompareEnd::ModuleNotFound:
            return "module not found";
        case reports::CompareEnd::ReadError:
            return "read error";
        case reports::CompareEnd::Cancelled:
            return "cancelled";
    }
    return "";
}

std::vector<std::string> changeNames(std::uint32_t changes)
{
    static const std::pair<std::uint32_t, const char*> kNames[] = {
        {reports::kUnchanged, "unchanged"},
        {reports::kModuleCasing, "module name casing"},
        {reports::kModuleChanged, "module name changed"},
        {reports::kNameCasing, "name casing"},
        {reports::kOrdinalChanged, "ordinal changed"},
        {reports::kNameChanged, "name changed"},
        {reports::kMissingInLibrary, "missing in library"},
        {reports::kDuplicateInDisk, "duplicate in disk file"},
        {reports::kMissingOnDisk, "missing in disk file"},
        {reports::kDuplicateInLibrary, "duplicate in library"},
    };
    std::vector<std::string> out;
    for (const auto& [bit, name] : kNames) {
        if (changes & bit)
            out.emplace_back(name);
    }
    return out;
}

}  // namespace

int compareExitBits(const std::vector<reports::ModuleComparison>& modules)
{
    int bits = 0;
    for (const reports::ModuleComparison& m : modules)
        bits |= reports::severityBits(m.result);
    return bits;
}

std::string compareText(const std::vector<reports::ModuleComparison>& modules, bool allRows)
{
    std::string out;
    for (const reports::ModuleComparison& m : modules) {
        const reports::CompareResult& r = m.result;
        out += cp1252ToUtf8(m.moduleName) + ": ";
        out += r.compared() ? r.status.longText : r.status.shortText + " (" + endText(m) + ")";
        if (!r.diskFile.empty())
            out += "  [" + cp1252ToUtf8(r.diskFile) + "]";
        out += '\n';
        for (const reports::CompareRow& row : r.rows) {
            if (shown(row, allRows))
                out += "\t" + std::to_string(row.ORDINAL) + "\t" + cp1252ToUtf8(row.SYMBOL) + "\t" +
                       cp1252ToUtf8(row.COMMENT) + "\n";
        }
    }
    const Summary s = summarize(modules);
    out += std::to_string(modules.size()) + " module" + (modules.size() == 1 ? "" : "s") + ": " +
           std::to_string(s.unchanged) + " unchanged, " + std::to_string(s.changed) + " changed, " +
           std::to_string(s.failed) + " failed\n";
    return out;
}

std::string compareJson(const std::vector<reports::ModuleComparison>& modules, bool allRows)
{
    nlohmann::ordered_json doc;
    doc["modules"] = nlohmann::ordered_json::array();
    for (const reports::ModuleComparison& m : modules) {
        const reports::CompareResult& r = m.result;
        const reports::CompareCounts& c = r.counts;
        nlohmann::ordered_json module = {
            {"module", cp1252ToUtf8(m.moduleName)},
            {"diskFile", cp1252ToUtf8(r.diskFile)},
            {"diskModule", cp1252ToUtf8(r.diskModuleName)},
            {"result", endText(m)},
            {"status", r.status.longText},
            {"shortStatus", r.status.shortText},
            {"exitBits", reports::severityBits(r)},
            {"counts",
             {{"moduleNameCasing", c.moduleCasing},
              {"moduleNameOther", c.moduleOther},
              {"functionNameCasing", c.functionCasing},
              {"functionNameOther", c.functionOther},
              {"ordinalsChanged", c.ordinalsChanged},
              {"libraryFunctions", c.libraryFunctions},
              {"diskFunctions", c.diskFunctions},
              {"missingOnDisk", c.missingOnDisk},
              {"missingInLibrary", c.missingInLibrary},
              {"libraryDuplicates", c.libraryDuplicates},
              {"diskDuplicates", c.diskDuplicates}}},
            {"rows", nlohmann::ordered_json::array()},
        };
        for (const reports::CompareRow& row : r.rows) {
            if (!shown(row, allRows))
                continue;
            module["rows"].push_back({{"module", cp1252ToUtf8(row.MODULENAME.str())},
                                      {"symbol", cp1252ToUtf8(row.SYMBOL)},
                                      {"ordinal", row.ORDINAL},
                                      {"change", cp1252ToUtf8(row.COMMENT)},
                                      {"kinds", changeNames(row.changes)}});
        }
        doc["modules"].push_back(std::move(module));
    }
    const Summary s = summarize(modules);
    doc["summary"] = {{"modules", modules.size()},
                      {"unchanged", s.unchanged},
                      {"changed", s.changed},
                      {"failed", s.failed},
                      {"exitStatus", compareExitBits(modules)}};
    return doc.dump(2) + "\n";
}

}  // namespace quillon::cli
