#pragma once

#include <QString>

#include <limits>
#include <vector>

namespace gbtest {

// The numbers a damaged settings record may hold in a number slot: past every int, at the
// ends of the checked conversion's range, not a number at all, and the small ones that no
// count or choice takes. Each test puts every one into every number slot of its job.
struct DamagedNumber {
    double value;
    const char *text;
};

inline const std::vector<DamagedNumber> &damagedNumbers()
{
    static const std::vector<DamagedNumber> numbers = {
        {1e300, "1e300"},
        {-1e300, "-1e300"},
        {std::numeric_limits<double>::infinity(), "inf"},
        {-std::numeric_limits<double>::infinity(), "-inf"},
        {std::numeric_limits<double>::quiet_NaN(), "NaN"},
        {4294967296.0, "4294967296"},
        {2147483647.0, "2147483647"},
        {-1, "-1"},
        {0, "0"},
    };
    return numbers;
}

// "slot 10 = 1e300", for the trace of a table row.
inline QString damagedCase(int slot, const DamagedNumber &number)
{
    return QStringLiteral("slot %1 = %2").arg(slot).arg(QLatin1String(number.text));
}

} // namespace gbtest
