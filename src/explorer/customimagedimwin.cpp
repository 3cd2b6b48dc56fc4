#include "explorer/customimagedimwin.h"

#include "common/dialogunits.h"
#include "common/messages.h"
#include "explorer/dialogfields.h"

#include <QLineEdit>
#include <QPushButton>

namespace gb {

CustomImageDimWin::CustomImageDimWin(QWidget *owner)
    : QDialog(owner)
{
    setWindowTitle(QStringLiteral("User defined thumbnails size ..."));
    const DialogUnits du = DialogUnits::setUp(this, 158, 78);
    fixedText(this, QStringLiteral("Thumbnail width (pixels):"), du.rect(14, 10, 81, 12));
    fixedText(this, QStringLiteral("Thumbnail height (pixels):"), du.rect(14, 29, 81, 12));
    mWidth = numberEdit(this, du.rect(97, 8, 46, 12), 9);
    mHeight = numberEdit(this, du.rect(97, 27, 46, 12), 9);
    mOk = new QPushButton(QStringLiteral("&Ok"), this);
    mOk->setGeometry(du.rect(12, 54, 53, 12));
    mCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    mCancel->setGeometry(du.rect(92, 53, 53, 12));
    connect(mOk, &QPushButton::clicked, this, &CustomImageDimWin::pbOk);
    connect(mCancel, &QPushButton::clicked, this, &CustomImageDimWin::pbCancel);
    makeEnterButton(mOk);
    DialogUnits::fitCaption(this);
}

void CustomImageDimWin::setThumbWidth(int pixels)
{
    mWidth->setText(QString::number(pixels).trimmed());
}

void CustomImageDimWin::setThumbHeight(int pixels)
{
    mHeight->setText(QString::number(pixels).trimmed());
}

void CustomImageDimWin::pbOk()
{
    mThumbWidth = numberOf(mWidth->text());
    mThumbHeight = numberOf(mHeight->text());
    if (mThumbWidth >= 1 && mThumbWidth < 500 && mThumbHeight >= 1 && mThumbHeight < 500) {
        done(1);
        return;
    }
    errorMsg(this, QStringLiteral("Width & height must be greater than 0 and less than 500 pixels"));
}

void CustomImageDimWin::pbCancel()
{
    done(-1);
}

} // namespace gb
