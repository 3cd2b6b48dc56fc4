#pragma once

#include <QStringList>

class QListWidget;
class QWidget;

namespace gb {

// The keyword list boxes of the catalog dialogs: sorted, several lines highlighted at once,
// the same keyword allowed twice.

// A new, empty keyword list box.
QListWidget *makeKeywordList(QWidget *parent);
// Asks for one keyword ("Enter new keyword ..." prompt owned by owner) and lists it; false
// when the prompt was cancelled.
bool promptNewKeyword(QWidget *owner, QListWidget *list);
// Removes the highlighted keywords; with none highlighted shows the warning instead.
void removeSelectedKeywords(QWidget *owner, QListWidget *list, const QString &warning);
// Every listed keyword in list order.
QStringList listedKeywords(const QListWidget *list);

} // namespace gb
