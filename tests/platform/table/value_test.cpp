#include "platform/table/value.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

#include <cmath>
#include <limits>

using gb::Value;
using gb::ValueArray;
using gb::checkedInteger;

namespace {

Value sampleTree()
{
    return Value(ValueArray{Value(), true, false, 0, -1.5, 1e300, "", QString::fromUtf8("grüße"),
                            Value::date(QDate(2026, 12, 10)), Value::date(QDate()),
                            Value::bytes(QByteArray("a\0b\xff", 4)), Value::bytes({}),
                            ValueArray{}, ValueArray{1, ValueArray{"deep", ValueArray{Value()}}}});
}

} // namespace

TEST(Value, EveryTypeSurvivesTheEncoding)
{
    const Value tree = sampleTree();
    for (const Value &v : tree.array()) {
        const auto back = Value::decode(v.encode());
        ASSERT_TRUE(back.has_value()) << int(v.type());
        EXPECT_EQ(*back, v) << int(v.type());
        EXPECT_EQ(back->type(), v.type());
    }
    const auto back = Value::decode(tree.encode());
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, tree);
    EXPECT_EQ(back->at(13).at(1).at(1).at(0).type(), Value::Nil);
    EXPECT_EQ(back->at(13).at(1).at(0).toString(), "deep");
}

TEST(Value, EncodingIsTheDocumentedLayout)
{
    EXPECT_EQ(Value().encode(), QByteArray("GBV\x01\x00", 5));
    EXPECT_EQ(Value(true).encode(), QByteArray("GBV\x01\x01\x01", 6));
    EXPECT_EQ(Value(1.0).encode(), QByteArray("GBV\x01\x02\0\0\0\0\0\0\xf0\x3f", 13));
    EXPECT_EQ(Value("ab").encode(), QByteArray("GBV\x01\x03\x02\0\0\0ab", 11));
    EXPECT_EQ(Value(ValueArray{Value()}).encode(), QByteArray("GBV\x01\x06\x01\0\0\0\x00", 10));
    // 2000-01-01 is Julian day 2451545 = 0x256859.
    EXPECT_EQ(Value::date(QDate(2000, 1, 1)).encode(), QByteArray("GBV\x01\x04\x59\x68\x25\0\0\0\0\0", 13));
}

TEST(Value, EqualityIsDeepAndTyped)
{
    EXPECT_EQ(sampleTree(), sampleTree());
    EXPECT_NE(Value(1), Value(true));
    EXPECT_NE(Value("1"), Value(1));
    EXPECT_NE(Value("ab"), Value::bytes("ab"));
    EXPECT_NE(Value(), Value(ValueArray{}));
    EXPECT_EQ(Value(3), Value(3.0));
    Value changed = sampleTree();
    changed.array()[13].array()[1].array()[0] = "Deep";
    EXPECT_NE(changed, sampleTree());
    Value shorter = sampleTree();
    shorter.array().pop_back();
    EXPECT_NE(shorter, sampleTree());
}

TEST(Value, AccessorsGiveEmptyValuesForOtherTypes)
{
    const Value s("x");
    EXPECT_FALSE(s.toBool());
    EXPECT_EQ(s.toNumber(), 0.0);
    EXPECT_FALSE(s.toDate().isValid());
    EXPECT_TRUE(s.toBytes().isEmpty());
    EXPECT_EQ(s.size(), 0);
    EXPECT_TRUE(s.at(0).isNil());
    EXPECT_TRUE(Value(1).toString().isEmpty());
    const Value a(ValueArray{7});
    EXPECT_TRUE(a.at(-1).isNil());
    EXPECT_TRUE(a.at(1).isNil());
    EXPECT_EQ(a.at(0).toInt(), 7);

    Value n(5);
    n.array().push_back("first");
    EXPECT_TRUE(n.isArray());
    EXPECT_EQ(n.size(), 1);
}

