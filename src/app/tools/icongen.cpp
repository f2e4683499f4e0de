// quillon_icongen: draws the desktop program's icon set and pictures and writes them as PNG
// files (run once when the artwork changes; the PNG files are kept in src/app/icons). A second
// folder argument also receives the program icon at the installed sizes (packaging/icons).
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>

namespace {

using Draw = std::function<void(QPainter&)>;

const QColor kOutline(92, 64, 16);
const QColor kFolderBack(222, 166, 52);
const QColor kFolderFront(250, 206, 92);
const QColor kBlueHook(24, 92, 214);
const QColor kRedHook(206, 28, 28);

// Every glyph is drawn on a 32 x 32 grid and written at 16 and 32 pixels.
void save(const QString& folder, const QString& name, const Draw& draw, bool large = false)
{
    for (const int size : {16, 32, 64}) {
        if (size == 64 && !large)
            continue;
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(size / 32.0, size / 32.0);
        draw(p);
        p.end();
        const QString file = folder + "/" + name +
                             (size == 64   ? "-64.png"
                              : size == 32 ? "@2x.png"
                                           : ".png");
        if (!image.save(file))
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    }
}

void shutFolder(QPainter& p)
{
    QPainterPath tab;
    tab.moveTo(2, 7);
    tab.lineTo(12, 7);
    tab.lineTo(15, 10);
    tab.lineTo(30, 10);
    tab.lineTo(30, 27);
    tab.lineTo(2, 27);
    tab.closeSubpath();
    p.setPen(QPen(kOutline, 1.6));
    p.setBrush(kFolderBack);
    p.drawPath(tab);
    QLinearGradient g(0, 12, 0, 27);
    g.setColorAt(0, kFolderFront.lighter(112));
    g.setColorAt(1, kFolderFront);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(2, 12.5, 28, 14.5), 1.5, 1.5);
}

void openFolder(QPainter& p)
{
    QPainterPath back;
    back.moveTo(2, 7);
    back.lineTo(12, 7);
    back.lineTo(15, 10);
    back.lineTo(27, 10);
    back.lineTo(27, 27);
    back.lineTo(2, 27);
    back.closeSubpath();
    p.setPen(QPen(kOutline, 1.6));
    p.setBrush(kFolderBack);
    p.drawPath(back);
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(QRectF(5, 12, 19, 8));
    QPainterPath front;
    front.moveTo(7, 15);
    front.lineTo(31, 15);
    front.lineTo(26, 27);
    front.lineTo(2, 27);
    front.closeSubpath();
    QLinearGradient g(0, 15, 0, 27);
    g.setColorAt(0, kFolderFront.lighter(115));
    g.setColorAt(1, kFolderFront);
    p.setBrush(g);
    p.drawPath(front);
}

// A rounded badge with one or two characters in the lower right corner.
void badge(QPainter& p, const QString& text, const QColor& fill)
{
    const QRectF box(text.size() > 1 ? 12 : 18, 17, text.size() > 1 ? 20 : 14, 15);
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(fill);
    p.drawRoundedRect(box, 3, 3);
    QFont font("DejaVu Sans");
    font.setPixelSize(13);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, -0.8);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(box, Qt::AlignCenter, text);
}

// A hook (tick) drawn over the upper left part of a glyph.
void hook(QPainter& p, const QColor& colour, bool small = false)
{
    QPainterPath tick;
    if (small) {
        tick.moveTo(3, 12);
        tick.lineTo(8, 18);
        tick.lineTo(18, 4);
    } else {
        tick.moveTo(4, 15);
        tick.lineTo(11, 23);
        tick.lineTo(28, 3);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    p.setPen(QPen(colour, 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
}

// An exclamation sign in a yellow triangle, upper left.
void exclamation(QPainter& p)
{
    QPainterPath tri;
    tri.moveTo(9, 0.8);
    tri.lineTo(17.5, 16);
    tri.lineTo(0.5, 16);
    tri.closeSubpath();
    p.setPen(QPen(QColor(120, 40, 0), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 214, 0));
    p.drawPath(tri);
    p.setPen(QPen(QColor(40, 20, 0), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9, 5.5), QPointF(9, 10.5));
    p.drawPoint(QPointF(9, 13.6));
}

// A red cross in the lower right corner: the executable was not found.
void notFound(QPainter& p)
{
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(QColor(200, 30, 30));
    p.drawEllipse(QRectF(17, 17, 15, 15));
    p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(21, 21), QPointF(28, 28));
    p.drawLine(QPointF(28, 21), QPointF(21, 28));
}

// A grey question mark upper left: the kind of the missing file is not known.
void unknownKind(QPainter& p)
{
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(QColor(110, 110, 110));
    p.drawRoundedRect(QRectF(0.5, 0.5, 14, 15), 3, 3);
    QFont font("DejaVu Sans");
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0.5, 0.5, 14, 15), Qt::AlignCenter, "?");
}

