#include "app/mdibackground.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace gb {

MdiBackground::MdiBackground(QWidget *parent)
    : QMdiArea(parent)
{
}

void MdiBackground::withGradientFill(const QString &caption)
{
    mCaption = caption;
    mMode = 1;
    viewport()->update();
}

QColor MdiBackground::gradientRow(int i, int n)
{
    // v = max(floor(i * 255 / n), 1); the row is (0, 255 - v, 255 - v).
    const int v = std::max(int(int64_t(i) * 255 / n), 1);
    return QColor(0, 255 - v, 255 - v);
}

void MdiBackground::paintEvent(QPaintEvent *event)
{
    if (mMode != 1) {
        QMdiArea::paintEvent(event);
        return;
    }
    QPainter p(viewport());
    const int w = viewport()->width();
    const int n = viewport()->height();
    const QRect dirty = event->rect();
    for (int i = std::max(1, dirty.top() + 1); i <= std::min(n, dirty.bottom() + 1); ++i)
        p.fillRect(QRect(0, i - 1, w, 1), gradientRow(i, n));
    if (mCaption.isEmpty())
        return;
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPointSize(40);
    font.setBold(true);
    font.setItalic(true);
    p.setFont(font);
    const QRect client = viewport()->rect();
    p.setPen(Qt::black);
    p.drawText(client.translated(3, 3), Qt::AlignCenter | Qt::TextSingleLine, mCaption);
    p.setPen(QColor(203, 131, 19));
    p.drawText(client, Qt::AlignCenter | Qt::TextSingleLine, mCaption);
}

void MdiBackground::resizeEvent(QResizeEvent *event)
{
    // The gradient spans the whole height, so every row changes colour on a resize.
    viewport()->update();
    QMdiArea::resizeEvent(event);
}

} // namespace gb
