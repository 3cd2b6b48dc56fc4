#include "batch/sourceloader.h"

#include "actions/resizeimagebe.h"
#include "batch/batchaction.h"
#include "image/imageload.h"
#include "image/thumbnail.h"

#include <QSize>

#include <algorithm>
#include <cmath>

namespace gb {

namespace {

// The Resize's target for an image of width x height, or an empty size when loading
// cannot do it (not a Resize, no header size, or not a shrink below half).
QSize loadTimeTarget(const QString &path, const BatchCommand &first, int &width, int &height)
{
    if (first.id() != ActionResize)
        return {};
    int bits = 0;
    QString ignored;
    if (!getImageDims(path, width, height, bits, ignored) || width <= 0 || height <= 0)
        return {};
    const QSize target = calcResizeDims(first.intAt(3), width, height, first.intAt(4), first.intAt(5), first.intAt(6));
    if (target.isEmpty() || target.width() * 2 > width || target.height() * 2 > height)
        return {};
    return target;
}

} // namespace

RgbImage loadScriptSource(const QString &path, const BatchCommand *firstCommand, bool &resizeDone,
                          QString &errorText)
{
    resizeDone = false;
    int width = 0, height = 0;
    const QSize target = firstCommand ? loadTimeTarget(path, *firstCommand, width, height) : QSize();
    if (target.isEmpty())
        return createRgbFromFile(path, width, height, errorText);

    // The box: the target itself when the Resize keeps the proportions (the fitted image
    // then has the target's size, give or take a pixel of rounding); for a stretch, the box
    // of the image's own proportions that just holds the target on both sides, so that no
    // side is ever reduced below the target.
    int boxW = target.width(), boxH = target.height();
    if (firstCommand->intAt(3) == 4) {
        const double f = std::max(double(target.width()) / width, double(target.height()) / height);
        boxW = std::min(width, int(std::ceil(width * f - 1e-6)));
        boxH = std::min(height, int(std::ceil(height * f - 1e-6)));
    }
    int fullW = 0, fullH = 0;
    RgbImage img = createFittedRgbFromFile(path, boxW, boxH, fullW, fullH, errorText);
    if (img.isNull())
        return img;
    if (img.width() != target.width() || img.height() != target.height()) {
        const bool bilinear = firstCommand->slotCount() == 6 ? true : firstCommand->logicAt(7);
        RgbImage exact = resizeImageBE(img, 4, target.width(), target.height(), 100, bilinear);
        if (exact.isNull())
            return createRgbFromFile(path, width, height, errorText);
        img = std::move(exact);
    }
    resizeDone = true;
    return img;
}

} // namespace gb
