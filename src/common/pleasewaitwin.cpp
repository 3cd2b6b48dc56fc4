#include "common/pleasewaitwin.h"

#include "common/dialogunits.h"

#include <QLabel>

namespace gb {

PleaseWaitWin::PleaseWaitWin(QWidget *owner, const QString &message)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(QStringLiteral("Please Wait ..."));
    const DialogUnits du = DialogUnits::setUp(this, 209, 20);
    mInfoFt = new QLabel(this);
    mInfoFt->setGeometry(du.rect(2, 3, 205, 14));
    mInfoFt->setFrameShape(QFrame::Box);
    mInfoFt->setAutoFillBackground(true);
    QPalette pal = mInfoFt->palette();
    pal.setColor(QPalette::Window, Qt::white);
    mInfoFt->setPalette(pal);
    mInfoFt->setText(message);
    show();
    mInfoFt->repaint();
}

QString PleaseWaitWin::message() const
{
    return mInfoFt->text();
}

void PleaseWaitWin::setNewMessage(const QString &text)
{
    mInfoFt->setText(text);
    mInfoFt->repaint();
}

} // namespace gb
