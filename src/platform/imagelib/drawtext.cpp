#include "platform/imagelib/drawtext.h"

#include "platform/imagelib/colorref.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <climits>

namespace gb {

namespace {

// Paints on the image's own pixels through a QImage that shares them. Positions come from
// stored commands, so they are taken in 64 bits: a line that starts right of or below the
// image, or more than 2^28 pixels left of or above it, cannot reach it and is not drawn.
bool paintLine(RgbImage &img, const QString &text, const QFont &font, int64_t x, int64_t y, uint32_t color)
{
    if (img.isNull())
        return false;
    constexpr int64_t kFar = int64_t(1) << 28;
    if (x >= img.width() || y >= img.height() || x < -kFar || y < -kFar)
        return true;
    QImage view(img.data(), img.width(), img.height(), qsizetype(img.stride()), QImage::Format_RGB888);
    QPainter p(&view);
    p.setFont(font);
    p.setPen(QColor(colorRefRed(color), colorRefGreen(color), colorRefBlue(color)));
    const QFontMetrics fm(font);
    p.drawText(QPoint(int(x), int(y + fm.ascent())), text);
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
    const int span = int(std::clamp<int64_t>(int64_t(right) - left, 0, INT_MAX));
    QString line = text;
    if ((flags & DrawTextWordEllipsis) && fm.horizontalAdvance(line) > span)
        line = fm.elidedText(line, Qt::ElideRight, span);
    const int64_t w = fm.horizontalAdvance(line);
    int64_t x = left;
    if (flags & DrawTextCenter)
        x = left + (int64_t(right) - left - w) / 2;
    else if (flags & DrawTextRight)
        x = int64_t(right) - w;
    return paintLine(img, line, font, x, top, color);
}

} // namespace gb
