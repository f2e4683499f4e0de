// Comparing several modules of the library with their files on disk.
#include "reports/compare_library.h"

#include <set>
#include <unordered_map>

#include "base/ascii_text.h"
#include "locate/locate_module.h"
#include "locate/path_parts.h"
#include "reports/compare_module.h"
#include "reports/compare_texts.h"

namespace quillon::reports {

namespace {

/// Keeps the file each search accepts open while it lives.
class KeepAccepted {
public:
    explicit KeepAccepted(locate::LocateState& state) : m_state(state), m_before(state.keepAccepted)
    {
        m_state.keepAccepted = true;
    }
    ~KeepAccepted()
    {
        m_state.keepAccepted = m_before;
        m_state.accepted.reset();
    }
    KeepAccepted(const KeepAccepted&) = delete;
    KeepAccepted& operator=(const KeepAccepted&) = delete;

private:
    locate::LocateState& m_state;
    bool m_before;
};

}  // namespace

std::vector<ModuleComparison> compareLibraryModules(Workspace& ws,
                                                    const LibraryCompareRequest& request)
{
    std::vector<ModuleComparison> out;
    const std::string wanted = upperCase(trimRight(request.moduleName));
    std::set<std::string, std::less<>> done;
    const locate::LocatePassScope pass(ws);
    // The table does not change while the modules are compared: looked up once for all.
    std::unordered_map<std::string, locate::ModuleData> recorded;
    if (request.diskFile.empty())
        recorded = locate::moduleDataByName(ws);
    // The file the search found and tested is read from where it was opened.
    locate::LocateState& found = locate::state(ws);
    const KeepAccepted keep(found);
    for (std::size_t row = 0; row < ws.library.rows.size(); ++row) {
        const LibraryRow& module = ws.library.rows[row];
        if (!module.isModule())
            continue;
        const std::string name(trimRight(module.MODULENAME.view()));
        const std::string key = upperCase(name);
        if ((!wanted.empty() && key != wanted) || !done.insert(key).second)
            continue;
        ModuleComparison entry;
        entry.moduleName = name;
        std::string diskFile = request.diskFile;
        if (diskFile.empty()) {
            locate::LocateRequest locateRequest;
            locateRequest.moduleName = name;
            locateRequest.quiet = true;
            if (const auto it = recorded.find(locate::upperAscii(trimBlanks(name)));
                it != recorded.end())
                locateRequest.moduleData = it->second;
            found.accepted.reset();
            const locate::LocateOutcome located = locate::LocateModuleFile(ws, locateRequest);
            if (!located.found) {
                entry.located = false;
                entry.result.end = CompareEnd::FileNotFound;
                entry.result.moduleName = name;
                entry.result.status = {std::string(kStatusFileNotFound),
                                       std::string(kStatusFileNotFound)};
                out.push_back(std::move(entry));
                continue;
            }
            diskFile = located.result;
        }
        if (found.accepted && found.accepted->path == diskFile && !isLibDiskFile(diskFile)) {
            platform::File opened = std::move(found.accepted->file);
            found.accepted.reset();
            entry.result = compareModule(ws, row, diskFile, request.options, std::move(opened));
        } else {
            entry.result = compareModule(ws, row, diskFile, request.options);
        }
        const bool cancelled = entry.result.end == CompareEnd::Cancelled;
        out.push_back(std::move(entry));
        if (cancelled)
            break;
    }
    return out;
}

}  // namespace quillon::reports