void function(QPainter& p, const QColor& fill)
{
    p.setPen(QPen(fill.darker(160), 1.6));
    QLinearGradient g(0, 5, 0, 27);
    g.setColorAt(0, fill.lighter(125));
    g.setColorAt(1, fill);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(5, 5, 22, 22), 5, 5);
    QFont font("DejaVu Serif");
    font.setPixelSize(20);
    font.setItalic(true);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(5, 4, 22, 22), Qt::AlignCenter, "f");
}

const QColor kFunction(34, 139, 120);
const QColor kResident(150, 92, 30);

void functionExcluded(QPainter& p, const QColor& fill)
{
    function(p, QColor(150, 150, 150));
    (void)fill;
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(QColor(200, 30, 30));
    p.drawEllipse(QRectF(15, 15, 16, 16));
    p.setPen(QPen(Qt::white, 2.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(19, 23), QPointF(27, 23));
}

void functionDuplicate(QPainter& p, const QColor& fill)
{
    p.save();
    p.translate(-3, -3);
    p.setOpacity(0.55);
    function(p, fill);
    p.restore();
    p.translate(3, 3);
    function(p, QColor(214, 120, 20));
    p.translate(-3, -3);
}

void hookBox(QPainter& p, const QColor* tick)
{
    p.setPen(QPen(QColor(40, 40, 40), 1.8));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(5, 5, 22, 22), 3, 3);
    if (tick == nullptr)
        return;
    QPainterPath path;
    path.moveTo(9, 16);
    path.lineTo(14, 22);
    path.lineTo(24, 9);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(*tick, 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void chip(QPainter& p, const QString& text, const QColor& fill)
{
    p.setPen(QPen(QColor(60, 60, 60), 1.4));
    for (int i = 0; i < 4; ++i) {
        const double x = 9 + i * 5;
        p.drawLine(QPointF(x, 2), QPointF(x, 6));
        p.drawLine(QPointF(x, 26), QPointF(x, 30));
    }
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(3, 6, 26, 20), 3, 3);
    QFont font("DejaVu Sans");
    font.setPixelSize(text.size() > 2 ? 9 : 14);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(3, 6, 26, 20), Qt::AlignCenter, text);
}

// The automatic bitness setting: one large "A" on the chip, legible at the button's size.
void autoChip(QPainter& p, const QColor& fill)
{
    chip(p, QString(), fill);
    QFont font("DejaVu Sans");
    font.setPixelSize(19);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(3, 5, 26, 22), Qt::AlignCenter, "A");
}

