#include "image/previewft.h"

#include "common/orderedwork.h"
#include "common/runonworker.h"
#include "image/rgbutils.h"
#include "image/thumbnail.h"

#include <QFileInfo>
#include <QFrame>
#include <QPainter>

#include <memory>

namespace gb {

PreviewFt::PreviewFt(QWidget *owner)
    : QLabel(owner)
{
}

void PreviewFt::update(const RgbImage *image, int width, int height, const QString &text)
{
    mImage = image && !image->isNull() ? image : nullptr;
    mWidth = width;
    mHeight = height;
    mText = text;
    ++mUpdates;
    mLeft = (this->width() - width) / 2;
    mTop = (this->height() - height) / 2;
    QWidget::update();
}

void PreviewFt::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!mImage)
        return;
    const QImage wrapped(mImage->data(), mImage->width(), mImage->height(), int(mImage->stride()),
                         QImage::Format_RGB888);
    painter.drawImage(QRect(mLeft, mTop, mWidth, mHeight), wrapped);
}

static QSize previewBox(const PreviewFt *pane, QSize box)
{
    return box.isValid() ? box : QSize(pane->width() - 2, pane->height() - 2);
}

static void show(PreviewFt *pane, RgbImage *preview, RgbImage fitted, const QString &text)
{
    // The pane lets go of the old preview before it is freed.
    pane->update(nullptr, 0, 0, QString());
    *preview = std::move(fitted);
    pane->update(preview, preview->width(), preview->height(), text);
}

// The file fitted into the box; *fileSize (when given) receives the size in the file once
// it was read. Runs on any thread.
static RgbImage fittedFromFile(const QString &path, QSize box, QSize *fileSize)
{
    int width = 0, height = 0;
    QString error;
    RgbImage fitted = createFittedRgbFromFile(path, std::max(1, box.width()), std::max(1, box.height()), width, height, error);
    if (!fitted.isNull() && fileSize)
        *fileSize = QSize(width, height);
    return fitted;
}

QFrame *framePane(PreviewFt *pane)
{
    auto *border = new QFrame(pane->parentWidget());
    border->setFrameStyle(QFrame::Box | QFrame::Plain);
    border->setGeometry(pane->geometry().adjusted(-1, -1, 1, 1));
    border->stackUnder(pane);
    return border;
}

bool previewFile(PreviewFt *pane, RgbImage *preview, const QString &path, QSize box, QSize *fileSize)
{
    if (!QFileInfo(path).isFile()) {
        pane->update(nullptr, 0, 0, QString());
        *preview = RgbImage();
        return false;
    }
    RgbImage fitted = fittedFromFile(path, previewBox(pane, box), fileSize);
    if (fitted.isNull())
        return false;
    show(pane, preview, std::move(fitted), path);
    return true;
}

void previewFileOnWorker(QObject *owner, PreviewFt *pane, RgbImage *preview, const QString &path, QSize box)
{
    if (workerThreads() <= 1 || !QFileInfo(path).isFile()) {
        previewFile(pane, preview, path, box);
        return;
    }
    const QSize b = previewBox(pane, box);
    const unsigned given = pane->updateCount();
    auto fitted = std::make_shared<RgbImage>();
    const bool started = runOnWorker(
        owner, [fitted, path, b] { *fitted = fittedFromFile(path, b, nullptr); },
        [pane, preview, fitted, path, given] {
            if (!fitted->isNull() && pane->updateCount() == given)
                show(pane, preview, std::move(*fitted), path);
        });
    if (!started)
        previewFile(pane, preview, path, box);
}

bool previewBytes(PreviewFt *pane, RgbImage *preview, const QByteArray &bytes, QSize box)
{
    const QSize b = previewBox(pane, box);
    int width = 0, height = 0;
    QString error;
    RgbImage fitted = createFittedRgbFromString(bytes, std::max(1, b.width()), std::max(1, b.height()), width, height, error);
    if (fitted.isNull())
        return false;
    show(pane, preview, std::move(fitted), QString());
    return true;
}

bool previewImage(PreviewFt *pane, RgbImage *preview, const RgbImage &image, QSize box)
{
    if (image.isNull()) {
        pane->update(nullptr, 0, 0, QString());
        *preview = RgbImage();
        return false;
    }
    const QSize b = previewBox(pane, box);
    int newW = image.width(), newH = image.height();
    const bool shrunk = calcNewDims(image.width(), image.height(), std::max(1, b.width()), std::max(1, b.height()), newW, newH);
    RgbImage fitted = shrunk ? reduceToSize(image, newW, newH) : image.clone();
    if (fitted.isNull()) {
        pane->update(nullptr, 0, 0, QString());
        *preview = RgbImage();
        return false;
    }
    show(pane, preview, std::move(fitted), QString());
    return true;
}

} // namespace gb
