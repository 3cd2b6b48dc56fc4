#include "galleryfixture.h"

#include "support/testutil.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using gb::GalleryPages;
using gb::HGallery;

TEST(GalleryHtml, FormatText)
{
    EXPECT_EQ(HGallery::htmlFormatText("Hi", {"Verdana", 2, false, false, false, 0x0000FF}),
              "<font face=\"Verdana\" size=\"2\" color=\"FF0000\">Hi</font>");
    EXPECT_EQ(HGallery::htmlFormatText("<b>x</b>", {"Times New Roman", 7, true, true, true, 0x123456}),
              "<strong><em><u><font face=\"Times New Roman\" size=\"7\" color=\"563412\"><b>x</b></font></u></em></strong>");
    EXPECT_EQ(HGallery::htmlFormatText("", {"A\"B", 1, false, true, false, 0}),
              "<em><font face=\"A&quot;B\" size=\"1\" color=\"000000\"></font></em>");
}

TEST(GalleryHtml, HeadAndTitles)
{
    HGallery g;
    g.setSiteTitle("My <i>site</i>");
    g.setMetaTags("   ");
    EXPECT_EQ(g.htmlHeadTag(), "<html>\r\n<head>\r\n<title>My <i>site</i></title>\r\n"
                               "<meta name=\"GENERATOR\" content=\"Glimmerbox 1.1\">\r\n</head>\r\n");
    g.setMetaTags(" <meta name=\"a\" content=\"b\">");
    EXPECT_EQ(g.htmlHeadTag(), "<html>\r\n<head>\r\n<title>My <i>site</i></title>\r\n"
                               "<meta name=\"GENERATOR\" content=\"Glimmerbox 1.1\">\r\n"
                               " <meta name=\"a\" content=\"b\">\r\n</head>\r\n");
    EXPECT_EQ(g.htmlSiteTitle(), "<div align=\"center\"><center>\r\n<strong><font face=\"Verdana\" size=\"3\" "
                                 "color=\"000000\">My <i>site</i></font></strong></center></div>\r\n");

    // A title of blanks is a title; the sequence number needs no title.
    g.setThPgTitle("");
    EXPECT_EQ(g.thumbsPageTitle(4), "<div align=\"center\"><center>\r\n<strong><font face=\"Verdana\" size=\"3\" "
                                    "color=\"000000\"> 4</font></strong></center></div>\r\n");
    g.setThPgTitleSeq(false);
    EXPECT_EQ(g.thumbsPageTitle(4), "");
    g.setThPgTitle(" ");
    EXPECT_NE(g.thumbsPageTitle(4), "");
    EXPECT_EQ(g.fsPageTitle(), "");
    g.setMasterIndexTitle("");
    EXPECT_EQ(g.masterIndexPageTitle(), "");
}

TEST(GalleryHtml, BodyStart)
{
    HGallery g;
    g.setThPgSubFolder("pages");
    EXPECT_EQ(g.htmlBodyStart(1),
              "<body bgcolor=\"#FFFFFF\" text =\"#000000\" link =\"#0000FF\" vlink=\"#800080\" alink=\"#FF0000\">");
    g.setUseBackground(true);
    g.setBackground("/img/back ground.jpg");
    g.setSpecifyLeftMargin(true);
    g.setLeftMargin(10);
    g.setSpecifyTopMargin(true);
    g.setTopMargin(5);
    EXPECT_EQ(g.htmlBodyStart(1), "<body bgcolor=\"#FFFFFF\" text =\"#000000\" link =\"#0000FF\" vlink=\"#800080\" "
                                  "alink=\"#FF0000\" background=\"../auximage/back%20ground.jpg\" leftmargin=\"10\" "
                                  "topmargin=\"5\">");
    g.setUseDefaultPageProperties(true);
    EXPECT_EQ(g.htmlBodyStart(3), "<body background=\"auximage/back%20ground.jpg\" leftmargin=\"10\" topmargin=\"5\">");
    g.setUseBackground(false);
    g.setSpecifyTopMargin(false);
    EXPECT_EQ(g.htmlBodyStart(2), "<body leftmargin=\"10\">");
    g.setSpecifyLeftMargin(false);
    EXPECT_EQ(g.htmlBodyStart(2), "");
}

TEST(GalleryHtml, Logo)
{
    const QString images = gbtest::makeTempDir("logo");
    ASSERT_TRUE(gbtest::makeImage(images + "/logo.png", 64, 32));
    HGallery g;
    EXPECT_EQ(g.htmlCreateLogo(1), "");
    g.setUseLogo(true);
    g.setLogoImage(images + "/logo.png");
    g.setSiteTitle("A & B");
    EXPECT_EQ(g.htmlCreateLogo(3), "<div align=\"center\"><center>\r\n\r\n"
                                   "<table border=\"0\" cellpadding=\"0\" width=\"100%\">\r\n"
                                   "  <tr>\r\n"
                                   "   <td width=\"100%\"><p align=\"center\"><img src=\"auximage/logo.png\" width=\"64\" "
                                   "height=\"32\" alt=\"A &amp; B\"></td>\r\n"
                                   "  </tr>\r\n</table>\r\n</center></div>\r\n");
    // Without readable dimensions the attributes stay empty.
    g.setLogoImage(images + "/missing.png");
    EXPECT_TRUE(g.htmlCreateLogo(1).contains("src=\"auximage/missing.png\" width=\"\" height=\"\""))
        << g.htmlCreateLogo(1).toStdString();
}