TEST(Value, ToIntRoundsAndClamps)
{
    const struct { double in; int out; } cases[] = {
        {2.4, 2}, {2.5, 3}, {-2.5, -3}, {1e20, INT_MAX}, {-1e20, INT_MIN},
        {std::numeric_limits<double>::quiet_NaN(), 0}, {std::numeric_limits<double>::infinity(), INT_MAX},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Value(c.in).toInt(), c.out) << c.in;
}

TEST(Value, StoredNumbersBecomeIntegersWithinTheirRange)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct { double in; int asInt; qint64 asInt64; uint32_t asUint32; } cases[] = {
        {2.9, 2, 2, 2},
        {-2.9, -2, -2, 0},
        {-1, -1, -1, 0},
        {4294967296.0, INT_MAX, 4294967296LL, UINT32_MAX},
        {4294967295.5, INT_MAX, 4294967295LL, UINT32_MAX},
        {9223372036854775808.0, INT_MAX, INT64_MAX, UINT32_MAX},
        {-9223372036854775808.0, INT_MIN, INT64_MIN, 0},
        {1e300, INT_MAX, INT64_MAX, UINT32_MAX},
        {-1e300, INT_MIN, INT64_MIN, 0},
        {inf, INT_MAX, INT64_MAX, UINT32_MAX},
        {-inf, INT_MIN, INT64_MIN, 0},
        {nan, 7, 7, 7},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(checkedInteger<int>(c.in, 7), c.asInt) << c.in;
        EXPECT_EQ(checkedInteger<qint64>(c.in, 7), c.asInt64) << c.in;
        EXPECT_EQ(checkedInteger<uint32_t>(c.in, 7u), c.asUint32) << c.in;
    }
}

TEST(Value, DecodeRefusesDamagedInput)
{
    const QByteArray good = sampleTree().encode();
    const QByteArray cases[] = {
        QByteArray(),
        QByteArray("GBV"),
        QByteArray("GBV\x02\x00", 5),            // wrong version
        QByteArray("plain text memo"),
        QByteArray("GBV\x01\x07", 5),            // unknown tag
        QByteArray("GBV\x01\x01\x02", 6),        // logic byte out of range
        QByteArray("GBV\x01\x03\xff\xff\xff\x7f", 9), // string longer than the input
        QByteArray("GBV\x01\x06\xff\xff\xff\xff", 9), // array count far past the input
        QByteArray("GBV\x01\x00\x00", 6),        // trailing byte
        good.left(good.size() - 1),
    };
    for (const QByteArray &c : cases)
        EXPECT_FALSE(Value::decode(c).has_value()) << c.toHex().constData();
}

TEST(Value, NestingBeyondTheLimitIsRefused)
{
    auto nested = [](int levels) {
        QByteArray b("GBV\x01", 4);
        for (int i = 0; i < levels; ++i)
            b.append("\x06\x01\x00\x00\x00", 5);
        b.append('\0');
        return b;
    };
    EXPECT_TRUE(Value::decode(nested(Value::kMaxDepth)).has_value());
    EXPECT_FALSE(Value::decode(nested(Value::kMaxDepth + 1)).has_value());
    EXPECT_FALSE(Value::decode(nested(100000)).has_value());
}

TEST(Value, RandomBytesNeverCrashTheDecoder)
{
    QRandomGenerator rng(12345);
    const QByteArray good = sampleTree().encode();
    for (int round = 0; round < 3000; ++round) {
        QByteArray b = good;
        const int flips = 1 + int(rng.bounded(4));
        for (int i = 0; i < flips; ++i)
            b[int(rng.bounded(quint32(b.size())))] = char(rng.bounded(256));
        if (rng.bounded(2))
            b.truncate(int(rng.bounded(quint32(b.size()))));
        const auto v = Value::decode(b);
        if (v) {
            EXPECT_EQ(Value::decode(v->encode()), v);
        }
    }
}
