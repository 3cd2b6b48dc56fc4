#include "common/collectdatawin.h"

#include "common/dialogunits.h"

#include <QProgressBar>

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

} // namespace gb
