#pragma once

#include <QListWidgetItem>
#include <QStringList>

class QListWidget;

namespace gb {

// A row of a list box of the sorted style. A QListWidget that sorts compares its rows case
// by case ("Zoo.jpg" before "apple.jpg"); these rows keep the order of every listing of the
// program instead, letters ignoring case (lessIgnoringCase() in filedir.h). Every row of
// such a list must be one of these: the list compares a new row with the rows it holds by
// their own operator<.
class SortedListItem : public QListWidgetItem
{
public:
    using QListWidgetItem::QListWidgetItem;
    bool operator<(const QListWidgetItem &other) const override;
};

// Adds a row, or one row per text, at its sorted place in a list whose sorting is enabled;
// addSortedRow() returns the new row.
SortedListItem *addSortedRow(QListWidget *list, const QString &text);
void addSortedRows(QListWidget *list, const QStringList &texts);

} // namespace gb
