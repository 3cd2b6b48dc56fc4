#include "explorer/imagepropertieswin.h"

#include "common/dialogunits.h"
#include "explorer/dialogfields.h"
#include "explorer/fileproperties.h"
#include "image/previewft.h"

#include <QLabel>

namespace gb {

ImagePropertiesWin::ImagePropertiesWin(QWidget *owner)
    : QWidget(owner)
{
    const DialogUnits du(DialogUnits::dialogFont());
    setFont(DialogUnits::dialogFont());
    const QStringList labels = {"Width:", "Height:", "Colors:", "Pixel Depth:", "RAM used:"};
    for (int i = 0; i < labels.size(); ++i) {
        const int y = 10 + i * 16;
        fixedText(this, labels[i], du.rect(8, y + 1, 44, 10));
        mValues << valueField(this, du.rect(54, y, 60, 11));
    }
    mPreview = new PreviewFt(this);
    mPreview->setGeometry(du.rect(122, 10, 92, 92));
    mPreview->setFrameStyle(QFrame::Box | QFrame::Plain);
}

ImagePropertiesWin::~ImagePropertiesWin()
{
    mPreview->update(nullptr, 0, 0, QString());
}

void ImagePropertiesWin::previewFile(const QString &file)
{
    gb::previewFile(mPreview, &mPreviewImage, file);
}

void ImagePropertiesWin::setFileName(const QString &file)
{
    previewFile(file);
    const ImageProperties p = imageProperties(file);
    const QStringList texts = {p.width, p.height, p.colors, p.pixDepth, p.ramUsed};
    for (int i = 0; i < texts.size(); ++i)
        mValues[i]->setText(texts[i]);
}

QStringList ImagePropertiesWin::values() const
{
    QStringList out;
    for (const QLabel *l : mValues)
        out << l->text();
    return out;
}

} // namespace gb
