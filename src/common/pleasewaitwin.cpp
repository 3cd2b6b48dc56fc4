#include "common/pleasewaitwin.h"

#include "common/batchprogress.h"
#include "common/dialogunits.h"
#include "common/messages.h"

#include <QLabel>
#include <QPushButton>

namespace gb {

PleaseWaitWin::PleaseWaitWin(QWidget *owner, const QString &message, bool withAbort)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(QStringLiteral("Please Wait ..."));
    const DialogUnits du = DialogUnits::setUp(this, 209, withAbort ? 37 : 20);
    mInfoFt = new QLabel(this);
    mInfoFt->setGeometry(du.rect(2, 3, 205, 14));
    mInfoFt->setFrameShape(QFrame::Box);
    mInfoFt->setAutoFillBackground(true);
    QPalette pal = mInfoFt->palette();
    pal.setColor(QPalette::Window, Qt::white);
    mInfoFt->setPalette(pal);
    mInfoFt->setText(message);
    if (withAbort) {
        mAbort = new QPushButton(QStringLiteral("Abort"), this);
        mAbort->setGeometry(du.rect(78, 20, 53, 13));
        mAbort->setAutoDefault(false);
        connect(mAbort, &QPushButton::clicked, this, &PleaseWaitWin::pbAbort);
    }
    show();
    mInfoFt->repaint();
}

QString PleaseWaitWin::message() const
{
    return mInfoFt->text();
}

void PleaseWaitWin::pbAbort()
{
    if (mAbort && confirmDelete(this, QStringLiteral("Abort procedure ?"))) {
        glAbortBatch = true;
        done(1);
    }
}

void PleaseWaitWin::reject()
{
    if (mAbort)
        pbAbort();
    else
        QDialog::reject();
}

void PleaseWaitWin::setNewMessage(const QString &text)
{
    mInfoFt->setText(text);
    mInfoFt->repaint();
}

} // namespace gb
