#include "image/wincaption.h"
#include "resources/resourceclasses.h"

#include "image/imagethumbswin.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace gb {

WinCaption::WinCaption(ImageThumbsWin *grid)
    : QWidget(grid)
    , mGrid(grid)
{
    QFont f = font();
    f.setPointSize(8);
    f.setBold(false);
    setFont(f);
    setCursor(Pointer1());
    hide();
}

void WinCaption::update(const QString &text)
{
    mCaptionText = text;
    repaint();
}

void WinCaption::setSelected(bool selected)
{
    mShowSelected = selected;
    repaint();
}

void WinCaption::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    // The text starts one pixel in, centred up and down, unwrapped and clipped at the strip's
    // edges; the colour pair fills only the text's own cell.
    const QRect area = rect().adjusted(1, 0, 0, 0);
    const QRect textRect = painter.fontMetrics().boundingRect(area, Qt::AlignLeft | Qt::AlignVCenter, mCaptionText);
    painter.setClipRect(area);
    painter.fillRect(textRect, mShowSelected ? selBackColor : normBackColor);
    painter.setPen(mShowSelected ? selTextColor : normTextColor);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, mCaptionText);
}

void WinCaption::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    mGrid->setFocus(Qt::MouseFocusReason);
    if (event->button() == Qt::LeftButton) {
        if (event->modifiers() & Qt::ControlModifier)
            mGrid->mouseClickOnCaption(mCaptionText);
        else
            mGrid->mouseClickOnCaptionSingle(mCaptionText);
    } else if (event->button() == Qt::RightButton && mGrid->contextMenu()) {
        mGrid->contextMenu()->popup(event->globalPosition().toPoint());
    }
}

} // namespace gb
