#include "galleryfixture.h"

#include "support/testutil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>

using gb::HGallery;

namespace {

// A gallery that validates cleanly: an existing base folder, no button images.
HGallery validGallery()
{
    return gbtest::textLinkGallery(gbtest::makeBaseFolder());
}

} // namespace

TEST(GalleryValidate, PageExtensionGetsOneLeadingDot)
{
    const std::pair<QString, QString> cases[] = {
        {"", ".htm"},   {"html", ".html"},     {"x.y", ".xy"},    {"a.b.c", ".abc"},
        {".shtml", ".shtml"}, {"  .htm  ", ".htm"}, {"  ", ".htm"},
    };
    for (const auto &[typed, stored] : cases) {
        HGallery g = validGallery();
        g.setHtmlExt(typed);
        EXPECT_TRUE(g.validate().isEmpty()) << typed.toStdString();
        EXPECT_EQ(g.htmlExt(), stored) << typed.toStdString();
    }
}

TEST(GalleryValidate, BaseFolder)
{
    const QString base = gbtest::makeTempDir("base");
    HGallery g = gbtest::textLinkGallery("  " + base + "  ");
    EXPECT_TRUE(g.validate().isEmpty());
    EXPECT_EQ(g.baseFolder(), base + "/");

    g.setBaseFolder(base + "/");
    EXPECT_TRUE(g.validate().isEmpty());
    EXPECT_EQ(g.baseFolder(), base + "/");

    g.setBaseFolder("   ");
    EXPECT_EQ(g.validate(), QStringList{"[General] Define a base folder to place generated images and pages"});
    g.setBaseFolder(base + "/missing");
    EXPECT_EQ(g.validate(), QStringList{"[General] Base folder does not exist"});
}

