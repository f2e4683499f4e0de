// Banner: the picture along the top of the main window, with its subtitle kept whole.
#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

class QPaintEvent;

namespace quillon::app {

/// The banner picture: the quill and the name on the left, the subtitle on the right. When the
/// window is narrower than the picture the subtitle moves left, onto two lines if need be,
/// and is left out when even that would cover the name; it is never cut.
class Banner final : public QWidget {
    Q_OBJECT
public:
    explicit Banner(QWidget* parent = nullptr);

    [[nodiscard]] const QPixmap& picture() const { return m_picture; }
    /// The subtitle's lines as drawn at the present width (none, one or two).
    [[nodiscard]] QStringList subtitleLines() const;

    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    /// Where the subtitle may go at the present width, and its font.
    [[nodiscard]] QRectF subtitleRoom() const;
    [[nodiscard]] QFont subtitleFont() const;

    QPixmap m_picture;
};

}  // namespace quillon::app
