#include "gallery/hgallery.h"

#include "support/testutil.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <limits>

using gb::HGallery;
using gb::Value;
using gb::ValueArray;

TEST(GallerySettings, NewGalleryHoldsTheDefaults)
{
    HGallery g;
    ASSERT_EQ(g.aData().size(), 130u);
    EXPECT_EQ(g.thRows(), 5);
    EXPECT_EQ(g.thColumns(), 3);
    EXPECT_EQ(g.htmlExt(), "htm");
    EXPECT_EQ(g.linkColor(), 16711680u);
    EXPECT_EQ(g.visitedLinkColor(), 8388736u);
    EXPECT_EQ(g.activeLinkColor(), 255u);
    EXPECT_EQ(g.thPgVars(), (QList<int>{1, 2, 4}));
    EXPECT_EQ(g.fsPgVars(), (QList<int>{1, 4}));
    EXPECT_EQ(g.masterIndexTitle(), "Gallery Directory");
    EXPECT_EQ(g.cPageExt(), ".htm");
    EXPECT_EQ(g.overwrite(), 3);
    EXPECT_EQ(g.auxSubFolder(), "auximage");
    EXPECT_EQ(g.homeUrl(), "http://");
    EXPECT_EQ(g.linkFont(), (HGallery::FontData{"Verdana", 2, false, false, false, 16711680}));
    EXPECT_EQ(g.thPgTitleFont(), (HGallery::FontData{"Verdana", 3, true, false, false, 0}));
    EXPECT_TRUE(g.thumbCommands().empty());
    // The three fonts without accessors.
    for (int slot : {97, 98, 99})
        EXPECT_EQ(g.aData()[slot - 1], g.aData()[96 - 1]) << slot;
    EXPECT_FALSE(g.newWindow());
    EXPECT_FALSE(g.useDefaultPageProperties());
    EXPECT_EQ(g.roSaveAs(), 3);
}

// Each navigation pair defaults to an image button only when its own picture is in the
// support folder.
TEST(GallerySettings, ButtonDefaultsFollowTheSupportFolder)
{
    const QString support = gbtest::homeDir() + QStringLiteral("/support/");
    ASSERT_TRUE(QDir().mkpath(support));
    ASSERT_TRUE(gbtest::writeFile(support + "up.gif", "GIF89a"));
    ASSERT_TRUE(gbtest::writeFile(support + "prev.gif", "GIF89a"));
    HGallery g;
    QFile::remove(support + "up.gif");
    QFile::remove(support + "prev.gif");

    EXPECT_TRUE(g.link2UpWithImage());
    EXPECT_TRUE(g.upImageLink().endsWith("/support/up.gif"));
    EXPECT_TRUE(g.link2PrevWithImage());
    EXPECT_TRUE(g.prevImageLink().endsWith("/support/prev.gif"));
    EXPECT_FALSE(g.link2HomeWithImage());
    EXPECT_EQ(g.homeImageLink(), "");
    EXPECT_FALSE(g.link2NextWithImage());
    EXPECT_FALSE(g.link2LastWithImage());
    EXPECT_FALSE(g.link2FirstWithImage());
    EXPECT_EQ(g.firstImageLink(), "");
}

TEST(GallerySettings, StoredRecordsAreCompletedAndTypeChecked)
{
    ValueArray stored = HGallery().aData();
    stored[22 - 1] = Value(7);
    stored.resize(128);
    HGallery old(nullptr, stored);
    ASSERT_EQ(old.aData().size(), 130u);
    EXPECT_EQ(old.aData()[128], Value(false));
    EXPECT_EQ(old.aData()[129], Value(false));
    EXPECT_EQ(old.thRows(), 7);

    // A full record is taken unchanged.
    ValueArray full = HGallery().aData();
    full[63 - 1] = Value("My site");
    full[129 - 1] = Value(true);
    EXPECT_EQ(HGallery(nullptr, full).aData(), full);

    // Damaged records: short ones are padded, wrong kinds fall back to the defaults.
    ValueArray damaged(10, Value("x"));
    damaged[0] = Value(6);
    HGallery repaired(nullptr, damaged);
    ASSERT_EQ(repaired.aData().size(), 130u);
    EXPECT_EQ(repaired.thFormat(), 6);
    EXPECT_EQ(repaired.thResize(), 1);  // was a string
    EXPECT_EQ(repaired.thImSubFolder(), "x");
    EXPECT_EQ(repaired.thRows(), 5);    // was missing
    EXPECT_EQ(repaired.thumbCommands(), ValueArray{}); // "x" is no script

    ValueArray bad = HGallery().aData();
    bad[14 - 1] = Value(ValueArray{Value("Arial"), Value(2)});          // a font of two entries
    bad[19 - 1] = Value(ValueArray{Value(1), Value("two")});            // a code that is text
    bad[45 - 1] = Value(ValueArray{Value(ValueArray{Value("Resize")})}); // a command without id
    bad[22 - 1] = Value(1000);       // rows past the three-digit field
    bad[23 - 1] = Value(2147483647); // columns likewise
    HGallery checked(nullptr, bad);
    EXPECT_EQ(checked.thRows(), 5);
    EXPECT_EQ(checked.thColumns(), 3);
    EXPECT_EQ(checked.thPgTitleFont().face, "Verdana");
    EXPECT_EQ(checked.thPgVars(), (QList<int>{1, 2, 4}));
    EXPECT_TRUE(checked.fsCommands().empty());
}

TEST(GallerySettings, DamagedColoursStayColours)
{
    // Background (default white) and text colour (default black) as a damaged record may hold
    // them: the nearest colour of the range, NaN the slot's default; the bits above the
    // colour are dropped as before.
    const double inf = std::numeric_limits<double>::infinity();
    const struct { double stored; uint32_t background, text; } rows[] = {
        {-1, 0, 0},
        {4294967296.0, 0xFFFFFF, 0xFFFFFF},
        {1e300, 0xFFFFFF, 0xFFFFFF},
        {-inf, 0, 0},
        {std::numeric_limits<double>::quiet_NaN(), 0xFFFFFF, 0},
        {double(0x12345678), 0x345678, 0x345678},
    };
    for (const auto &row : rows) {
        ValueArray stored = HGallery().aData();
        stored[69 - 1] = Value(row.stored);
        stored[70 - 1] = Value(row.stored);
        const HGallery loaded(nullptr, stored);
        EXPECT_EQ(loaded.backgroundColor(), row.background) << row.stored;
        EXPECT_EQ(loaded.textColor(), row.text) << row.stored;
    }
}

TEST(GallerySettings, ArraySettingsAreNeverShared)
{
    ValueArray script{Value(ValueArray{Value(6), Value("Resize"), Value(1), Value(10), Value(10), Value(0)})};
    HGallery a;
    a.setThumbCommands(script);
    script[0].array()[2] = Value(4);
    script.push_back(Value(ValueArray{Value(9), Value("Flip")}));
    ASSERT_EQ(a.thumbCommands().size(), 1u);
    EXPECT_EQ(a.thumbCommands()[0].at(2), Value(1));

    HGallery b;
    HGallery::FontData f = a.linkFont();
    f.color = 0x00FF00;
    a.setLinkFont(f);
    EXPECT_EQ(b.linkFont().color, 16711680u);
    QList<int> vars = a.thPgVars();
    vars.append(10);
    a.setThPgVars(vars);
    EXPECT_EQ(a.thPgVars(), (QList<int>{1, 2, 4, 10}));
    EXPECT_EQ(b.thPgVars(), (QList<int>{1, 2, 4}));
}
