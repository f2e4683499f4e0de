// The desktop program's test fixture.
#include "app/testing/gui_fixture.h"

#include <QApplication>
#include <QTest>
#include <QTreeView>

#include "core/library_model.h"

namespace quillon::app::testing {

void addLibrary(Workspace& ws, int modules, int symbols, std::uint8_t os)
{
    const std::size_t first = ws.library.rows.size();
    for (int m = 1; m <= modules; ++m) {
        appendModuleRow(ws, "MOD" + std::to_string(m), os);
        for (int s = 1; s <= symbols; ++s)
            appendSymbolRow(ws, "Func_" + std::to_string(m) + "_" + std::to_string(s),
                            static_cast<std::uint16_t>(s));
    }
    postProcessLoad(ws, first, {"/libs/test.lib", false, 0});
}

GuiFixture::GuiFixture() : settings(folder.file("Quillon32.ini")), ws(qtUi, files, settings, clock)
{
    qtUi.setMessageSeam([this](const ui::MessageBox& box) {
        messages.push_back(box);
        if (answers.empty())
            return box.defaultButton;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    });
    qtUi.setDialogSeam([this](const ui::FileDialogRequest&, const char*) {
        if (dialogResults.empty())
            return std::vector<std::string>{};
        auto result = dialogResults.front();
        dialogResults.pop_front();
        return result;
    });
}

GuiFixture::~GuiFixture()
{
    if (m_window) {
        // Closing must not ask anything at the end of a test.
        ws.library.LibraryChanged = false;
        m_window->close();
    }
}

MainWindow& GuiFixture::window()
{
    if (!m_window) {
        m_window = std::make_unique<MainWindow>(
            ws, qtUi, WindowSetup{folder.path().string(), folder.path().string()});
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        (void)QTest::qWaitForWindowActive(m_window.get());
        m_window->libraryReplaced();
    }
    return *m_window;
}

void GuiFixture::key(int key, Qt::KeyboardModifiers modifiers)
{
    MainWindow& w = window();
    w.activateWindow();
    w.tree()->setFocus();
    QTest::keyClick(w.tree(), static_cast<Qt::Key>(key), modifiers);
}

}  // namespace quillon::app::testing
