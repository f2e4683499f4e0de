// The Qt front end: message rendering, status panes, the key poll and the busy state.
#include "app/widgets/qt_ui.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QStringListModel>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <gtest/gtest.h>

#include "app/widgets/message_dialog.h"
#include "base/text_encoding.h"

namespace quillon::app {
namespace {

ui::MessageBox question()
{
    ui::MessageBox box;
    box.title = "CLARION QUILLON 32 - Library file changed";
    box.text = "    The library file has been changed.|" + std::string(5, kNonBreakingSpace) +
               "|    File: C:\\LIBS\\CAF\xC9.LIB";
    box.buttons = "&Yes|&No|&Cancel";
    box.defaultButton = 1;
    return box;
}

TEST(QtUiRender, BreaksLinesKeepsPaddingAndConvertsWindows1252)
{
    const RenderedMessage r = renderMessage(question());
    EXPECT_EQ(r.title, "CLARION QUILLON 32 - Library file changed");
    const QStringList lines = r.text.split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[1], QString(5, QChar(0x00A0)));
    EXPECT_EQ(lines[2], QString::fromUtf8("    File: C:\\LIBS\\CAF\xC3\x89.LIB"));
    EXPECT_EQ(r.buttons, QStringList({"&Yes", "&No", "&Cancel"}));
    EXPECT_EQ(r.defaultButton, 0);
    EXPECT_EQ(r.escapeButton, 2);
}

TEST(QtUiRender, SingleButtonIsAlsoTheEscapeButtonAndDefaultsAreClamped)
{
    ui::MessageBox box;
    box.buttons = "&OK";
    box.defaultButton = 7;
    const RenderedMessage r = renderMessage(box);
    EXPECT_EQ(r.defaultButton, 0);
    EXPECT_EQ(r.escapeButton, 0);
    box.buttons = "&Yes|&Present|&Default|&Cancel";
    EXPECT_EQ(renderMessage(box).escapeButton, 3);
}

// True when a pattern of a Qt filter matches the name as a file system that keeps letter
// case does (the native dialogs of Linux desktops do).
bool filterShows(const QString& filter, const QString& name)
{
    const QString inner = filter.mid(filter.indexOf('(') + 1).chopped(1);
    for (const QString& pattern : inner.split(' ', Qt::SkipEmptyParts)) {
        if (QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern))
                .match(name)
                .hasMatch())
            return true;
    }
    return false;
}

TEST(QtUiRender, DialogFiltersBecomeQtFilters)
{
#ifdef _WIN32
    EXPECT_EQ(dialogFilter("Library files (*.lib)|*.lib|All files (*.*)|*.*"),
              "Library files (*.lib);;All files (*.*)");
    EXPECT_EQ(dialogFilter("Executables|*.dll;*.exe"), "Executables (*.dll *.exe)");
#else
    EXPECT_EQ(dialogFilter("Library files (*.lib)|*.lib|All files (*.*)|*.*"),
              "Library files (*.lib *.LIB);;All files (*)");
    EXPECT_EQ(dialogFilter("Executables|*.dll;*.exe"), "Executables (*.dll *.exe *.DLL *.EXE)");
#endif
    // Each filter of the "Add file" dialog shows the files of its kind in either case.
    const QStringList filters = dialogFilter(
                                    "Library files (*.lib;*.dll)|*.lib;*.dll|Custom controls "
                                    "(*.ocx;*.ax;*.vbx)|*.ocx;*.ax;*.vbx|All files (*.*)|*.*")
                                    .split(";;");
    ASSERT_EQ(filters.size(), 3);
    for (const char* name : {"all.lib", "QUILLSMP.DLL", "QUILL16.DLL"})
        EXPECT_TRUE(filterShows(filters[0], name)) << name;
    EXPECT_FALSE(filterShows(filters[0], "readme.txt"));
    for (const char* name : {"grid.ocx", "VIDEO.AX", "Old.vbx"})
        EXPECT_TRUE(filterShows(filters[1], name)) << name;
#ifndef _WIN32
    for (const char* name : {"README", "notes.txt"})
        EXPECT_TRUE(filterShows(filters[2], name)) << name;
#endif
}

TEST(QtUiBox, ShowsTheButtonsWithAccessKeysAndReturnsTheChosenOne)
{
    QtUi ui;
    // Answer the real box as a person would: press the second button.
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<MessageDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->defaultButton()->text(), "&Yes");
        EXPECT_EQ(box->buttons().size(), 3);
        EXPECT_TRUE(box->text().contains(QChar(0x00A0)));
        for (QAbstractButton* b : box->buttons()) {
            if (b->text() == "&No")
                b->click();
        }
    });
    EXPECT_EQ(ui.message(question()), 2);
}

TEST(QtUiBox, LongLinesAreShownWholeUpToTheScreenAndScrollBeyond)
{
    QtUi ui;
    ui::MessageBox box = question();
    const std::string path = "/home/user/projects/clarion/libraries/with/a/rather/deep/folder";
    box.text += "|    File: " + path + "/QUILLSMP.DLL";
    QSize shortText;
    QSize shortArea;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<MessageDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* label = qobject_cast<QLabel*>(dialog->textArea()->widget());
        ASSERT_NE(label, nullptr);
        EXPECT_FALSE(label->wordWrap());
        shortText = label->sizeHint();
        shortArea = dialog->textArea()->minimumSize();
        dialog->buttons().front()->click();
    });
    (void)ui.message(box);
    // The box is as wide as the longest line: nothing is broken or cut.
    EXPECT_GE(shortArea.width(), shortText.width());
    EXPECT_GE(shortArea.height(), shortText.height());

    box.text += "|    " + std::string(400, 'W');
    int areaWidth = 0;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<MessageDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        areaWidth = dialog->textArea()->minimumWidth();
        dialog->buttons().front()->click();
    });
    (void)ui.message(box);
    // Wider than the screen: the box stays on it and the text scrolls.
    EXPECT_GT(areaWidth, 0);
    EXPECT_LE(areaWidth, QGuiApplication::primaryScreen()->availableGeometry().width());
}

