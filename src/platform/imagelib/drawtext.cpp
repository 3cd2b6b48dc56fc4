#include "platform/imagelib/drawtext.h"

#include "platform/imagelib/colorref.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace gb {

namespace {

// Paints on the image's own pixels through a QImage that shares them.
bool paintLine(RgbImage &img, const QString &text, const QFont &font, int x, int y, uint32_t color)
{
    if (img.isNull())
        return false;
    QImage view(img.data(), img.width(), img.height(), qsizetype(img.stride()), QImage::Format_RGB888);
    QPainter p(&view);
    p.setFont(font);
    p.setPen(QColor(colorRefRed(color), colorRefGreen(color), colorRefBlue(color)));
    const QFontMetrics fm(font);
    p.drawText(QPoint(x, y + fm.ascent()), text);
    return p.end();
}

} // namespace

bool isDrawTextOnRgb2(RgbImage &img, const QString &text, const LogFont &font, int x, int y, uint32_t color)
{
    return paintLine(img, text, toQFont(font), x, y, color);
}

bool isDrawTextOnRgbEx(RgbImage &img, const QString &text, const QString &face, int size, int left, int top,
                       int right, int bottom, unsigned flags, uint32_t color)
{
    (void)bottom;
    const QFont font = toQFont(makeLogFont(face, size, false, false, false));
    const QFontMetrics fm(font);
    const int span = right - left;
    QString line = text;
    if ((flags & DrawTextWordEllipsis) && fm.horizontalAdvance(line) > span)
        line = fm.elidedText(line, Qt::ElideRight, std::max(0, span));
    const int w = fm.horizontalAdvance(line);
    int x = left;
    if (flags & DrawTextCenter)
        x = left + (span - w) / 2;
    else if (flags & DrawTextRight)
        x = right - w;
    return paintLine(img, line, font, x, top, color);
}

} // namespace gb
