#include "common/reporterrorswin.h"

#include "common/dialogunits.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace gb {

ReportErrorsWin::ReportErrorsWin(QWidget *owner, const QStringList &errors)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setModal(true);
    setWindowTitle(QStringLiteral("Error Log"));
    const DialogUnits du = DialogUnits::setUp(this, 355, 168);
    auto *label = new QLabel(QStringLiteral("The following errors were encountered during data validation. "
                                            "Please correct and try again."),
                             this);
    label->setGeometry(du.rect(5, 7, 350, 14));
    mErrorLb = new QListWidget(this);
    mErrorLb->setGeometry(du.rect(5, 24, 344, 124));
    mErrorLb->setSelectionMode(QAbstractItemView::SingleSelection);
    mErrorLb->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    for (int i = 0; i < errors.size(); ++i) {
        auto *item = new QListWidgetItem(errors.at(i), mErrorLb);
        // Each line carries its position in the caller's list.
        item->setData(Qt::UserRole, i + 1);
    }
    mPbClose = new QPushButton(QStringLiteral("Close"), this);
    mPbClose->setGeometry(du.rect(150, 153, 53, 12));
    connect(mPbClose, &QPushButton::clicked, this, [this] { done(1); });
}

void reportErrors(QWidget *owner, const QStringList &errors)
{
    ReportErrorsWin win(owner, errors);
    win.exec();
}

} // namespace gb