// The blue star of the browse button for the first priority folder.
void blueStar(QPainter& p)
{
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? 14.5 : 6.2;
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF point(16 + radius * std::cos(angle), 17 + radius * std::sin(angle));
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    QRadialGradient g(QPointF(13, 12), 16);
    g.setColorAt(0, QColor(120, 180, 255));
    g.setColorAt(1, kBlueHook);
    p.setPen(QPen(QColor(10, 40, 120), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(star);
}

void pin(QPainter& p, bool pushed)
{
    p.save();
    p.translate(16, 16);
    p.rotate(pushed ? 0 : 45);
    p.translate(-16, -16);
    p.setPen(QPen(QColor(90, 90, 90), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 20), QPointF(16, 31));
    p.setPen(QPen(QColor(120, 0, 0), 1.4));
    p.setBrush(pushed ? QColor(220, 40, 40) : QColor(160, 160, 160));
    p.drawRoundedRect(QRectF(10, 2, 12, 10), 2, 2);
    p.drawRoundedRect(QRectF(7, 12, 18, 7), 2, 2);
    p.restore();
}

// The program's quill: a feather over an open book.
void quill(QPainter& p)
{
    p.setPen(QPen(QColor(30, 60, 110), 1.4));
    p.setBrush(QColor(245, 245, 235));
    QPainterPath book;
    book.moveTo(2, 22);
    book.quadTo(9, 18, 16, 22);
    book.quadTo(23, 18, 30, 22);
    book.lineTo(30, 30);
    book.quadTo(23, 26, 16, 30);
    book.quadTo(9, 26, 2, 30);
    book.closeSubpath();
    p.drawPath(book);
    p.drawLine(QPointF(16, 22), QPointF(16, 30));
    QPainterPath feather;
    feather.moveTo(12, 25);
    feather.cubicTo(12, 15, 20, 4, 30, 1);
    feather.cubicTo(29, 10, 22, 20, 12, 25);
    QLinearGradient g(12, 25, 30, 1);
    g.setColorAt(0, QColor(30, 80, 170));
    g.setColorAt(1, QColor(90, 170, 230));
    p.setBrush(g);
    p.setPen(QPen(QColor(20, 40, 90), 1.2));
    p.drawPath(feather);
    p.setPen(QPen(QColor(230, 240, 255), 1.0));
    p.drawLine(QPointF(13, 24), QPointF(27, 5));
}

void picture(const QString& file, int width, int height, bool withText)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(22, 48, 96));
    sky.setColorAt(1, QColor(60, 120, 180));
    p.fillRect(image.rect(), sky);
    QRadialGradient glow(width * 0.25, height * 0.5, height * 0.6);
    glow.setColorAt(0, QColor(255, 255, 255, 70));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(image.rect(), glow);
    p.save();
    const double scale = height / 40.0;
    p.translate(width * 0.25 - 16 * scale, height * 0.5 - 16 * scale);
    p.scale(scale, scale);
    quill(p);
    p.restore();
    if (withText) {
        QFont title("DejaVu Sans");
        title.setPixelSize(height / 8);
        title.setBold(true);
        p.setFont(title);
        p.setPen(Qt::white);
        const QRectF right(width * 0.45, height * 0.22, width * 0.53, height * 0.3);
        p.drawText(right, Qt::AlignLeft | Qt::AlignVCenter, "Clarion\nQuillon 32");
        QFont small("DejaVu Sans");
        small.setPixelSize(height / 18);
        p.setFont(small);
        p.setPen(QColor(210, 226, 255));
        p.drawText(QRectF(width * 0.45, height * 0.58, width * 0.53, height * 0.3),
                   Qt::AlignLeft | Qt::AlignTop,
                   "LIB files for Clarion\nfrom 16-bit and 32-bit DLLs");
    }
    p.end();
    if (!image.save(file))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
}

/// The banner along the top of the main window: the quill and the name on one line, fading into
/// the window's banner colour on the right.
void banner(const QString& file, int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient band(0, 0, width, 0);
    band.setColorAt(0, QColor(60, 120, 180));
    band.setColorAt(1, QColor(22, 48, 96));
    p.fillRect(image.rect(), band);
    p.save();
    const double scale = height / 40.0;
    p.translate(height * 0.15, height * 0.5 - 16 * scale);
    p.scale(scale, scale);
    quill(p);
    p.restore();
    QFont title("DejaVu Sans");
    title.setPixelSize(height * 2 / 5);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    const QRectF text(height * 1.1, 0, width * 0.5, height);
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, "Clarion Quillon 32");
    QFont small("DejaVu Sans");
    small.setPixelSize(height / 4);
    p.setFont(small);
    p.setPen(QColor(210, 226, 255));
    p.drawText(QRectF(width * 0.5, 0, width * 0.48, height), Qt::AlignRight | Qt::AlignVCenter,
               "LIB files for Clarion from 16-bit and 32-bit DLLs");
    p.end();
    if (!image.save(file))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
}

}  // namespace

