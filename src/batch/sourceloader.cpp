#include "batch/sourceloader.h"

#include "actions/resizeimagebe.h"
#include "batch/batchaction.h"
#include "image/imagefile.h"
#include "image/imageload.h"
#include "image/imagetypes.h"
#include "platform/imagelib/imagelib.h"

#include <QFile>
#include <QSize>

#include <algorithm>
#include <cmath>

namespace gb {

namespace {

// The bytes of a JPEG file whose script starts with a Resize; empty for anything else, which
// then loads the ordinary way (with the loader's own error texts).
QByteArray jpegBytesFor(const QString &path, const BatchCommand *first)
{
    if (!first || first->id() != ActionResize)
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    if (imageTypeOf(byteSpan(file.peek(16)), path) != ImageTypeJpg)
        return {};
    return file.readAll();
}

} // namespace

RgbImage loadScriptSource(const QString &path, const BatchCommand *firstCommand, bool &resizeDone,
                          QString &errorText)
{
    resizeDone = false;
    int width = 0, height = 0;
    const QByteArray bytes = jpegBytesFor(path, firstCommand);
    if (bytes.isEmpty())
        return createRgbFromFile(path, width, height, errorText);

    const ByteSpan span = byteSpan(bytes);
    const BatchCommand &resize = *firstCommand;
    int bits = 0, error = ImgOk;
    QSize target;
    if (readImageDims(span, ImageTypeJpg, width, height, bits, error) && width > 0 && height > 0)
        target = calcResizeDims(resize.intAt(3), width, height, resize.intAt(4), resize.intAt(5), resize.intAt(6));
    const bool shrinks = !target.isEmpty() && target.width() * 2 <= width && target.height() * 2 <= height;

    // The box the decoder keeps twice the size of: the target itself when the Resize keeps
    // the proportions; for a stretch, the box of the image's own proportions that holds the
    // target on both sides, so that neither side is decoded below twice the target.
    int boxW = 0, boxH = 0;
    if (shrinks) {
        boxW = target.width();
        boxH = target.height();
        if (resize.intAt(3) == 4) {
            const double f = std::max(double(target.width()) / width, double(target.height()) / height);
            boxW = std::min(width, int(std::ceil(width * f - 1e-6)));
            boxH = std::min(height, int(std::ceil(height * f - 1e-6)));
        }
    }
    error = ImgOk;
    RgbImage img = decodeImageBytes(span, ImageTypeJpg, boxW, boxH, width, height, error);
    if (img.isNull()) {
        errorText = getErrorMsg(error);
        return img;
    }
    if (!shrinks)
        return img;
    // The Resize's own resampling, to the size it computes from the whole image.
    const bool bilinear = resize.slotCount() == 6 ? true : resize.logicAt(7);
    RgbImage resized = resizeImageBE(img, 4, target.width(), target.height(), 100, bilinear);
    if (resized.isNull())
        return createRgbFromFile(path, width, height, errorText);
    resizeDone = true;
    return resized;
}

} // namespace gb
