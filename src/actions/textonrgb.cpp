#include "actions/textonrgb.h"

#include "platform/imagelib/drawtext.h"
#include "platform/imagelib/logfont.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace gb {

int iLogPixelsY()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? int(std::lround(screen->logicalDotsPerInchY())) : 96;
}

int points2Pixels(int points)
{
    // Rounded to the nearest, halves away from zero.
    const int64_t p = int64_t(points) * iLogPixelsY();
    return int(p >= 0 ? (p + 36) / 72 : -((-p + 36) / 72));
}

QSize calcTextSize(const QString &text, const QString &face, int pixelHeight, bool bold, bool italic,
                   bool underline)
{
    return textExtent(text, makeLogFont(face, pixelHeight, bold, italic, underline));
}

TotalTextHeight calcTotalTextHeight(const QStringList &lines, const FontData &font, int maxWidth)
{
    TotalTextHeight r;
    const LogFont lf = makeLogFont(font.face, points2Pixels(font.size), font.bold, font.italic, font.underline);
    for (QString line : lines) {
        QSize ext = textExtent(line, lf);
        r.tallest = std::max(r.tallest, ext.height());
        r.tops.append(r.total);
        r.total += ext.height() + 1;
        if (maxWidth > 0) {
            while (ext.width() > maxWidth && !line.isEmpty()) {
                line.chop(1);
                line = line.trimmed();
                ext.setWidth(textExtent(line, lf).width());
            }
        }
        r.widths.append(ext.width());
        r.lines.append(line);
    }
    return r;
}

void writeTextOnRgb(RgbImage &img, const QString &text, FontData &font, int x, int y)
{
    if (font.face.size() > 31)
        font.face = font.face.left(31);
    isDrawTextOnRgb2(img, text, makeLogFont(font.face, font.size, font.bold, font.italic, font.underline), x, y,
                     font.color);
}

} // namespace gb
