#include "galleryfixture.h"

#include "support/testutil.h"

#include <gtest/gtest.h>

using gb::GalleryPages;
using gb::HGallery;

TEST(GalleryNames, PageFileNames)
{
    struct Case {
        int naming;
        const char *base;
        int start;
        int pad;
        int casing;
        const char *ext;
        int n;
        const char *name;
    };
    const Case cases[] = {
        {4, "thumb", 1, 4, 1, "htm", 12, "thumb0012.htm"},
        {4, "thumb", 1, 0, 1, "htm", 12, "thumb12.htm"},
        {4, "thumb", 1, 4, 1, "htm", 12345, "thumb12345.htm"},
        {4, "thumb", 0, 4, 1, "htm", 1, "thumb0000.htm"},
        {3, "thumb", 1, 4, 1, "htm", 1, "0001thumb.htm"},
        {4, "thumb", 1, 4, 2, "html", 1, "THUMB0001.HTML"},
        {4, "Thumb", 1, 4, 3, "HTM", 1, "Thumb0001.HTM"},
        {4, "Thumb", 1, 4, 1, "HTM", 1, "thumb0001.htm"},
        {4, " my page", 1, 2, 3, "htm", 3, " my page03.htm"},
        {4, "t", -5, 4, 1, "htm", 1, "t00-5.htm"},
    };
    for (const Case &c : cases) {
        HGallery g;
        g.setThPgNaming(c.naming);
        g.setThPgBaseName(c.base);
        g.setNamePadChars(c.pad);
        g.setNamingCasing(c.casing);
        g.setHtmlExt(c.ext);
        g.setBaseFolder(gbtest::makeBaseFolder());
        ASSERT_TRUE(g.validate().isEmpty());
        // After validation, which refuses a start below 0 that no page can set: the names
        // still follow a stored one.
        g.setAutoNumericStart(c.start);
        g.createVirtualPages({}, {}, {});
        EXPECT_EQ(g.createThumbPageName(c.n), c.name) << c.name;
    }
}

// A stored padding width far past any file name's length is not allocated.
TEST(GalleryNames, PaddingIsBoundedByTheLongestFileName)
{
    HGallery g;
    g.setHtmlExt(".htm");
    g.setNamePadChars(2147483647);
    g.createVirtualPages({}, {}, {});
    const QString name = g.createThumbPageName(7);
    EXPECT_EQ(name, "thumb" + QString(254, '0') + "7.htm");
}

