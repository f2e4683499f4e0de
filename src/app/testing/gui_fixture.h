// GuiFixture: a workspace over the Qt front end, settings in a scratch folder, message boxes
// answered by script, and a main window on demand.
#pragma once

#include <gtest/gtest.h>
#include <QApplication>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/widgets/qt_ui.h"
#include "app/window/main_window.h"
#include "base/ascii_text.h"
#include "core/workspace.h"
#include "platform/file_system.h"
#include "settings/settings_store.h"
#include "support/test_workspace.h"

namespace quillon::app::testing {

/// Appends `modules` modules of `symbols` symbols each (names "MOD1", "Func_1_1", ordinals
/// counting from 1) as one load, with the post-processing of a load.
void addLibrary(Workspace& ws, int modules, int symbols, std::uint8_t os = kOs32);

/// Runs `handle` on the modal dialog of type `D` as soon as it shows (and retries a while
/// until it does); the handler closes the dialog.
template <typename D>
void whenShown(std::function<void(D&)> handle, int attempts = 200)
{
    QTimer::singleShot(5, [handle, attempts] {
        if (auto* d = qobject_cast<D*>(QApplication::activeModalWidget())) {
            handle(*d);
            return;
        }
        if (attempts > 0)
            whenShown<D>(handle, attempts - 1);
        else if (QWidget* other = QApplication::activeModalWidget())
            other->close();
    });
}

/// A path as captions show it: in capitals where letter case does not tell files apart, as
/// spelled where it does.
[[nodiscard]] inline std::string captionPath(const std::string& path)
{
#ifdef _WIN32
    return upperCase(path);
#else
    return path;
#endif
}

class GuiFixture : public ::testing::Test {
protected:
    GuiFixture();
    ~GuiFixture() override;

    /// The main window, built at first use and shown.
    MainWindow& window();
    /// Sends a key to the library list with the focus on it.
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    quillon::testing::TempFolder folder;
    QtUi qtUi;
    platform::FileSystem files;
    settings::SettingsStore settings;
    quillon::testing::ManualClock clock;
    Workspace ws;

    /// Answers of the next message boxes (1-based); without one the default button.
    std::deque<int> answers;
    std::vector<ui::MessageBox> messages;
    /// Results of the next file dialogs; without one the dialog is cancelled.
    std::deque<std::vector<std::string>> dialogResults;

private:
    std::unique_ptr<MainWindow> m_window;
};

}  // namespace quillon::app::testing
