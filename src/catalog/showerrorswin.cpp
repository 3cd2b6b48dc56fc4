#include "catalog/showerrorswin.h"

#include "common/sortedlist.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace gb {

ShowErrorsWin::ShowErrorsWin(QWidget *owner, const QStringList &errors) : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Errors:"));
    auto *text = new QLabel(QStringLiteral("The following errors encountered during this operation:"), this);
    mList = new QListWidget(this);
    mList->setSortingEnabled(true);
    addSortedRows(mList, errors);
    mList->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto *close = new QPushButton(QStringLiteral("Close"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(mList, 1);
    layout->addLayout(buttons);
    resize(560, 300);
    connect(close, &QPushButton::clicked, this, [this] { done(1); });
}

} // namespace gb
