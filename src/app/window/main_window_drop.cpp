// The main window takes files dropped from a file manager: executables are added as "Add file"
// adds them, and a single LIB file dropped on an empty library opens it.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTabWidget>

#include "app/widgets/qt_ui.h"
#include "app/window/file_drop.h"
#include "app/window/main_window.h"

namespace quillon::app {

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!m_ui.busy() && !droppedFiles(*event->mimeData()).empty())
        event->acceptProposedAction();
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event)
{
    if (!m_ui.busy())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    if (m_ui.busy())
        return;
    const std::vector<std::string> files = droppedFiles(*event->mimeData());
    if (files.empty())
        return;
    event->acceptProposedAction();
    m_tabs->setCurrentWidget(m_libraryTab);
    if (dropOpensLibrary(files, m_ws.library.empty()))
        (void)openFile(files.front());
    else
        (void)loadFiles(files);
    activateWindow();
}

}  // namespace quillon::app
