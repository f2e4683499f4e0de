// Start-up of the desktop program, timed from outside by bench/gui/startup.sh: runs
// quillon32's own start-up and prints the wall clock (nanoseconds since the epoch) once the
// main window has been painted the first time, or, with a LIB file among the arguments, once
// the tree has been painted holding the library; then the program ends.
#include <QAbstractItemModel>
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QTreeView>

#include <chrono>
#include <cstdio>
#include <cstring>

#include "app/window/desktop_program.h"
#include "app/window/main_window.h"

namespace {

class FirstPaint final : public QObject {
public:
    FirstPaint(quillon::app::MainWindow& window, bool withLibrary)
        : m_window(window), m_withLibrary(withLibrary)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || m_done)
            return false;
        QTreeView* tree = m_window.tree();
        if (m_withLibrary &&
            (watched != tree->viewport() || tree->model() == nullptr || tree->model()->rowCount() == 0))
            return false;
        m_done = true;
        // Told once the paint event has been handled.
        QTimer::singleShot(0, [] {
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            std::printf("%lld\n", static_cast<long long>(
                                      std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
            std::fflush(stdout);
            std::_Exit(0);
        });
        return false;
    }

private:
    quillon::app::MainWindow& m_window;
    bool m_withLibrary;
    bool m_done = false;
};

}  // namespace

int main(int argc, char** argv)
{
    bool withLibrary = false;
    for (int i = 1; i < argc; ++i)
        withLibrary = withLibrary || std::strstr(argv[i], ".lib") != nullptr ||
                      std::strstr(argv[i], ".LIB") != nullptr;
    return quillon::app::runDesktopProgram(argc, argv, [withLibrary](quillon::app::MainWindow& w) {
        auto* probe = new FirstPaint(w, withLibrary);
        probe->setParent(&w);
        w.installEventFilter(probe);
        w.tree()->viewport()->installEventFilter(probe);
    });
}
