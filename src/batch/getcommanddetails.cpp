#include "batch/getcommanddetails.h"

#include "actions/brightnesscontrastwin.h"
#include "actions/buttonizewin.h"
#include "actions/colordepthwin.h"
#include "actions/defineborderwin.h"
#include "actions/equalizehistogramwin.h"
#include "actions/filterswin.h"
#include "actions/overlayimagewin.h"
#include "actions/overlaytextwin.h"
#include "actions/replacecolorwin.h"
#include "actions/resizewin.h"
#include "actions/rotatewin.h"
#include "actions/sharpenwin.h"
#include "actions/userfilter.h"
#include "batch/batchaction.h"
#include "common/imagsysserver.h"
#include "common/messages.h"

#include <memory>

namespace gb {

namespace {

// The parameter dialog of an action, preset from old (nil for a new step); null for an
// action without one.
std::unique_ptr<ParamDialog> parameterDialog(QWidget *owner, int id, const Value &old)
{
    switch (id) {
    case ActionOverlayText: return std::make_unique<OverlayTextWin>(owner, old);
    case ActionOverlayImage: return std::make_unique<OverlayImageWin>(owner, old);
    case ActionRotate: return std::make_unique<RotateWin>(owner, old);
    case ActionResize: return std::make_unique<ResizeWin>(owner, old);
    case ActionAddBorder: return std::make_unique<DefineBorderWin>(owner, old);
    case ActionButtonize: return std::make_unique<ButtonizeWin>(owner, old);
    case ActionGlassFrame: return std::make_unique<ButtonizeWin_1>(owner, old);
    case ActionBlur: {
        auto dialog = std::make_unique<SharpenWin>(owner, old);
        dialog->setWindowTitle(QStringLiteral("Blur Image"));
        return dialog;
    }
    case ActionSharpen: return std::make_unique<SharpenWin>(owner, old);
    case ActionBrightnessContrast: return std::make_unique<BrightnessContrastWin>(owner, old);
    case ActionReplaceColor: return std::make_unique<ReplaceColorWin>(owner, old);
    case ActionHistogramEqualize: return std::make_unique<EqualizeHistogramWin>(owner, old);
    case ActionChangeColorDepth: return std::make_unique<ColorDepthWin>(owner, old);
    default: return nullptr;
    }
}

bool hasNoParameters(int id)
{
    switch (id) {
    case ActionFlip:
    case ActionMirror:
    case ActionMedianCut:
    case ActionGrayScale:
    case ActionInvertColors:
    case ActionInvertRed:
    case ActionInvertGreen:
    case ActionInvertBlue: return true;
    default: return false;
    }
}

// The filter list of the kind; the chosen filter's record makes the command.
Value filterCommand(QWidget *owner, int id)
{
    const bool matrix = id == ActionApplyFilter;
    FiltersWin list(owner, matrix);
    if (list.exec() != 1)
        return Value(ValueArray{});
    ImagSysServer &db = goSysServer();
    const ValueArray record = db.getInfo(list.filterKey());
    const QString description = db.getDesc(list.filterKey());
    if (record.empty()) {
        errorMsg(owner, QStringLiteral("An error occured - cannot retrieve filter information"));
        return Value(ValueArray{});
    }
    // The command carries a whole filter even when the stored record was damaged.
    const Value filter = matrix ? UserFilter::fromValue(Value(record)).toValue()
                                : UserConvFilter::fromValue(Value(record)).toValue();
    return Value(ValueArray{id, getActionDesc(id) + QStringLiteral(" - ") + description, filter});
}

} // namespace

Value getCommandDetails(QWidget *owner, int id, const Value *oldParams)
{
    if (hasNoParameters(id)) {
        if (oldParams) {
            warningMsg(owner, QStringLiteral("This command has no additional details"));
            return Value(ValueArray{});
        }
        return Value(ValueArray{id, getActionDesc(id)});
    }
    if (id == ActionApplyFilter || id == ActionApplyConvolutionFilter)
        return filterCommand(owner, id);
    const std::unique_ptr<ParamDialog> dialog = parameterDialog(owner, id, oldParams ? *oldParams : Value());
    if (!dialog || dialog->exec() != 1)
        return Value(ValueArray{});
    ValueArray command{id, getActionDesc(id)};
    const ValueArray values = dialog->values();
    command.insert(command.end(), values.begin(), values.end());
    return Value(std::move(command));
}

} // namespace gb
