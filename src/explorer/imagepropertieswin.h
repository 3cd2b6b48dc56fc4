#pragma once

#include "platform/imagelib/rgbimage.h"

#include <QWidget>

class QLabel;

namespace gb {

class PreviewFt;

// The "Image Properties" page of the file properties dialog: width, height, colours, pixel
// depth and memory of the image, and its preview (held until the page goes).
class ImagePropertiesWin : public QWidget
{
    Q_OBJECT
public:
    explicit ImagePropertiesWin(QWidget *owner = nullptr);
    ~ImagePropertiesWin() override;

    void setFileName(const QString &file);
    void previewFile(const QString &file);

    // The value fields in the order "Width:", "Height:", "Colors:", "Pixel Depth:", "RAM used:".
    QStringList values() const;
    PreviewFt *preview() const { return mPreview; }

private:
    QList<QLabel *> mValues;
    PreviewFt *mPreview;
    RgbImage mPreviewImage;
};

} // namespace gb
