#include "gallery_setup/hgfullsizeimageswin.h"

#include "common/dialogcontrols.h"
#include "gallery/hgallery.h"
#include "gallery_setup/pagefields.h"

#include <QCheckBox>
#include <QLineEdit>

namespace gb {

HgFullSizeImagesWin::HgFullSizeImagesWin(QWidget *owner, int controlId) : ImageSettingsPage(owner, controlId, true)
{
    setObjectName(QStringLiteral("hgFullSizeImagesWin"));
}

void HgFullSizeImagesWin::connect2Source(HGallery *gallery)
{
    mGallery = gallery;
    showFormat(gallery->fsImFormat());
    mFolder->setText(gallery->fsImSubFolder());
    showNaming(gallery->fsImNaming());
    mAppendName->setText(gallery->fsImStdAppendName());
    mSuffix->setText(gallery->fsImStdSuffix());
    mPrefix->setText(gallery->fsImStdPrefix());
    mQuality->setNumber(gallery->fsImQuality());
    mProgressive->setChecked(gallery->fsImProgressive());
    adjustControls();
}

void HgFullSizeImagesWin::updateObject()
{
    if (!mGallery)
        return;
    mGallery->setFsImFormat(readFormat(mGallery->fsImFormat()));
    mGallery->setFsImSubFolder(mFolder->text());
    mGallery->setFsImNaming(readNaming(mGallery->fsImNaming()));
    mGallery->setFsImStdAppendName(mAppendName->text());
    mGallery->setFsImStdSuffix(mSuffix->text());
    mGallery->setFsImStdPrefix(mPrefix->text());
    mGallery->setFsImQuality(numberValue(mQuality->edit()->text()));
    mGallery->setFsImProgressive(mProgressive->isChecked());
}

} // namespace gb
