#include "common/classextensions.h"

#include <QAbstractItemView>
#include <QTableView>

namespace gb {

namespace {

const char kExStyle[] = "gbExStyle";

} // namespace

QString fontName(const QFont &font)
{
    return font.family();
}

int pointSize(const QFont &font)
{
    return font.pointSize();
}

uint32_t exStyle(const QAbstractItemView *view)
{
    return view ? view->property(kExStyle).toUInt() : 0;
}

QAbstractItemView *setExStyle2(QAbstractItemView *view, uint32_t bits, bool enable)
{
    if (!view)
        return view;
    const uint32_t style = enable ? exStyle(view) | bits : exStyle(view) & ~bits;
    view->setProperty(kExStyle, style);
    view->setSelectionBehavior(style & LvsExFullRowSelect ? QAbstractItemView::SelectRows
                                                          : QAbstractItemView::SelectItems);
    if (auto *table = qobject_cast<QTableView *>(view))
        table->setShowGrid(style & LvsExGridLines);
    return view;
}

void selectFullRow(QAbstractItemView *view)
{
    setExStyle2(view, LvsExFullRowSelect, true);
}

XTabControl::XTabControl(QWidget *owner, const QPoint &position, const QSize &size)
    : QTabWidget(owner)
{
    setGeometry(QRect(position, size));
}

} // namespace gb
