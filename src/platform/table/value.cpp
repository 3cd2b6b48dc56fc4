#include "platform/table/value.h"

#include <QtEndian>

#include <climits>
#include <cmath>
#include <cstring>
#include <limits>

namespace gb {

namespace {

const char kMagic[4] = {'G', 'B', 'V', 0x01};
constexpr qint64 kNullDate = std::numeric_limits<qint64>::min();

void putU32(QByteArray &out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

void putU64(QByteArray &out, quint64 v)
{
    char b[8];
    qToLittleEndian(v, b);
    out.append(b, 8);
}

void encodeItem(const Value &v, QByteArray &out)
{
    out.append(char(v.type()));
    switch (v.type()) {
    case Value::Nil:
        break;
    case Value::Logic:
        out.append(char(v.toBool() ? 1 : 0));
        break;
    case Value::Number: {
        double d = v.toNumber();
        quint64 bits;
        std::memcpy(&bits, &d, 8);
        putU64(out, bits);
        break;
    }
    case Value::String: {
        const QByteArray utf8 = v.toString().toUtf8();
        putU32(out, quint32(utf8.size()));
        out.append(utf8);
        break;
    }
    case Value::Date: {
        const QDate d = v.toDate();
        putU64(out, quint64(d.isValid() ? d.toJulianDay() : kNullDate));
        break;
    }
    case Value::Bytes: {
        const QByteArray b = v.toBytes();
        putU32(out, quint32(b.size()));
        out.append(b);
        break;
    }
    case Value::Array:
        putU32(out, quint32(v.size()));
        for (const Value &e : v.array())
            encodeItem(e, out);
        break;
    }
}

// Reads items from a byte range, refusing anything that would step past its end.
struct Reader {
    const uchar *p;
    qsizetype left;

    bool take(qsizetype n, const uchar *&at)
    {
        if (n < 0 || n > left)
            return false;
        at = p;
        p += n;
        left -= n;
        return true;
    }
    bool u32(quint32 &v)
    {
        const uchar *at;
        if (!take(4, at))
            return false;
        v = qFromLittleEndian<quint32>(at);
        return true;
    }
    bool u64(quint64 &v)
    {
        const uchar *at;
        if (!take(8, at))
            return false;
        v = qFromLittleEndian<quint64>(at);
        return true;
    }

    bool item(Value &out, int depth)
    {
        const uchar *at;
        if (!take(1, at))
            return false;
        switch (*at) {
        case Value::Nil:
            out = Value();
            return true;
        case Value::Logic:
            if (!take(1, at) || *at > 1)
                return false;
            out = Value(*at == 1);
            return true;
        case Value::Number: {
            quint64 bits;
            if (!u64(bits))
                return false;
            double d;
            std::memcpy(&d, &bits, 8);
            out = Value(d);
            return true;
        }
        case Value::String: {
            quint32 n;
            if (!u32(n) || !take(qsizetype(n), at))
                return false;
            out = Value(QString::fromUtf8(reinterpret_cast<const char *>(at), qsizetype(n)));
            return true;
        }
        case Value::Date: {
            quint64 raw;
            if (!u64(raw))
                return false;
            const qint64 jd = qint64(raw);
            out = Value::date(jd == kNullDate ? QDate() : QDate::fromJulianDay(jd));
            return true;
        }
        case Value::Bytes: {
            quint32 n;
            if (!u32(n) || !take(qsizetype(n), at))
                return false;
            out = Value::bytes(QByteArray(reinterpret_cast<const char *>(at), qsizetype(n)));
            return true;
        }
        case Value::Array: {
            quint32 n;
            // Every element takes at least one byte, so a count past the remaining bytes
            // is damage; checking it first keeps a garbage count from reserving memory.
            if (depth >= Value::kMaxDepth || !u32(n) || qsizetype(n) > left)
                return false;
            ValueArray elements(n);
            for (Value &e : elements) {
                if (!item(e, depth + 1))
                    return false;
            }
            out = Value(std::move(elements));
            return true;
        }
        default:
            return false;
        }
    }
};

} // namespace

Value Value::date(const QDate &d)
{
    Value v;
    v.mData = DateBox{d};
    return v;
}

Value Value::bytes(const QByteArray &b)
{
    Value v;
    v.mData = BytesBox{b};
    return v;
}

bool Value::toBool() const
{
    const bool *b = std::get_if<bool>(&mData);
    return b && *b;
}

double Value::toNumber() const
{
    const double *d = std::get_if<double>(&mData);
    return d ? *d : 0.0;
}

int Value::toInt() const
{
    return checkedInteger<int>(std::round(toNumber()));
}

QString Value::toString() const
{
    const QString *s = std::get_if<QString>(&mData);
    return s ? *s : QString();
}

QDate Value::toDate() const
{
    const DateBox *d = std::get_if<DateBox>(&mData);
    return d ? d->d : QDate();
}

QByteArray Value::toBytes() const
{
    const BytesBox *b = std::get_if<BytesBox>(&mData);
    return b ? b->b : QByteArray();
}

const ValueArray &Value::array() const
{
    static const ValueArray empty;
    const ValueArray *a = std::get_if<ValueArray>(&mData);
    return a ? *a : empty;
}

ValueArray &Value::array()
{
    if (!isArray())
        mData = ValueArray();
    return std::get<ValueArray>(mData);
}

int Value::size() const
{
    return int(array().size());
}

const Value &Value::at(int i) const
{
    static const Value nil;
    const ValueArray &a = array();
    return i >= 0 && size_t(i) < a.size() ? a[size_t(i)] : nil;
}

bool Value::operator==(const Value &other) const
{
    return mData == other.mData;
}

QByteArray Value::encode() const
{
    QByteArray out(kMagic, 4);
    encodeItem(*this, out);
    return out;
}

std::optional<Value> Value::decode(const QByteArray &data)
{
    if (data.size() < 5 || std::memcmp(data.constData(), kMagic, 4) != 0)
        return std::nullopt;
    Reader r{reinterpret_cast<const uchar *>(data.constData()) + 4, data.size() - 4};
    Value v;
    if (!r.item(v, 0) || r.left != 0)
        return std::nullopt;
    return v;
}

} // namespace gb
