#include "batch/sourceloader.h"

#include "actions/resizeimagebe.h"
#include "batch/batchaction.h"
#include "image/imagefile.h"
#include "image/imageload.h"
#include "image/imagetypes.h"
#include "platform/imagelib/imagelib.h"

#include <QSize>

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace gb {

namespace {

bool isResize(const BatchCommand *command)
{
    return command && command->id() == ActionResize;
}

// The size a Resize command gives an image of the whole size; empty when it gives none.
QSize resizeTarget(const BatchCommand &resize, int width, int height)
{
    if (width <= 0 || height <= 0)
        return {};
    return calcResizeDims(resize.intAt(3), width, height, resize.intAt(4), resize.intAt(5), resize.intAt(6));
}

bool shrinksToHalf(const QSize &target, int width, int height)
{
    return !target.isEmpty() && target.width() * 2 <= width && target.height() * 2 <= height;
}

// The box the decoder keeps twice the size of: the target itself when the Resize keeps
// the proportions; for a stretch, the box of the image's own proportions that holds the
// target on both sides, so that neither side is decoded below twice the target.
QSize decodeBox(const BatchCommand &resize, const QSize &target, int width, int height)
{
    if (resize.intAt(3) != 4)
        return target;
    const double f = std::max(double(target.width()) / width, double(target.height()) / height);
    return {std::min(width, int(std::ceil(width * f - 1e-6))), std::min(height, int(std::ceil(height * f - 1e-6)))};
}

bool allStartWithResize(std::initializer_list<const BatchCommand *> firsts)
{
    return firsts.size() > 0 && std::all_of(firsts.begin(), firsts.end(), isResize);
}

template <typename Source>
RgbImage inputOf(Source &&source, const BatchCommand *first, bool alwaysResample, bool &resizeDone)
{
    resizeDone = false;
    if (isResize(first) && (source.reduced || alwaysResample)) {
        const QSize target = resizeTarget(*first, source.fullWidth, source.fullHeight);
        if (shrinksToHalf(target, source.image.width(), source.image.height())) {
            // The Resize's own resampling, to the size it computes from the whole image.
            const bool bilinear = first->slotCount() == 6 ? true : first->logicAt(7);
            RgbImage resized = resizeImageBE(source.image, 4, target.width(), target.height(), 100, bilinear);
            if (!resized.isNull()) {
                resizeDone = true;
                // The decode is of no more use to its last script: no worker holds two.
                if constexpr (!std::is_const_v<std::remove_reference_t<Source>>)
                    source.image = RgbImage();
                return resized;
            }
        }
        // A reduced decode is no input for a script that does not resize it at once.
        if (source.reduced)
            return {};
    }
    if constexpr (std::is_const_v<std::remove_reference_t<Source>>)
        return source.image.clone();
    else
        return std::move(source.image);
}

} // namespace

SharedSource loadSharedSource(const QString &path, std::initializer_list<const BatchCommand *> firstCommands,
                              QString &errorText)
{
    SharedSource source;
    // A JPEG whose scripts all start with a Resize is decoded at a reduced scale; anything
    // else loads the ordinary way (with the loader's own error texts).
    const ImageFileBytes file(allStartWithResize(firstCommands) ? path : QString(), ImageTypeJpg);
    if (!file.ok() || file.span().size == 0) {
        source.image = createRgbFromFile(path, source.fullWidth, source.fullHeight, errorText);
        return source;
    }

    const ByteSpan span = file.span();
    int width = 0, height = 0, bits = 0, error = ImgOk;
    QSize box;
    if (readImageDims(span, ImageTypeJpg, width, height, bits, error) && width > 0 && height > 0) {
        for (const BatchCommand *first : firstCommands) {
            const QSize target = resizeTarget(*first, width, height);
            if (!shrinksToHalf(target, width, height)) {
                box = {};
                break;
            }
            box = box.expandedTo(decodeBox(*first, target, width, height));
        }
    }
    error = ImgOk;
    source.image = decodeImageBytes(span, ImageTypeJpg, box.width(), box.height(), source.fullWidth,
                                    source.fullHeight, error);
    if (source.image.isNull()) {
        errorText = getErrorMsg(error);
        return source;
    }
    source.reduced = source.image.width() < source.fullWidth || source.image.height() < source.fullHeight;
    return source;
}

RgbImage scriptInput(const SharedSource &source, const BatchCommand *firstCommand, bool alwaysResample,
                     bool &resizeDone)
{
    return inputOf(source, firstCommand, alwaysResample, resizeDone);
}

RgbImage scriptInput(SharedSource &&source, const BatchCommand *firstCommand, bool alwaysResample,
                     bool &resizeDone)
{
    return inputOf(std::move(source), firstCommand, alwaysResample, resizeDone);
}

RgbImage loadScriptSource(const QString &path, const BatchCommand *firstCommand, bool &resizeDone,
                          QString &errorText)
{
    resizeDone = false;
    SharedSource source = loadSharedSource(path, {firstCommand}, errorText);
    if (source.image.isNull())
        return {};
    RgbImage image = scriptInput(std::move(source), firstCommand, false, resizeDone);
    if (image.isNull()) {
        // The reduced decode could not be resampled: the whole image, the ordinary way.
        int width = 0, height = 0;
        return createRgbFromFile(path, width, height, errorText);
    }
    return image;
}

} // namespace gb
