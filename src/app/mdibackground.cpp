#include "app/mdibackground.h"

#include <QMdiSubWindow>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace gb {

MdiBackground::MdiBackground(QWidget *parent)
    : QMdiArea(parent)
{
    // The area's own rule would also maximise (and so stretch) a fixed-size child and restore
    // the maximised one under it; the rule above replaces it.
    setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    // A child that reaches past the area (the frame made smaller than its children, a child
    // moved out) stays in reach: the area scrolls as far as its children go.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(this, &QMdiArea::subWindowActivated, this, &MdiBackground::subWindowWasActivated);
}

MdiBackground::~MdiBackground()
{
    // Children closing during the base destructor activate one another; this part is gone.
    disconnect(this, &QMdiArea::subWindowActivated, this, &MdiBackground::subWindowWasActivated);
}

bool MdiBackground::canMaximize(const QMdiSubWindow *sub)
{
    const Qt::WindowFlags flags = sub->windowFlags();
    if (flags & Qt::MSWindowsFixedSizeDialogHint)
        return false;
    // Without hints of its own a child gets the full set of buttons.
    return !(flags & Qt::CustomizeWindowHint) || (flags & Qt::WindowMaximizeButtonHint);
}

void MdiBackground::subWindowWasActivated(QMdiSubWindow *sub)
{
    const QPointer<QMdiSubWindow> previous = mActive;
    mActive = sub;
    if (!sub || !previous || previous == sub || !previous->isVisible() || !previous->isMaximized())
        return;
    if (!canMaximize(sub) || sub->isMaximized() || sub->isMinimized())
        return;
    previous->showNormal();
    sub->showMaximized();
}

bool MdiBackground::isSizable(const QMdiSubWindow *sub)
{
    return canMaximize(sub) && sub->minimumSize() != sub->maximumSize();
}

void MdiBackground::tile()
{
    QList<QPair<QMdiSubWindow *, QSize>> fixed;
    for (QMdiSubWindow *sub : subWindowList())
        if (!isSizable(sub))
            fixed.append({sub, sub->size()});
    tileSubWindows();
    for (const auto &[sub, size] : fixed)
        sub->resize(size);
}

int MdiBackground::cascadeStep() const
{
    return style()->pixelMetric(QStyle::PM_TitleBarHeight) + style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
}

void MdiBackground::cascade()
{
    QList<QMdiSubWindow *> shown;
    for (QMdiSubWindow *sub : subWindowList(QMdiArea::StackingOrder))
        if (!sub->isHidden() && !sub->isMinimized())
            shown << sub;
    if (shown.isEmpty())
        return;
    const QSize area = viewport()->size();
    const int step = std::max(1, cascadeStep());
    const int stagger = std::max(1, area.height() / (3 * step));
    const QSize size(std::max(step * 4, area.width() - stagger * step),
                     std::max(step * 3, area.height() - stagger * step));
    int i = 0;
    for (QMdiSubWindow *sub : shown) {
        if (sub->isMaximized())
            sub->showNormal();
        const int offset = step * (i++ % (stagger + 1));
        sub->setGeometry(QRect(QPoint(offset, offset), isSizable(sub) ? size : sub->size()));
    }
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
