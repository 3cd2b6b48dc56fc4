// The drawing members of the printer device: text, shapes and images on the page.
#include "sheets/rpprinter.h"

#include "image/imageload.h"
#include "platform/imagelib/drawrgb.h"
#include "platform/imagelib/rgbimage.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace gb {

namespace {

constexpr int kTagBefore = 65534;
constexpr int kTagAfter = 65535;
constexpr int kTagBitmap = 999999;

// Pen styles by their codes: solid, dash, dot, dash-dot, dash-dot-dot, none, inside frame.
Qt::PenStyle penStyle(int code)
{
    switch (code) {
    case 1:
        return Qt::DashLine;
    case 2:
        return Qt::DotLine;
    case 3:
        return Qt::DashDotLine;
    case 4:
        return Qt::DashDotDotLine;
    case 5:
        return Qt::NoPen;
    }
    return Qt::SolidLine;
}

// A solid pen, or any pen wider than 1, keeps its width; a styled pen of width 1 is drawn
// one printer pixel wide whatever the scaling (a cosmetic pen of width 0).
QPen makePen(int width, int style, const QColor &color)
{
    QPen pen(color);
    pen.setStyle(penStyle(style));
    pen.setWidthF(style == 0 || width != 1 ? std::max(width, 0) : 0);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

// Hatch lines one pixel wide every 8 pixels of the logical page, anchored to the page's
// origin as a brush is: a printer's own hatch patterns would be too fine to see at its
// resolution. Styles: 0 horizontal, 1 vertical, 2 forward diagonal, 3 backward diagonal,
// 4 cross, 5 diagonal cross.
void drawHatch(QPainter &painter, const QPainterPath &area, int style, const QColor &color)
{
    constexpr double step = 8;
    const QRectF b = area.boundingRect();
    painter.save();
    painter.setClipPath(area, Qt::IntersectClip);
    painter.setPen(QPen(color, 1));
    if (style == 0 || style == 4)
        for (double y = std::floor(b.top() / step) * step + 0.5; y <= b.bottom(); y += step)
            painter.drawLine(QPointF(b.left(), y), QPointF(b.right(), y));
    if (style == 1 || style == 4)
        for (double x = std::floor(b.left() / step) * step + 0.5; x <= b.right(); x += step)
            painter.drawLine(QPointF(x, b.top()), QPointF(x, b.bottom()));
    // Forward diagonals fall from left to right (x - y constant), backward ones rise.
    if (style == 2 || style == 5)
        for (double k = std::floor((b.left() - b.bottom()) / step) * step; k <= b.right() - b.top(); k += step)
            painter.drawLine(QPointF(b.top() + k, b.top()), QPointF(b.bottom() + k, b.bottom()));
    if (style == 3 || style == 5)
        for (double k = std::floor((b.left() + b.top()) / step) * step; k <= b.right() + b.bottom(); k += step)
            painter.drawLine(QPointF(k - b.top(), b.top()), QPointF(k - b.bottom(), b.bottom()));
    painter.restore();
}

} // namespace

QBrush rpCreateBrush(int style, const QColor &color)
{
    static const Qt::BrushStyle hatches[] = {Qt::HorPattern,  Qt::VerPattern,   Qt::FDiagPattern,
                                             Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
    if (style == -1)
        return QBrush(color, Qt::SolidPattern);
    if (style >= 0 && style <= 5)
        return QBrush(color, hatches[style]);
    return QBrush(Qt::NoBrush);
}

double RpPrinter::toDeviceH(double v) const
{
    return xlateHUnitOfMeasure2Logical(v);
}

double RpPrinter::toDeviceV(double v) const
{
    return xlateVUnitOfMeasure2Logical(v);
}

void RpPrinter::addTextMarkers(int alignment, int column, int row, int width, int height, const QString &text)
{
    Marker m{kTagBefore, alignment, column, row, width, height, mCurrentPage, text};
    mMarkers.push_back(m);
    m.tag = kTagAfter;
    mMarkers.push_back(m);
}

RpPrinter &RpPrinter::textOut(std::optional<double> row, std::optional<double> column, const QString &text,
                              int alignment, const QColor &color, std::optional<QColor> background)
{
    if (mState == Idle)
        return *this;
    const double unitColumn = column.value_or(pCol());
    const int y = int(toDeviceV(row.value_or(pRow())));
    const int x = int(toDeviceH(unitColumn));
    const QFontMetricsF metrics(mFont);
    const double width = metrics.horizontalAdvance(text);
    // The reference point is the left end, the centre or the right end of the text.
    const int gdiAlign = alignment == 2 ? 2 : alignment == 1 ? 6 : 0;
    const double left = alignment == 2 ? x - width : alignment == 1 ? x - width / 2 : x;

    mPainter->save();
    if (mEscapement != 0) {
        mPainter->translate(x, y);
        mPainter->rotate(-mEscapement / 10.0);
        mPainter->translate(-x, -y);
    }
    if (background)
        mPainter->fillRect(QRectF(left, y, width, metrics.height()), *background);
    addTextMarkers(gdiAlign, x, y, mAvgCharWidth * int(text.size()) + 1, 2 * mCharHeight + 1, text);
    mPainter->setPen(color);
    mPainter->setFont(mFont);
    mPainter->drawText(QPointF(left, y + metrics.ascent()), text);
    mPainter->restore();

    mPRow = y;
    setPCol(unitColumn + getTextLength(text));
    return *this;
}

RpPrinter &RpPrinter::drawText(std::optional<double> row, std::optional<double> column, const QString &text,
                               std::optional<double> height, std::optional<double> width, int alignment,
                               std::optional<QColor> background)
{
    if (mState == Idle)
        return *this;
    const double unitRow = row.value_or(pRow());
    const double unitColumn = column.value_or(pCol());
    const double unitHeight = height.value_or(avgCharHeight());
    const double unitWidth = width.value_or(avgCharWidth() * text.size());
    if (background)
        drawRectangle(unitRow, unitColumn, unitRow + unitHeight, unitColumn + unitWidth, 1, 0, *background, -1,
                      *background);

    const int top = int(toDeviceV(unitRow));
    const int left = int(toDeviceH(unitColumn));
    const int boxHeight = int(toDeviceV(unitHeight)) + 1;
    const int boxWidth = int(toDeviceH(unitWidth)) + 1;
    const int code = (alignment == 1 || alignment == 2 || alignment == 4) ? alignment : 0;
    int flags = Qt::AlignTop | Qt::TextWordWrap;
    flags |= code == 1 ? Qt::AlignHCenter : code == 2 ? Qt::AlignRight : code == 4 ? Qt::AlignJustify : Qt::AlignLeft;

    const QRectF box(left, top, boxWidth, boxHeight);
    mPainter->setFont(mFont);
    // Measure first: the marker records how far down the laid-out text reaches.
    const QRectF needed = mPainter->boundingRect(box, flags, text);
    addTextMarkers(code, left, top, boxWidth, int(std::lround(needed.height())) + mCharHeight, text);
    mPainter->setPen(Qt::black);
    mPainter->drawText(box, flags, text);

    // The cursor goes to the top of the box's last line and its right edge.
    mPRow = top + boxHeight - mCharHeight - 1;
    mPCol = left + boxWidth - 1;
    return *this;
}

void RpPrinter::shape(bool ellipse, std::optional<double> top, std::optional<double> left,
                      std::optional<double> bottom, std::optional<double> right, int penWidth, int penStyle,
                      const QColor &penColor, std::optional<int> brushStyle, const QColor &brushColor)
{
    if (mState == Idle)
        return;
    // The outline covers the given edges: bottom and right reach one pixel further, and
    // the pen runs along the middle of the outer pixels.
    const double t = toDeviceV(top.value_or(pRow()));
    const double l = toDeviceH(left.value_or(pCol()));
    const double b = toDeviceV(bottom.value_or(pRow())) + 1;
    const double r = toDeviceH(right.value_or(pCol())) + 1;
    const QRectF rect(l + 0.5, t + 0.5, std::max(0.0, r - l - 1), std::max(0.0, b - t - 1));

    mPainter->save();
    mPainter->setPen(makePen(penWidth, penStyle, penColor));
    QPainterPath area;
    if (ellipse)
        area.addEllipse(rect);
    else
        area.addRect(rect);
    const bool hatched = brushStyle && *brushStyle >= 0 && *brushStyle <= 5;
    if (hatched)
        drawHatch(*mPainter, area, *brushStyle, brushColor);
    else if (brushStyle)
        mPainter->fillPath(area, rpCreateBrush(*brushStyle, brushColor));
    mPainter->setBrush(Qt::NoBrush);
    mPainter->drawPath(area);
    mPainter->restore();
}

RpPrinter &RpPrinter::drawRectangle(std::optional<double> top, std::optional<double> left,
                                    std::optional<double> bottom, std::optional<double> right, int penWidth,
                                    int penStyle, const QColor &penColor, std::optional<int> brushStyle,
                                    const QColor &brushColor)
{
    shape(false, top, left, bottom, right, penWidth, penStyle, penColor, brushStyle, brushColor);
    return *this;
}

RpPrinter &RpPrinter::drawEllipse(std::optional<double> top, std::optional<double> left,
                                  std::optional<double> bottom, std::optional<double> right, int penWidth,
                                  int penStyle, const QColor &penColor, std::optional<int> brushStyle,
                                  const QColor &brushColor)
{
    shape(true, top, left, bottom, right, penWidth, penStyle, penColor, brushStyle, brushColor);
    return *this;
}

RpPrinter &RpPrinter::drawLine(std::optional<double> row1, std::optional<double> col1, std::optional<double> row2,
                               std::optional<double> col2, int penWidth, int penStyle, const QColor &color)
{
    if (mState == Idle)
        return *this;
    const QPointF from(toDeviceH(col1.value_or(pCol())) + 0.5, toDeviceV(row1.value_or(pRow())) + 0.5);
    const QPointF to(toDeviceH(col2.value_or(pCol())) + 0.5, toDeviceV(row2.value_or(pRow())) + 0.5);
    mPainter->save();
    mPainter->setPen(makePen(penWidth, penStyle, color));
    mPainter->drawLine(from, to);
    mPainter->restore();
    return *this;
}

bool RpPrinter::drawRgb(const RgbImage &image, int x, int y, int drawnWidth, int drawnHeight)
{
    if (mState == Idle || image.isNull() || drawnWidth <= 0 || drawnHeight <= 0)
        return false;
    mMarkers.push_back(Marker{kTagBitmap, 0, x, y, drawnWidth, drawnHeight, mCurrentPage, QString()});
    return isDrawRgb(*mPainter, image, x, y, drawnWidth, drawnHeight);
}

RpPrinter &RpPrinter::drawBmp(std::optional<double> row, std::optional<double> column, const QString &fileName,
                              std::optional<double> height, std::optional<double> width)
{
    if (mState == Idle)
        return *this;
    int imageWidth = 0, imageHeight = 0;
    QString error;
    const RgbImage image = createRgbFromFile(fileName, imageWidth, imageHeight, error);
    if (image.isNull())
        return *this;
    const int y = int(toDeviceV(row.value_or(pRow())));
    const int x = int(toDeviceH(column.value_or(pCol())));
    const int drawnHeight = height ? int(toDeviceV(*height)) : image.height();
    const int drawnWidth = width ? int(toDeviceH(*width)) : image.width();
    drawRgb(image, x, y, drawnWidth, drawnHeight);
    return *this;
}

} // namespace gb
