// Draws the program's icons, pointers, button images, toolbar strips and splash picture
// into PNG files. Run it after changing a picture:
//     build/bin/gb_makeart src/resources/images
// The pictures share one small vocabulary (a framed photo, a folder, a disk, badges) and
// one palette, so they look like one family at 16 x 16.

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <functional>

namespace {

const QColor kInk(40, 44, 52);
const QColor kSky(96, 164, 230);
const QColor kHill(64, 150, 84);
const QColor kSun(250, 196, 40);
const QColor kPaper(250, 250, 246);
const QColor kFolder(236, 186, 72);
const QColor kAccent(203, 131, 19);
const QColor kRed(210, 60, 50);
const QColor kBlue(40, 96, 190);
const QColor kGreen(46, 150, 70);
const QColor kGrey(150, 154, 160);

using Draw = std::function<void(QPainter &, qreal)>; // painter, size of the square in pixels

QImage canvas(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

void setup(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
}

// A framed landscape photo in the rectangle.
void photo(QPainter &p, const QRectF &r)
{
    p.save();
    p.setPen(QPen(kInk, qMax<qreal>(1.0, r.width() / 14)));
    p.setBrush(kSky);
    p.drawRect(r);
    QPainterPath hill;
    hill.moveTo(r.left(), r.bottom());
    hill.lineTo(r.left() + r.width() * 0.35, r.top() + r.height() * 0.45);
    hill.lineTo(r.left() + r.width() * 0.6, r.top() + r.height() * 0.7);
    hill.lineTo(r.left() + r.width() * 0.75, r.top() + r.height() * 0.55);
    hill.lineTo(r.right(), r.bottom());
    hill.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kHill);
    p.drawPath(hill);
    p.setBrush(kSun);
    const qreal s = r.width() * 0.22;
    p.drawEllipse(QRectF(r.right() - s * 1.6, r.top() + s * 0.5, s, s));
    p.setPen(QPen(kInk, qMax<qreal>(1.0, r.width() / 14)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
    p.restore();
}

void folder(QPainter &p, const QRectF &r)
{
    p.save();
    p.setPen(QPen(kInk.lighter(120), qMax<qreal>(1.0, r.width() / 16)));
    QPainterPath path;
    path.moveTo(r.left(), r.top() + r.height() * 0.2);
    path.lineTo(r.left() + r.width() * 0.4, r.top() + r.height() * 0.2);
    path.lineTo(r.left() + r.width() * 0.5, r.top() + r.height() * 0.32);
    path.lineTo(r.right(), r.top() + r.height() * 0.32);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setBrush(kFolder);
    p.drawPath(path);
    p.setBrush(kFolder.lighter(118));
    p.drawRect(QRectF(r.left(), r.top() + r.height() * 0.42, r.width(), r.height() * 0.58));
    p.restore();
}

// A disk drive box with a light; colour tells the kind.
void drive(QPainter &p, const QRectF &r, const QColor &body)
{
    p.save();
    p.setPen(QPen(kInk, qMax<qreal>(1.0, r.width() / 16)));
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, body.lighter(130));
    g.setColorAt(1, body.darker(110));
    p.setBrush(g);
    p.drawRoundedRect(r, r.height() * 0.18, r.height() * 0.18);
    p.setBrush(kGreen.lighter(140));
    const qreal d = r.height() * 0.28;
    p.drawEllipse(QRectF(r.right() - d * 1.8, r.center().y() - d / 2, d, d));
    p.restore();
}

void disc(QPainter &p, const QRectF &r)
{
    p.save();
    p.setPen(QPen(kInk, qMax<qreal>(1.0, r.width() / 16)));
    QConicalGradient g(r.center(), 30);
    g.setColorAt(0, QColor(230, 230, 250));
    g.setColorAt(0.3, QColor(200, 240, 220));
    g.setColorAt(0.6, QColor(250, 210, 230));
    g.setColorAt(1, QColor(230, 230, 250));
    p.setBrush(g);
    p.drawEllipse(r);
    p.setBrush(kPaper);
    const qreal h = r.width() * 0.28;
    p.drawEllipse(QRectF(r.center().x() - h / 2, r.center().y() - h / 2, h, h));
    p.restore();
}

void text(QPainter &p, const QRectF &r, const QString &s, const QColor &c, qreal px, bool bold = true,
          int flags = Qt::AlignCenter, const QString &family = QStringLiteral("DejaVu Sans"))
{
    QFont f(family);
    f.setPixelSize(qMax(6, int(px)));
    f.setBold(bold);
    p.save();
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, flags, s);
    p.restore();
}

// A small round badge in a corner with a glyph drawn by the callback.
void badge(QPainter &p, qreal size, const QColor &c, const std::function<void(QPainter &, QRectF)> &glyph)
{
    const QRectF r(size * 0.48, size * 0.48, size * 0.52, size * 0.52);
    p.save();
    p.setPen(QPen(Qt::white, qMax<qreal>(1.0, size / 16)));
    p.setBrush(c);
    p.drawEllipse(r.adjusted(0.5, 0.5, -0.5, -0.5));
    glyph(p, r);
    p.restore();
}

void arrowGlyph(QPainter &p, const QRectF &r, qreal angleDeg, bool filled = true)
{
    p.save();
    p.translate(r.center());
    p.rotate(angleDeg);
    const qreal s = r.width() * 0.32;
    QPainterPath a;
    a.moveTo(s, 0);
    a.lineTo(-s * 0.2, -s);
    a.lineTo(-s * 0.2, -s * 0.4);
    a.lineTo(-s, -s * 0.4);
    a.lineTo(-s, s * 0.4);
    a.lineTo(-s * 0.2, s * 0.4);
    a.lineTo(-s * 0.2, s);
    a.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(filled ? Qt::white : Qt::transparent);
    p.drawPath(a);
    p.restore();
}

void magnifier(QPainter &p, const QRectF &r, const QColor &c = kInk)
{
    p.save();
    const qreal w = r.width();
    p.setPen(QPen(c, qMax<qreal>(1.2, w / 8), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(QColor(220, 240, 255));
    const QRectF lens(r.left() + w * 0.08, r.top() + w * 0.08, w * 0.55, w * 0.55);
    p.drawEllipse(lens);
    p.setPen(QPen(c, qMax<qreal>(2.0, w / 5), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(lens.right() - w * 0.04, lens.bottom() - w * 0.04), QPointF(r.right() - w * 0.08, r.bottom() - w * 0.08));
    p.restore();
}

void printer(QPainter &p, const QRectF &r)
{
    p.save();
    const qreal w = r.width();
    p.setPen(QPen(kInk, qMax<qreal>(1.0, w / 16)));
    p.setBrush(kPaper);
    p.drawRect(QRectF(r.left() + w * 0.25, r.top() + w * 0.05, w * 0.5, w * 0.35));
    p.setBrush(kGrey.lighter(120));
    p.drawRoundedRect(QRectF(r.left() + w * 0.05, r.top() + w * 0.35, w * 0.9, w * 0.4), w * 0.08, w * 0.08);
    p.setBrush(kPaper);
    p.drawRect(QRectF(r.left() + w * 0.25, r.top() + w * 0.62, w * 0.5, w * 0.33));
    p.restore();
}

void sheetGrid(QPainter &p, const QRectF &r, int n)
{
    p.save();
    p.setPen(QPen(kInk, qMax<qreal>(1.0, r.width() / 16)));
    p.setBrush(kPaper);
    p.drawRect(r);
    const qreal cw = r.width() / n, ch = r.height() / n;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            p.setBrush((i + j) % 2 ? kSky : kHill);
            p.drawRect(QRectF(r.left() + i * cw + cw * 0.18, r.top() + j * ch + ch * 0.18, cw * 0.64, ch * 0.64));
        }
    p.restore();
}

QImage icon(int size, const Draw &draw)
{
    QImage img = canvas(size, size);
    QPainter p(&img);
    setup(p);
    draw(p, size);
    return img;
}

bool save(const QImage &img, const QString &dir, const QString &name)
{
    const QString path = dir + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!img.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// The images of toolbar strips and icons that name a tool.
Draw toolGallery()
{
    return [](QPainter &p, qreal s) {
        photo(p, QRectF(s * 0.05, s * 0.12, s * 0.7, s * 0.55));
        badge(p, s, kBlue, [](QPainter &q, QRectF r) { text(q, r, "W", Qt::white, r.height() * 0.7); });
    };
}
Draw toolBatch()
{
    return [](QPainter &p, qreal s) {
        photo(p, QRectF(s * 0.22, s * 0.05, s * 0.62, s * 0.45));
        photo(p, QRectF(s * 0.05, s * 0.2, s * 0.62, s * 0.45));
        badge(p, s, kAccent, [](QPainter &q, QRectF r) { arrowGlyph(q, r, 0); });
    };
}
Draw toolSheet()
{
    return [](QPainter &p, qreal s) { sheetGrid(p, QRectF(s * 0.08, s * 0.08, s * 0.84, s * 0.84), 3); };
}
Draw toolCatalog()
{
    return [](QPainter &p, qreal s) {
        p.setPen(QPen(kInk, qMax<qreal>(1.0, s / 16)));
        p.setBrush(QColor(120, 80, 160));
        p.drawRoundedRect(QRectF(s * 0.12, s * 0.05, s * 0.7, s * 0.9), s * 0.06, s * 0.06);
        photo(p, QRectF(s * 0.25, s * 0.2, s * 0.45, s * 0.35));
        p.setPen(QPen(kPaper, qMax<qreal>(1.0, s / 16)));
        p.drawLine(QPointF(s * 0.25, s * 0.72), QPointF(s * 0.7, s * 0.72));
    };
}
Draw toolExplorer()
{
    return [](QPainter &p, qreal s) {
        folder(p, QRectF(s * 0.02, s * 0.1, s * 0.8, s * 0.72));
        magnifier(p, QRectF(s * 0.42, s * 0.42, s * 0.58, s * 0.58));
    };
}
Draw toolSplit()
{
    return [](QPainter &p, qreal s) {
        photo(p, QRectF(s * 0.08, s * 0.15, s * 0.84, s * 0.7));
        p.setPen(QPen(Qt::white, qMax<qreal>(1.0, s / 12), Qt::DashLine));
        p.drawLine(QPointF(s * 0.5, s * 0.15), QPointF(s * 0.5, s * 0.85));
        p.drawLine(QPointF(s * 0.08, s * 0.5), QPointF(s * 0.92, s * 0.5));
    };
}
Draw toolRename()
{
    return [](QPainter &p, qreal s) {
        p.setPen(QPen(kInk, qMax<qreal>(1.0, s / 16)));
        p.setBrush(kPaper);
        p.drawRect(QRectF(s * 0.05, s * 0.25, s * 0.9, s * 0.5));
        text(p, QRectF(s * 0.05, s * 0.25, s * 0.7, s * 0.5), "ab", kBlue, s * 0.42);
        p.setPen(QPen(kRed, qMax<qreal>(1.0, s / 12)));
        p.drawLine(QPointF(s * 0.8, s * 0.15), QPointF(s * 0.8, s * 0.85));
    };
}
Draw toolPrint()
{
    return [](QPainter &p, qreal s) { printer(p, QRectF(0, 0, s, s)); };
}
Draw toolHelp()
{
    return [](QPainter &p, qreal s) {
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawEllipse(QRectF(s * 0.06, s * 0.06, s * 0.88, s * 0.88));
        text(p, QRectF(0, 0, s, s), "?", Qt::white, s * 0.7);
    };
}
Draw letterTile(const QString &letter, const QColor &c)
{
    return [letter, c](QPainter &p, qreal s) {
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawRoundedRect(QRectF(s * 0.06, s * 0.06, s * 0.88, s * 0.88), s * 0.18, s * 0.18);
        text(p, QRectF(0, 0, s, s), letter, Qt::white, s * 0.62);
    };
}
Draw photoWithBadge(const QColor &c, qreal angle)
{
    return [c, angle](QPainter &p, qreal s) {
        photo(p, QRectF(s * 0.05, s * 0.1, s * 0.72, s * 0.56));
        badge(p, s, c, [angle](QPainter &q, QRectF r) { arrowGlyph(q, r, angle); });
    };
}

QImage strip(const QList<Draw> &draws)
{
    QImage img = canvas(16 * int(draws.size()), 16);
    QPainter p(&img);
    setup(p);
    for (int i = 0; i < draws.size(); ++i) {
        p.save();
        p.translate(16 * i, 0);
        p.setClipRect(0, 0, 16, 16);
        draws[i](p, 16);
        p.restore();
    }
    return img;
}

// A pointer: an arrow whose tip is the hot spot at (0, 0), with a badge.
QImage pointer(const std::function<void(QPainter &)> &extra)
{
    QImage img = canvas(32, 32);
    QPainter p(&img);
    setup(p);
    QPainterPath a;
    a.moveTo(0.5, 0.5);
    a.lineTo(0.5, 17);
    a.lineTo(4.5, 13);
    a.lineTo(7.5, 20);
    a.lineTo(10, 19);
    a.lineTo(7, 12);
    a.lineTo(12.5, 12);
    a.closeSubpath();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPath(a);
    extra(p);
    return img;
}

QImage buttonBitmap(int w, int h, const Draw &draw)
{
    QImage img = canvas(w, h);
    QPainter p(&img);
    setup(p);
    draw(p, qMin(w, h));
    return img;
}

// A placement mark: a frame with a filled square at one of nine places.
QImage placement(int col, int row)
{
    return buttonBitmap(16, 16, [col, row](QPainter &p, qreal) {
        p.setPen(QPen(kInk, 1));
        p.setBrush(kPaper);
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawRect(QRectF(3 + col * 3.5, 3 + row * 3.5, 3.5, 3.5));
    });
}

QImage arrowBitmap(qreal angle, bool dbl)
{
    return buttonBitmap(16, 16, [angle, dbl](QPainter &p, qreal s) {
        p.translate(s / 2, s / 2);
        p.rotate(angle);
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        auto head = [&](qreal x) {
            QPainterPath t;
            t.moveTo(x + 4, 0);
            t.lineTo(x - 2, -5);
            t.lineTo(x - 2, 5);
            t.closeSubpath();
            p.drawPath(t);
        };
        if (dbl) {
            head(-2);
            head(3);
        } else {
            head(0.5);
        }
    });
}

QImage navBitmap(bool forward)
{
    return buttonBitmap(29, 22, [forward](QPainter &p, qreal) {
        QPainterPath t;
        if (forward) {
            t.moveTo(20, 11);
            t.lineTo(9, 4);
            t.lineTo(9, 18);
        } else {
            t.moveTo(9, 11);
            t.lineTo(20, 4);
            t.lineTo(20, 18);
        }
        t.closeSubpath();
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(t);
    });
}

QImage wideButton(int w, int h, const QString &label, const QColor &bg)
{
    QImage img = canvas(w, h);
    QPainter p(&img);
    setup(p);
    p.setPen(QPen(bg.darker(150), 1));
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, bg.lighter(130));
    g.setColorAt(1, bg);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 4, 4);
    text(p, QRectF(0, 0, w, h), label, Qt::white, h * 0.6);
    return img;
}

QImage splash()
{
    const int w = 336, h = 174;
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    setup(p);
    // The same cyan-to-black fall as the main window's background.
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(0, 254, 254));
    g.setColorAt(1, QColor(0, 0, 0));
    p.fillRect(0, 0, w, h, g);
    // A fan of three photos.
    const QRectF base(22, 40, 96, 72);
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(base.center());
        p.rotate(-14 + i * 14);
        p.translate(-base.center());
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 90));
        p.drawRect(base.translated(3, 4));
        p.setBrush(kPaper);
        p.drawRect(base.adjusted(-5, -5, 5, 14));
        photo(p, base);
        p.restore();
    }
    QFont f(QStringLiteral("Liberation Serif"));
    f.setPixelSize(34);
    f.setBold(true);
    f.setItalic(true);
    p.setFont(f);
    const QRectF title(136, 40, 196, 60);
    p.setPen(Qt::black);
    p.drawText(title.translated(2, 2), Qt::AlignCenter, QStringLiteral("Glimmerbox"));
    p.setPen(QColor(203, 131, 19));
    p.drawText(title, Qt::AlignCenter, QStringLiteral("Glimmerbox"));
    text(p, QRectF(140, 96, 190, 24), QStringLiteral("Image manager"), QColor(230, 240, 240), 14, false);
    text(p, QRectF(140, 140, 190, 20), QStringLiteral("Version 2.1.7"), QColor(190, 200, 200), 11, false);
    return img;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: gb_makeart OUTPUT_FOLDER\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    for (const char *sub : {"icons", "cursors", "bitmaps", "strips"})
        QDir().mkpath(out + QLatin1Char('/') + QLatin1String(sub));
    bool ok = true;
    const QString icons = out + "/icons", cursors = out + "/cursors", bitmaps = out + "/bitmaps", strips = out + "/strips";

    ok &= save(icon(32, [](QPainter &p, qreal s) {
                   photo(p, QRectF(s * 0.12, s * 0.1, s * 0.76, s * 0.6));
                   QFont f(QStringLiteral("Liberation Serif"));
                   f.setPixelSize(int(s * 0.42));
                   f.setBold(true);
                   f.setItalic(true);
                   p.setFont(f);
                   p.setPen(kAccent);
                   p.drawText(QRectF(0, s * 0.55, s, s * 0.45), Qt::AlignCenter, "G");
               }),
               icons, "AAPROGRAMICON");
    ok &= save(icon(16, toolCatalog()), icons, "ARCHIVEICON");
    ok &= save(icon(16, toolBatch()), icons, "BATCHEDITICON");
    ok &= save(icon(16, [](QPainter &p, qreal s) { disc(p, QRectF(s * 0.06, s * 0.06, s * 0.88, s * 0.88)); }), icons, "CDICON");
    ok &= save(icon(16, toolSheet()), icons, "COMPOSITEIMAGEICON");
    ok &= save(icon(32, [](QPainter &p, qreal s) { drive(p, QRectF(s * 0.06, s * 0.3, s * 0.88, s * 0.4), kGrey); }), icons, "DRIVEICON");
    ok &= save(icon(16, [](QPainter &p, qreal s) { drive(p, QRectF(s * 0.04, s * 0.28, s * 0.92, s * 0.44), kGrey); }), icons, "FIXEDMEDIAICON");
    ok &= save(icon(16, [](QPainter &p, qreal s) { folder(p, QRectF(s * 0.04, s * 0.08, s * 0.92, s * 0.8)); }), icons, "FOLDERICON");
    ok &= save(icon(16, toolGallery()), icons, "HTMLICON");
    ok &= save(icon(16, toolExplorer()), icons, "IMAGEBROWSERICON");
    ok &= save(icon(32, [](QPainter &p, qreal s) {
                   p.setPen(QPen(kInk, 1.5));
                   p.setBrush(kInk.lighter(160));
                   p.drawRoundedRect(QRectF(s * 0.1, s * 0.08, s * 0.8, s * 0.58), 2, 2);
                   photo(p, QRectF(s * 0.17, s * 0.14, s * 0.66, s * 0.44));
                   p.setBrush(kGrey);
                   p.drawRect(QRectF(s * 0.4, s * 0.66, s * 0.2, s * 0.12));
                   p.drawRoundedRect(QRectF(s * 0.2, s * 0.78, s * 0.6, s * 0.12), 2, 2);
               }),
               icons, "MYPCICON");
    ok &= save(icon(16, toolPrint()), icons, "PRINTERICON");
    ok &= save(icon(16, [](QPainter &p, qreal s) {
                   drive(p, QRectF(s * 0.04, s * 0.1, s * 0.92, s * 0.44), kBlue.lighter(140));
                   p.setPen(QPen(kInk, 1.2));
                   p.drawLine(QPointF(s * 0.5, s * 0.54), QPointF(s * 0.5, s * 0.82));
                   p.drawLine(QPointF(s * 0.15, s * 0.85), QPointF(s * 0.85, s * 0.85));
               }),
               icons, "REMOTEICON");
    ok &= save(icon(16, [](QPainter &p, qreal s) {
                   p.setPen(QPen(kInk, 1));
                   p.setBrush(kBlue);
                   p.drawRoundedRect(QRectF(s * 0.25, s * 0.05, s * 0.5, s * 0.9), 2, 2);
                   p.setBrush(kGrey.lighter(130));
                   p.drawRect(QRectF(s * 0.34, s * 0.05, s * 0.32, s * 0.25));
               }),
               icons, "REMOVABLEICON");
    ok &= save(icon(16, toolRename()), icons, "RENAMERICON");
    ok &= save(icon(16, [](QPainter &p, qreal s) {
                   photo(p, QRectF(s * 0.04, s * 0.04, s * 0.8, s * 0.6));
                   magnifier(p, QRectF(s * 0.45, s * 0.45, s * 0.55, s * 0.55));
               }),
               icons, "VIEWERICON");

    ok &= save(pointer([](QPainter &p) { photo(p, QRectF(13, 16, 14, 11)); }), cursors, "POINTER1");
    ok &= save(pointer([](QPainter &p) { p.setPen(QPen(kRed, 2)); p.drawEllipse(QRectF(14, 16, 12, 12)); }), cursors, "POINTER2");
    ok &= save(pointer([](QPainter &p) { magnifier(p, QRectF(12, 14, 16, 16)); }), cursors, "POINTER3");
    ok &= save(pointer([](QPainter &p) { p.setPen(QPen(kBlue, 2)); p.drawRect(QRectF(14, 16, 12, 10)); }), cursors, "POINTER4");
    ok &= save(pointer([](QPainter &p) {
                   p.setPen(QPen(kInk, 1.5));
                   p.setBrush(kPaper);
                   p.drawEllipse(QRectF(14, 15, 13, 13));
                   text(p, QRectF(14, 15, 13, 13), "+", kInk, 12);
               }),
               cursors, "POINTER5");

    ok &= save(buttonBitmap(18, 18, [](QPainter &p, qreal s) { magnifier(p, QRectF(0, 0, s, s)); }), bitmaps, "FINDFILE");
    ok &= save(buttonBitmap(16, 16, [](QPainter &p, qreal s) {
                   QFont f(QStringLiteral("Liberation Serif"));
                   f.setPixelSize(int(s));
                   f.setBold(true);
                   p.setFont(f);
                   p.setPen(kInk);
                   p.drawText(QRectF(0, 0, s, s), Qt::AlignCenter, "A");
               }),
               bitmaps, "FONTBM");
    ok &= save(arrowBitmap(-90, false), bitmaps, "UPARROW");
    ok &= save(arrowBitmap(90, false), bitmaps, "DOWNARROW");
    ok &= save(arrowBitmap(0, false), bitmaps, "RIGHTSARROW");
    ok &= save(arrowBitmap(180, false), bitmaps, "LEFTSARROW");
    ok &= save(arrowBitmap(0, true), bitmaps, "RIGHTDARROW");
    ok &= save(arrowBitmap(180, true), bitmaps, "LEFTDARROW");
    const char *places[3][3] = {{"TL", "TC", "TR"}, {"ML", "MC", "MR"}, {"BL", "BC", "BR"}};
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            ok &= save(placement(col, row), bitmaps, places[row][col]);
    ok &= save(navBitmap(false), bitmaps, "VBACK");
    ok &= save(navBitmap(true), bitmaps, "VNEXT");
    ok &= save(wideButton(150, 20, "Visit our web site", QColor(30, 110, 170)), bitmaps, "VWS");
    ok &= save(wideButton(80, 20, "Close", QColor(150, 60, 40)), bitmaps, "CLOSEBT");
    ok &= save(splash(), bitmaps, "SPLASH_BMP");

    ok &= save(strip({toolGallery(), toolBatch(), toolSheet(), toolCatalog(), toolExplorer(), toolSplit(), toolRename(),
                      toolPrint(), toolHelp(), letterTile("1", kGrey), letterTile("2", kGrey), letterTile("3", kGrey),
                      letterTile("4", kGrey), letterTile("5", kGrey), letterTile("6", kGrey)}),
               strips, "_MAINRIBBON");
    ok &= save(strip({
                   letterTile(QString(QChar(0x00D7)), kRed),                 // 1 close
                   photoWithBadge(kBlue, 90),                                 // 2 save as
                   [](QPainter &p, qreal s) {                                 // 3 copy
                       photo(p, QRectF(s * 0.3, s * 0.05, s * 0.62, s * 0.48));
                       photo(p, QRectF(s * 0.05, s * 0.4, s * 0.62, s * 0.48));
                   },
                   photoWithBadge(kAccent, 0),                                // 4 move
                   [](QPainter &p, qreal s) {                                 // 5 remove
                       photo(p, QRectF(s * 0.05, s * 0.1, s * 0.72, s * 0.56));
                       badge(p, s, kRed, [](QPainter &q, QRectF r) { text(q, r, QString(QChar(0x00D7)), Qt::white, r.height() * 0.9); });
                   },
                   letterTile("i", kBlue),                                    // 6 properties
                   [](QPainter &p, qreal s) { photo(p, QRectF(s * 0.05, s * 0.15, s * 0.9, s * 0.7)); }, // 7 view original
                   toolPrint(),                                               // 8 print
                   [](QPainter &p, qreal s) {                                 // 9 view
                       photo(p, QRectF(s * 0.04, s * 0.04, s * 0.8, s * 0.6));
                       magnifier(p, QRectF(s * 0.45, s * 0.45, s * 0.55, s * 0.55));
                   },
                   [](QPainter &p, qreal s) {                                 // 10 slide show
                       p.setPen(QPen(kInk, 1));
                       p.setBrush(kInk.lighter(150));
                       p.drawRect(QRectF(s * 0.05, s * 0.1, s * 0.9, s * 0.7));
                       QPainterPath t;
                       t.moveTo(s * 0.38, s * 0.25);
                       t.lineTo(s * 0.7, s * 0.45);
                       t.lineTo(s * 0.38, s * 0.65);
                       t.closeSubpath();
                       p.setBrush(Qt::white);
                       p.setPen(Qt::NoPen);
                       p.drawPath(t);
                   },
                   [](QPainter &p, qreal s) { magnifier(p, QRectF(0, 0, s, s)); }, // 11 find
                   [](QPainter &p, qreal s) {                                 // 12 filter
                       QPainterPath f;
                       f.moveTo(s * 0.08, s * 0.12);
                       f.lineTo(s * 0.92, s * 0.12);
                       f.lineTo(s * 0.58, s * 0.5);
                       f.lineTo(s * 0.58, s * 0.9);
                       f.lineTo(s * 0.42, s * 0.8);
                       f.lineTo(s * 0.42, s * 0.5);
                       f.closeSubpath();
                       p.setPen(QPen(kInk, 1));
                       p.setBrush(kSky);
                       p.drawPath(f);
                   },
                   [](QPainter &p, qreal s) {                                 // 13 full screen
                       photo(p, QRectF(s * 0.18, s * 0.22, s * 0.64, s * 0.56));
                       p.setPen(QPen(kInk, 1.5));
                       for (QPointF c : {QPointF(1, 1), QPointF(s - 1, 1), QPointF(1, s - 1), QPointF(s - 1, s - 1)}) {
                           const qreal dx = c.x() < s / 2 ? 4 : -4, dy = c.y() < s / 2 ? 4 : -4;
                           p.drawLine(c, c + QPointF(dx, 0));
                           p.drawLine(c, c + QPointF(0, dy));
                       }
                   },
                   [](QPainter &p, qreal s) {                                 // 14 add to catalog
                       toolCatalog()(p, s);
                       badge(p, s, kGreen, [](QPainter &q, QRectF r) { text(q, r, "+", Qt::white, r.height()); });
                   },
                   [](QPainter &p, qreal s) {                                 // 15 edit info
                       letterTile("i", kGreen)(p, s);
                   },
                   letterTile("1", kGrey), letterTile("2", kGrey), letterTile("3", kGrey), letterTile("4", kGrey),
                   letterTile("5", kGrey), letterTile("6", kGrey),
               }),
               strips, "EXRIBBON");
    return ok ? 0 : 1;
}
