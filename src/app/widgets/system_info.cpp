// The system information box.
#include "app/widgets/system_info.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSysInfo>

#include "base/text_encoding.h"
#include "core/workspace.h"
#include "locate/clarion_folders.h"

namespace quillon::app {

namespace {
const std::string kRule = "     __________________________________________________";
}  // namespace

SystemFacts currentSystemFacts(Workspace& ws)
{
    SystemFacts facts;
    facts.qtVersion = qVersion();
    // Detection puts the settings' folders back; only the version is taken.
    ClarionProduct product;
    const ClarionFoldersOutcome found =
        FindClarionFolders(3, ws.options, product, clarionFolderServices(ws));
    if (found.result != 0) {
        facts.clarionRuntime = found.first;
        facts.installedClarion = found.first;
    }
#ifdef QUILLON_VERSION
    facts.buildVersion = QUILLON_VERSION;
#endif
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const int depth = std::clamp(screen->depth(), 1, 63);
        facts.colours = std::uint64_t{1} << depth;
        facts.screenWidth = screen->size().width();
        facts.screenHeight = screen->size().height();
    }
#ifdef Q_OS_WIN
    facts.systemLines.push_back("Windows platform: " + QSysInfo::prettyProductName().toStdString());
    facts.systemLines.push_back("Windows version number: " +
                                QSysInfo::productVersion().toStdString());
    facts.systemLines.push_back("Build number: " + QSysInfo::kernelVersion().toStdString());
#else
    facts.systemLines.push_back("Distribution: " + QSysInfo::prettyProductName().toStdString());
    facts.systemLines.push_back("Kernel: " + QSysInfo::kernelType().toStdString() + " " +
                                QSysInfo::kernelVersion().toStdString());
    facts.systemLines.push_back("Architecture: " +
                                QSysInfo::currentCpuArchitecture().toStdString());
#endif
    return facts;
}

ui::MessageBox systemInformationBox(const SystemFacts& facts)
{
    std::vector<std::string> lines;
    lines.push_back(kRule);
    lines.push_back("     SYSTEM INFORMATION");
    lines.push_back("     " + std::string(50, '\xAF'));
    lines.push_back("     Clarion Version Numbers");
    lines.push_back("     Clarion runtime library file (DLL) version number: " +
                    (facts.clarionRuntime.empty()
                         ? std::string("none found (no Clarion installation detected)")
                         : facts.clarionRuntime));
    lines.push_back("     Clarion execution file (EXE) compiler version number: " +
                    facts.buildVersion);
    if (!facts.qtVersion.empty())
        lines.push_back("     Qt run-time library version number: " + facts.qtVersion);
    if (!facts.installedClarion.empty())
        lines.push_back("     Installed Clarion version (from WIN.INI) = " +
                        facts.installedClarion);
    lines.push_back(std::string(94, kNonBreakingSpace));
    lines.push_back("     Display");
    lines.push_back("     Maximum number of display colors: " + std::to_string(facts.colours));
    lines.push_back("     Screen size: " + std::to_string(facts.screenWidth) + " X " +
                    std::to_string(facts.screenHeight));
    lines.push_back("");
    lines.push_back("     Operating System");
    for (const std::string& line : facts.systemLines)
        lines.push_back("     " + line);
    lines.push_back(kRule);

    ui::MessageBox box;
    box.title = "CLARION QUILLON 32 - System Information";
    box.icon = ui::MessageIcon::Program;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            box.text += '|';
        box.text += lines[i];
    }
    return box;
}

}  // namespace quillon::app
