#include "explorer/definepausewin.h"

#include "common/dialogunits.h"
#include "explorer/dialogfields.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace gb {

DefinePauseWin::DefinePauseWin(QWidget *owner)
    : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Slide show"));
    const DialogUnits du = DialogUnits::setUp(this, 224, 83);
    mOhs = new QSlider(Qt::Horizontal, this);
    mOhs->setGeometry(du.rect(4, 15, 216, 18));
    mOhs->setRange(1, 30);
    mOhs->setTickPosition(QSlider::TicksBelow);
    mOhs->setTickInterval(1);
    mOhs->setPageStep(5);
    fixedText(this, QStringLiteral("Pause interval (sec)"), du.rect(74, 3, 74, 9))->setAlignment(Qt::AlignCenter);
    mOk = new QPushButton(QStringLiteral("Ok"), this);
    mOk->setGeometry(du.rect(40, 64, 53, 12));
    mCancel = new QPushButton(QStringLiteral("Cancel"), this);
    mCancel->setGeometry(du.rect(130, 64, 53, 12));
    fixedText(this, QStringLiteral("1"), du.rect(10, 35, 12, 12));
    fixedText(this, QStringLiteral("30"), du.rect(207, 35, 13, 12));
    mLoop = new QCheckBox(QStringLiteral("Loop"), this);
    mLoop->setGeometry(du.rect(96, 43, 32, 11));
    connect(mOk, &QPushButton::clicked, this, &DefinePauseWin::pbOk);
    connect(mCancel, &QPushButton::clicked, this, &DefinePauseWin::pbCancel);
    makeEnterButton(mOk);

    mInterval = 5;
    mOhs->setValue(5);
    mLoop->setChecked(true);
}

void DefinePauseWin::pbOk()
{
    mInterval = mOhs->value();
    mLooped = mLoop->isChecked();
    done(1);
}

void DefinePauseWin::pbCancel()
{
    done(-1);
}

} // namespace gb