// One row per settings problem: what is changed and the messages it gives, in order.
TEST(GalleryValidate, SettingsProblems)
{
    const QString existing = gbtest::makeTempDir("images") + "/button.gif";
    ASSERT_TRUE(gbtest::writeFile(existing, "GIF89a"));
    struct Case {
        const char *name;
        std::function<void(HGallery &)> change;
        QStringList messages;
    };
    const QString width = "[Thumbnails - Images] Thumbnail width must be greater than 0";
    const QString height = "[Thumbnails - Images] Thumbnail height must be greater than 0";
    const Case cases[] = {
        {"width mode, no height", [](HGallery &g) { g.setThResize(2); g.setThWidth(100); g.setThHeight(0); }, {}},
        {"fit, no size", [](HGallery &g) { g.setThWidth(0); g.setThHeight(-3); }, {width, height}},
        {"height mode", [](HGallery &g) { g.setThResize(3); g.setThWidth(0); g.setThHeight(0); }, {height}},
        {"unknown mode", [](HGallery &g) { g.setThResize(9); g.setThWidth(0); g.setThHeight(0); },
         {"[Thumbnails - Images] Resize type: the stored choice is unknown, choose it again"}},
        {"appended name empty", [](HGallery &g) { g.setThImNaming(2); g.setThImStdName(""); },
         {"[Thumbnails - Images] Standard thumbnail name suffix is empty"}},
        {"suffix naming ignores the name", [](HGallery &g) { g.setThImNaming(3); g.setThImStdName(""); }, {}},
        {"rows and columns", [](HGallery &g) { g.setThRows(0); g.setThColumns(-1); },
         {"[Thumbnails - Arrangement] Number of thumbnails rows must be greater than 0",
          "[Thumbnails - Arrangement] Number of thumbnails columns must be greater than 0"}},
        {"table background missing", [](HGallery &g) { g.setThTableUseBackImage(true); g.setThTableBackImage(""); },
         {"[Thumbnails - Arrangement] Table background image  does not exist"}},
        {"full-size base name", [](HGallery &g) { g.setFsPgBaseName("   "); },
         {"[Full Size Images & Pages] HTML pages base name cannot be empty"}},
        {"full-size base name unused", [](HGallery &g) { g.setCreateFullSizePages(false); g.setFsPgBaseName(""); }, {}},
        {"master index", [](HGallery &g) {
             g.setMasterIndexPage(" "); g.setMasterIndexColumns(0); g.setMasterIndexLinkThumb(false);
             g.setMasterIndexLinkText(false); },
         {"[Master Index] Master index page name cannot be empty",
          "[Master Index] Number of links columns must be greater than 0",
          "[Master Index] Define at least one link method to thumbnails pages"}},
        {"home link", [](HGallery &g) { g.setLink2Home(true); g.setHomeTextLink(" "); g.setHomeUrl(" "); },
         {"[Navigation - Home Page] Define text link for link to home page",
          "[Navigation - Home Page] Define home page URL address"}},
        {"links without text, in order", [](HGallery &g) {
             g.setUpTextLink(""); g.setPrevTextLink(""); g.setNextTextLink(""); g.setFirstTextLink("");
             g.setLastTextLink(" "); },
         {"[Navigation - Previous Level] Define text link for link to previous level",
          "[Navigation - Previous Page] Define text link for link to previous page",
          "[Navigation - Next Page] Define text link for link to next page",
          "[Navigation - First Page] Define text link for link to first page",
          "[Navigation - Last Page] Define text link for link tolast page"}},
        {"image button without text", [existing](HGallery &g) {
             g.setNextTextLink(""); g.setLink2NextWithImage(true); g.setNextImageLink(existing); }, {}},
        {"missing image button", [](HGallery &g) { g.setLink2FirstWithImage(true); g.setFirstImageLink("/no/such.gif"); },
         {"[Navigation - First Page] Defined image button does not exist"}},
        {"switched-off link is not tested", [](HGallery &g) { g.setLink2Up(false); g.setUpTextLink(""); }, {}},
        {"logo without file", [](HGallery &g) { g.setUseLogo(true); g.setLogoImage("  "); },
         {"[Page Properties] Please define a logo image or turn logo image option to off",
          "[Page Properties] Defined logo image dows not exist"}},
        {"background without file", [](HGallery &g) { g.setUseBackground(true); },
         {"[Page Properties] Please define a Background  image or turn Background  image option to off",
          "[Page Properties] Defined Background image dows not exist"}},
        {"page names clash", [](HGallery &g) { g.setFsPgBaseName("thumb"); },
         {"[General] Thubmnails and full size image pages are placed in the same subfolder and the have the same base name"}},
        {"dot subfolders", [](HGallery &g) { g.setThImSubFolder("."); g.setAuxSubFolder("/../"); },
         {"[General] The thumbnails images subfolder cannot be named \".\" or \"..\"",
          "[General] The auxiliary images subfolder cannot be named \".\" or \"..\""}},
    };
    for (const Case &c : cases) {
        HGallery g = validGallery();
        c.change(g);
        EXPECT_EQ(g.validate(), c.messages) << c.name;
    }
}

TEST(GalleryValidate, TextsAreTrimmedInPlace)
{
    HGallery g = validGallery();
    g.setLink2Home(true);
    g.setHomeTextLink("  Home ");
    g.setHomeUrl(" http://example.org/ ");
    g.setPrevTextLink(" Back ");
    g.setMasterIndexPage(" index ");
    g.setFsPgBaseName(" pic ");
    ASSERT_TRUE(g.validate().isEmpty());
    EXPECT_EQ(g.homeTextLink(), "Home");
    EXPECT_EQ(g.homeUrl(), "http://example.org/");
    EXPECT_EQ(g.prevTextLink(), "Back");
    EXPECT_EQ(g.masterIndexPage(), "index");
    EXPECT_EQ(g.fsPgBaseName(), "pic");
}

