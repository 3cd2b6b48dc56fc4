#pragma once

#include "platform/imagelib/rgbimage.h"

#include <QDate>
#include <QWidget>

class QLineEdit;

namespace gb {

class PreviewFt;

// The "Physical" page of the image information dialog: volume, media type, folder, file
// name, size in bytes, date, dimensions and the stored thumbnail, all read-only. The page
// owns the preview picture it makes from the stored bytes; bytes that do not decode leave
// the preview empty.
class PhysicalInfoWin : public QWidget
{
    Q_OBJECT
public:
    explicit PhysicalInfoWin(QWidget *owner = nullptr);

    void setMedia(const QString &code);
    void setVolume(const QString &text);
    void setFolder(const QString &text);
    void setFileName(const QString &text);
    void setModified(const QDate &date);
    void setFileSize(qint64 bytes);
    void setWidth(int pixels);
    void setHeight(int pixels);
    void setRgb(const QByteArray &jpeg);

    // The value texts, for readers and tests: "Volume", "Media", "Folder", "FileName",
    // "Size", "Modified", "Width", "Height".
    QString valueText(const QString &name) const;
    PreviewFt *preview() const { return mPreview; }
    const RgbImage &previewImage() const { return mPreviewImage; }

private:
    QLineEdit *value(const QString &name) const;
    QLineEdit *mVolume, *mMedia, *mFolder, *mFileName, *mSize, *mModified, *mWidth, *mHeight;
    PreviewFt *mPreview;
    RgbImage mPreviewImage;
};

} // namespace gb