TEST(QtUiBox, AnAccessLetterAlonePressesItsButton)
{
    QtUi ui;
    QTimer::singleShot(0, [] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        QKeyEvent n(QEvent::KeyPress, Qt::Key_N, Qt::NoModifier, "n");
        QApplication::sendEvent(box, &n);
    });
    QTimer::singleShot(2000, [] {
        if (auto* box = qobject_cast<MessageDialog*>(QApplication::activeModalWidget()))
            box->buttons().front()->click();
    });
    EXPECT_EQ(ui.message(question()), 2);
}

TEST(QtUiBox, EscapeChoosesCancel)
{
    QtUi ui;
    QTimer::singleShot(0, [] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(box, &esc);
    });
    EXPECT_EQ(ui.message(question()), 3);
}

TEST(QtUiBox, BoxShownDuringABusyOperationTakesKeysFromTheWindowSystem)
{
    QtUi ui;
    ui.setBusy(true);
    // The window system delivers a key to the box's native window, not to its widgets.
    QTimer::singleShot(0, [] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        ASSERT_NE(box->windowHandle(), nullptr);
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(box->windowHandle(), &esc);
    });
    // Should the key be swallowed, the box is closed another way and the answer differs.
    QTimer::singleShot(2000, [] {
        if (auto* box = qobject_cast<MessageDialog*>(QApplication::activeModalWidget()))
            box->buttons().front()->click();
    });
    EXPECT_EQ(ui.message(question()), 3);
    ui.setBusy(false);
}

TEST(QtUiBox, DialogDuringABusyOperationKeepsItsCompletionListWorking)
{
    QtUi ui;
    ui.setBusy(true);
    QDialog dialog;
    auto* edit = new QLineEdit(&dialog);
    (new QVBoxLayout(&dialog))->addWidget(edit);
    auto* completer = new QCompleter(new QStringListModel({"all.lib", "alpha.dll"}, &dialog));
    edit->setCompleter(completer);
    bool popupShown = false;
    bool popupClosedByEscape = false;
    QTimer::singleShot(0, [&] {
        edit->setFocus();
        completer->setCompletionPrefix("a");
        completer->complete();
        QAbstractItemView* popup = completer->popup();
        popupShown = popup->isVisible();
        ASSERT_NE(popup->windowHandle(), nullptr);
        // The window system delivers the key to the pop-up's own native window.
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(popup->windowHandle(), &esc);
        popupClosedByEscape = !popup->isVisible();
        QKeyEvent esc2(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(dialog.windowHandle(), &esc2);
    });
    // Should the keys be swallowed, the dialog is closed another way.
    QTimer::singleShot(2000, &dialog, [&] { dialog.done(7); });
    const int result = dialog.exec();
    ui.setBusy(false);
    EXPECT_TRUE(popupShown);
    EXPECT_TRUE(popupClosedByEscape);
    EXPECT_EQ(result, QDialog::Rejected);
}

TEST(QtUiStatus, PanesShowTheTextsAndKeepThem)
{
    QMainWindow window;
    QtUi ui;
    ui.attach(&window, window.statusBar());
    ui.status(1, "Sorting list...");
    ui.status(3, "F:3/12");
    EXPECT_EQ(ui.statusText(1), "Sorting list...");
    EXPECT_EQ(ui.pane(1)->text(), "Sorting list...");
    EXPECT_EQ(ui.pane(3)->text(), "F:3/12");
    ui.status(4, "ignored");
    EXPECT_EQ(ui.statusText(4), "");
    ui.progressStart("Reading data...", 200);
    ui.progress(100, 200, "100 symbols");
    EXPECT_EQ(ui.progressBar()->value(), 500);
    EXPECT_EQ(ui.progressBar()->format(), "Reading data... 100 symbols");
    ui.progressEnd();
    EXPECT_TRUE(ui.progressBar()->isHidden());
}

TEST(QtUiKeys, PollTakesAPendingEscapeWithoutDeliveringIt)
{
    QtUi ui;
    QLineEdit edit;
    edit.show();
    ui.setBusy(true);
    QApplication::postEvent(&edit, new QKeyEvent(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x"));
    QApplication::postEvent(&edit, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    EXPECT_EQ(ui.takePendingKeys(), ui::PendingKey::Escape);
    EXPECT_EQ(edit.text(), "");  // the keys went to the poll, not to the window
    EXPECT_EQ(ui.takePendingKeys(), ui::PendingKey::None);
    ui.setBusy(false);
    QApplication::postEvent(&edit, new QKeyEvent(QEvent::KeyPress, Qt::Key_Y, Qt::NoModifier, "y"));
    QApplication::processEvents();
    EXPECT_EQ(edit.text(), "y");
}

TEST(QtUiKeys, F1IsReported)
{
    QtUi ui;
    QLineEdit edit;
    QApplication::postEvent(&edit, new QKeyEvent(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier));
    EXPECT_EQ(ui.takePendingKeys(), ui::PendingKey::F1);
}

}  // namespace
}  // namespace quillon::app
