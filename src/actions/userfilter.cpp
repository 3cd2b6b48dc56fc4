#include "actions/userfilter.h"

namespace gb {

namespace {

template <size_t N> Value coefficientsValue(const std::array<double, N> &c)
{
    ValueArray values;
    values.reserve(N);
    for (double v : c)
        values.emplace_back(v);
    return Value(std::move(values));
}

// Element by element: a number where a number belongs, otherwise the default (0).
template <size_t N> std::array<double, N> coefficientsFrom(const Value &v)
{
    std::array<double, N> c{};
    const int count = std::min<int>(v.size(), int(N));
    for (int i = 0; i < count; ++i) {
        if (v.at(i).isNumber())
            c[size_t(i)] = v.at(i).toNumber();
    }
    return c;
}

bool logicOr(const Value &v, bool fallback)
{
    return v.isLogic() ? v.toBool() : fallback;
}

double numberOr(const Value &v, double fallback)
{
    return v.isNumber() ? v.toNumber() : fallback;
}

} // namespace

Value UserFilter::toValue() const
{
    return Value(ValueArray{coefficientsValue(coefficients), red, green, blue, zeroOthers, feedback, factor});
}

UserFilter UserFilter::fromValue(const Value &record)
{
    UserFilter f;
    f.coefficients = coefficientsFrom<9>(record.at(0));
    f.red = logicOr(record.at(1), f.red);
    f.green = logicOr(record.at(2), f.green);
    f.blue = logicOr(record.at(3), f.blue);
    f.zeroOthers = logicOr(record.at(4), f.zeroOthers);
    f.feedback = logicOr(record.at(5), f.feedback);
    f.factor = numberOr(record.at(6), f.factor);
    return f;
}

Value UserConvFilter::toValue() const
{
    return Value(ValueArray{coefficientsValue(coefficients), level});
}

UserConvFilter UserConvFilter::fromValue(const Value &record)
{
    UserConvFilter f;
    f.coefficients = coefficientsFrom<49>(record.at(0));
    f.level = numberOr(record.at(1), f.level);
    return f;
}

QString userFilterDescription(const QString &typed)
{
    const QString trimmed = typed.trimmed();
    return trimmed.isEmpty() ? QStringLiteral("Without Description") : trimmed;
}

} // namespace gb
