#include "gallery_setup/imagesettingspage.h"

#include "common/dialogcontrols.h"
#include "gallery/hgallery.h"
#include "gallery_setup/pagefields.h"
#include "image/imagetypes.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

#include <algorithm>

namespace gb {

ImageSettingsPage::ImageSettingsPage(QWidget *owner, int controlId, bool fullSize) : SectionPage(owner, controlId)
{
    const QString images = fullSize ? QStringLiteral("Full size images") : QStringLiteral("Thumbnail images");
    mFormat = new QComboBox(this);
    mFormat->setObjectName(QStringLiteral("FORMATTYPE"));
    mFormat->setToolTip(fullSize ? QStringLiteral("Define the format of full size images")
                                 : QStringLiteral("Define the format of image thumbnail"));
    std::vector<FileTypeEntry> types = fileTypes();
    std::sort(types.begin(), types.end(), [](const FileTypeEntry &a, const FileTypeEntry &b) { return a.label < b.label; });
    for (const FileTypeEntry &type : types)
        mFormat->addItem(type.label, type.code);

    mFolder = pageEdit(this, QStringLiteral("FOLDER"),
                       fullSize ? QStringLiteral("If you want to save full size images in a subfolder of the base "
                                                 "folder, enter subfolder's name here")
                                : QStringLiteral("If you want to save thumbnail images in a subfolder of the base folder, "
                                                 "enter subfolder's name here"));

    auto *naming = new QGroupBox(fullSize ? QStringLiteral("Full Size Image Names") : QStringLiteral("Thumbnails Image Names"),
                                 this);
    naming->setObjectName(QStringLiteral("RADIOBUTTONGROUP1"));
    mSame = pageRadio(naming, QStringLiteral("SAME"), QStringLiteral("Use the original image name"),
                      images + QStringLiteral(" will have the same name with the original images"));
    mAppend = pageRadio(naming, QStringLiteral("APPEND"), QStringLiteral("Append to the original image name"),
                        images + QStringLiteral(" will  have the same name with the original images plus a standard suffix"));
    mAppendName = pageEdit(naming, QStringLiteral("APPENDNAME"));
    mAppendSuffix = pageRadio(naming, QStringLiteral("APPENDSUFFIX"), QStringLiteral("Auto generated names with Suffix:"),
                              images + QStringLiteral(" will have automatically generated names with a standard suffix"));
    mSuffix = pageEdit(naming, QStringLiteral("SUFFIX"));
    mAppendPrefix = pageRadio(naming, QStringLiteral("APPENDPREFIX"), QStringLiteral("Auto generated names with Prefix:"),
                              images + QStringLiteral(" will have automatically generated names with a standard prefix"));
    mPrefix = pageEdit(naming, QStringLiteral("PREFIX"));
    auto *namingGrid = new QGridLayout(naming);
    namingGrid->addWidget(mSame, 0, 0, 1, 2);
    namingGrid->addWidget(mAppend, 1, 0);
    namingGrid->addWidget(mAppendName, 1, 1);
    namingGrid->addWidget(mAppendSuffix, 2, 0);
    namingGrid->addWidget(mSuffix, 2, 1);
    namingGrid->addWidget(mAppendPrefix, 3, 0);
    namingGrid->addWidget(mPrefix, 3, 1);
    for (QLineEdit *edit : {mAppendName, mSuffix, mPrefix})
        edit->setMinimumWidth(70);
    namingGrid->setColumnStretch(1, 1);

    auto *jpg = new QGroupBox(QStringLiteral("JPG Options"), this);
    jpg->setObjectName(QStringLiteral("GROUPBOX1"));
    const DialogUnits du(DialogUnits::dialogFont());
    mQuality = NumberPair::withSlider(jpg, du, QRect(), QRect(), kJpgQualityRange, 3, NumberPair::CapHigh);
    mQuality->setObjectNames(QStringLiteral("JPGQUALITY"), QStringLiteral("QUALITYSL"));
    mQuality->edit()->setToolTip(QStringLiteral("JPG quality - Enter any number between 100 (high quality - low "
                                                "compression) and 1 (low quality - high compression)"));
    mProgressive = pageCheck(jpg, QStringLiteral("PROGRESSIVE"), QStringLiteral("Progressive"),
                             fullSize ? QStringLiteral("Set to true to create progressive JPG full size images")
                                      : QStringLiteral("Set to true to create progressive JPG thumbnails"));
    auto *jpgGrid = new QGridLayout(jpg);
    jpgGrid->addWidget(fixedText(jpg, QStringLiteral("Quality:"), QStringLiteral("FIXEDTEXT3")), 0, 0);
    jpgGrid->addWidget(mQuality->edit(), 0, 1);
    jpgGrid->addWidget(mProgressive, 0, 2);
    jpgGrid->addWidget(mQuality->partner(), 1, 0, 1, 4);
    jpgGrid->addWidget(fixedText(jpg, QStringLiteral("Low quality, high compression"), QStringLiteral("FIXEDTEXT8")), 2, 0,
                       1, 2);
    auto *high = fixedText(jpg, QStringLiteral("High quality, low compression"), QStringLiteral("FIXEDTEXT9"));
    high->setAlignment(Qt::AlignRight);
    jpgGrid->addWidget(high, 2, 2, 1, 2);
    jpgGrid->setColumnStretch(3, 1);
    mQuality->edit()->setMaximumWidth(50);

    mGrid = new QGridLayout(this);
    mGrid->addWidget(fixedText(this, fullSize ? QStringLiteral("Full Size Images Format:") : QStringLiteral("Thumbnails Format:"),
                               QStringLiteral("FIXEDTEXT1")), 0, 0);
    mGrid->addWidget(mFormat, 0, 1);
    mGrid->addWidget(fixedText(this, fullSize ? QStringLiteral("Save in a subfolder:")
                                              : QStringLiteral("Save in a subfolder of Base Folder:"),
                               QStringLiteral("FIXEDTEXT2")), 2, 0);
    mGrid->addWidget(mFolder, 2, 1);
    mGrid->addWidget(naming, 0, 2, 3, 1);
    mGrid->addWidget(jpg, 3, 0, 1, 3);
    mGrid->setColumnStretch(1, 2);
    mGrid->setColumnStretch(2, 3);
    mGrid->setRowStretch(4, 1);

    for (QAbstractButton *button : {static_cast<QAbstractButton *>(mSame), static_cast<QAbstractButton *>(mAppend),
                                    static_cast<QAbstractButton *>(mAppendSuffix),
                                    static_cast<QAbstractButton *>(mAppendPrefix),
                                    static_cast<QAbstractButton *>(mProgressive)})
        connect(button, &QAbstractButton::clicked, this, [this] { adjustControls(); });
}

void ImageSettingsPage::adjustControls()
{
    mAppendName->setEnabled(mAppend->isChecked());
    mSuffix->setEnabled(mAppendSuffix->isChecked());
    mPrefix->setEnabled(mAppendPrefix->isChecked());
}

void ImageSettingsPage::showFormat(int code)
{
    mFormat->setCurrentIndex(mFormat->findData(code));
}

int ImageSettingsPage::readFormat(int stored) const
{
    return mFormat->currentIndex() < 0 ? stored : mFormat->currentData().toInt();
}

std::vector<CodedButton> ImageSettingsPage::namingButtons() const
{
    return {{mSame, 1}, {mAppend, 2}, {mAppendSuffix, 3}, {mAppendPrefix, 4}};
}

void ImageSettingsPage::showNaming(int naming)
{
    checkByCode(namingButtons(), naming);
}

int ImageSettingsPage::readNaming(int stored) const
{
    return codeOfChecked(namingButtons(), stored);
}

} // namespace gb
