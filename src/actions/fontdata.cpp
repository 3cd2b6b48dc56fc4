#include "actions/fontdata.h"

namespace gb {

Value FontData::toValue() const
{
    return Value(ValueArray{Value(face), Value(size), Value(bold), Value(italic), Value(underline),
                            Value(double(color))});
}

FontData FontData::fromValue(const Value &record)
{
    FontData f;
    const auto at = [&record](int i) { return record.at(i); };
    if (at(0).isString())
        f.face = at(0).toString();
    if (at(1).isNumber())
        f.size = at(1).toInt();
    if (at(2).isLogic())
        f.bold = at(2).toBool();
    if (at(3).isLogic())
        f.italic = at(3).toBool();
    if (at(4).isLogic())
        f.underline = at(4).toBool();
    if (at(5).isNumber() && at(5).toNumber() >= 0 && at(5).toNumber() <= 16777215)
        f.color = uint32_t(at(5).toInt());
    return f;
}

} // namespace gb