TEST(GalleryHtml, ThumbnailsTable)
{
    HGallery g;
    EXPECT_EQ(g.openThumbsTable(), "<div align=\"center\">\r\n<table border=\"1\" cellspacing=\"3\" cellpadding=\"2\" "
                                   "bgcolor=\"#FFFFFF\" bordercolor=\"000000\">\r\n");
    g.setThTableAlignment(2);
    g.setThSpecifyTableWidth(true);
    g.setThTableWidth(80);
    g.setThTableBorderColor(0x0000FF);
    EXPECT_EQ(g.openThumbsTable(), "<div align=\"left\">\r\n<table border=\"1\" cellspacing=\"3\" cellpadding=\"2\" "
                                   "width=\"80%\" bgcolor=\"#FFFFFF\" bordercolor=\"FF0000\">\r\n");
    g.setThTableAlignment(4);
    g.setThTablePercent(false);
    g.setThTableUseBackImage(true);
    g.setThTableBackImage("/img/table.gif");
    EXPECT_EQ(g.openThumbsTable(), "<div align=\"right\">\r\n<table border=\"1\" cellspacing=\"3\" cellpadding=\"2\" "
                                   "width=\"80\" bgcolor=\"#FFFFFF\" bordercolor=\"FF0000\" "
                                   "background=\"auximage/table.gif\">\r\n");
    g.setThTableAlignment(7);
    EXPECT_TRUE(g.openThumbsTable().startsWith("<div align=\"left\">"));
}

TEST(GalleryHtml, InformationLines)
{
    GalleryPages pages(1);
    gb::GalleryImage image;
    image.fullFile = "/g/fsimages/photo.jpg";
    image.fullWidth = "640";
    image.fullHeight = "480";
    image.byteSize = 2048;
    pages[0].images.push_back(image);
    HGallery g;
    EXPECT_EQ(g.variableText(pages, 1, 1, 1),
              "<font face=\"Verdana\" size=\"2\" color=\"000000\">photo<br>2 kb<br>640 x 480<br></font>");

    const std::pair<qint64, const char *> sizes[] = {{0, "0 kb"}, {1, "1 kb"}, {1024, "1 kb"}, {1025, "2 kb"}};
    g.setThPgVars({2});
    for (const auto &[bytes, kb] : sizes) {
        pages[0].images[0].byteSize = bytes;
        EXPECT_TRUE(g.variableText(pages, 1, 1, 1).contains(QString(kb) + "<br>")) << kb;
    }

    pages[0].images[0].byteSize = 77;
    pages[0].images[0].fullFile = "/g/archive.v2/no extension";
    pages[0].images[0].comment = "<b>Nice</b>";
    g.setFsPgVars({1, 3, 5, 6, 9, 10, 11, 42});
    EXPECT_EQ(g.variableText(pages, 1, 1, 2),
              "<p align=\"center\"><font face=\"Verdana\" size=\"1\" color=\"000000\">no extension<br>77 bytes<br>"
              "width: 640<br>height:480<br>no extension<br><b>Nice</b><br></font></p>");
    g.setFsPgVars({});
    EXPECT_EQ(g.variableText(pages, 1, 1, 2), "<p align=\"center\"><font face=\"Verdana\" size=\"1\" color=\"000000\"></font></p>");
    g.setThPgVars({8});
    EXPECT_TRUE(g.variableText(pages, 1, 1, 1).contains(QRegularExpression("\\d\\d:\\d\\d:\\d\\d<br>")));
}

TEST(GalleryHtml, NavigationBar)
{
    HGallery g = gbtest::textLinkGallery("/g/");
    g.setThPgSubFolder("pages");
    EXPECT_EQ(g.createLinksString("", "", "", "", "", 1), "");
    g.setLink2Up(false);
    EXPECT_EQ(g.createLinksString("up.htm", "", "", "", "", 1), "");

    g.setLink2Up(true);
    g.setLink2Home(true);
    g.setHomeUrl("http://example.org/?a=1&b=2");
    const QString font = "<font face=\"Verdana\" size=\"2\" color=\"0000FF\">";
    EXPECT_EQ(g.createLinksString("U", "P", "N", "F", "L", 1),
              "<div align=\"center\"><center>\r\n<table border=\"0\" cellspacing=\"10\" cellpadding=\"4\">\r\n<tr>\r\n"
              "<td><a href=\"http://example.org/?a=1&amp;b=2\">" + font + "Home</font></a></td>"
              "<td><a href=\"U\">" + font + "Up</font></a></td>"
              "<td><a href=\"F\">" + font + "First</font></a></td>"
              "<td><a href=\"P\">" + font + "Previous</font></a></td>"
              "<td><a href=\"N\">" + font + "Next</font></a></td>"
              "<td><a href=\"L\">" + font + "Last</font></a></td></tr>\r\n</table>\r\n</center></div>\r\n");

    // Image buttons take their picture from the auxiliary folder, seen from the page.
    g.setLink2HomeWithImage(true);
    g.setHomeImageLink("/support/home.gif");
    g.setHomeTextLink("");
    g.setLink2Up(false);
    g.setLink2First(false);
    g.setLink2Last(false);
    g.setLink2Prev(false);
    g.setLink2Next(false);
    const QString home = "<td><a href=\"http://example.org/?a=1&amp;b=2\"><img src=\"%1\" alt=\"\" border=\"0\"></a></td>";
    EXPECT_TRUE(g.createLinksString("", "", "", "", "", 3).contains(home.arg("auximage/home.gif")));
    EXPECT_TRUE(g.createLinksString("", "", "", "", "", 1).contains(home.arg("../auximage/home.gif")));
    g.setAuxSubFolder("");
    EXPECT_TRUE(g.createLinksString("", "", "", "", "", 3).contains(home.arg("home.gif")));
    EXPECT_TRUE(g.createLinksString("", "", "", "", "", 2).contains(home.arg("home.gif")));
    EXPECT_TRUE(g.createLinksString("", "", "", "", "", 1).contains(home.arg("../home.gif")));
}
