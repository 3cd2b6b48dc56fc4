#include "batch/batchcommand.h"

#include "batch/batchaction.h"
#include "actions/userfilter.h"

#include <algorithm>
#include <cmath>

namespace gb {

namespace {

enum class SlotKind { String, Integer, Logic, Number, Filter, ConvFilter };

struct SlotSpec {
    SlotKind kind;
    Value fallback;
};

using Layout = std::vector<SlotSpec>;

SlotSpec str(const char *v) { return {SlotKind::String, Value(v)}; }
SlotSpec integer(int v) { return {SlotKind::Integer, Value(v)}; }
SlotSpec logic(bool v) { return {SlotKind::Logic, Value(v)}; }
SlotSpec number(double v) { return {SlotKind::Number, Value(v)}; }

// The parameter items (3 onward) of every action, in stored order, with the value a slot
// takes when a stored command lacks it or holds the wrong type there.
const Layout &layoutOf(int id)
{
    static const Layout none;
    static const Layout overlayText = {
        str(""), str("Arial"), integer(12), logic(false), logic(false), logic(false),
        integer(0),                                       // text colour number
        integer(1),                                       // position 1..9
        integer(0), integer(0), integer(0), integer(0),   // left, top, right, bottom margins
        logic(true),                                      // transparent
        integer(255), integer(255), integer(255),         // background red, green, blue
    };
    static const Layout overlayImage = {
        str(""), integer(1), integer(0), integer(0), integer(0), integer(0),
        logic(false), integer(0), number(1.0),
    };
    static const Layout rotate = {number(0.0), integer(0)};
    static const Layout resize = {integer(1), integer(100), integer(100), integer(100), logic(true)};
    static const Layout border = {integer(0), integer(0), integer(0), integer(0),
                                  integer(0), integer(0), integer(0)};
    static const Layout buttonize = {integer(1), integer(128), integer(128), integer(128)};
    static const Layout sizeOnly = {integer(0)};
    static const Layout level = {integer(1)};
    static const Layout filter = {{SlotKind::Filter, UserFilter().toValue()}};
    static const Layout convFilter = {{SlotKind::ConvFilter, UserConvFilter().toValue()}};
    static const Layout brightness = {number(0.0), number(0.0)};
    static const Layout replace = {integer(0), integer(0), integer(0), integer(0), number(0)};
    static const Layout histogram = {integer(0), integer(255), logic(true), logic(true), logic(true)};
    static const Layout depth = {integer(5), integer(0)};
    switch (id) {
    case ActionOverlayText: return overlayText;
    case ActionOverlayImage: return overlayImage;
    case ActionRotate: return rotate;
    case ActionResize: return resize;
    case ActionAddBorder: return border;
    case ActionButtonize: return buttonize;
    case ActionGlassFrame: return sizeOnly;
    case ActionBlur:
    case ActionSharpen: return level;
    case ActionApplyFilter: return filter;
    case ActionApplyConvolutionFilter: return convFilter;
    case ActionBrightnessContrast: return brightness;
    case ActionReplaceColor: return replace;
    case ActionHistogramEqualize: return histogram;
    case ActionChangeColorDepth: return depth;
    default: return none;
    }
}

bool fits(const Value &v, SlotKind kind)
{
    switch (kind) {
    case SlotKind::String: return v.isString();
    case SlotKind::Integer:
    // NaN is no number a dialog could have set: it takes the slot's default.
    case SlotKind::Number: return v.isNumber() && !std::isnan(v.toNumber());
    case SlotKind::Logic: return v.isLogic();
    case SlotKind::Filter:
    case SlotKind::ConvFilter: return v.isArray();
    }
    return false;
}

} // namespace

BatchCommand BatchCommand::make(int id, ValueArray parameters)
{
    ValueArray items;
    items.reserve(parameters.size() + 2);
    items.emplace_back(id);
    items.emplace_back(getActionDesc(id));
    for (Value &v : parameters)
        items.push_back(std::move(v));
    return BatchCommand(std::move(items));
}

int BatchCommand::id() const
{
    return slot(1).isNumber() ? slot(1).toInt() : 0;
}

QString BatchCommand::description() const
{
    return slot(2).toString();
}

const Value &BatchCommand::slot(int n) const
{
    static const Value nil;
    return n >= 1 && n <= int(mSlots.size()) ? mSlots[size_t(n - 1)] : nil;
}

Value BatchCommand::typedSlot(int n) const
{
    const Layout &layout = layoutOf(id());
    const int p = n - 3;
    if (p < 0 || p >= int(layout.size()))
        return slot(n);
    const SlotSpec &spec = layout[size_t(p)];
    const Value &v = slot(n);
    if (!fits(v, spec.kind))
        return spec.fallback;
    // Filter records are read element by element, so a damaged one still has every element.
    if (spec.kind == SlotKind::Filter)
        return UserFilter::fromValue(v).toValue();
    if (spec.kind == SlotKind::ConvFilter)
        return UserConvFilter::fromValue(v).toValue();
    return v;
}

std::optional<BatchCommand> BatchCommand::fromValue(const Value &stored)
{
    if (!stored.isArray() || !stored.at(0).isNumber())
        return std::nullopt;
    const BatchCommand raw(stored.array());
    const int id = raw.id();
    ValueArray items;
    items.emplace_back(id);
    items.push_back(raw.slot(2).isString() ? raw.slot(2) : Value(getActionDesc(id)));
    const Layout &layout = layoutOf(id);
    int count = int(layout.size());
    // The short Resize (no bilinear flag) is a valid form of its own and stays short.
    if (id == ActionResize && raw.slotCount() == 6)
        count -= 1;
    for (int p = 0; p < count; ++p)
        items.push_back(raw.typedSlot(p + 3));
    if (id == ActionChangeColorDepth && items[2].toInt() == 6)
        items[3] = Value(std::clamp(items[3].toInt(), 2, 256));
    return BatchCommand(std::move(items));
}

int actionSlotCount(int id)
{
    if (getActionDesc(id).isEmpty())
        return 0;
    return 2 + int(layoutOf(id).size());
}

BatchCommand defaultCommand(int id)
{
    ValueArray parameters;
    for (const SlotSpec &spec : layoutOf(id))
        parameters.push_back(spec.fallback);
    return BatchCommand::make(id, std::move(parameters));
}

std::vector<BatchCommand> commandsFromValue(const Value &stored)
{
    std::vector<BatchCommand> commands;
    for (const Value &v : stored.array()) {
        if (std::optional<BatchCommand> c = BatchCommand::fromValue(v))
            commands.push_back(std::move(*c));
    }
    return commands;
}

Value commandsToValue(const std::vector<BatchCommand> &commands)
{
    ValueArray values;
    values.reserve(commands.size());
    for (const BatchCommand &c : commands)
        values.push_back(c.toValue());
    return Value(std::move(values));
}

} // namespace gb