TEST(GalleryNames, RelativeLinks)
{
    const struct { const char *file, *from, *to, *url; } cases[] = {
        {"a.jpg", "", "", "a.jpg"},
        {"/x/a.jpg", "thumbs", "", "../a.jpg"},
        {"/x/a.jpg", "", "img", "img/a.jpg"},
        {"/x/a.jpg", "pages", "img", "../img/a.jpg"},
        {"/x/a.jpg", "img", "img", "a.jpg"},
        {"/Pictures/Logo.gif", "", "aux", "aux/Logo.gif"},
        {"C:\\Pictures\\Logo.gif", "p", "", "../Logo.gif"},
        {"/x/my photo.jpg", "", "", "my%20photo.jpg"},
        {"/x/\u00e9t\u00e9 & co.jpg", "", "my img", "my%20img/%C3%A9t%C3%A9%20%26%20co.jpg"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(HGallery::relativePathFromTo(QString::fromUtf8(c.file), c.from, c.to), QString::fromUtf8(c.url))
            << c.url;

    HGallery g;
    g.setThPgSubFolder("pages");
    g.setFsPgSubFolder("fspages");
    EXPECT_EQ(g.thPg2ThIm("/b/thumbs/t.jpg"), "../thumbs/t.jpg");
    EXPECT_EQ(g.thPg2FsPg("img0001.htm"), "../fspages/img0001.htm");
    EXPECT_EQ(g.thPg2FsIm("/b/fsimages/i.jpg"), "../fsimages/i.jpg");
    EXPECT_EQ(g.fsPg2ThPg("thumb0001.htm"), "../pages/thumb0001.htm");
    EXPECT_EQ(g.fsPg2Aux("/any/where/up.gif"), "../auximage/up.gif");
    EXPECT_EQ(g.miPg2ThPg("thumb0001.htm"), "pages/thumb0001.htm");
    EXPECT_EQ(g.miPg2ThIm("/b/thumbs/t.jpg"), "thumbs/t.jpg");
    EXPECT_EQ(g.miPg2Aux("/any/up.gif"), "auximage/up.gif");

    EXPECT_EQ(g.thPg2MasterIndexPage(), "../masteridx.htm");
    g.setThPgSubFolder("");
    EXPECT_EQ(g.thPg2MasterIndexPage(), "masteridx.htm");
    g.setCreateMasterIndex(false);
    EXPECT_EQ(g.thPg2MasterIndexPage(), "");
}

TEST(GalleryNames, DivisionIntoPages)
{
    const QString base = gbtest::makeBaseFolder();
    QStringList thumbs, fulls;
    for (int i = 1; i <= 7; ++i) {
        thumbs << base + QStringLiteral("t%1.png").arg(i);
        fulls << base + QStringLiteral("f%1.bmp").arg(i);
    }
    ASSERT_TRUE(gbtest::makeImage(thumbs[0], 40, 30));
    ASSERT_TRUE(gbtest::makeImage(fulls[0], 101, 20)); // 54 + 20 rows of 304 bytes
    HGallery g;
    g.setThRows(2);
    g.setThColumns(3);
    g.setHtmlExt(".html");
    const GalleryPages pages = g.createVirtualPages(thumbs, fulls, {{"One", "First photo"}, {"Two", ""}});
    EXPECT_EQ(g.cPageExt(), ".html");
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].name, "thumb0001.html");
    EXPECT_EQ(pages[1].name, "thumb0002.html");
    ASSERT_EQ(pages[0].images.size(), 6u);
    ASSERT_EQ(pages[1].images.size(), 1u);

    const gb::GalleryImage &first = pages[0].images[0];
    EXPECT_EQ(first.thumbFile, thumbs[0]);
    EXPECT_EQ(first.thumbWidth, "40");
    EXPECT_EQ(first.thumbHeight, "30");
    EXPECT_EQ(first.fullFile, fulls[0]);
    EXPECT_EQ(first.fullWidth, "101");
    EXPECT_EQ(first.fullHeight, "20");
    EXPECT_EQ(first.fullPage, "img0001.html");
    EXPECT_EQ(first.byteSize, 54 + 20 * 304);
    EXPECT_EQ(first.title, "One");
    EXPECT_EQ(first.comment, "First photo");

    // Images that were not made keep their place, with empty sizes.
    const gb::GalleryImage &seventh = pages[1].images[0];
    EXPECT_EQ(seventh.thumbWidth, "");
    EXPECT_EQ(seventh.fullHeight, "");
    EXPECT_EQ(seventh.byteSize, 0);
    EXPECT_EQ(seventh.fullPage, "img0007.html");
    EXPECT_EQ(seventh.title, "");
    EXPECT_EQ(pages[0].images[1].title, "Two");

    // Exactly one page; none at all.
    EXPECT_EQ(g.createVirtualPages(thumbs.mid(0, 6), fulls.mid(0, 6), {}).size(), 1u);
    EXPECT_TRUE(g.createVirtualPages({}, {}, {}).empty());

    // No full-size list: no full-size fields. Full-size pages off: no page names.
    const GalleryPages bare = g.createVirtualPages(thumbs, {}, {});
    EXPECT_EQ(bare[0].images[0].fullFile, "");
    EXPECT_EQ(bare[0].images[0].fullPage, "");
    EXPECT_EQ(bare[0].images[0].fullWidth, "");
    g.setCreateFullSizePages(false);
    const GalleryPages noPages = g.createVirtualPages(thumbs, fulls, {});
    EXPECT_EQ(noPages[0].images[0].fullFile, fulls[0]);
    EXPECT_EQ(noPages[0].images[0].fullPage, "");
}

// Full-size pages are numbered over the whole gallery.
TEST(GalleryNames, FullSizePagesCountAcrossThumbnailPages)
{
    HGallery g;
    g.setThRows(3);
    g.setThColumns(5);
    g.setHtmlExt(".htm");
    QStringList files;
    for (int i = 0; i < 20; ++i)
        files << QStringLiteral("/none/%1.jpg").arg(i);
    const GalleryPages pages = g.createVirtualPages(files, files, {});
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[1].images[4].fullPage, "img0020.htm");
    EXPECT_EQ(g.guessFullSizeImagePageName("ignored", 3), "img0003.htm");
}

// A stored record is not bounded by the window's three-digit fields: rows times columns
// past the range of an int must neither wrap to zero nor below it.
TEST(GalleryNames, HugeTableHoldsEveryImageOnOnePage)
{
    HGallery g;
    g.setHtmlExt(".htm");
    const QStringList files{"/none/1.jpg", "/none/2.jpg", "/none/3.jpg"};
    for (const int side : {65536, 100000, 2147483647}) {
        g.setThRows(side);
        g.setThColumns(side);
        const GalleryPages pages = g.createVirtualPages(files, files, {});
        ASSERT_EQ(pages.size(), 1u) << side;
        EXPECT_EQ(pages[0].images.size(), 3u) << side;
    }
}

// The padding width reaches the image names too, through the batch jobs; validation refuses
// a stored width past the page's one digit before it makes any of those names.
TEST(GalleryNames, ImageNamePaddingIsBounded)
{
    HGallery g = gbtest::textLinkGallery(gbtest::makeBaseFolder());
    g.setNamePadChars(2147483647);
    EXPECT_EQ(g.validate({"/none/photo.jpg"}),
              QStringList{"[General] Standard length for enumeration must be between 0 and 9"});
}
