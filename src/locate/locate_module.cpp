// The search for the executable behind one module.
#include "locate/locate_module.h"

#include <cstddef>

#include "base/lib_file_name.h"
#include "base/duration_text.h"
#include "base/time_of_day.h"
#include "core/workspace.h"
#include "locate/locate_messages.h"
#include "locate/name_preparation.h"
#include "locate/path_parts.h"
#include "maintenance/exceptions.h"
#include "platform/paths.h"

namespace quillon::locate {

namespace {

std::optional<ModuleData> moduleDataFromTable(const Workspace& ws, std::string_view moduleName)
{
    const std::string wanted = upperAscii(trimBlanks(moduleName));
    for (const ModuleEntry& entry : ws.library.modules) {
        if (upperAscii(trimBlanks(entry.MODULENAME.view())) == wanted)
            return ModuleData{entry.FILENAMEDLL, entry.FILENAME};
    }
    return std::nullopt;
}

/// One search, step by step.
class Search {
public:
    Search(Workspace& ws, const LocateRequest& request)
        : m_ws(ws),
          m_state(locate::state(ws)),
          m_derived(*locate::state(ws).derived),
          m_request(request)
    {
    }

    LocateOutcome run(const PreparedName& name)
    {
        m_name = &name;
        if (moduleData())
            return std::move(m_outcome);
        if (m_derived.restricted) {
            if (m_derived.onlyPriority && priorityFolders())
                return std::move(m_outcome);
            if (m_derived.onlyEnvironment && (systemFolders() || pathFolders()))
                return std::move(m_outcome);
            if (m_derived.onlySource && sourceFolder())
                return std::move(m_outcome);
            return std::move(m_outcome);
        }
        if (priorityFolders() || systemFolders() || pathFolders() || sourceFolder() ||
            passedFiles() || knownFiles() || historyFolders())
            return std::move(m_outcome);
        return std::move(m_outcome);
    }

private:
    void tag(std::string_view t) { m_outcome.processes += t; }

    std::optional<AcceptedFile>* keep()
    {
        return m_state.inPass && m_state.keepAccepted ? &m_state.accepted : nullptr;
    }

    bool accept(const Candidate& c, std::string_view label)
    {
        if (!c.accepted)
            return false;
        m_outcome.found = true;
        m_outcome.result = m_ws.files().fullPath(c.path);
        if (m_state.accepted && m_state.accepted->path == c.path)
            m_state.accepted->path = m_outcome.result;
        m_outcome.os = c.os;
        m_outcome.source = std::string(label);
        return true;
    }

    bool tryPath(std::string_view path, std::string_view label)
    {
        if (trimBlanks(path).empty())
            return false;
        return accept(testCandidatePath(m_ws.files(), m_state.folders, trimBlanks(path),
                                        m_derived.verifyHeaders, m_state.headerTest, keep()),
                      label);
    }

    bool tryFolder(const std::string& folder, std::string_view label)
    {
        if (folder.empty() || !m_name->usable)
            return false;
        for (const std::string& candidate : m_name->fileNames) {
            if (accept(testCandidate(m_ws.files(), m_state.folders, folder, candidate,
                                     m_derived.verifyHeaders, m_state.headerTest, keep()),
                       label))
                return true;
        }
        return false;
    }

    bool moduleData()
    {
        tag(kTagModuleData);
        std::optional<ModuleData> data = m_request.moduleData;
        if (!data)
            data = moduleDataFromTable(m_ws, m_request.moduleName);
        if (!data)
            return false;
        if (tryPath(data->FILENAMEDLL, kSourceFileNameDll))
            return true;
        return !isLibFileName(trimBlanks(data->FILENAME)) && tryPath(data->FILENAME, kSourceFileName);
    }

    bool priorityFolders()
    {
        tag(kTagPriority);
        if (m_derived.usePriority && tryFolder(m_derived.priorityFolder, kSourcePriority))
            return true;
        for (const std::string& folder : m_derived.morePriorityFolders) {
            if (tryFolder(folder, kSourcePriority))
                return true;
        }
        tag(kTagRemembered);
        return tryFolder(m_state.previousFolder, kSourcePrevious) ||
               tryFolder(m_state.firstEnteredFolder, kSourceFirstEntered) ||
               tryFolder(m_state.enteredFolder, kSourceEntered);
    }

    bool systemFolders()
    {
        const LocateEnvironment& env = *m_state.environment;
        tag(kTagSystem);
        if (tryFolder(env.systemFolder, kSourceSystem))
            return true;
        tag(kTagWindows);
        return tryFolder(env.windowsFolder, kSourceWindows);
    }

    bool pathFolders()
    {
        tag(kTagEnvironment);
        if (!m_state.pathFolders)
            m_state.pathFolders =
                locate::pathFolders(m_ws.files(), m_state.environment->pathVariable);
        for (const std::string& folder : *m_state.pathFolders) {
            if (tryFolder(folder, kSourceEnvironment))
                return true;
        }
        return false;
    }

    bool sourceFolder()
    {
        tag(kTagSource);
        return tryFolder(defaultSourceFolder(m_ws, *m_state.environment), kSourceDefault);
    }

    bool passedFiles()
    {
        tag(kTagPassed);
        if (m_request.passedFiles.empty() || !m_name->usable)
            return false;
        for (const std::string& wanted : m_name->fileNames) {
            for (const std::string& file : m_request.passedFiles) {
                if (upperAscii(platform::fileNameOf(file)) == wanted &&
                    tryPath(file, kSourcePassed))
                    return true;
            }
        }
        return false;
    }

