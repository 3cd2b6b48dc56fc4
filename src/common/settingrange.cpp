#include "common/settingrange.h"

#include <cmath>

namespace gb {

bool SettingRange::holds(double stored) const
{
    if (std::isnan(stored))
        return false;
    const double whole = std::round(stored);
    return whole >= double(min) && whole <= double(max);
}

int SettingRange::digits() const
{
    return int(QString::number(max).size());
}

QString rangeProblem(const QString &name, const SettingRange &range)
{
    switch (range.kind) {
    case SettingRange::Choice:
        return QStringLiteral("%1: the stored choice is unknown, choose it again").arg(name);
    case SettingRange::Colour:
        return QStringLiteral("%1: the stored colour is damaged, choose it again").arg(name);
    case SettingRange::Number:
        break;
    }
    return QStringLiteral("%1 must be between %2 and %3").arg(name).arg(range.min).arg(range.max);
}

QStringList rangeProblems(const ValueArray &data, std::span<const RangedSlot> numbers, const QString &prefix)
{
    QStringList problems;
    for (const RangedSlot &s : numbers) {
        if (s.slot < 1 || size_t(s.slot) > data.size())
            continue;
        const Value &stored = data[size_t(s.slot - 1)];
        if (!stored.isNumber() || s.range.holds(stored.toNumber()))
            continue;
        const bool below = stored.toNumber() < double(s.range.min);
        problems << prefix + (below && !s.belowText.isEmpty() ? s.belowText : rangeProblem(s.name, s.range));
    }
    return problems;
}

} // namespace gb
