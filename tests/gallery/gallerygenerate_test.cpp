#include "galleryfixture.h"

#include "batch/batchaction.h"
#include "batch/batchcommand.h"
#include "common/registry.h"
#include "common/uiseam.h"
#include "image/imagesave.h"
#include "common/batchprogress.h"
#include "common/leftovers.h"
#include "support/runui.h"
#include "support/testutil.h"

#include <QDir>
#include <QDirIterator>
#include <QMap>
#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

using gb::HGallery;
using gbtest::makeSources;
using gbtest::RunUi;

namespace {

const QString kThumbs = "Creating and Processing Thumbnails";
const QString kFulls = "Creating and Processing Full Size Images";

HGallery runGallery()
{
    gb::initializeActions();
    HGallery g = gbtest::textLinkGallery(gbtest::makeBaseFolder());
    g.setThPgVars({1, 4});
    g.setThRows(1);
    g.setThColumns(2);
    g.setLaunchHtml(true);
    return g;
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

} // namespace

TEST(GalleryGenerate, WholeRun)
{
    RunUi ui;
    HGallery g = runGallery();
    const QStringList sources = makeSources(3);
    const gb::GalleryRunResult result = g.generate(sources, {{"First", ""}});
    EXPECT_TRUE(result.completed());
    EXPECT_TRUE(result.failures.isEmpty()) << result.failures.join("\n").toStdString();
    const QString base = g.baseFolder();

    EXPECT_EQ(ui.captions, (QStringList{kThumbs, kFulls}));
    EXPECT_EQ(filesIn(base + "thumbs"), (QStringList{"thumb0001.jpg", "thumb0002.jpg", "thumb0003.jpg"}));
    EXPECT_EQ(filesIn(base + "fsimages"), (QStringList{"img0001.jpg", "img0002.jpg", "img0003.jpg"}));
    EXPECT_EQ(filesIn(base), (QStringList{"img0001.htm", "img0002.htm", "img0003.htm", "masteridx.htm",
                                         "thumb0001.htm", "thumb0002.htm"}));
    EXPECT_EQ(ui.urls, QStringList{base + "masteridx.htm"});
    EXPECT_TRUE(ui.errorLogs.empty());

    // The resize command heads the thumbnail script: 400 x 300 fitted into 80 x 80.
    const QString info = "<font face=\"Verdana\" size=\"2\" color=\"000000\">img%1<br>400 x 300<br></font>";
    const QString cell = "<td width=\"50%\" align=\"center\" bgcolor=\"#FFFFFF\"><a href=\"img%1.htm\"><img "
                         "src=\"thumbs/thumb%1.jpg\" width=\"80\" height=\"60\" alt = \"Click to enlarge\" "
                         "border=\"0\"></a><br>" + info + "</td>\r\n";
    EXPECT_EQ(gbtest::pageText(base + "thumb0001.htm").toStdString(),
              QString("<html>\r\n<head>\r\n<title></title>\r\n<meta name=\"GENERATOR\" content=\"Glimmerbox 1.1\">\r\n"
                      "</head>\r\n<body bgcolor=\"#FFFFFF\" text =\"#000000\" link =\"#0000FF\" vlink=\"#800080\" "
                      "alink=\"#FF0000\"><div align=\"center\"><center>\r\n<strong><font face=\"Verdana\" size=\"3\" "
                      "color=\"000000\">Gallery 1</font></strong></center></div>\r\n<div align=\"center\"><center>\r\n"
                      "<table border=\"0\" cellspacing=\"10\" cellpadding=\"4\">\r\n<tr>\r\n"
                      "<td><a href=\"masteridx.htm\"><font face=\"Verdana\" size=\"2\" color=\"0000FF\">Up</font></a></td>"
                      "<td><a href=\"thumb0002.htm\"><font face=\"Verdana\" size=\"2\" color=\"0000FF\">Next</font></a></td>"
                      "<td><a href=\"thumb0002.htm\"><font face=\"Verdana\" size=\"2\" color=\"0000FF\">Last</font></a></td>"
                      "</tr>\r\n</table>\r\n</center></div>\r\n<div align=\"center\">\r\n<table border=\"1\" "
                      "cellspacing=\"3\" cellpadding=\"2\" bgcolor=\"#FFFFFF\" bordercolor=\"000000\">\r\n<tr>\r\n")
                      .toStdString()
                  + cell.arg("0001").toStdString() + cell.arg("0002").toStdString()
                  + "</tr>\r\n</table>\r\n</div>\r\n</body>\r\n</html>\r\n");
    for (const QString &page : filesIn(base))
        EXPECT_EQ(gbtest::tidyErrors(base + page), "") << page.toStdString();
}

// An abort ends the run after the phase it happened in; what was written stays.
TEST(GalleryGenerate, AbortBetweenPhases)
{
    const struct {
        QString caption;
        int atFile;
        QStringList thumbs, fulls;
    } cases[] = {
        {kThumbs, 1, {"thumb0001.jpg"}, {}},
        {kThumbs, 0, {"thumb0001.jpg", "thumb0002.jpg"}, {}},
        {kFulls, 1, {"thumb0001.jpg", "thumb0002.jpg"}, {"img0001.jpg"}},
        {kFulls, 0, {"thumb0001.jpg", "thumb0002.jpg"}, {"img0001.jpg", "img0002.jpg"}},
    };
    for (const auto &c : cases) {
        RunUi ui;
        ui.abortCaption = c.caption;
        ui.abortAtFile = c.atFile;
        HGallery g = runGallery();
        const gb::GalleryRunResult result = g.generate(makeSources(2), {});
        EXPECT_TRUE(result.aborted);
        EXPECT_TRUE(gb::glAbortBatch);
        const QString base = g.baseFolder();
        EXPECT_EQ(filesIn(base + "thumbs"), c.thumbs) << c.caption.toStdString() << c.atFile;
        EXPECT_EQ(filesIn(base + "fsimages"), c.fulls) << c.caption.toStdString() << c.atFile;
        EXPECT_EQ(filesIn(base), QStringList{}) << "no page after an abort";
        EXPECT_TRUE(ui.urls.isEmpty());
        EXPECT_TRUE(ui.errorLogs.empty()) << "an abort ends quietly";
        EXPECT_EQ(ui.captions.size(), c.caption == kThumbs ? 1 : 2);
    }
    gb::glAbortBatch = false;

    // A rerun that never overwrites completes what an abort in the full-size phase left:
    // the thumbnails it keeps still get their missing full-size images.
    {
        RunUi aborted;
        aborted.abortCaption = kFulls;
        aborted.abortAtFile = 1;
        HGallery g = runGallery();
        g.setLaunchHtml(false);
        const QStringList sources = makeSources(2);
        ASSERT_TRUE(g.generate(sources, {}).aborted);
        gb::glAbortBatch = false;
        RunUi ui;
        g.setOverwrite(2);
        const gb::GalleryRunResult result = g.generate(sources, {});
        EXPECT_TRUE(result.completed());
        EXPECT_TRUE(result.failures.isEmpty()) << result.failures.join('\n').toStdString();
        EXPECT_EQ(filesIn(g.baseFolder() + "fsimages"), (QStringList{"img0001.jpg", "img0002.jpg"}));
    }
}

TEST(GalleryGenerate, ProblemsAreShownAndNothingIsWritten)
{
    RunUi ui;
    HGallery g = runGallery();
    g.setThRows(0);
    g.setMasterIndexColumns(0);
    const gb::GalleryRunResult result = g.generate(makeSources(1), {});
    const QStringList problems = {"[Thumbnails - Arrangement] Number of thumbnails rows must be greater than 0",
                                  "[Master Index] Number of links columns must be greater than 0"};
    EXPECT_EQ(result.problems, problems);
    ASSERT_EQ(ui.errorLogs.size(), 1u);
    EXPECT_EQ(ui.errorLogs[0], problems);
    EXPECT_TRUE(ui.captions.isEmpty());
    EXPECT_TRUE(QDir(g.baseFolder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

// A source that does not load is left out of the pages; its failures are shown at the end.
TEST(GalleryGenerate, FailedImagesAreShownAtTheEndAndLeftOutOfThePages)
{
    RunUi ui;
    HGallery g = runGallery();
    g.setLaunchHtml(false);
    QStringList sources = makeSources(2);
    const QString broken = QFileInfo(sources[0]).path() + "/broken.jpg";
    ASSERT_TRUE(gbtest::writeFile(broken, "not a picture"));
    sources.insert(1, broken);
    const gb::GalleryRunResult result = g.generate(sources, {{"first", ""}, {"broken", ""}, {"last", ""}});
    const QStringList failures = {"Fail to create the thumbnail of " + broken,
                                  "Fail to create the full size image of " + broken};
    EXPECT_EQ(result.failures, failures);
    ASSERT_EQ(ui.errorLogs.size(), 1u);
    EXPECT_EQ(ui.errorLogs[0], failures);
    const QString page = gbtest::pageText(g.baseFolder() + "thumb0001.htm");
    EXPECT_FALSE(page.contains("thumb0002.jpg")) << page.toStdString();
    EXPECT_FALSE(page.contains("broken")) << page.toStdString();
    EXPECT_FALSE(page.contains("width=\"\"")) << page.toStdString();
    EXPECT_FALSE(page.contains(" 0 kb")) << page.toStdString();
    EXPECT_TRUE(page.contains("thumbs/thumb0001.jpg")) << page.toStdString();
    EXPECT_TRUE(page.contains("thumbs/thumb0003.jpg")) << page.toStdString();
    // Two images fill one page of thumbnails; each has its full-size page.
    EXPECT_EQ(filesIn(g.baseFolder()), (QStringList{"img0001.htm", "img0002.htm", "masteridx.htm", "thumb0001.htm"}));
}

// A second run over the output of a first one: images and pages are replaced, kept, or
// replaced only where the user says Yes.
TEST(GalleryGenerate, RerunsUnderEachOverwritePolicy)
{
    const QStringList sources = makeSources(2);
    for (int policy : {1, 2, 3}) {
        RunUi first;
        HGallery g = runGallery();
        g.setLaunchHtml(false);
        ASSERT_TRUE(g.generate(sources, {}).completed());
        const QString base = g.baseFolder();
        ASSERT_TRUE(gbtest::writeFile(base + "thumbs/thumb0001.jpg", "old"));
        ASSERT_TRUE(gbtest::writeFile(base + "thumb0001.htm", "old"));

        RunUi ui;
        ui.boxAnswers = {gb::UiSeam::ResultNo, gb::UiSeam::ResultYes};
        g.setOverwrite(policy);
        const gb::GalleryRunResult result = g.generate(sources, {});
        EXPECT_TRUE(result.completed()) << policy;
        EXPECT_TRUE(result.failures.isEmpty()) << policy;
        const bool thumbKept = gbtest::readFile(base + "thumbs/thumb0001.jpg") == "old";
        const bool pageKept = gbtest::readFile(base + "thumb0001.htm") == "old";
        if (policy == 1) {
            EXPECT_FALSE(thumbKept);
            EXPECT_FALSE(pageKept);
            EXPECT_TRUE(ui.boxes.empty());
        } else if (policy == 2) {
            EXPECT_TRUE(thumbKept);
            EXPECT_TRUE(pageKept);
            EXPECT_TRUE(ui.boxes.empty());
            EXPECT_EQ(ui.log.filter(" - Final file exist and will not be replaced").size(), 4);
        } else {
            // No to the first thumbnail, Yes to the second, No (unscripted) to the rest.
            EXPECT_TRUE(thumbKept);
            EXPECT_TRUE(pageKept);
            EXPECT_EQ(ui.boxes.size(), 2u + 2u + 4u);
            EXPECT_EQ(ui.boxes[0].text, "File: " + base + "thumbs/thumb0001.jpg exist and will be overwritten");
            EXPECT_EQ(ui.boxes[4].text, "File " + base + "thumb0001.htm exist and will be overwritten. Proceed ?");
        }
    }
}

// Pages are ASCII: file names reach links percent-encoded and texts as character references.
TEST(GalleryGenerate, FileNamesInLinksAndTexts)
{
    RunUi ui;
    HGallery g = runGallery();
    g.setLaunchHtml(false);
    g.setThImNaming(2);
    g.setFsImNaming(1);
    const QString folder = gbtest::makeTempDir("names");
    const QString source = folder + QString::fromUtf8("/\u00e9t\u00e9 & co.jpg");
    ASSERT_TRUE(gbtest::makeImage(source, 300, 200));
    ASSERT_TRUE(g.generate({source}, {}).completed());
    const QString base = g.baseFolder();
    EXPECT_TRUE(QFileInfo::exists(base + QString::fromUtf8("thumbs/\u00e9t\u00e9 & coTh.jpg")));

    const QByteArray thumbPage = gbtest::readFile(base + "thumb0001.htm");
    EXPECT_TRUE(thumbPage.contains("<img src=\"thumbs/%C3%A9t%C3%A9%20%26%20coTh.jpg\" width=\"80\" height=\"53\""))
        << thumbPage.toStdString();
    EXPECT_TRUE(thumbPage.contains(">&#233;t&#233; &amp; co<br>300 x 200<br>")) << thumbPage.toStdString();
    const QByteArray fullPage = gbtest::readFile(base + "img0001.htm");
    EXPECT_TRUE(fullPage.contains("<img src=\"fsimages/%C3%A9t%C3%A9%20%26%20co.jpg\" width=\"300\" height=\"200\""))
        << fullPage.toStdString();
    for (const QByteArray &page : {thumbPage, fullPage, gbtest::readFile(base + "masteridx.htm")})
        for (char c : page)
            ASSERT_GE(c, 0) << "a byte outside ASCII";
    for (const QString &name : filesIn(base))
        EXPECT_EQ(gbtest::tidyErrors(base + name), "") << name.toStdString();
}

// The resize command runs ahead of the user's thumbnail script; the full-size script runs
// alone. Neither script setting changes.
TEST(GalleryGenerate, ScriptsRunOnTheirImages)
{
    RunUi ui;
    HGallery g = runGallery();
    g.setLaunchHtml(false);
    g.setThumbCommands({gb::BatchCommand::make(gb::ActionRotate, {90.0, 0}).toValue()});
    g.setFsCommands({gb::BatchCommand::make(gb::ActionResize, {1, 200, 200, 0}).toValue()});
    ASSERT_TRUE(g.generate(makeSources(1), {}).completed());
    const QString page = gbtest::pageText(g.baseFolder() + "thumb0001.htm");
    EXPECT_TRUE(page.contains("src=\"thumbs/thumb0001.jpg\" width=\"60\" height=\"80\"")) << page.toStdString();
    EXPECT_TRUE(page.contains("img0001<br>200 x 150<br>")) << page.toStdString();
    EXPECT_EQ(g.thumbCommands().size(), 1u);
    EXPECT_EQ(g.fsCommands().size(), 1u);

    // Without a full-size script each source is saved at its own size.
    g.setFsCommands({});
    g.setOverwrite(1);
    ASSERT_TRUE(g.generate(makeSources(1), {}).completed());
    EXPECT_TRUE(gbtest::pageText(g.baseFolder() + "thumb0001.htm").contains("img0001<br>400 x 300<br>"));
}

namespace {

// Every file under a folder, by its path below it, with its bytes.
QMap<QString, QByteArray> treeContents(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files[path.mid(folder.size())] = gbtest::readFile(path);
    }
    return files;
}

struct GalleryOutcome {
    QMap<QString, QByteArray> files;
    QStringList log, questions;
    std::vector<QStringList> errorLogs;
};

} // namespace

// Each photo is decoded once for both of its images, on as many threads as the registry
// says; the gallery is the same whatever that number: a damaged photo, a full-size image
// kept by a No, and an Abort in either phase.
TEST(GalleryGenerate, SameGalleryWithAnyThreadCount)
{
    const QString folder = gbtest::makeTempDir("varied");
    QStringList sources;
    for (int i = 0; i < 7; ++i) {
        sources << folder + QStringLiteral("/v%1.jpg").arg(i);
        if (i == 2) {
            gbtest::writeFile(sources.last(), "damaged");
            continue;
        }
        gb::RgbImage img = gb::RgbImage::create(900 + 16 * i, 700);
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                uint8_t *p = img.pixel(x, y);
                p[0] = uint8_t(x * (i + 1) / 3);
                p[1] = uint8_t(y ^ x);
                p[2] = uint8_t((x + 2 * y) / (i + 1));
            }
        ASSERT_TRUE(gb::saveRgb2File(img, sources.last(), 3, 90, false, 0.0, 256));
    }
    gb::initializeActions();
    HGallery g = gbtest::textLinkGallery(gbtest::makeBaseFolder());
    g.setOverwrite(3);
    g.setFsCommands({gb::Value(gb::ValueArray{gb::Value(int(gb::ActionResize)), gb::Value("Resize"), gb::Value(1),
                                              gb::Value(300), gb::Value(300), gb::Value(0), gb::Value(true)})});
    const QString base = g.baseFolder();

    const auto run = [&](int threads, const QString &abortCaption, int abortAt) {
        EXPECT_TRUE(gb::kvtSetRtRegInt("General Options", "Worker Threads", threads));
        QDir(base).removeRecursively();
        QDir().mkpath(base + "fsimages");
        gbtest::writeFile(base + "fsimages/img0005.jpg", "kept");
        RunUi ui;
        ui.boxAnswers = {gb::UiSeam::ResultNo};
        ui.abortCaption = abortCaption;
        ui.abortAtFile = abortAt;
        HGallery copy = g;
        copy.generate(sources, {});
        gb::glAbortBatch = false;
        return GalleryOutcome{treeContents(base), ui.log, ui.boxTexts(), ui.errorLogs};
    };
    const struct {
        QString caption;
        int atFile;
    } cases[] = {{"", -1}, {kThumbs, 3}, {kFulls, 5}};
    for (const auto &c : cases) {
        const GalleryOutcome one = run(1, c.caption, c.atFile);
        EXPECT_EQ(one.files.value("fsimages/img0005.jpg"), QByteArray("kept"));
        if (c.caption == kThumbs) {
            EXPECT_EQ(one.files.keys().filter("fsimages/").size(), 1) << "no full-size image after a thumbnail abort";
        }
        if (c.caption.isEmpty()) {
            EXPECT_TRUE(one.files.contains("masteridx.htm"));
            ASSERT_EQ(one.errorLogs.size(), 1u);
            EXPECT_EQ(one.questions.size(), 1);
        }
        for (const QString &path : one.files.keys())
            EXPECT_FALSE(path.contains(".staging")) << path.toStdString();
        for (int threads : {3, 8}) {
            const GalleryOutcome many = run(threads, c.caption, c.atFile);
            EXPECT_EQ(many.files, one.files) << threads << " threads " << c.caption.toStdString();
            EXPECT_EQ(many.log, one.log) << threads << " threads " << c.caption.toStdString();
            EXPECT_EQ(many.questions, one.questions);
            EXPECT_EQ(many.errorLogs, one.errorLogs);
        }
    }
    gb::kvtSetRtRegInt("General Options", "Worker Threads", 0);
}

// A run killed while it stages a full-size image leaves its staging folder behind; the
// rerun under "never replace" removes it, makes every image whole and links real sizes.
// The user's own files and folders whose names only look like leftovers stay.
TEST(GalleryGenerate, ARerunAfterAKillClearsItsStagingAndKeepsNothingCut)
{
    const QString folder = gbtest::makeTempDir("kill");
    // The full-size images are BMP: 0.4 MB, then 3.6 MB, past the killed run's 1 MB limit.
    const QStringList sources = {folder + "/small.jpg", folder + "/large.jpg"};
    ASSERT_TRUE(gbtest::makeImage(sources[0], 400, 300));
    ASSERT_TRUE(gbtest::makeImage(sources[1], 1200, 1000));
    HGallery g = runGallery();
    g.setLaunchHtml(false);
    g.setFsImFormat(1);
    g.setOverwrite(2);
    const QString base = g.baseFolder();
    const pid_t killed = gbtest::killedAtFileSize(1 << 20, [&] {
        RunUi ui;
        g.generate(sources, {});
    });
    ASSERT_NE(killed, 0) << "the run was not cut short";
    EXPECT_FALSE(QFileInfo::exists(base + "fsimages/img0002.bmp"));
    const QString staging = ".staging-" + QString::fromLatin1(gb::leftoverHost()) + "-" + QString::number(killed) + "-";
    ASSERT_EQ(QDir(base + "fsimages").entryList(QDir::Dirs | QDir::Hidden).filter(staging).size(), 1);
    const QString dead = QString::number(killed);
    const QStringList users = {".notes.gbtmp-" + dead + "-ab.txt", ".staging-" + dead + "-backup/photo.jpg"};
    for (const QString &sub : {QString(), QString("thumbs"), QString("fsimages")})
        for (const QString &user : users) {
            ASSERT_TRUE(QDir().mkpath(QFileInfo(base + sub + "/" + user).absolutePath()));
            ASSERT_TRUE(gbtest::writeFile(base + sub + "/" + user, "the user's"));
        }

    RunUi ui;
    const gb::GalleryRunResult result = g.generate(sources, {});
    EXPECT_TRUE(result.completed());
    EXPECT_TRUE(result.failures.isEmpty()) << result.failures.join("\n").toStdString();
    for (const QString &sub : {QString(), QString("thumbs"), QString("fsimages")}) {
        EXPECT_EQ(QDir(base + sub).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).filter(QRegularExpression("^\\.")),
                  (QStringList{users[0], ".staging-" + dead + "-backup"}))
            << sub.toStdString();
        for (const QString &user : users)
            EXPECT_EQ(gbtest::readFile(base + sub + "/" + user), "the user's") << (sub + "/" + user).toStdString();
    }
    EXPECT_EQ(filesIn(base + "fsimages"), (QStringList{"img0001.bmp", "img0002.bmp"}));
    EXPECT_EQ(QFileInfo(base + "fsimages/img0002.bmp").size(), 54 + 1200 * 3 * 1000);
    EXPECT_EQ(filesIn(base + "thumbs"), (QStringList{"thumb0001.jpg", "thumb0002.jpg"}));
    EXPECT_FALSE(gbtest::pageText(base + "thumb0001.htm").contains("width=\"\""));
}