    bool knownFiles()
    {
        tag(kTagFiles);
        if (!m_name->usable)
            return false;
        if (!m_state.knownFiles)
            m_state.knownFiles = buildKnownFiles(m_ws);
        const KnownFiles& known = *m_state.knownFiles;
        for (const std::string& wanted : m_name->fileNames) {
            const auto it = known.byName.find(wanted);
            if (it == known.byName.end())
                continue;
            for (const std::size_t position : it->second) {
                const std::string label =
                    std::string(kSourceFiles) + ":" + std::to_string(position + 1);
                if (tryPath(known.entries[position], label))
                    return true;
            }
        }
        return false;
    }

    bool historyFolders()
    {
        tag(kTagHistory);
        if (!m_name->usable)
            return false;
        if (!m_state.historyFolders)
            m_state.historyFolders = buildHistoryFolders(m_ws, m_derived.folderLimit);
        for (const std::string& folder : *m_state.historyFolders) {
            if (tryFolder(folder, kSourceHistory))
                return true;
        }
        return false;
    }

    Workspace& m_ws;
    LocateState& m_state;
    const DerivedAutolocate& m_derived;
    const LocateRequest& m_request;
    const PreparedName* m_name = nullptr;
    LocateOutcome m_outcome;
};

void appendResultRow(LocateState& state, ResultRow row)
{
    if (state.results.size() >= kResultRowLimit)
        state.results.erase(
            state.results.begin(),
            state.results.begin() + static_cast<std::ptrdiff_t>(state.results.size() / 2));
    state.results.push_back(std::move(row));
}

}  // namespace

std::unordered_map<std::string, ModuleData> moduleDataByName(const Workspace& ws)
{
    std::unordered_map<std::string, ModuleData> out;
    out.reserve(ws.library.modules.size());
    for (const ModuleEntry& entry : ws.library.modules)
        out.try_emplace(upperAscii(trimBlanks(entry.MODULENAME.view())),
                        ModuleData{entry.FILENAMEDLL, entry.FILENAME});
    return out;
}

void prepareSearch(Workspace& ws)
{
    LocateState& state = locate::state(ws);
    if (!state.environment)
        state.environment = locateEnvironment(ws.files(), platform::Environment::fromProcess());
    if (!ws.exceptQ.loaded && ws.exceptQ.entries.empty())
        maintenance::loadExceptList(ws);
    if (!state.options)
        state.options =
            state.fixedOptions ? *state.fixedOptions : readAutolocateOptions(ws.settings());
    if (!state.derived) {
        std::vector<std::string> more;
        for (const std::string& folder : state.options->morePriorityFolders)
            more.push_back(existingFolder(ws.files(), folder, ws.options.UseLongAdd));
        state.derived = deriveAutolocate(
            *state.options,
            existingFolder(ws.files(), state.options->FirstFolder, ws.options.UseLongAdd), more);
    }
}

LocatePassScope::LocatePassScope(Workspace& ws) : m_ws(ws), m_outer(!locate::state(ws).inPass)
{
    if (m_outer)
        locate::state(m_ws).beginPass();
}

LocatePassScope::~LocatePassScope()
{
    if (m_outer)
        locate::state(m_ws).endPass();
}

LocateOutcome LocateModuleFile(Workspace& ws, const LocateRequest& request)
{
    LocateOutcome outcome;
    outcome.result = std::string(kFileNotFound);
    if (trimBlanks(request.moduleName).empty())
        return outcome;

    const std::int64_t started = ws.clock().hundredths();
    if (!request.quiet)
        ws.ui().setWaitCursor(true);
    LocateState& state = locate::state(ws);
    if (!state.inPass)
        state.folders.clear();  // a single search sees the disk as it is now
    prepareSearch(ws);
    const DerivedAutolocate& derived = *state.derived;
    const bool relaxed = request.relaxed || derived.relaxed;
    const PreparedName name = prepareName(request.moduleName, relaxed, ws.exceptQ, derived);

    outcome = Search(ws, request).run(name);
    if (outcome.found) {
        state.previousFolder = platform::folderOf(outcome.result);
    } else {
        outcome.result = std::string(kFileNotFound);
        outcome.os = 0;
        if (!ws.options.UseNoMessages && !request.SilentMode) {
            outcome.processes += kTagFailed;
            (void)ws.ui().message(
                failedToLocateMessage(name.display, request.multiFileAdd, relaxed));
        }
    }

    ResultRow row;
    row.MODULE = name.display;
    if (outcome.found) {
        row.FILE = platform::fileNameOf(outcome.result);
        row.PATH = platform::folderOf(outcome.result);
    } else {
        row.FILE = outcome.result;
    }
    row.SOURCE = outcome.source;
    row.TIME = state.timeOfDay ? state.timeOfDay() : localTimeOfDay();
    row.PROCESSTIME = ws.clock().hundredths() - started;
    row.PROCESSTIMESTATIC = durationText(row.PROCESSTIME);
    row.PROCESSES = outcome.processes;
    row.SETTINGS = derived.settingsSummary;
    appendResultRow(state, std::move(row));

    if (!request.quiet)
        ws.ui().setWaitCursor(false);
    if (!state.inPass)
        state.folders.clear();
    return outcome;
}

int LocateModuleFile(Workspace& ws, std::string_view moduleName, std::string& result,
                     std::size_t size, bool quiet, bool relaxed)
{
    LocateRequest request;
    request.moduleName = std::string(moduleName);
    request.quiet = quiet;
    request.relaxed = relaxed;
    const LocateOutcome outcome = LocateModuleFile(ws, request);
    result = size == 0 ? std::string() : outcome.result.substr(0, size - 1);
    return outcome.returnCode();
}

}  // namespace quillon::locate
