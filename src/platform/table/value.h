#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

#include <cmath>
#include <limits>
#include <optional>
#include <type_traits>
#include <variant>
#include <vector>

namespace gb {

class Value;
using ValueArray = std::vector<Value>;

// A stored number as an integer of type T, the one way a number read from a record, a
// setting or a file becomes an integer, since stored data may be damaged: the fraction is
// dropped (toward zero), a number past either end of T's range (an infinity too) gives
// that end, and NaN gives fallback. Round the number first where rounding is meant.
template <typename T> T checkedInteger(double d, T fallback = T(0))
{
    static_assert(std::is_integral_v<T>);
    constexpr T lowest = std::numeric_limits<T>::min();
    constexpr T highest = std::numeric_limits<T>::max();
    if (std::isnan(d))
        return fallback;
    // double(highest) may round up to the next power of two; every number below it fits.
    if (d <= double(lowest))
        return lowest;
    if (d >= double(highest))
        return highest;
    return T(d);
}

// A value whose type is known only at run time: nil, logic, number, string, date, byte
// string or an array of values. Settings arrays, batch commands, filter records, fonts and
// memo fields are made of these.
//
// The accessors never fail: asking a value for another type than it holds gives that
// type's empty value (false, 0, "", a null date, no bytes, no elements), so code that reads
// stored records can type-check each slot and fall back to its default.
//
// Binary encoding (encode()/decode(), used for memo fields that hold arrays or bytes):
//
//   encoding := "GBV" 0x01 item
//   item     := tag payload           (tag is one byte)
//     0 nil      no payload
//     1 logic    1 byte, 0 or 1
//     2 number   8 bytes, IEEE-754 double, little-endian
//     3 string   u32 byte count, then that many bytes of UTF-8
//     4 date     i64 Julian day, little-endian; INT64_MIN for the null (empty) date
//     5 bytes    u32 byte count, then the bytes
//     6 array    u32 element count, then that many items
//   All integers are little-endian. Arrays nest at most kMaxDepth levels.
//
// decode() accepts exactly one encoding with nothing after it and refuses anything else
// (wrong magic, unknown tag, a count past the end, too deep nesting, a logic byte other
// than 0 or 1) by returning nothing; it never reads outside the input.
class Value
{
public:
    enum Type { Nil, Logic, Number, String, Date, Bytes, Array };
    static constexpr int kMaxDepth = 64;

    Value() = default;
    Value(bool v) : mData(v) {}
    Value(int v) : mData(double(v)) {}
    Value(long long v) : mData(double(v)) {}
    Value(double v) : mData(v) {}
    Value(const QString &v) : mData(v) {}
    Value(const char *v) : mData(QString::fromUtf8(v)) {}
    Value(ValueArray v) : mData(std::move(v)) {}
    static Value date(const QDate &d);
    static Value bytes(const QByteArray &b);

    Type type() const { return Type(mData.index()); }
    bool isNil() const { return type() == Nil; }
    bool isLogic() const { return type() == Logic; }
    bool isNumber() const { return type() == Number; }
    bool isString() const { return type() == String; }
    bool isDate() const { return type() == Date; }
    bool isBytes() const { return type() == Bytes; }
    bool isArray() const { return type() == Array; }

    bool toBool() const;
    double toNumber() const;
    // The number rounded to the nearest integer and clamped to int's range; NaN gives 0.
    int toInt() const;
    QString toString() const;
    QDate toDate() const;
    QByteArray toBytes() const;

    // The elements; an empty array for a value that is not an array.
    const ValueArray &array() const;
    // The elements for changing; a value that is not an array becomes an empty array first.
    ValueArray &array();
    // Element count of an array, 0 for anything else.
    int size() const;
    // Element i (0-based) of an array; nil when out of range or not an array.
    const Value &at(int i) const;

    // Same type and equal content, element by element for arrays.
    bool operator==(const Value &other) const;
    bool operator!=(const Value &other) const { return !(*this == other); }

    QByteArray encode() const;
    static std::optional<Value> decode(const QByteArray &data);

private:
    struct DateBox { QDate d; bool operator==(const DateBox &o) const { return d == o.d; } };
    struct BytesBox { QByteArray b; bool operator==(const BytesBox &o) const { return b == o.b; } };
    std::variant<std::monostate, bool, double, QString, DateBox, BytesBox, ValueArray> mData;
};

} // namespace gb
