#include "common/sortedlist.h"

#include "common/filedir.h"

#include <QListWidget>

namespace gb {

bool SortedListItem::operator<(const QListWidgetItem &other) const
{
    return lessIgnoringCase(text(), other.text());
}

SortedListItem *addSortedRow(QListWidget *list, const QString &text)
{
    // Added once whole: the list compares rows by their own operator<, which a row still
    // being constructed does not have yet.
    auto *row = new SortedListItem(text);
    list->addItem(row);
    return row;
}

void addSortedRows(QListWidget *list, const QStringList &texts)
{
    for (const QString &text : texts)
        addSortedRow(list, text);
}

} // namespace gb
