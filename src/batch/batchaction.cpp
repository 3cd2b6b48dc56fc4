#include "batch/batchaction.h"

namespace gb {

std::vector<BatchAction> gaBatchActions;

void initializeActions()
{
    gaBatchActions = {
        {QStringLiteral("Overlay Text"), ActionOverlayText},
        {QStringLiteral("Overlay Image"), ActionOverlayImage},
        {QStringLiteral("Rotate"), ActionRotate},
        {QStringLiteral("Flip"), ActionFlip},
        {QStringLiteral("Mirror"), ActionMirror},
        {QStringLiteral("Resize"), ActionResize},
        {QStringLiteral("Add Border"), ActionAddBorder},
        {QStringLiteral("Buttonize"), ActionButtonize},
        {QStringLiteral("Glass Frame"), ActionGlassFrame},
        {QStringLiteral("Blur"), ActionBlur},
        {QStringLiteral("Sharpen"), ActionSharpen},
        {QStringLiteral("Median Cut"), ActionMedianCut},
        {QStringLiteral("Apply Filter"), ActionApplyFilter},
        {QStringLiteral("Apply Convolution Filter"), ActionApplyConvolutionFilter},
        {QStringLiteral("Adjust Brightness/Contrast"), ActionBrightnessContrast},
        {QStringLiteral("Convert to Gray Scale"), ActionGrayScale},
        {QStringLiteral("Invert Colors"), ActionInvertColors},
        {QStringLiteral("Invert Red"), ActionInvertRed},
        {QStringLiteral("Invert Green"), ActionInvertGreen},
        {QStringLiteral("Invert Blue"), ActionInvertBlue},
        {QStringLiteral("Replace Color"), ActionReplaceColor},
        {QStringLiteral("Histogram Equalize"), ActionHistogramEqualize},
        {QStringLiteral("Change Color Depth"), ActionChangeColorDepth},
    };
}

const std::vector<BatchAction> &getActions()
{
    if (gaBatchActions.empty())
        initializeActions();
    return gaBatchActions;
}

QString getActionDesc(int id)
{
    for (const BatchAction &action : getActions()) {
        if (action.id == id)
            return action.name;
    }
    return QString();
}

} // namespace gb
