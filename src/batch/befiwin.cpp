#include "batch/befiwin.h"

#include "batch/bejob.h"
#include "common/dialogcontrols.h"
#include "common/dialogunits.h"
#include "common/selectfolder.h"
#include "image/imagetypes.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

namespace gb {

namespace {

// Selects the entry whose value is the code; none when no entry carries it.
void selectByValue(QComboBox *box, int code)
{
    box->setCurrentIndex(box->findData(code));
}

} // namespace

int BeFiWin::numericValue(const QString &text)
{
    int value = 0;
    for (const QChar c : text) {
        if (!c.isDigit() || value > 100000000)
            break;
        value = value * 10 + c.digitValue();
    }
    return value;
}

BeFiWin::BeFiWin(QWidget *owner, int controlId)
    : WizardPageWin(owner, controlId, 378, 187)
{
    const DialogUnits &du = units();
    const ControlPlacer place(this, du);
    // The page's texts hang from the top of their places and wrap when given more than a line.
    auto label = [&](const QString &text, const QRect &r, Qt::Alignment align = Qt::AlignLeft) {
        QLabel *l = place.label(text, r);
        l->setAlignment(align | Qt::AlignTop);
        l->setWordWrap(r.height() > 12);
        return l;
    };

    // The group frames go first, so that the controls they hold stand above them.
    place.framedGroup(QStringLiteral("Final Images Names"), {4, 53, 197, 127});
    place.framedGroup(QStringLiteral("JPG Options"), {207, 53, 164, 87});
    place.framedGroup(QStringLiteral("Overwrite Option"), {207, 148, 164, 32});

    mFormatType = place.combo(QStringLiteral("FORMATTYPE"), {80, 6, 113, 12});
    mFolder = place.edit(QStringLiteral("FOLDER"), {255, 7, 101, 12});
    mBrowse = place.bitmapButton(QStringLiteral("PBBROWSE"), QStringLiteral("FINDFILE"), QStringLiteral("..."),
                                 {358, 7, 13, 12});
    mRoFormatType = place.combo(QStringLiteral("ROFORMATTYPE"), {134, 28, 112, 12});
    mSame = withToolTip(place.radio(QStringLiteral("SAME"), QStringLiteral("Use the original image name"), {20, 67, 112, 11}),
                        QStringLiteral("Thumbnail images will have the same name with the original images"));
    mAppend = withToolTip(place.radio(QStringLiteral("APPEND"), QStringLiteral("Append to the original image name"),
                                      {20, 84, 123, 11}),
                          QStringLiteral("Thumbnail images will  have the same name with the original images plus a standard suffix"));
    mAppendName = place.edit(QStringLiteral("APPENDNAME"), {144, 84, 34, 12});
    mAppendSuffix = withToolTip(place.radio(QStringLiteral("APPENDSUFFIX"), QStringLiteral("Auto generated names with Suffix:"),
                                            {20, 102, 123, 11}),
                                QStringLiteral("Thumbnail images will have automatically generated names with a standard suffix"));
    mSuffix = place.edit(QStringLiteral("SUFFIX"), {144, 102, 34, 12});
    mAppendPrefix = withToolTip(place.radio(QStringLiteral("APPENDPREFIX"), QStringLiteral("Auto generated names with Prefix:"),
                                            {20, 120, 123, 11}),
                                QStringLiteral("Thumbnail images will have automatically generated names with a standard prefix"));
    mPrefix = place.edit(QStringLiteral("PREFIX"), {144, 120, 34, 12});
    const auto digitsOf = [](const SettingRange &range) { return QStringLiteral("\\d{0,%1}").arg(range.digits()); };
    mAutoNumericStart = place.edit(QStringLiteral("AUTONUMERICSTART"), {144, 141, 28, 12}, digitsOf(kEnumStartRange));
    mAutoNumericPad = place.edit(QStringLiteral("AUTONUMERICPAD"), {144, 160, 28, 12}, digitsOf(kEnumLengthRange));
    // Quality field and slider stay equal: typing moves the slider (an empty field puts it at
    // its left end and stays empty), sliding writes the digits; above 100 becomes 100.
    mQuality = NumberPair::withSlider(this, du, QRect(288, 60, 26, 12), QRect(212, 79, 154, 16), kJpgQualityRange, 3,
                                      NumberPair::CapHigh);
    mQuality->setObjectNames(QStringLiteral("JPGQUALITY"), QStringLiteral("QUALITYSL"));
    mJpgQuality = mQuality->edit();
    mQualitySl = mQuality->slider();
    mJpgQuality->setToolTip(QStringLiteral(
        "JPG quality - Enter any number between 100 (high quality - low compression) and 1 (low quality - high compression)"));
    mQualitySl->setTickPosition(QSlider::TicksBelow);
    mQualitySl->setTickInterval(10);
    mProgressive = withToolTip(place.checkBox(QStringLiteral("PROGRESSIVE"), QStringLiteral("Progressive"), {267, 120, 53, 11}),
                               QStringLiteral("Set to true to create progressive JPG thumbnails"));
    mOverAlways = withToolTip(place.radio(QStringLiteral("OVERALWAYS"), QStringLiteral("Always"), {216, 160, 39, 11}),
                              QStringLiteral("Generator overwrites extisting html pages or images without asking you to confirm"));
    mOverNever = withToolTip(place.radio(QStringLiteral("OVERNEVER"), QStringLiteral("Never"), {268, 160, 35, 11}),
                             QStringLiteral("Generator never extisting html pages or images"));
    mOverAsk = withToolTip(place.radio(QStringLiteral("OVERASK"), QStringLiteral("Ask me"), {318, 160, 40, 11}),
                           QStringLiteral("Generator ask you to confirm, before overwrites extisting html pages or images"));
    label(QStringLiteral("High quality, low compression"), {305, 97, 60, 17}, Qt::AlignRight);
    label(QStringLiteral("Low quality, high compression"), {212, 97, 64, 17});
    label(QStringLiteral("Quality:"), {261, 61, 25, 12});
    label(QStringLiteral("Save in Folder:"), {204, 8, 49, 12});
    label(QStringLiteral("Final Images Format:"), {10, 8, 68, 12});
    label(QStringLiteral("Read only formats images - save as:"), {9, 31, 124, 12});
    label(QStringLiteral("Enumeration for image names start at:"), {21, 142, 121, 12});
    label(QStringLiteral("Standard length for enumeration:"), {34, 161, 108, 12});

    mNamingGroup = new QButtonGroup(this);
    mNamingGroup->addButton(mSame, 1);
    mNamingGroup->addButton(mAppend, 2);
    mNamingGroup->addButton(mAppendSuffix, 3);
    mNamingGroup->addButton(mAppendPrefix, 4);
    mOverwriteGroup = new QButtonGroup(this);
    mOverwriteGroup->addButton(mOverAlways, 1);
    mOverwriteGroup->addButton(mOverNever, 2);
    mOverwriteGroup->addButton(mOverAsk, 3);

    // Both lists are sorted by their labels; the output list also offers the source's own
    // format (0).
    std::vector<FileTypeEntry> types = fileTypes();
    auto fill = [](QComboBox *box, std::vector<FileTypeEntry> entries) {
        std::sort(entries.begin(), entries.end(),
                  [](const FileTypeEntry &a, const FileTypeEntry &b) { return a.label.compare(b.label, Qt::CaseInsensitive) < 0; });
        for (const FileTypeEntry &e : entries)
            box->addItem(e.label, e.code);
        box->setCurrentIndex(-1);
    };
    fill(mRoFormatType, types);
    types.push_back({QStringLiteral("same as original"), 0});
    fill(mFormatType, types);

    connect(mBrowse, &QPushButton::clicked, this, &BeFiWin::pbBrowse);
    for (QAbstractButton *b : {static_cast<QAbstractButton *>(mSame), static_cast<QAbstractButton *>(mAppend),
                               static_cast<QAbstractButton *>(mAppendSuffix), static_cast<QAbstractButton *>(mAppendPrefix),
                               static_cast<QAbstractButton *>(mProgressive), static_cast<QAbstractButton *>(mOverAlways),
                               static_cast<QAbstractButton *>(mOverNever), static_cast<QAbstractButton *>(mOverAsk)})
        connect(b, &QAbstractButton::clicked, this, &BeFiWin::adjustControls);
    adjustControls();
}

void BeFiWin::adjustControls()
{
    mAppendName->setEnabled(mAppend->isChecked());
    mSuffix->setEnabled(mAppendSuffix->isChecked());
    mPrefix->setEnabled(mAppendPrefix->isChecked());
}

void BeFiWin::pbBrowse()
{
    QString folder;
    if (selectFolder(this, QStringLiteral("Select where the final images will be saved"), QString(), 0, &folder))
        mFolder->setText(folder);
}

void BeFiWin::connect2Source(WizardJob *job)
{
    BeJob *be = wizardJobCast<BeJob>(job);
    mJob = be ? &be->be() : nullptr;
    if (!mJob)
        return;
    selectByValue(mFormatType, mJob->finalFormat());
    selectByValue(mRoFormatType, mJob->finalFormatRo());
    mFolder->setText(mJob->finalFolder());
    checkByCode(codedButtons(mNamingGroup), mJob->naming());
    mAppendName->setText(mJob->stdName());
    mSuffix->setText(mJob->stdSuffix());
    mPrefix->setText(mJob->stdPrefix());
    mJpgQuality->setText(QString::number(mJob->jpgQuality()));
    mProgressive->setChecked(mJob->jpgProg());
    checkByCode(codedButtons(mOverwriteGroup), mJob->overwrite());
    mAutoNumericStart->setText(QString::number(mJob->enumStart()));
    mAutoNumericPad->setText(QString::number(mJob->enumLength()));
    adjustControls();
}

void BeFiWin::updateObject()
{
    if (!mJob)
        return;
    // A list with no entry chosen (a stored code that no entry carries) keeps the setting.
    if (mFormatType->currentIndex() >= 0)
        mJob->setFinalFormat(mFormatType->currentData().toInt());
    if (mRoFormatType->currentIndex() >= 0)
        mJob->setFinalFormatRo(mRoFormatType->currentData().toInt());
    mJob->setFinalFolder(mFolder->text());
    mJob->setNaming(codeOfChecked(codedButtons(mNamingGroup), mJob->naming()));
    mJob->setStdName(mAppendName->text());
    mJob->setStdSuffix(mSuffix->text());
    mJob->setStdPrefix(mPrefix->text());
    mJob->setJpgQuality(numericValue(mJpgQuality->text()));
    mJob->setJpgProg(mProgressive->isChecked());
    mJob->setOverwrite(codeOfChecked(codedButtons(mOverwriteGroup), mJob->overwrite()));
    mJob->setEnumStart(numericValue(mAutoNumericStart->text()));
    mJob->setEnumLength(numericValue(mAutoNumericPad->text()));
}

} // namespace gb
