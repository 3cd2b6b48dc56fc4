#include "explorer/spacingwin.h"

#include "common/dialogunits.h"
#include "common/messages.h"
#include "explorer/dialogfields.h"

#include <QLineEdit>
#include <QPushButton>

namespace gb {

SpacingWin::SpacingWin(QWidget *owner)
    : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Thumbnails Spacing (pixels) ..."));
    const DialogUnits du = DialogUnits::setUp(this, 174, 73);
    fixedText(this, QStringLiteral("Horizontal:"), du.rect(13, 20, 36, 12));
    mHor = numberEdit(this, du.rect(50, 18, 36, 12));
    fixedText(this, QStringLiteral("Vertical:"), du.rect(97, 20, 28, 12));
    mVer = numberEdit(this, du.rect(125, 18, 36, 12));
    mOk = new QPushButton(QStringLiteral("Ok"), this);
    mOk->setGeometry(du.rect(25, 48, 53, 12));
    mCancel = new QPushButton(QStringLiteral("Cancel"), this);
    mCancel->setGeometry(du.rect(96, 48, 53, 12));
    connect(mOk, &QPushButton::clicked, this, &SpacingWin::pbOk);
    connect(mCancel, &QPushButton::clicked, this, &SpacingWin::pbCancel);
    makeEnterButton(mOk);
    DialogUnits::fitCaption(this);
}

void SpacingWin::setHorSpacing(int pixels)
{
    mHor->setText(QString::number(pixels));
}

void SpacingWin::setVerSpacing(int pixels)
{
    mVer->setText(QString::number(pixels));
}

void SpacingWin::pbOk()
{
    mVerSpacing = numberOf(mVer->text());
    mHorSpacing = numberOf(mHor->text());
    // A gap wider than the window would leave an empty grid under a status bar that still
    // counts the files.
    if (mHorSpacing > mRoom.width() || mVerSpacing > mRoom.height()) {
        errorMsg(this, QStringLiteral("Spacing must not exceed %1 pixels horizontally and %2 pixels vertically, "
                                      "or no thumbnail fits in the window")
                           .arg(mRoom.width())
                           .arg(mRoom.height()));
        return;
    }
    done(1);
}

void SpacingWin::pbCancel()
{
    done(-1);
}

} // namespace gb
