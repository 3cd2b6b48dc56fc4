#include "common/collectdatawin.h"

#include "common/batchprogress.h"
#include "common/dialogunits.h"
#include "common/messages.h"

#include <QProgressBar>
#include <QPushButton>

namespace gb {

CollectDataWin::CollectDataWin(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setModal(false);
    setWindowTitle(QStringLiteral("Dialog Caption"));
    const DialogUnits du = DialogUnits::setUp(this, 313, 19);
    mOpb = new QProgressBar(this);
    mOpb->setGeometry(du.rect(5, 3, 302, 12));
    mOpb->setTextVisible(false);
}

void CollectDataWin::showAbort()
{
    if (mAbort)
        return;
    const DialogUnits du = DialogUnits::setUp(this, 313, 36);
    mAbort = new QPushButton(QStringLiteral("Abort"), this);
    mAbort->setGeometry(du.rect(130, 19, 53, 13));
    mAbort->setAutoDefault(false);
    mAbort->show();
    connect(mAbort, &QPushButton::clicked, this, &CollectDataWin::pbAbort);
}

void CollectDataWin::reject()
{
    if (mAbort)
        pbAbort();
    else
        QDialog::reject();
}

void CollectDataWin::pbAbort()
{
    if (confirmDelete(this, QStringLiteral("Abort procedure ?"))) {
        glAbortBatch = true;
        done(1);
    }
}

} // namespace gb
