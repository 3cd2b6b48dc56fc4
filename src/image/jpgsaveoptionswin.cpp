#include "image/jpgsaveoptionswin.h"

#include "common/dialogunits.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSlider>

namespace gb {

int lastJpgQuality = 80;
int lastJpgProgressive = 0;

JpgSaveOptionsWin::JpgSaveOptionsWin(QWidget *owner)
    : QDialog(owner)
{
    setWindowTitle(QStringLiteral("JPG Save Options..."));
    const DialogUnits du = DialogUnits::setUp(this, 262, 75);

    mJpgQuality = new QLineEdit(this);
    mJpgQuality->setGeometry(du.rect(34, 9, 28, 12));
    mJpgQuality->setMaxLength(3);
    mJpgQuality->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), mJpgQuality));

    mJpgSlider = new QSlider(Qt::Horizontal, this);
    mJpgSlider->setGeometry(du.rect(62, 8, 132, 18));
    mJpgSlider->setRange(1, 100);
    mJpgSlider->setTickPosition(QSlider::TicksBelow);
    mJpgSlider->setTickInterval(10);

    auto *qualityLabel = new QLabel(QStringLiteral("Quality:"), this);
    qualityLabel->setGeometry(du.rect(4, 11, 29, 12));
    auto *lowLabel = new QLabel(QStringLiteral("Highest Compression, Lowest quality"), this);
    lowLabel->setGeometry(du.rect(36, 30, 71, 19));
    auto *highLabel = new QLabel(QStringLiteral("Lowest Compression, Highest quality"), this);
    highLabel->setGeometry(du.rect(144, 30, 71, 19));
    for (QLabel *l : {lowLabel, highLabel}) {
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        l->setWordWrap(true);
    }

    mProgressiveBox = new QCheckBox(QStringLiteral("Progressive"), this);
    mProgressiveBox->setGeometry(du.rect(199, 10, 54, 11));

    auto *ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setGeometry(du.rect(58, 54, 53, 12));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setGeometry(du.rect(150, 54, 53, 12));

    connect(mJpgQuality, &QLineEdit::textChanged, this, &JpgSaveOptionsWin::editChange);
    connect(mJpgSlider, &QSlider::valueChanged, this, &JpgSaveOptionsWin::horizontalSlide);
    connect(ok, &QPushButton::clicked, this, &JpgSaveOptionsWin::pbOk);
    connect(cancel, &QPushButton::clicked, this, &JpgSaveOptionsWin::pbCancel);

    mJpgQuality->setText(QStringLiteral("75"));
}

void JpgSaveOptionsWin::setQuality(int quality)
{
    mJpgQuality->setText(QString::number(quality));
}

void JpgSaveOptionsWin::setProgressive(int progressive)
{
    mProgressiveBox->setChecked(progressive == 1);
}

void JpgSaveOptionsWin::editChange(const QString &text)
{
    if (text.toInt() > 100) {
        mJpgQuality->setText(QStringLiteral("100")); // comes back here with 100
        return;
    }
    // The slider follows the edit; its own clamp to 1..100 must not write back, so an
    // empty edit or "0" stays as typed.
    const QSignalBlocker quiet(mJpgSlider);
    mJpgSlider->setValue(text.toInt());
}

void JpgSaveOptionsWin::horizontalSlide(int position)
{
    mJpgQuality->setText(QString::number(position));
}

void JpgSaveOptionsWin::pbOk()
{
    mQuality = mJpgQuality->text().toInt();
    mProgressive = mProgressiveBox->isChecked() ? 1 : 0;
    done(1);
}

void JpgSaveOptionsWin::pbCancel()
{
    done(-1);
}

bool getJpgSaveOptions(QWidget *owner, int &quality, int &progressive)
{
    JpgSaveOptionsWin dlg(owner);
    dlg.setProgressive(lastJpgProgressive);
    dlg.setQuality(lastJpgQuality);
    if (dlg.exec() != 1)
        return false;
    quality = dlg.quality();
    progressive = dlg.progressive();
    lastJpgProgressive = progressive;
    lastJpgQuality = quality;
    return true;
}

} // namespace gb