TEST(GalleryValidate, ProblemsLeaveTheDiskAlone)
{
    HGallery g = validGallery();
    g.setThRows(0);
    g.setLink2HomeWithImage(true);
    g.setHomeImageLink(gbtest::makeTempDir() + "/missing.gif");
    EXPECT_EQ(g.validate().size(), 1);
    EXPECT_TRUE(QDir(g.baseFolder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

TEST(GalleryValidate, CreatesTheOutputFolders)
{
    HGallery g = validGallery();
    g.setThPgSubFolder("pages/thumbs");
    g.setFsPgSubFolder("fspages");
    ASSERT_TRUE(g.validate().isEmpty());
    EXPECT_EQ(g.thPgSubFolder(), "pagesthumbs");
    for (const char *folder : {"thumbs", "fsimages", "pagesthumbs", "fspages", "auximage"})
        EXPECT_TRUE(QFileInfo(g.baseFolder() + folder).isDir()) << folder;

    // A folder that cannot be made: a file stands in its place.
    HGallery blocked = validGallery();
    ASSERT_TRUE(gbtest::writeFile(blocked.baseFolder() + "fsimages", "x"));
    EXPECT_EQ(blocked.validate(), QStringList{"Fail to create full size images directory"});
    EXPECT_TRUE(QFileInfo(blocked.baseFolder() + "auximage").isDir());
}

TEST(GalleryValidate, EmptySubfoldersUseTheBaseFolder)
{
    const QString images = gbtest::makeTempDir("logo");
    ASSERT_TRUE(gbtest::makeImage(images + "/logo.png", 20, 10));
    HGallery g = validGallery();
    g.setThImSubFolder("");
    g.setFsImSubFolder("");
    g.setAuxSubFolder("");
    g.setUseLogo(true);
    g.setLogoImage(images + "/logo.png");
    ASSERT_TRUE(g.validate().isEmpty());
    EXPECT_EQ(QDir(g.baseFolder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"logo.png"});
}

TEST(GalleryValidate, SupportImageCopies)
{
    // A button of a switched-off link is copied all the same; its missing file is the one problem.
    HGallery g = validGallery();
    g.setLink2Home(false);
    g.setLink2HomeWithImage(true);
    g.setHomeImageLink(gbtest::makeTempDir() + "/home.gif");
    EXPECT_EQ(g.validate(), QStringList{"Fail to copy link to home page image to auxilliary images directory"});

    // Copies replace what an earlier run left, and an image already in place is left alone.
    const QString images = gbtest::makeTempDir("buttons");
    ASSERT_TRUE(gbtest::writeFile(images + "/next.gif", "new"));
    HGallery again = validGallery();
    const QString aux = again.baseFolder() + "auximage/";
    ASSERT_TRUE(QDir().mkpath(aux));
    ASSERT_TRUE(gbtest::writeFile(aux + "next.gif", "old"));
    ASSERT_TRUE(gbtest::writeFile(aux + "bg.gif", "background"));
    again.setLink2NextWithImage(true);
    again.setNextImageLink(images + "/next.gif");
    again.setUseBackground(true);
    again.setBackground(aux + "bg.gif");
    EXPECT_TRUE(again.validate().isEmpty());
    EXPECT_EQ(gbtest::readFile(aux + "next.gif"), "new");
    EXPECT_EQ(gbtest::readFile(aux + "bg.gif"), "background");
}

// Nothing is written when two outputs of the run, or an output and a source, share a path.
TEST(GalleryValidate, OutputClashesAreRefusedBeforeWriting)
{
    QStringList sources;
    for (int i = 0; i < 11; ++i)
        sources << QStringLiteral("/photos/p%1.jpg").arg(i);

    HGallery pages = validGallery();
    pages.setNamePadChars(0);
    pages.setThPgBaseName("a1");
    pages.setFsPgBaseName("a");
    EXPECT_EQ(pages.validate(sources),
              QStringList{"[General] Two generated files would have the same name: " + pages.baseFolder() + "a11.htm"});
    EXPECT_TRUE(QDir(pages.baseFolder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());

    HGallery index = validGallery();
    index.setMasterIndexPage("thumb0001");
    EXPECT_EQ(index.validate(sources),
              QStringList{"[General] Two generated files would have the same name: " + index.baseFolder() + "thumb0001.htm"});

    HGallery onSource = validGallery();
    ASSERT_TRUE(gbtest::writeFile(onSource.baseFolder() + "masteridx.htm", "a source"));
    EXPECT_EQ(onSource.validate({onSource.baseFolder() + "masteridx.htm"}),
              QStringList{"[General] Generated file would replace its source image: " + onSource.baseFolder()
                          + "masteridx.htm"});

    // Full-size images named as their sources, in the sources' own folder.
    HGallery sameName = validGallery();
    ASSERT_TRUE(gbtest::makeImage(sameName.baseFolder() + "p.jpg", 8, 8));
    sameName.setFsImSubFolder("");
    sameName.setFsImNaming(1);
    EXPECT_EQ(sameName.validate({sameName.baseFolder() + "p.jpg"}),
              QStringList{"[General] Generated file would replace its source image: " + sameName.baseFolder() + "p.jpg"});
    EXPECT_FALSE(QFileInfo(sameName.baseFolder() + "thumbs").exists());

    // The same, with the base folder reached through a link.
    const QString link = gbtest::makeTempDir("links") + "/base";
    ASSERT_TRUE(QFile::link(sameName.baseFolder(), link));
    HGallery linked = gbtest::textLinkGallery(link);
    linked.setFsImSubFolder("");
    linked.setFsImNaming(1);
    EXPECT_EQ(linked.validate({sameName.baseFolder() + "p.jpg"}),
              QStringList{"[General] Generated file would replace its source image: " + link + "/p.jpg"});

    // Thumbnails and full-size images named alike in one folder.
    HGallery shared = validGallery();
    shared.setFsImSubFolder("thumbs");
    shared.setFsImStdPrefix("thumb");
    EXPECT_EQ(shared.validate({"/photos/a.jpg"}),
              QStringList{"[General] Two generated files would have the same name: " + shared.baseFolder()
                          + "thumbs/thumb0001.jpg"});

    const QString one = gbtest::makeTempDir("one"), two = gbtest::makeTempDir("two");
    ASSERT_TRUE(gbtest::writeFile(one + "/b.gif", "1"));
    ASSERT_TRUE(gbtest::writeFile(two + "/b.gif", "2"));
    HGallery support = validGallery();
    support.setUseLogo(true);
    support.setLogoImage(one + "/b.gif");
    support.setUseBackground(true);
    support.setBackground(two + "/b.gif");
    EXPECT_EQ(support.validate(sources), QStringList{"[General] Two support images have the same name: b.gif"});
}

// Page names and image naming texts that would write outside the base folder are refused as
// problems of their own, before any folder or file is made.
TEST(GalleryValidate, NamesLeavingTheBaseFolderAreRefusedUpFront)
{
    const QStringList sources{"/photos/a.jpg", "/photos/b.jpg"};
    struct Case {
        const char *what;
        std::function<void(HGallery &)> set;
        QString problem;
    } cases[] = {
        {"thumbnail pages", [](HGallery &g) { g.setThPgBaseName("../../thpage"); },
         "[General] The thumbnails pages base name \"../../thpage\" cannot hold \"/\" or \"..\""},
        {"full-size pages", [](HGallery &g) { g.setFsPgBaseName("pages/fs"); },
         "[General] The full size images pages base name \"pages/fs\" cannot hold \"/\" or \"..\""},
        {"master index", [](HGallery &g) { g.setMasterIndexPage("../index"); },
         "[General] The master index page name \"../index\" cannot hold \"/\" or \"..\""},
        {"thumbnail images", [](HGallery &g) { g.setThImNaming(4); g.setThImPrefix("../../thimg"); },
         "[General] The thumbnails images naming text \"../../thimg\" cannot hold \"/\" or \"..\""},
        {"full-size images", [](HGallery &g) { g.setFsImNaming(3); g.setFsImStdSuffix("/x"); },
         "[General] The full size images naming text \"/x\" cannot hold \"/\" or \"..\""},
    };
    for (const Case &c : cases) {
        HGallery g = validGallery();
        c.set(g);
        EXPECT_EQ(g.validate(sources), QStringList{c.problem}) << c.what;
        EXPECT_TRUE(QDir(g.baseFolder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty()) << c.what;
    }
    // A text the naming does not use, and dots that climb nowhere, are fine.
    HGallery unused = validGallery();
    unused.setThImNaming(1);
    unused.setThImPrefix("../../thimg");
    unused.setThPgBaseName("my.page");
    EXPECT_TRUE(unused.validate(sources).isEmpty());
}
