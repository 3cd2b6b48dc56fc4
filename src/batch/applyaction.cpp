#include "batch/applyaction.h"

#include "actions/addborderbe.h"
#include "actions/applyconvfilter.h"
#include "actions/applyfilterbe.h"
#include "actions/applyframeglass.h"
#include "actions/applygrayscale.h"
#include "actions/applymediancut.h"
#include "actions/blurimage.h"
#include "actions/changebrightnesscontrast.h"
#include "actions/changecolordepth.h"
#include "actions/createbuttonimage.h"
#include "actions/histogramequalize.h"
#include "actions/invertcolors.h"
#include "actions/overlayimagebe.h"
#include "actions/overlaytextbe.h"
#include "actions/replacecolorbe.h"
#include "actions/resizeimagebe.h"
#include "actions/rotateimagebe.h"
#include "actions/sharpenimagebe.h"
#include "actions/vflip.h"
#include "batch/batchaction.h"
#include "actions/userfilter.h"

#include <algorithm>

namespace gb {

namespace {

uint8_t byteAt(const BatchCommand &c, int n)
{
    return uint8_t(std::clamp(c.intAt(n), 0, 255));
}

ActionResult made(RgbImage image)
{
    ActionResult r;
    r.newBuffer = !image.isNull();
    r.failed = !r.newBuffer;
    if (r.newBuffer)
        r.buffer = std::move(image);
    return r;
}

} // namespace

ActionResult applyAction(RgbImage &img, int &colorCount, const BatchCommand &c)
{
    switch (c.id()) {
    case ActionOverlayText:
        overlayTextBE(img, c.stringAt(3), c.stringAt(4), c.intAt(5), c.logicAt(6), c.logicAt(7), c.logicAt(8),
                      c.colourAt(9), c.intAt(10), c.intAt(11), c.intAt(12), c.intAt(13), c.intAt(14), c.logicAt(15),
                      byteAt(c, 16), byteAt(c, 17), byteAt(c, 18));
        break;
    case ActionOverlayImage: {
        ActionResult r;
        r.failed = !overlayImageBE(img, c.stringAt(3), c.intAt(4), c.intAt(5), c.intAt(6), c.intAt(7), c.intAt(8),
                                   c.logicAt(9), c.colourAt(10), c.numberAt(11));
        return r;
    }
    case ActionRotate:
        return made(rotateImageBE(img, c.numberAt(3), c.colourAt(4)));
    case ActionFlip:
        vFlip(img);
        break;
    case ActionMirror:
        hFlip(img);
        break;
    case ActionResize: {
        // The short form without the bilinear flag resamples bilinearly.
        const bool bilinear = c.slotCount() == 6 ? true : c.logicAt(7);
        return made(resizeImageBE(img, c.intAt(3), c.intAt(4), c.intAt(5), c.intAt(6), bilinear));
    }
    case ActionAddBorder:
        return made(addBorderBE(img, c.intAt(3), c.intAt(4), c.intAt(5), c.intAt(6), byteAt(c, 7), byteAt(c, 8),
                                byteAt(c, 9)));
    case ActionButtonize:
        createButtonImage(img, c.intAt(3), byteAt(c, 4), byteAt(c, 5), byteAt(c, 6));
        break;
    case ActionGlassFrame:
        applyFrameGlass(img, c.intAt(3));
        break;
    case ActionBlur:
        return made(blurImage(img, c.intAt(3)));
    case ActionSharpen:
        return made(sharpenImageBE(img, c.intAt(3)));
    case ActionMedianCut:
        return made(applyMedianCut(img));
    case ActionApplyFilter: {
        const UserFilter f = UserFilter::fromValue(c.typedSlot(3));
        return made(applyFilterBE(img, f.coefficients, f.red, f.green, f.blue, f.zeroOthers, f.feedback, f.factor));
    }
    case ActionApplyConvolutionFilter: {
        const UserConvFilter f = UserConvFilter::fromValue(c.typedSlot(3));
        return made(applyConvFilter(img, f.coefficients, f.level));
    }
    case ActionBrightnessContrast:
        changeBrightnessContrast(img, c.numberAt(3), c.numberAt(4));
        break;
    case ActionGrayScale:
        applyGrayScale(img);
        break;
    case ActionInvertColors:
        invertAllColors(img);
        break;
    case ActionInvertRed:
        invertRedColor(img);
        break;
    case ActionInvertGreen:
        invertGreenColor(img);
        break;
    case ActionInvertBlue:
        invertBlueColor(img);
        break;
    case ActionReplaceColor:
        replaceColorBE(img, c.intAt(3), c.intAt(4), c.intAt(5), c.colourAt(6), c.intAt(7));
        break;
    case ActionHistogramEqualize:
        histogramEqualize(img, c.intAt(3), c.intAt(4), c.logicAt(5), c.logicAt(6), c.logicAt(7));
        break;
    case ActionChangeColorDepth:
        // The writer's count starts from the command's own; the choice then sets it.
        colorCount = std::clamp(c.intAt(4), 2, 256);
        changeColorDepth(img, c.intAt(3), colorCount);
        break;
    default:
        break;
    }
    return {};
}

} // namespace gb
