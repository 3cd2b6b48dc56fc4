#include "common/getnamewin.h"

#include "common/dialogunits.h"

#include <QLineEdit>
#include <QPushButton>

namespace gb {

GetNameWin::GetNameWin(QWidget *owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("_GetNameWin"));
    setWindowTitle(QStringLiteral("Dialog Caption"));
    const DialogUnits du = DialogUnits::setUp(this, 262, 48);
    mName = new QLineEdit(this);
    mName->setGeometry(du.rect(8, 9, 246, 12));
    mOk = new QPushButton(QStringLiteral("Ok"), this);
    mOk->setGeometry(du.rect(54, 27, 53, 12));
    mOk->setDefault(true);
    mCancel = new QPushButton(QStringLiteral("Cancel"), this);
    mCancel->setGeometry(du.rect(156, 27, 53, 12));
    connect(mOk, &QPushButton::clicked, this, &GetNameWin::pbOk);
    connect(mCancel, &QPushButton::clicked, this, &GetNameWin::pbCancel);
}

void GetNameWin::setTheName(const QString &name)
{
    mName->setText(name);
}

void GetNameWin::pbOk()
{
    mTheName = mName->text().trimmed();
    done(1);
}

void GetNameWin::pbCancel()
{
    done(-1);
}

bool getName(QWidget *owner, const QString &caption, QString *name)
{
    GetNameWin dialog(owner);
    dialog.setWindowTitle(caption);
    dialog.setTheName(*name);
    if (dialog.exec() != 1)
        return false;
    *name = dialog.theName();
    return true;
}

} // namespace gb
