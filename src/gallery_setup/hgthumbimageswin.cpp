#include "gallery_setup/hgthumbimageswin.h"

#include "gallery/hgallery.h"
#include "gallery_setup/pagefields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace gb {

HgThumbImagesWin::HgThumbImagesWin(QWidget *owner, int controlId) : ImageSettingsPage(owner, controlId, false)
{
    setObjectName(QStringLiteral("hgThumbImagesWin"));
    mResType = new QComboBox(this);
    mResType->setObjectName(QStringLiteral("RESTYPE"));
    mResType->setToolTip(QStringLiteral("Define the resize method that will be used for thumbnails generation"));
    mResType->addItem(QStringLiteral("Best fit - keep aspect ratio"), 1);
    mResType->addItem(QStringLiteral("Fixed width - keep aspect ratio"), 2);
    mResType->addItem(QStringLiteral("Fixed height - keep aspect ratio"), 3);
    mResType->addItem(QStringLiteral("Stretch to fit"), 4);
    mWidth = pageEdit(this, QStringLiteral("WIDTH"), QStringLiteral("Thumbnail width in pixels"),
                      kGalleryThumbSideRange.digits());
    mHeight = pageEdit(this, QStringLiteral("HEIGHT"), QStringLiteral("Thumbnail height in pixels"),
                       kGalleryThumbSideRange.digits());
    auto *size = new QHBoxLayout;
    size->addWidget(fixedText(this, QStringLiteral("Width:"), QStringLiteral("FIXEDTEXT5")));
    size->addWidget(mWidth);
    size->addWidget(fixedText(this, QStringLiteral("Height:"), QStringLiteral("FIXEDTEXT6")));
    size->addWidget(mHeight);
    size->addWidget(fixedText(this, QStringLiteral("(pixels)"), QStringLiteral("FIXEDTEXT7")));
    auto *resize = new QHBoxLayout;
    resize->addWidget(fixedText(this, QStringLiteral("Resize Type:"), QStringLiteral("FIXEDTEXT4")));
    resize->addWidget(mResType, 1);
    auto *column = new QVBoxLayout;
    column->addLayout(resize);
    column->addLayout(size);
    mGrid->addLayout(column, 1, 0, 1, 2);
}

void HgThumbImagesWin::connect2Source(HGallery *gallery)
{
    mGallery = gallery;
    showFormat(gallery->thFormat());
    mResType->setCurrentIndex(mResType->findData(gallery->thResize()));
    mWidth->setText(numberText(gallery->thWidth()));
    mHeight->setText(numberText(gallery->thHeight()));
    mFolder->setText(gallery->thImSubFolder());
    showNaming(gallery->thImNaming());
    mAppendName->setText(gallery->thImStdName());
    mSuffix->setText(gallery->thImSuffix());
    mPrefix->setText(gallery->thImPrefix());
    mQuality->setNumber(gallery->thImQuality());
    mProgressive->setChecked(gallery->thImProgressive());
    adjustControls();
}

void HgThumbImagesWin::updateObject()
{
    if (!mGallery)
        return;
    mGallery->setThFormat(readFormat(mGallery->thFormat()));
    if (mResType->currentIndex() >= 0)
        mGallery->setThResize(mResType->currentData().toInt());
    mGallery->setThWidth(numberValue(mWidth->text()));
    mGallery->setThHeight(numberValue(mHeight->text()));
    mGallery->setThImSubFolder(mFolder->text().trimmed());
    mGallery->setThImNaming(readNaming(mGallery->thImNaming()));
    mGallery->setThImStdName(mAppendName->text().trimmed());
    mGallery->setThImSuffix(mSuffix->text().trimmed());
    mGallery->setThImPrefix(mPrefix->text().trimmed());
    mGallery->setThImQuality(numberValue(mQuality->edit()->text()));
    mGallery->setThImProgressive(mProgressive->isChecked());
}

void HgThumbImagesWin::adjustControls()
{
    ImageSettingsPage::adjustControls();
    switch (mResType->currentData().toInt()) {
    case 1:
    case 4:
        mWidth->setEnabled(true);
        mHeight->setEnabled(true);
        break;
    case 2:
        mWidth->setEnabled(true);
        mHeight->setEnabled(false);
        break;
    case 3:
        mWidth->setEnabled(false);
        mHeight->setEnabled(true);
        break;
    default:
        break;
    }
}

} // namespace gb
