#pragma once

#include <QFont>
#include <QTabWidget>

#include <cstdint>

class QAbstractItemView;

namespace gb {

// Small additions to the window library's classes.

// The face name and the point size a font holds.
QString fontName(const QFont &font);
int pointSize(const QFont &font);

// Extended list-view style bits, as the program's lists know them.
enum ListViewExStyle : uint32_t {
    LvsExGridLines = 0x1,
    LvsExFullRowSelect = 0x20,
};

// Sets (enable) or clears extended style bits of a list view and returns it. The bits are
// kept with the view, so that switching one bit leaves every other as it was, and the ones
// this program knows take effect (full-row selection, grid lines in a table). A null view
// is left alone.
QAbstractItemView *setExStyle2(QAbstractItemView *view, uint32_t bits, bool enable = true);
// The extended style bits a view holds now.
uint32_t exStyle(const QAbstractItemView *view);
// A click anywhere in a row selects the whole row.
void selectFullRow(QAbstractItemView *view);

// A tab control made as the library makes its own: owner, place and size; nothing added.
class XTabControl : public QTabWidget
{
    Q_OBJECT
public:
    XTabControl(QWidget *owner, const QPoint &position, const QSize &size);
};

} // namespace gb