// The program icon at the sizes of the freedesktop icon theme, for installing.
void programIcons(const QString& folder)
{
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 32.0, size / 32.0);
        quill(p);
        p.end();
        const QString file = folder + QString("/quillon32-%1.png").arg(size);
        if (!image.save(file))
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    }
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    if (argc > 2) {
        const QString programFolder = QString::fromLocal8Bit(argv[2]);
        QDir().mkpath(programFolder);
        programIcons(programFolder);
    }

    struct Fold {
        const char* suffix;
        std::function<void(QPainter&)> overlay;
    };
    const QColor c16(20, 110, 200);
    const QColor c32(30, 150, 60);
    const QColor cX(110, 110, 110);
    const QColor cU(130, 60, 170);
    const Fold folds[] = {
        {"", nullptr},
        {"16", [&](QPainter& p) { badge(p, "16", c16); }},
        {"32", [&](QPainter& p) { badge(p, "32", c32); }},
        {"X", [&](QPainter& p) { badge(p, "X", cX); }},
        {"NotFound", [&](QPainter& p) { notFound(p); }},
        {"NotFoundX",
         [&](QPainter& p) {
             notFound(p);
             unknownKind(p);
         }},
        {"BlueHook", [&](QPainter& p) { hook(p, kBlueHook); }},
        {"RedHook", [&](QPainter& p) { hook(p, kRedHook); }},
        {"U", [&](QPainter& p) { badge(p, "U", cU); }},
        {"Exclamation", [&](QPainter& p) { exclamation(p); }},
        {"16Exclamation",
         [&](QPainter& p) {
             badge(p, "16", c16);
             exclamation(p);
         }},
        {"32Exclamation",
         [&](QPainter& p) {
             badge(p, "32", c32);
             exclamation(p);
         }},
        {"XExclamation",
         [&](QPainter& p) {
             badge(p, "X", cX);
             exclamation(p);
         }},
        {"UExclamation",
         [&](QPainter& p) {
             notFound(p);
             exclamation(p);
         }},
    };
    for (const Fold& fold : folds) {
        save(folder, QString("QNShutFold") + fold.suffix, [&](QPainter& p) {
            shutFolder(p);
            if (fold.overlay)
                fold.overlay(p);
        });
        save(folder, QString("QNOpenFold") + fold.suffix, [&](QPainter& p) {
            openFolder(p);
            if (fold.overlay)
                fold.overlay(p);
        });
    }
    save(folder, "QNFunction", [&](QPainter& p) { function(p, kFunction); });
    save(folder, "QNFunctionHookBlue", [&](QPainter& p) {
        function(p, kFunction);
        hook(p, kBlueHook, true);
    });
    save(folder, "QNFunctionHookRed", [&](QPainter& p) {
        function(p, kFunction);
        hook(p, kRedHook, true);
    });
    save(folder, "QNResFunction", [&](QPainter& p) { function(p, kResident); });
    save(folder, "QNResFunctionHookBlue", [&](QPainter& p) {
        function(p, kResident);
        hook(p, kBlueHook, true);
    });
    save(folder, "QNResFunctionHookRed", [&](QPainter& p) {
        function(p, kResident);
        hook(p, kRedHook, true);
    });
    save(folder, "QNFunctionExclude", [&](QPainter& p) { functionExcluded(p, kFunction); });
    save(folder, "QNResFunctionExclude", [&](QPainter& p) { functionExcluded(p, kResident); });
    save(folder, "QNFunctionDuplicate", [&](QPainter& p) { functionDuplicate(p, kFunction); });
    save(folder, "QNResFunctionDuplicate", [&](QPainter& p) { functionDuplicate(p, kResident); });
    save(folder, "QNHookBlackOff", [&](QPainter& p) { hookBox(p, nullptr); });
    const QColor black(20, 20, 20);
    save(folder, "QNHookBlackOn", [&](QPainter& p) { hookBox(p, &black); });
    save(folder, "QNHookRedOn", [&](QPainter& p) { hookBox(p, &kRedHook); });
    save(folder, "QNBitButton", [&](QPainter& p) { chip(p, "16/32", QColor(90, 90, 90)); });
    save(folder, "QNBitButton16", [&](QPainter& p) { chip(p, "16", c16); });
    save(folder, "QNBitButton32", [&](QPainter& p) { chip(p, "32", c32); });
    save(folder, "QNBitButtonX", [&](QPainter& p) { autoChip(p, cU); });
    save(folder, "QNBlueStar", [&](QPainter& p) { blueStar(p); });
    save(folder, "QNTopMost", [&](QPainter& p) { pin(p, true); });
    save(folder, "QNNotTopMost", [&](QPainter& p) { pin(p, false); });
    save(
        folder, "QNQuillon", [&](QPainter& p) { quill(p); }, true);
    picture(folder + "/splash.png", 480, 240, true);
    picture(folder + "/about.png", 220, 110, false);
    banner(folder + "/banner.png", 720, 40);
    return 0;
}
