// The status texts and report boxes of the maintenance results.
#include "maintenance/maintenance_status.h"

#include "base/duration_text.h"
#include "maintenance/maintenance_messages.h"

namespace quillon::maintenance {

namespace {

/// The status panes of one result: written only when the status bar is on.
class Panes {
public:
    Panes(ui::UiInterface& ui, bool statusBar) : m_ui(ui), m_statusBar(statusBar) {}

    void show(int pane, std::string_view text)
    {
        if (m_statusBar)
            m_ui.status(pane, text);
    }

private:
    ui::UiInterface& m_ui;
    bool m_statusBar;
};

std::string symbolsLeftText(std::uint32_t symbolsLeft, bool empty)
{
    return empty ? std::string(kNoSymbols) : countNoun(symbolsLeft, "symbol");
}

}  // namespace

void showSymbolRemoval(ui::UiInterface& ui, bool statusBar, const SymbolRemoval& removal)
{
    if (!removal.ran)
        return;
    Panes panes(ui, statusBar);
    panes.show(1, symbolsRemovedText(removal.removed));
    panes.show(2, kCleanupDone);
    // The count is written before the emptiness is looked at, as the symbol pane always was.
    panes.show(3, countNoun(removal.symbolsLeft, "symbol"));
    panes.show(3, symbolsLeftText(removal.symbolsLeft, removal.empty));
}

void showDuplicateSearch(ui::UiInterface& ui, bool statusBar, const DuplicateSearch& search)
{
    if (!search.ran)
        return;
    Panes panes(ui, statusBar);
    if (search.switchedOff) {
        panes.show(1, kDuplicatesNotChecked);
        panes.show(2, "");
    } else {
        panes.show(1, duplicatesFoundText(search.marked));
        panes.show(2, kDone);
    }
    panes.show(3, "");
}

void showDuplicateModuleRemoval(ui::UiInterface& ui, bool statusBar,
                                const DuplicateModuleRemoval& removal)
{
    if (!removal.ran)
        return;
    Panes panes(ui, statusBar);
    panes.show(1, duplicateModulesRemovedText(removal.removed));
    panes.show(2, kCleanupDone);
}

void showInconsistentRemoval(ui::UiInterface& ui, bool statusBar,
                             const InconsistentRemoval& removal)
{
    if (!removal.ran())
        return;
    const InconsistentCounts& c = removal.counts;
    Panes panes(ui, statusBar);
    panes.show(1, inconsistentSummary(c.inconsistent, c.unlocated, c.duplicates, removal.bits));
    panes.show(2, kCleanupDone);
}

void showSymbolsCleanup(ui::UiInterface& ui, bool statusBar, const SymbolsCleanupResult& result)
{
    if (!result.showReport)
        return;
    Panes panes(ui, statusBar);
    const std::string summary = symbolsCleanupSummary(result.counts);
    if (!summary.empty())
        panes.show(1, summary);
    if (result.anyAction) {
        panes.show(2, kCleanupDone);
        panes.show(3, symbolsLeftText(result.symbolsLeft, result.empty));
    }
    ui.message(symbolsCleanupReport(result.counts, result.comment, durationText(result.elapsed)));
}

void showModulesCleanup(ui::UiInterface& ui, const ModulesCleanupResult& result)
{
    if (result.showReport)
        ui.message(
            modulesCleanupReport(result.counts, result.comment, durationText(result.elapsed)));
}

}  // namespace quillon::maintenance
