#include "sheets/settingslots.h"

namespace gb::settingslots {

namespace {
const Value &slotValue(const ValueArray &data, const ValueArray &defaults, int slot, Value::Type type)
{
    const Value &v = data.at(slot - 1);
    return v.type() == type ? v : defaults.at(slot - 1);
}
} // namespace

void padWithDefaults(ValueArray &data, const ValueArray &defaults)
{
    if (data.size() < defaults.size())
        data.insert(data.end(), defaults.begin() + data.size(), defaults.end());
}

int intAt(const ValueArray &data, const ValueArray &defaults, int slot)
{
    return slotValue(data, defaults, slot, Value::Number).toInt();
}

bool boolAt(const ValueArray &data, const ValueArray &defaults, int slot)
{
    return slotValue(data, defaults, slot, Value::Logic).toBool();
}

QString textAt(const ValueArray &data, const ValueArray &defaults, int slot)
{
    return slotValue(data, defaults, slot, Value::String).toString();
}

FontData fontAt(const ValueArray &data, const ValueArray &defaults, int slot)
{
    return FontData::fromValue(slotValue(data, defaults, slot, Value::Array));
}

std::vector<int> codesAt(const ValueArray &data, const ValueArray &defaults, int slot)
{
    std::vector<int> codes;
    for (const Value &e : slotValue(data, defaults, slot, Value::Array).array())
        codes.push_back(e.isNumber() ? e.toInt() : 0);
    return codes;
}

Value codesValue(const std::vector<int> &codes)
{
    ValueArray values;
    for (int c : codes)
        values.push_back(Value(c));
    return Value(values);
}

} // namespace gb::settingslots
