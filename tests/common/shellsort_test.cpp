#include "common/shellsort.h"

#include <gtest/gtest.h>

#include <QStringList>

using namespace gb;

namespace {

struct Row {
    QString name;
    double size;
    int tag; // original position, to observe what the sort did with equal keys
};

std::vector<QString> texts(std::initializer_list<const char *> list)
{
    std::vector<QString> v;
    for (const char *s : list)
        v.push_back(QString::fromLatin1(s));
    return v;
}

} // namespace

TEST(ICompStr, ComparesIgnoringCaseWithPrefixSmaller)
{
    const struct { const char *a, *b; int expected; } cases[] = {
        {"IMG_01.JPG", "img_01.jpg", 0}, {"abc", "ab", 1}, {"ab", "abc", -1},
        {"ABD", "abc", 1},               {"abc", "ABD", -1}, {"", "", 0}, {"a", "", 1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(iCompStr(c.a, c.b), c.expected) << c.a << " vs " << c.b;
}

TEST(IqsCompare, TextElementDecidesTheComparisonAndDescendingTurnsIt)
{
    EXPECT_EQ(iqsCompare(QString("B"), QString("a"), true), 1);
    EXPECT_EQ(iqsCompare(QString("B"), QString("a"), false), -1);
    EXPECT_EQ(iqsCompare(10.0, 9.0, true), 1);
    EXPECT_EQ(iqsCompare(10.0, 9.0, false), -1);
    EXPECT_EQ(iqsCompare(9.0, 9.0, false), 0);
    EXPECT_EQ(iqsCompare(QDate(2002, 3, 8), QDate(2002, 3, 9), true), -1);
    // A text element compared with a number key uses the key's text form.
    EXPECT_EQ(iqsCompare(QString("10"), 9.0, true), -1);
}

TEST(ShellSort, FirstGapFollowsTheSequence)
{
    const struct { size_t n; int gap; } cases[] = {
        {0, 1}, {1, 1}, {13, 1}, {14, 13}, {40, 13}, {41, 40}, {29524, 9841}, {29525, 3280}, {100000, 3280},
    };
    for (const auto &c : cases)
        EXPECT_EQ(shellSortFirstGap(c.n), c.gap) << c.n;
}

TEST(ShellSort, SortsTextsIgnoringCaseBothWays)
{
    std::vector<QString> v = texts({"abc", "ABD", "ab"});
    shellSort(v, true);
    EXPECT_EQ(v, texts({"ab", "abc", "ABD"}));
    shellSort(v, false);
    EXPECT_EQ(v, texts({"ABD", "abc", "ab"}));

    std::vector<QString> empty;
    shellSort(empty, true);
    EXPECT_TRUE(empty.empty());
    std::vector<QString> one = texts({"x"});
    shellSort(one, false);
    EXPECT_EQ(one, texts({"x"}));
}

TEST(ShellSort, NumbersSortNumericallyNotAsTexts)
{
    std::vector<double> v = {100, 9, 1000, 20, 3};
    shellSort(v, true);
    EXPECT_EQ(v, (std::vector<double>{3, 9, 20, 100, 1000}));
}

TEST(ShellSort, LargeArraysAreOrderedAndDescendingReversesDistinctKeys)
{
    for (size_t n : {14u, 41u, 1000u, 30000u}) {
        std::vector<Row> rows;
        for (size_t i = 0; i < n; ++i)
            rows.push_back({QString("f%1").arg((i * 7919) % n, 6, 10, QChar('0')), double(i), int(i)});
        auto byName = [](const Row &r) { return SortKey(r.name); };
        shellSort(rows, byName, true);
        for (size_t i = 1; i < n; ++i)
            ASSERT_LT(rows[i - 1].name, rows[i].name) << n;
        std::vector<Row> down = rows;
        shellSort(down, byName, false);
        for (size_t i = 0; i < n; ++i)
            ASSERT_EQ(down[i].name, rows[n - 1 - i].name);
    }
}

TEST(ShellSort, EqualKeysKeepTheirOrderBelowFourteenButNotAlways)
{
    // Thirteen rows: gap 1 only, an insertion sort, so names equal but for case keep their order.
    std::vector<Row> small;
    for (int i = 0; i < 13; ++i)
        small.push_back({i % 2 ? QString("IMG_01.JPG") : QString("img_01.jpg"), 0, i});
    shellSort(small, [](const Row &r) { return SortKey(r.name); }, true);
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(small[i].tag, i);

    // Fourteen rows start at gap 13: the last row jumps over the first, past its equal keys.
    std::vector<Row> rows;
    for (int i = 0; i < 14; ++i)
        rows.push_back({QString(i == 0 ? "b" : i == 13 ? "a" : "b"), 0, i});
    shellSort(rows, [](const Row &r) { return SortKey(r.name); }, true);
    EXPECT_EQ(rows[0].tag, 13);
    // The row that started first was moved past equal keys by the gap-13 pass.
    std::vector<int> tags;
    for (const Row &r : rows)
        tags.push_back(r.tag);
    EXPECT_EQ(tags[1], 1);
    EXPECT_EQ(tags[13], 0);
}
