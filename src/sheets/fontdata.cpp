#include "sheets/fontdata.h"

namespace gb {

Value FontData::toValue() const
{
    return Value(ValueArray{Value(face), Value(size), Value(bold), Value(italic), Value(underline), Value(double(color))});
}

FontData FontData::fromValue(const Value &value, const FontData &fallback)
{
    if (!value.isArray())
        return fallback;
    FontData f = fallback;
    if (value.at(0).isString())
        f.face = value.at(0).toString();
    if (value.at(1).isNumber())
        f.size = value.at(1).toNumber();
    if (value.at(2).isLogic())
        f.bold = value.at(2).toBool();
    if (value.at(3).isLogic())
        f.italic = value.at(3).toBool();
    if (value.at(4).isLogic())
        f.underline = value.at(4).toBool();
    if (value.at(5).isNumber() && value.at(5).toNumber() >= 0 && value.at(5).toNumber() <= 0xFFFFFF)
        f.color = uint32_t(value.at(5).toNumber());
    return f;
}

} // namespace gb
