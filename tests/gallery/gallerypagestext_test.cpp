#include "galleryfixture.h"

#include "support/scriptedui.h"
#include "support/testutil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using gb::GalleryPages;
using gb::HGallery;

namespace {

// Literal pieces of the expected pages.
const QString kHead = "<html>\r\n<head>\r\n<title></title>\r\n<meta name=\"GENERATOR\" content=\"Glimmerbox 1.1\">\r\n"
                      "</head>\r\n";
const QString kBody = "<body bgcolor=\"#FFFFFF\" text =\"#000000\" link =\"#0000FF\" vlink=\"#800080\" alink=\"#FF0000\">";
const QString kEnd = "</body>\r\n</html>\r\n";
const QString kLinkFont = "<font face=\"Verdana\" size=\"2\" color=\"0000FF\">";
const QString kTable = "<div align=\"center\">\r\n<table border=\"1\" cellspacing=\"3\" cellpadding=\"2\" bgcolor=\"#FFFFFF\" "
                       "bordercolor=\"000000\">\r\n";
const QString kTableEnd = "</table>\r\n</div>\r\n";

QString thumbTitle(int n)
{
    return QStringLiteral("<div align=\"center\"><center>\r\n<strong><font face=\"Verdana\" size=\"3\" color=\"000000\">"
                          "Gallery %1</font></strong></center></div>\r\n").arg(n);
}

QString textCell(const QString &target, const QString &text)
{
    return "<td><a href=\"" + target + "\">" + kLinkFont + text + "</font></a></td>";
}

QString barOf(const QString &cells)
{
    return "<div align=\"center\"><center>\r\n<table border=\"0\" cellspacing=\"10\" cellpadding=\"4\">\r\n<tr>\r\n"
        + cells + "</tr>\r\n</table>\r\n</center></div>\r\n";
}

// A navigation bar of text links: (target, text) pairs in display order.
QString bar(const std::vector<std::pair<QString, QString>> &links)
{
    QString cells;
    for (const auto &[target, text] : links)
        cells += textCell(target, text);
    return barOf(cells);
}

// Images as the two image runs leave them: thumbnails of 40 x 30 and full-size BMP files
// of 101 x 20 (6,134 bytes, 6 kb).
struct Images
{
    QStringList thumbs;
    QStringList fulls;
};

Images makeImages(const HGallery &g, int count)
{
    Images images;
    for (int i = 1; i <= count; ++i) {
        const QString number = QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0'));
        const QString thumbFolder = g.thImSubFolder().isEmpty() ? g.baseFolder() : g.baseFolder() + g.thImSubFolder() + "/";
        const QString fullFolder = g.fsImSubFolder().isEmpty() ? g.baseFolder() : g.baseFolder() + g.fsImSubFolder() + "/";
        images.thumbs << thumbFolder + "thumb" + number + ".bmp";
        images.fulls << fullFolder + "img" + number + ".bmp";
        EXPECT_TRUE(gbtest::makeImage(images.thumbs.last(), 40, 30));
        EXPECT_TRUE(gbtest::makeImage(images.fulls.last(), 101, 20));
        EXPECT_EQ(QFileInfo(images.fulls.last()).size(), 6134);
    }
    return images;
}

QString thumbCell(const QString &width, const QString &href, const QString &thumb, const QString &info)
{
    return "<td width=\"" + width + "\" align=\"center\" bgcolor=\"#FFFFFF\"><a href=\"" + href + "\"><img src=\"" + thumb
        + "\" width=\"40\" height=\"30\" alt = \"Click to enlarge\" border=\"0\"></a><br>" + info + "</td>\r\n";
}

QString thumbInfo(int i)
{
    return QStringLiteral("<font face=\"Verdana\" size=\"2\" color=\"000000\">img%1<br>6 kb<br>101 x 20<br></font>")
        .arg(i, 4, 10, QLatin1Char('0'));
}

QString fullInfo(int i)
{
    return QStringLiteral("<p align=\"center\"><font face=\"Verdana\" size=\"1\" color=\"000000\">img%1<br>101 x 20<br>"
                          "</font></p>").arg(i, 4, 10, QLatin1Char('0'));
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

// Every page of a run passes tidy without a sign of broken markup.
void expectTidy(const QString &folder)
{
    for (const QString &name : QDir(folder).entryList({"*.htm", "*.html", "*.HTML"}, QDir::Files))
        EXPECT_EQ(gbtest::tidyErrors(folder + name), "") << name.toStdString();
}

} // namespace

// A page file against its expected text, shown as text when they differ.
#define EXPECT_PAGE(path, expected) EXPECT_EQ(gbtest::pageText(path).toStdString(), QString(expected).toStdString())

// Defaults, with 2 x 2 thumbnails to a page: five images make two pages.
TEST(GalleryPagesText, DefaultLayoutWithSeveralPages)
{
    gbtest::ScriptedUi ui;
    HGallery g = gbtest::textLinkGallery(gbtest::makeBaseFolder());
    g.setThRows(2);
    g.setThColumns(2);
    ASSERT_TRUE(g.validate().isEmpty());
    const Images images = makeImages(g, 5);
    const GalleryPages pages = g.createVirtualPages(images.thumbs, images.fulls, {});
    g.createHtmlPages(pages);
    const QString base = g.baseFolder();

    EXPECT_EQ(filesIn(base), (QStringList{"img0001.htm", "img0002.htm", "img0003.htm", "img0004.htm", "img0005.htm",
                                         "masteridx.htm", "thumb0001.htm", "thumb0002.htm"}));
    EXPECT_EQ(ui.pleaseWaitTexts,
              (QStringList{"Creating HTML pages...", "Generate: thumb0001.htm", "Generate: img0001.htm",
                           "Generate: img0002.htm", "Generate: img0003.htm", "Generate: img0004.htm",
                           "Generate: thumb0002.htm", "Generate: img0005.htm", "Generate: Master Index Page"}));
    EXPECT_FALSE(ui.pleaseWaitOpen);
    EXPECT_TRUE(ui.urls.isEmpty());

    const auto cell = [](int i) {
        const QString n = QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0'));
        return thumbCell("50%", "img" + n + ".htm", "thumbs/thumb" + n + ".bmp", thumbInfo(i));
    };
    EXPECT_PAGE((base + "thumb0001.htm"),
              kHead + kBody + thumbTitle(1)
                  + bar({{"masteridx.htm", "Up"}, {"thumb0002.htm", "Next"}, {"thumb0002.htm", "Last"}}) + kTable
                  + "<tr>\r\n" + cell(1) + cell(2) + "</tr>\r\n<tr>\r\n" + cell(3) + cell(4) + "</tr>\r\n" + kTableEnd
                  + kEnd);
    EXPECT_PAGE((base + "thumb0002.htm"),
              kHead + kBody + thumbTitle(2)
                  + bar({{"masteridx.htm", "Up"}, {"thumb0001.htm", "First"}, {"thumb0001.htm", "Previous"}}) + kTable
                  + "<tr>\r\n" + cell(5)
                  + "<td width=\"50%\" align=\"center\" bgcolor=\"#FFFFFF\">&nbsp;</td></tr>\r\n" + kTableEnd + kEnd);

    const QString image2 = "<p align=\"center\"><img src=\"fsimages/img0002.bmp\" width=\"101\" height=\"20\" alt=\"\"></p>";
    EXPECT_PAGE((base + "img0002.htm"),
              kHead + kBody
                  + bar({{"thumb0001.htm", "Up"}, {"img0001.htm", "First"}, {"img0001.htm", "Previous"},
                         {"img0003.htm", "Next"}, {"img0004.htm", "Last"}})
                  + image2 + fullInfo(2) + "\r\n" + kEnd);
    // The last image of a page has no Next, even though another page follows.
    EXPECT_PAGE((base + "img0004.htm"),
              kHead + kBody
                  + bar({{"thumb0001.htm", "Up"}, {"img0001.htm", "First"}, {"img0003.htm", "Previous"}})
                  + "<p align=\"center\"><img src=\"fsimages/img0004.bmp\" width=\"101\" height=\"20\" alt=\"\"></p>"
                  + fullInfo(4) + "\r\n" + kEnd);
    EXPECT_PAGE((base + "img0005.htm"),
              kHead + kBody + bar({{"thumb0002.htm", "Up"}})
                  + "<p align=\"center\"><img src=\"fsimages/img0005.bmp\" width=\"101\" height=\"20\" alt=\"\"></p>"
                  + fullInfo(5) + "\r\n" + kEnd);

    const auto indexCell = [](int page, int firstImage) {
        const QString p = QStringLiteral("thumb%1.htm").arg(page, 4, 10, QLatin1Char('0'));
        return QStringLiteral("<td width=\"50%\" align=\"center\"><a href=\"") + p
            + QStringLiteral("\"><img src=\"thumbs/thumb%1.bmp\" width=\"40\" height=\"30\" alt = \"Click to enter "
                             "gallery\" border=\"0\"></a><br>").arg(firstImage, 4, 10, QLatin1Char('0'))
            + "<a href=\"" + p + "\">" + kLinkFont + QStringLiteral("Gallery %1</font></a><br></td>\r\n").arg(page);
    };
    EXPECT_PAGE((base + "masteridx.htm"),
              kHead + kBody
                  + "<div align=\"center\"><center>\r\n<strong><font face=\"Verdana\" size=\"2\" color=\"000000\">"
                    "Gallery Directory</font></strong></center></div>\r\n"
                  + "<p>&nbsp;</p>\r\n<div align=\"center\">\r\n<table width=\"80%\"><tr>\r\n" + indexCell(1, 1)
                  + indexCell(2, 5) + "</tr>\r\n</table>\r\n</div>\r\n" + kEnd);
    expectTidy(base);
}

// Every kind of file in its own subfolder, the Home link as an image button and the bars
// under the content: the first, a middle and the last thumbnail page, a full-size page and
// the master index.
TEST(GalleryPagesText, SubfoldersForEveryKindOfFile)
{
    gbtest::ScriptedUi ui;
    const QString buttons = gbtest::makeTempDir("buttons");
    ASSERT_TRUE(QFile::copy(QStringLiteral(GB_SHIPPED_SUPPORT "home.gif"),
                            buttons + "/home.gif"));
    HGallery g = gbtest::textLinkGallery(gbtest::makeBaseFolder());
    g.setThImSubFolder("ti");
    g.setFsImSubFolder("fi");
    g.setThPgSubFolder("tp");
    g.setFsPgSubFolder("fp");
    g.setAuxSubFolder("ax");
    g.setThRows(1);
    g.setThColumns(1);
    g.setLinksOnTop(false);
    g.setLink2Home(true);
    g.setHomeUrl("http://example.org/");
    g.setLink2HomeWithImage(true);
    g.setHomeImageLink(buttons + "/home.gif");
    ASSERT_TRUE(g.validate().isEmpty());
    const QString base = g.baseFolder();
    EXPECT_EQ(filesIn(base + "ax"), QStringList{"home.gif"});
    const Images images = makeImages(g, 3);
    g.createHtmlPages(g.createVirtualPages(images.thumbs, images.fulls, {}));

    EXPECT_EQ(filesIn(base), QStringList{"masteridx.htm"});
    EXPECT_EQ(filesIn(base + "tp"), (QStringList{"thumb0001.htm", "thumb0002.htm", "thumb0003.htm"}));
    EXPECT_EQ(filesIn(base + "fp"), (QStringList{"img0001.htm", "img0002.htm", "img0003.htm"}));

    const QString home = "<td><a href=\"http://example.org/\"><img src=\"%1\" alt=\"Home\" border=\"0\"></a></td>";
    const QString up = textCell("../masteridx.htm", "Up");
    const auto thumbPage = [&](int i, const QString &links) {
        const QString n = QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0'));
        return kHead + kBody + thumbTitle(i) + kTable + "<tr>\r\n"
            + thumbCell("100%", "../fp/img" + n + ".htm", "../ti/thumb" + n + ".bmp", thumbInfo(i)) + "</tr>\r\n"
            + kTableEnd + barOf(home.arg("../ax/home.gif") + up + links) + kEnd;
    };
    EXPECT_PAGE(base + "tp/thumb0001.htm",
                thumbPage(1, textCell("thumb0002.htm", "Next") + textCell("thumb0003.htm", "Last")));
    EXPECT_PAGE(base + "tp/thumb0002.htm",
                thumbPage(2, textCell("thumb0001.htm", "First") + textCell("thumb0001.htm", "Previous")
                                 + textCell("thumb0003.htm", "Next") + textCell("thumb0003.htm", "Last")));
    EXPECT_PAGE(base + "tp/thumb0003.htm",
                thumbPage(3, textCell("thumb0001.htm", "First") + textCell("thumb0002.htm", "Previous")));
    EXPECT_PAGE(base + "fp/img0002.htm",
                kHead + kBody
                    + "<p align=\"center\"><img src=\"../fi/img0002.bmp\" width=\"101\" height=\"20\" alt=\"\"></p>"
                    + fullInfo(2) + "\r\n" + barOf(home.arg("../ax/home.gif") + textCell("../tp/thumb0002.htm", "Up"))
                    + kEnd);

    QString cells;
    for (int i = 1; i <= 3; ++i) {
        const QString n = QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0'));
        cells += "<td width=\"33%\" align=\"center\"><a href=\"tp/thumb" + n + ".htm\"><img src=\"ti/thumb" + n
            + ".bmp\" width=\"40\" height=\"30\" alt = \"Click to enter gallery\" border=\"0\"></a><br><a href=\"tp/thumb"
            + n + ".htm\">" + kLinkFont + "Gallery " + QString::number(i) + "</font></a><br></td>\r\n";
    }
    EXPECT_PAGE(base + "masteridx.htm",
                kHead + kBody
                    + "<div align=\"center\"><center>\r\n<strong><font face=\"Verdana\" size=\"2\" color=\"000000\">"
                      "Gallery Directory</font></strong></center></div>\r\n"
                    + "<p>&nbsp;</p>\r\n<div align=\"center\">\r\n<table width=\"80%\"><tr>\r\n" + cells
                    + "</tr>\r\n</table>\r\n</div>\r\n" + barOf(home.arg("ax/home.gif")) + kEnd);
    expectTidy(base);
    expectTidy(base + "tp/");
    expectTidy(base + "fp/");
}

TEST(GalleryPagesText, PageNamingAndCasing)
{
    struct Case {
        int thNaming, fsNaming, casing;
        const char *ext;
        QStringList files;
    };
    const Case cases[] = {
        {4, 4, 1, "HTM", {"img0001.htm", "img0002.htm", "masteridx.HTM", "thumb0001.htm", "thumb0002.htm"}},
        {3, 3, 1, "htm", {"0001img.htm", "0001thumb.htm", "0002img.htm", "0002thumb.htm", "masteridx.htm"}},
        {3, 4, 2, "html", {"0001THUMB.HTML", "0002THUMB.HTML", "IMG0001.HTML", "IMG0002.HTML", "masteridx.html"}},
        {4, 3, 3, "Htm", {"0001Img.Htm", "0002Img.Htm", "Thumb0001.Htm", "Thumb0002.Htm", "masteridx.Htm"}},
    };
    for (const Case &c : cases) {
        gbtest::ScriptedUi ui;
        HGallery g = gbtest::textLinkGallery(gbtest::makeBaseFolder());
        g.setThRows(1);
        g.setThColumns(1);
        g.setThPgNaming(c.thNaming);
        g.setFsPgNaming(c.fsNaming);
        g.setNamingCasing(c.casing);
        g.setHtmlExt(c.ext);
        g.setThPgBaseName(c.casing == 3 ? "Thumb" : "thumb");
        g.setFsPgBaseName(c.casing == 3 ? "Img" : "img");
        g.setCreateMasterIndex(true);
        ASSERT_TRUE(g.validate().isEmpty());
        const Images images = makeImages(g, 2);
        g.createHtmlPages(g.createVirtualPages(images.thumbs, images.fulls, {}));
        EXPECT_EQ(filesIn(g.baseFolder()), c.files) << c.ext;
        expectTidy(g.baseFolder());
    }

    // The names reach every link: thumbnail page 1 of the upper-case gallery, whole.
    gbtest::ScriptedUi ui;
    HGallery g = gbtest::textLinkGallery(gbtest::makeBaseFolder());
    g.setThRows(1);
    g.setThColumns(1);
    g.setThPgNaming(3);
    g.setNamingCasing(2);
    g.setHtmlExt("html");
    ASSERT_TRUE(g.validate().isEmpty());
    const Images images = makeImages(g, 2);
    g.createHtmlPages(g.createVirtualPages(images.thumbs, images.fulls, {}));
    EXPECT_PAGE(g.baseFolder() + "0001THUMB.HTML",
                kHead + kBody + thumbTitle(1)
                    + bar({{"masteridx.html", "Up"}, {"0002THUMB.HTML", "Next"}, {"0002THUMB.HTML", "Last"}}) + kTable
                    + "<tr>\r\n" + thumbCell("100%", "IMG0001.HTML", "thumbs/thumb0001.bmp", thumbInfo(1))
                    + "</tr>\r\n" + kTableEnd + kEnd);
}

// Thumbnails link straight to their images, in a new window; no master index, one page:
// no navigation bar at all; the browser opens the first thumbnail page.
TEST(GalleryPagesText, FullSizePagesOffAndNewWindowLinks)
{
    gbtest::ScriptedUi ui;
    HGallery g = gbtest::textLinkGallery(gbtest::makeBaseFolder());
    g.setCreateFullSizePages(false);
    g.setCreateMasterIndex(false);
    g.setNewWindow(true);
    g.setLaunchHtml(true);
    g.setThPgSubFolder("pages");
    ASSERT_TRUE(g.validate().isEmpty());
    const Images images = makeImages(g, 1);
    g.createHtmlPages(g.createVirtualPages(images.thumbs, images.fulls, {}));
    const QString base = g.baseFolder();

    EXPECT_EQ(filesIn(base + "pages"), QStringList{"thumb0001.htm"});
    EXPECT_EQ(filesIn(base), QStringList{});
    const QString empty = "<td width=\"33%\" align=\"center\" bgcolor=\"#FFFFFF\">&nbsp;</td>";
    EXPECT_PAGE(base + "pages/thumb0001.htm",
                kHead + kBody + thumbTitle(1) + kTable + "<tr>\r\n"
                    + "<td width=\"33%\" align=\"center\" bgcolor=\"#FFFFFF\"><a href=\"../fsimages/img0001.bmp\" "
                      "target=\"_blank\"><img src=\"../thumbs/thumb0001.bmp\" width=\"40\" height=\"30\" alt = \"Click "
                      "to enlarge\" border=\"0\"></a><br>" + thumbInfo(1) + "</td>\r\n"
                    + empty + empty + "</tr>\r\n" + kTableEnd + kEnd);
    EXPECT_EQ(ui.urls, QStringList{base + "pages/thumb0001.htm"});
    expectTidy(base + "pages/");

    // Without full-size images a thumbnail links nowhere, and no link is closed.
    const GalleryPages bare = g.createVirtualPages(images.thumbs, {}, {});
    EXPECT_FALSE(g.thumbPageText(bare, 1).contains("</a>"));
}

TEST(GalleryPagesText, TitlesAndComments)
{
    gbtest::ScriptedUi ui;
    HGallery g = gbtest::textLinkGallery(gbtest::makeBaseFolder());
    g.setSiteTitle(QString::fromUtf8("Sommer in K\u00f6ln"));
    g.setFsPgTitle("Photo");
    g.setThPgVars({10, 11});
    g.setFsPgVars({10, 1, 11});
    g.setThPgVarsBottom(false);
    g.setFsPgVarsBottom(false);
    g.setCreateMasterIndex(false);
    g.setBHtml_Th("<p>before</p>");
    g.setAHtml_Th("<p>after</p>\r\n");
    g.setBHtml_Fs("<hr>");
    ASSERT_TRUE(g.validate().isEmpty());
    const Images images = makeImages(g, 2);
    g.createHtmlPages(g.createVirtualPages(
        images.thumbs, images.fulls, {{"Dom", QString::fromUtf8("Am <b>Abend</b> \u2013 sch\u00f6n")}, {"", ""}}));
    const QString base = g.baseFolder();

    const QString head = "<html>\r\n<head>\r\n<title>Sommer in K&#246;ln</title>\r\n<meta name=\"GENERATOR\" "
                         "content=\"Glimmerbox 1.1\">\r\n</head>\r\n";
    const QString site = "<div align=\"center\"><center>\r\n<strong><font face=\"Verdana\" size=\"3\" color=\"000000\">"
                         "Sommer in K&#246;ln</font></strong></center></div>\r\n";
    const QString comment = "Am <b>Abend</b> &#8211; sch&#246;n";
    const QString font = "<font face=\"Verdana\" size=\"2\" color=\"000000\">";
    const auto cell = [&](int i, const QString &info) {
        const QString n = QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0'));
        return "<td width=\"33%\" align=\"center\" bgcolor=\"#FFFFFF\">" + info + "<a href=\"img" + n
            + ".htm\"><img src=\"thumbs/thumb" + n
            + ".bmp\" width=\"40\" height=\"30\" alt = \"Click to enlarge\" border=\"0\"></a><br></td>\r\n";
    };
    EXPECT_PAGE(base + "thumb0001.htm",
                head + kBody + site + "<p>before</p>" + thumbTitle(1) + kTable + "<tr>\r\n"
                    + cell(1, font + "Dom<br>" + comment + "<br></font>") + cell(2, font + "</font>")
                    + "<td width=\"33%\" align=\"center\" bgcolor=\"#FFFFFF\">&nbsp;</td></tr>\r\n" + kTableEnd
                    + "<p>after</p>\r\n" + kEnd);
    EXPECT_PAGE(base + "img0001.htm",
                head + kBody + site
                    + "<div align=\"center\"><center>\r\n<strong><font face=\"Verdana\" size=\"2\" color=\"000000\">"
                      "Photo</font></strong></center></div>\r\n"
                    + "<hr>" + bar({{"thumb0001.htm", "Up"}, {"img0002.htm", "Next"}, {"img0002.htm", "Last"}})
                    + "<p align=\"center\"><font face=\"Verdana\" size=\"1\" color=\"000000\">Dom<br>img0001<br>" + comment
                    + "<br></font></p>"
                    + "<p align=\"center\"><img src=\"fsimages/img0001.bmp\" width=\"101\" height=\"20\" alt=\"\"></p>"
                    + "\r\n" + kEnd);
    expectTidy(base);
}

// An empty page list: no pages but the master index, whose table has no rows; no browser.
TEST(GalleryPagesText, EmptyPageList)
{
    gbtest::ScriptedUi ui;
    HGallery g = gbtest::textLinkGallery(gbtest::makeBaseFolder());
    g.setLaunchHtml(true);
    ASSERT_TRUE(g.validate().isEmpty());
    g.createHtmlPages({});
    EXPECT_EQ(filesIn(g.baseFolder()), QStringList{"masteridx.htm"});
    EXPECT_TRUE(gbtest::pageText(g.baseFolder() + "masteridx.htm")
                    .contains("<table width=\"80%\"></table>\r\n</div>\r\n</body>\r\n</html>\r\n"));
    EXPECT_TRUE(ui.urls.isEmpty());
}

// A second run over the pages of a first one, under each overwrite policy.
TEST(GalleryPagesText, RerunsUnderEachOverwritePolicy)
{
    const auto run = [](HGallery &g, const QString &title) {
        g.setThPgTitle(title);
        const Images images = makeImages(g, 2);
        g.createHtmlPages(g.createVirtualPages(images.thumbs, images.fulls, {}));
    };
    const QStringList files = {"img0001.htm", "img0002.htm", "masteridx.htm", "thumb0001.htm"};
    for (int policy : {1, 2, 3}) {
        gbtest::ScriptedUi ui;
        HGallery g = gbtest::textLinkGallery(gbtest::makeBaseFolder());
        ASSERT_TRUE(g.validate().isEmpty());
        run(g, "First");
        EXPECT_TRUE(ui.boxes.empty());
        g.setOverwrite(policy);
        // Under "ask", only the first question is answered Yes.
        ui.boxAnswers = {gb::UiSeam::ResultYes};
        run(g, "Second");
        EXPECT_EQ(filesIn(g.baseFolder()), files);
        const bool replaced = gbtest::pageText(g.baseFolder() + "thumb0001.htm").contains("Second 1");
        EXPECT_EQ(replaced, policy != 2) << policy;
        if (policy == 3) {
            QStringList questions;
            for (const QString &name : {"thumb0001.htm", "img0001.htm", "img0002.htm", "masteridx.htm"})
                questions << "File " + g.baseFolder() + name + " exist and will be overwritten. Proceed ?";
            EXPECT_EQ(ui.boxTexts(), questions);
            EXPECT_EQ(ui.boxes[0].caption, "Warning!");
            EXPECT_FALSE(gbtest::pageText(g.baseFolder() + "img0001.htm").isEmpty());
        } else {
            EXPECT_TRUE(ui.boxes.empty()) << policy;
        }
    }
}

// A page that cannot be written is reported, and the run goes on.
TEST(GalleryPagesText, PageWriteFailureIsReported)
{
    gbtest::ScriptedUi ui;
    HGallery g = gbtest::textLinkGallery(gbtest::makeBaseFolder());
    g.setFsPgSubFolder("fspages");
    ASSERT_TRUE(g.validate().isEmpty());
    const Images images = makeImages(g, 1);
    ASSERT_TRUE(QDir(g.baseFolder()).rmdir("fspages"));
    QStringList failures;
    g.createHtmlPages(g.createVirtualPages(images.thumbs, images.fulls, {}), &failures);
    const QString missing = g.baseFolder() + "fspages/img0001.htm";
    EXPECT_EQ(failures, QStringList{"Fail to create html file " + missing});
    EXPECT_EQ(ui.boxTexts(), QStringList{"Fail to create html file " + missing});
    EXPECT_EQ(filesIn(g.baseFolder()), (QStringList{"masteridx.htm", "thumb0001.htm"}));
}
