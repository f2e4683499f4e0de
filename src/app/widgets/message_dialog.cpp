// The program's message box.
#include "app/widgets/message_dialog.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace quillon::app {

MessageDialog::MessageDialog(QWidget* parent, const QString& title, const QString& text,
                             const QPixmap& icon, const QStringList& buttons, int defaultButton,
                             int escapeButton)
    : QDialog(parent), m_default(defaultButton), m_escape(escapeButton)
{
    setObjectName("messageBox");
    setWindowTitle(title);
    setModal(true);

    m_text = new QLabel(this);
    m_text->setObjectName("messageText");
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(false);
    // Blanks become non-breaking so that the lines keep their indent as the texts lay it out.
    m_text->setText(QString(text).replace(' ', QChar(0x00A0)));
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_area = new QScrollArea(this);
    m_area->setObjectName("messageArea");
    m_area->setFrameShape(QFrame::NoFrame);
    m_area->setWidget(m_text);
    m_area->setWidgetResizable(true);
    m_area->setBackgroundRole(QPalette::Window);

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    if (!icon.isNull()) {
        auto* iconLabel = new QLabel(this);
        iconLabel->setObjectName("messageIcon");
        iconLabel->setPixmap(icon);
        iconLabel->setAlignment(Qt::AlignTop);
        top->addWidget(iconLabel, 0, Qt::AlignTop);
    }
    top->addWidget(m_area, 1);

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        auto* button = new QPushButton(buttons[i], this);
        button->setAutoDefault(true);
        connect(button, &QPushButton::clicked, this, [this, button] {
            m_clicked = button;
            accept();
        });
        row->addWidget(button);
        m_buttons.push_back(button);
    }
    row->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addSpacing(8);
    layout->addLayout(row);

    if (QPushButton* button = MessageDialog::defaultButton()) {
        button->setDefault(true);
        button->setFocus();
    }
    fitToScreen();
}

QString MessageDialog::text() const
{
    return m_text->text();
}

QPushButton* MessageDialog::defaultButton() const
{
    if (m_default < 0 || static_cast<std::size_t>(m_default) >= m_buttons.size())
        return nullptr;
    return m_buttons[static_cast<std::size_t>(m_default)];
}

void MessageDialog::reject()
{
    if (m_escape >= 0 && static_cast<std::size_t>(m_escape) < m_buttons.size())
        m_clicked = m_buttons[static_cast<std::size_t>(m_escape)];
    QDialog::reject();
}

void MessageDialog::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers held =
        event->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier);
    if (held == Qt::NoModifier) {
        for (QPushButton* button : m_buttons) {
            const QKeySequence mnemonic = QKeySequence::mnemonic(button->text());
            if (!mnemonic.isEmpty() && mnemonic[0].key() == event->key()) {
                button->click();
                return;
            }
        }
    }
    QDialog::keyPressEvent(event);
}

void MessageDialog::fitToScreen()
{
    const QScreen* screen =
        parentWidget() != nullptr ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QRect free = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QSize needed = m_text->sizeHint();
    // What the box needs around the text: icon, buttons, margins and a window frame.
    const QSize around = sizeHint() - m_area->sizeHint() + QSize(32, 48);
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2;
    const int maxWidth = std::max(200, free.width() - around.width());
    const int maxHeight = std::max(100, free.height() - around.height());
    int width = std::min(needed.width(), maxWidth);
    int height = std::min(needed.height(), maxHeight);
    // A scroll bar in one direction takes room from the other.
    if (needed.height() > maxHeight)
        width = std::min(needed.width() + scrollBar, maxWidth);
    if (needed.width() > maxWidth)
        height = std::min(needed.height() + scrollBar, maxHeight);
    m_area->setMinimumSize(width, height);
    // The caption shows whole too: the title bar holds it beside the window's icon and
    // buttons, in a font that may be bold.
    QFont captionFont = font();
    captionFont.setBold(true);
    const int caption = QFontMetrics(captionFont).horizontalAdvance(windowTitle()) + 160;
    setMinimumWidth(std::min(caption, free.width()));
}

}  // namespace quillon::app
