#pragma once

#include "platform/imagelib/rgbimage.h"

#include <QLabel>

class QFrame;

namespace gb {

// The small image pane of dialogs and wizard pages: a caller's image drawn at its own size,
// centred on white. The pane only shows what it is given and never owns it: the owner keeps
// the image alive while it is shown and gives the pane another (or none) before freeing it.
// Fill it with previewFile() or previewImage(), which make the scaled copy.
class PreviewFt : public QLabel
{
    Q_OBJECT
public:
    explicit PreviewFt(QWidget *owner = nullptr);

    // Shows the image (null: white only) with its size and a text that is kept, never drawn;
    // left and top become (pane size - image size) / 2.
    void update(const RgbImage *image, int width, int height, const QString &text);

    const RgbImage *image() const { return mImage; }
    // How many times update() was called: a preview made elsewhere tells by it whether the
    // pane was given another meanwhile.
    unsigned updateCount() const { return mUpdates; }
    int left() const { return mLeft; }
    int top() const { return mTop; }
    QString text() const { return mText; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const RgbImage *mImage = nullptr;
    int mLeft = 0, mTop = 0, mWidth = 0, mHeight = 0;
    QString mText;
    unsigned mUpdates = 0;
};

// The pane paints all of its area, so its border is a plain box one pixel around it, made on
// the pane's parent just beneath the pane. Call it once the pane has its place.
QFrame *framePane(PreviewFt *pane);

// The preview routine of every window that owns a pane, with the window's current preview
// held in *preview. A file is fitted into the pane less one pixel each side (or into box,
// when given) and shown; a JPEG is decoded at a reduced scale when that is enough. When the
// file is missing the pane is cleared; when it cannot be loaded the previous preview stays.
// False when nothing new is shown. *fileSize, when given, receives the size of the image in
// the file when it is shown.
bool previewFile(PreviewFt *pane, RgbImage *preview, const QString &path, QSize box = QSize(),
                 QSize *fileSize = nullptr);

// As previewFile(), with the file decoded on a worker thread while the window goes on: the
// pane shows it once made, unless owner (which holds the pane and *preview) is gone by then
// or the pane was given another preview meanwhile. With "Worker Threads" = 1, or a file
// that is not there, it is previewFile() itself.
void previewFileOnWorker(QObject *owner, PreviewFt *pane, RgbImage *preview, const QString &path, QSize box = QSize());

// The same for an image file held in memory (a catalog's stored thumbnail): fitted and shown,
// the previous preview kept when it cannot be decoded.
bool previewBytes(PreviewFt *pane, RgbImage *preview, const QByteArray &bytes, QSize box = QSize());

// The same for an image the caller holds (a test-run result); it is not kept or freed. A null
// image clears the pane. An image that already fits is copied byte for byte.
bool previewImage(PreviewFt *pane, RgbImage *preview, const RgbImage &image, QSize box = QSize());

} // namespace gb
