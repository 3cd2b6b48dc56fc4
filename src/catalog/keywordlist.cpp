#include "catalog/keywordlist.h"

#include "common/messages.h"
#include "common/newkeywordwin.h"
#include "common/sortedlist.h"

#include <QListWidget>

namespace gb {

QListWidget *makeKeywordList(QWidget *parent)
{
    auto *list = new QListWidget(parent);
    list->setSortingEnabled(true);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    return list;
}

bool promptNewKeyword(QWidget *owner, QListWidget *list)
{
    NewKeywordWin prompt(owner);
    prompt.setWindowTitle(QStringLiteral("Enter new keyword ..."));
    if (prompt.exec() != 1)
        return false;
    addSortedRow(list, prompt.keyword());
    return true;
}

void removeSelectedKeywords(QWidget *owner, QListWidget *list, const QString &warning)
{
    const QList<QListWidgetItem *> chosen = list->selectedItems();
    if (chosen.isEmpty()) {
        warningMsg(owner, warning);
        return;
    }
    qDeleteAll(chosen);
}

QStringList listedKeywords(const QListWidget *list)
{
    QStringList keys;
    for (int i = 0; i < list->count(); ++i)
        keys << list->item(i)->text();
    return keys;
}

} // namespace gb
