#include "galleryfixture.h"

#include "support/scriptedui.h"
#include "support/testutil.h"

#include <QDir>
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

// A navigation bar of text links: (target, text) pairs in display order.
QString bar(const std::vector<std::pair<QString, QString>> &links)
{
    QString cells;
    for (const auto &[target, text] : links)
        cells += "<td><a href=\"" + target + "\">" + kLinkFont + text + "</font></a></td>";
    return "<div align=\"center\"><center>\r\n<table border=\"0\" cellspacing=\"10\" cellpadding=\"4\">\r\n<tr>\r\n"
        + cells + "</tr>\r\n</table>\r\n</center></div>\r\n";
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
