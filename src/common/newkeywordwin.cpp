#include "common/newkeywordwin.h"

#include "common/dialogunits.h"

#include <QLineEdit>
#include <QPushButton>

namespace gb {

NewKeywordWin::NewKeywordWin(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QStringLiteral("Enter new keyword ..."));
    const DialogUnits du = DialogUnits::setUp(this, 262, 43);
    mKey = new QLineEdit(this);
    mKey->setObjectName(QStringLiteral("KEY"));
    mKey->setGeometry(du.rect(6, 7, 244, 12));
    mOk = new QPushButton(QStringLiteral("Ok"), this);
    mOk->setObjectName(QStringLiteral("PBOK"));
    mOk->setGeometry(du.rect(56, 25, 53, 12));
    mOk->setDefault(true);
    mCancel = new QPushButton(QStringLiteral("Cancel"), this);
    mCancel->setObjectName(QStringLiteral("PBCANCEL"));
    mCancel->setGeometry(du.rect(154, 25, 53, 12));
    mCancel->setAutoDefault(false);
    connect(mOk, &QPushButton::clicked, this, &NewKeywordWin::pbOk);
    connect(mCancel, &QPushButton::clicked, this, &NewKeywordWin::pbCancel);
}

void NewKeywordWin::pbOk()
{
    mKeyword = mKey->text().trimmed();
    if (!mKeyword.isEmpty())
        done(1);
}

void NewKeywordWin::pbCancel()
{
    done(-1);
}

} // namespace gb
