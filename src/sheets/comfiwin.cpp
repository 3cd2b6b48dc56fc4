#include "sheets/comfiwin.h"

#include "resources/resourceclasses.h"
#include "common/dialogcontrols.h"
#include "common/selectfolder.h"
#include "image/imagetypes.h"
#include "sheets/compositejob.h"
#include "sheets/layoutpagewin.h"
#include "sheets/sheetranges.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include <algorithm>

namespace gb {

namespace {

QRadioButton *radio(QGroupBox *group, const DialogUnits &du, const QString &text, const QRect &r)
{
    auto *button = new QRadioButton(text, group);
    button->setGeometry(du.rect(r));
    return button;
}

QLineEdit *sizeEdit(QWidget *page, const DialogUnits &du, const QRect &r)
{
    auto *edit = new QLineEdit(page);
    edit->setGeometry(du.rect(r));
    // The validator limits what is typed. A length limit would also cut a longer stored
    // number when it is shown, and the page would store the cut one back unnoticed; shown
    // whole, it reaches validation, which refuses it.
    edit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\d{0,%1}").arg(kSheetSideRange.digits())), edit));
    return edit;
}

} // namespace

ComFiWin::ComFiWin(QWidget *owner, int controlId)
    : WizardPageWin(owner, controlId, 380, 188)
{
    const DialogUnits &du = units();

    auto *sizeRg = new QGroupBox(QStringLiteral("Composite Image Size"), this);
    sizeRg->setGeometry(du.rect(5, 3, 120, 104));
    m640 = radio(sizeRg, du, QStringLiteral("640 x 480"), {8, 14, 100, 10});
    m800 = radio(sizeRg, du, QStringLiteral("800 x 600"), {8, 28, 100, 10});
    m1024 = radio(sizeRg, du, QStringLiteral("1024 x 768"), {8, 42, 100, 10});
    mCustom = radio(sizeRg, du, QStringLiteral("Custom"), {8, 56, 100, 10});
    pageLabel(this, du, QStringLiteral("Width:"), {22, 74, 28, 9});
    mFinalWidth = sizeEdit(this, du, {52, 72, 32, 12});
    pageLabel(this, du, QStringLiteral("Height:"), {22, 90, 28, 9});
    mFinalHeight = sizeEdit(this, du, {52, 88, 32, 12});

    pageLabel(this, du, QStringLiteral("Save as:"), {133, 8, 60, 9});
    mImageType = new QComboBox(this);
    mImageType->setGeometry(du.rect(195, 6, 140, 13));
    std::vector<FileTypeEntry> types = fileTypes();
    std::sort(types.begin(), types.end(), [](const FileTypeEntry &a, const FileTypeEntry &b) { return a.label < b.label; });
    for (const FileTypeEntry &type : types)
        mImageType->addItem(type.label, type.code);
    pageLabel(this, du, QStringLiteral("In folder:"), {133, 25, 60, 9});
    mFinalFolder = new QLineEdit(this);
    mFinalFolder->setGeometry(du.rect(195, 23, 158, 12));
    mPbBrowseFolder = new QPushButton(this);
    mPbBrowseFolder->setIcon(QIcon(FindFile()));
    mPbBrowseFolder->setGeometry(du.rect(356, 22, 18, 14));
    pageLabel(this, du, QStringLiteral("with name prefix:"), {133, 42, 60, 9});
    mFinalName = new QLineEdit(this);
    mFinalName->setGeometry(du.rect(195, 40, 90, 12));

    auto *jpg = new QGroupBox(QStringLiteral("JPG Options"), this);
    jpg->setGeometry(du.rect(131, 58, 245, 58));
    jpg->lower();
    pageLabel(this, du, QStringLiteral("Quality:"), {137, 72, 30, 9});
    mJpgQuality = NumberPair::withSlider(this, du, {168, 70, 24, 12}, {137, 84, 232, 14}, kJpgQualityRange, 3, NumberPair::CapHigh);
    mJpgQuality->setObjectNames(QStringLiteral("JPGQUALITY"), QStringLiteral("QUALITYSL"));
    mJpgQuality->edit()->setToolTip(
        QStringLiteral("JPG quality - Enter any number between 100 (high quality - low compression) and 1 (low quality - "
                       "high compression)"));
    pageLabel(this, du, QStringLiteral("Low quality, high compression"), {137, 100, 115, 9});
    QLabel *high = pageLabel(this, du, QStringLiteral("High quality, low compression"), {254, 100, 115, 9});
    high->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    mProgressive = new QCheckBox(QStringLiteral("Progressive"), this);
    mProgressive->setToolTip(QStringLiteral("Set to true to create progressive JPG thumbnails"));
    mProgressive->setGeometry(du.rect(250, 71, 80, 10));

    auto *overwrite = new QGroupBox(QStringLiteral("Overwrite Option"), this);
    overwrite->setGeometry(du.rect(131, 121, 245, 30));
    mOverAlways = radio(overwrite, du, QStringLiteral("Always"), {8, 14, 60, 10});
    mOverAlways->setToolTip(
        QStringLiteral("Generator overwrites extisting html pages or images without asking you to confirm"));
    mOverNever = radio(overwrite, du, QStringLiteral("Never"), {88, 14, 60, 10});
    mOverNever->setToolTip(QStringLiteral("Generator never extisting html pages or images"));
    mOverAsk = radio(overwrite, du, QStringLiteral("Ask me"), {168, 14, 60, 10});
    mOverAsk->setToolTip(
        QStringLiteral("Generator ask you to confirm, before overwrites extisting html pages or images"));

    for (QRadioButton *size : {m640, m800, m1024, mCustom})
        connect(size, &QRadioButton::clicked, this, &ComFiWin::adjustControls);
    connect(mPbBrowseFolder, &QPushButton::clicked, this, &ComFiWin::pbBrowseFolder);
}

void ComFiWin::connect2Source(WizardJob *wizardJob)
{
    auto *bound = wizardJobCast<CompositeJob>(wizardJob);
    if (!bound)
        return;
    HComposite *job = &bound->composite();
    mJob = job;
    const int size = job->imageSize();
    (size == 1 ? m640 : size == 2 ? m800 : size == 3 ? m1024 : mCustom)->setChecked(true);
    mFinalWidth->setText(QString::number(job->imageWidth()));
    mFinalHeight->setText(QString::number(job->imageHeight()));
    mImageType->setCurrentIndex(mImageType->findData(job->saveAs()));
    mFinalFolder->setText(job->folder());
    mFinalName->setText(job->prefix());
    mJpgQuality->setNumber(job->jpgQuality());
    mProgressive->setChecked(job->jpgProgressive());
    const int overwrite = job->overwrite();
    (overwrite == 3 ? mOverAsk : overwrite == 2 ? mOverNever : mOverAlways)->setChecked(true);
    adjustControls();
}

void ComFiWin::updateObject()
{
    if (!mJob)
        return;
    mJob->setImageSize(m640->isChecked() ? 1 : m800->isChecked() ? 2 : m1024->isChecked() ? 3 : 0);
    mJob->setImageWidth(int(numberOfText(mFinalWidth->text())));
    mJob->setImageHeight(int(numberOfText(mFinalHeight->text())));
    if (mImageType->currentIndex() >= 0)
        mJob->setSaveAs(mImageType->currentData().toInt());
    mJob->setFolder(mFinalFolder->text().trimmed());
    mJob->setPrefix(mFinalName->text().trimmed());
    mJob->setJpgQuality(mJpgQuality->number());
    mJob->setJpgProgressive(mProgressive->isChecked());
    mJob->setOverwrite(mOverAsk->isChecked() ? 3 : mOverNever->isChecked() ? 2 : 1);
}

void ComFiWin::adjustControls()
{
    const bool custom = mCustom->isChecked();
    mFinalWidth->setEnabled(custom);
    mFinalHeight->setEnabled(custom);
}

void ComFiWin::pbBrowseFolder()
{
    QString folder;
    if (selectFolder(this, QStringLiteral("Select folder to place composite images"), QString(), 0, &folder))
        mFinalFolder->setText(folder);
}

} // namespace gb
