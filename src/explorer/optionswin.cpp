#include "explorer/optionswin.h"

#include "common/dialogunits.h"
#include "common/registry.h"
#include "explorer/dialogfields.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace gb {

static const QString kSection = QStringLiteral("Print Options");

OptionsWin::OptionsWin(QWidget *owner)
    : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Page Setup"));
    const DialogUnits du = DialogUnits::setUp(this, 232, 168);

    // Frames first, so that the controls inside them stay on top.
    auto *printSetup = new QGroupBox(QStringLiteral("Image Print Setup"), this);
    printSetup->setGeometry(du.rect(7, 19, 217, 43));
    auto *orientationBox = new QGroupBox(QStringLiteral("Paper Orientation"), this);
    orientationBox->setGeometry(du.rect(7, 65, 217, 27));
    auto *margins = new QGroupBox(QStringLiteral("Paper Margins (pixels)"), this);
    margins->setGeometry(du.rect(7, 95, 217, 46));

    fixedText(this, QStringLiteral("Print Logo:"), du.rect(8, 4, 35, 8));
    mCompanyLogo = new QLineEdit(this);
    mCompanyLogo->setGeometry(du.rect(48, 3, 177, 12));
    mCompanyLogo->setEnabled(false);

    fixedText(this, QStringLiteral("Starting row:"), du.rect(13, 31, 72, 12));
    mSiStartingRow = numberEdit(this, du.rect(86, 28, 32, 12));
    fixedText(this, QStringLiteral("Starting column:"), du.rect(130, 31, 52, 12));
    mSiStartingColumn = numberEdit(this, du.rect(184, 28, 32, 12));

    mActualSize = new QRadioButton(QStringLiteral("Actual Size"), this);
    mActualSize->setGeometry(du.rect(54, 45, 54, 11));
    mFitInPage = new QRadioButton(QStringLiteral("Fit in page"), this);
    mFitInPage->setGeometry(du.rect(131, 45, 50, 11));
    auto *printType = new QButtonGroup(this);
    printType->addButton(mActualSize);
    printType->addButton(mFitInPage);

    mPortrait = new QRadioButton(QStringLiteral("Portrait"), this);
    mPortrait->setGeometry(du.rect(30, 76, 71, 11));
    mLandscape = new QRadioButton(QStringLiteral("Landscape"), this);
    mLandscape->setGeometry(du.rect(137, 76, 77, 11));
    auto *orientation = new QButtonGroup(this);
    orientation->addButton(mPortrait);
    orientation->addButton(mLandscape);

    fixedText(this, QStringLiteral("Left Margin:"), du.rect(13, 107, 72, 12));
    mLeftMargin = numberEdit(this, du.rect(86, 104, 32, 12));
    fixedText(this, QStringLiteral("Right Margin:"), du.rect(130, 107, 52, 12));
    mRightMargin = numberEdit(this, du.rect(184, 104, 32, 12));
    fixedText(this, QStringLiteral("Top Margin:"), du.rect(13, 120, 72, 12));
    fixedText(this, QStringLiteral("Bottom Margin:"), du.rect(130, 120, 52, 12));
    mTopMargin = numberEdit(this, du.rect(86, 118, 32, 12));
    mBottomMargin = numberEdit(this, du.rect(184, 118, 32, 12));

    auto *ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setGeometry(du.rect(45, 146, 53, 16));
    auto *cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setGeometry(du.rect(137, 146, 53, 16));
    connect(ok, &QPushButton::clicked, this, &OptionsWin::pbOk);
    connect(cancel, &QPushButton::clicked, this, &OptionsWin::pbCancel);
    makeEnterButton(ok);

    postInit();
}

void OptionsWin::postInit()
{
    auto number = [](const char *name) { return QString::number(getIntFromReg(kSection, QString::fromLatin1(name))); };
    mCompanyLogo->clear();
    mSiStartingRow->setText(number("SI Starting Row"));
    mSiStartingColumn->setText(number("SI Starting Col"));
    (getIntFromReg(kSection, QStringLiteral("SI Print Type")) == 1 ? mActualSize : mFitInPage)->setChecked(true);
    (getIntFromReg(kSection, QStringLiteral("Orientation")) == 1 ? mPortrait : mLandscape)->setChecked(true);
    mLeftMargin->setText(number("Left Margin"));
    mRightMargin->setText(number("Right Margin"));
    mTopMargin->setText(number("Top Margin"));
    mBottomMargin->setText(number("Bottom Margin"));
}

QString OptionsWin::orientation() const
{
    return mPortrait->isChecked() ? QStringLiteral("P") : QStringLiteral("L");
}

void OptionsWin::pbOk()
{
    kvtSetRtRegString(kSection, QStringLiteral("Company Logo"), mCompanyLogo->text());
    kvtSetRtRegInt(kSection, QStringLiteral("SI Starting Row"), numberOf(mSiStartingRow->text()));
    kvtSetRtRegInt(kSection, QStringLiteral("SI Starting Col"), numberOf(mSiStartingColumn->text()));
    kvtSetRtRegInt(kSection, QStringLiteral("SI Print Type"), mActualSize->isChecked() ? 1 : 2);
    kvtSetRtRegInt(kSection, QStringLiteral("Left Margin"), numberOf(mLeftMargin->text()));
    kvtSetRtRegInt(kSection, QStringLiteral("Right Margin"), numberOf(mRightMargin->text()));
    kvtSetRtRegInt(kSection, QStringLiteral("Top Margin"), numberOf(mTopMargin->text()));
    kvtSetRtRegInt(kSection, QStringLiteral("Bottom Margin"), numberOf(mBottomMargin->text()));
    kvtSetRtRegInt(kSection, QStringLiteral("Orientation"), orientation() == QLatin1String("P") ? 1 : 2);
    done(1);
}

void OptionsWin::pbCancel()
{
    done(-1);
}

} // namespace gb
