#include "catalog/addimages.h"
#include "catalog/archivebrowse.h"
#include "catalog/catalogpaths.h"
#include "catalog/openarchive.h"
#include "common/batchprogress.h"
#include "common/drives.h"
#include "common/eventpacer.h"
#include "image/imagesave.h"
#include "image/thumbnail.h"
#include "catalogfixture.h"
#include "support/scriptedui.h"
#include "support/testutil.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>

using namespace gb;

namespace {

// Answers the label question from a script and counts it; keeps the label for the drive
// as the label dialog does.
struct ScriptedHost : AddImagesHost
{
    QStringList labels;
    int asked = 0;
    int advanced = 0;
    std::function<void(int)> onAdvance;
    std::function<void()> onIdle;
    QString askLabel(const QString &driveRoot) override
    {
        ++asked;
        const QString label = labels.isEmpty() ? QString() : labels.takeFirst();
        if (!label.isEmpty())
            setVolumeLabel(driveRoot, label);
        return label;
    }
    void advance() override
    {
        ++advanced;
        if (onAdvance)
            onAdvance(advanced);
    }
    void idle() override
    {
        if (onIdle)
            onIdle();
    }
};

bool writeImage(const QString &path, int w, int h, int type)
{
    RgbImage img = RgbImage::filled(w, h, 30, 120, 200);
    return saveRgb2File(img, path, type, 90, false, 0, 0);
}

class AddImages : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The test folders lie on the root file system, which has no label of its own.
        setVolumeLabel("/", "TESTDISK");
        dir = gbtest::makeTempDir("add") + "/";
        server = createNewArchive(nullptr, gbtest::freshStem());
        ASSERT_TRUE(server);
    }
    void TearDown() override { setVolumeLabel("/", QString()); }
    QString drivelessFolder() const { return splitCatalogFile(dir + "x").folder; }

    QString dir;
    std::unique_ptr<ArchServer> server;
    ScriptedHost host;
    gbtest::ScriptedUi ui;
};

} // namespace

TEST_F(AddImages, GoodPhotoPngAndDamagedFile)
{
    ASSERT_TRUE(writeImage(dir + "photo.jpg", 640, 480, 3));
    ASSERT_TRUE(writeImage(dir + "small.png", 40, 30, 4));
    ASSERT_TRUE(gbtest::writeFile(dir + "broken.jpg", "\xFF\xD8 not a picture"));
    const QStringList files = {dir + "photo.jpg", dir + "broken.jpg", dir + "small.png"};

    const AddImagesResult r = addGroupOfImages(nullptr, *server, files, false, host, 2);
    EXPECT_EQ(r.added, 2);
    EXPECT_EQ(r.refreshed, 0);
    ASSERT_EQ(r.errors.size(), 1);
    EXPECT_TRUE(r.errors[0].startsWith("File: " + dir + "broken.jpg Error: "));
    EXPECT_TRUE(r.errors[0].endsWith(" - Thumbnail not added"));
    EXPECT_EQ(addImagesSummary(r), "2 file(s) added\n\r");
    EXPECT_EQ(host.advanced, 3);

    const QString folder = drivelessFolder();
    ASSERT_TRUE(server->locateRec("1", "TESTDISK", folder + "photo.jpg"));
    EXPECT_EQ(server->fieldGet("WIDTH").toInt(), 640);
    EXPECT_EQ(server->fieldGet("HEIGHT").toInt(), 480);
    EXPECT_EQ(qint64(server->fieldGet("SIZE").toNumber()), QFileInfo(dir + "photo.jpg").size());
    EXPECT_EQ(server->fieldGet("MODDATE").toDate(), QFileInfo(dir + "photo.jpg").lastModified().date());
    EXPECT_EQ(server->fieldGet("VLABEL").toString().trimmed(), "TESTDISK");
    EXPECT_TRUE(keysOf(server->fieldGet("KEYS")).isEmpty());
    int w = 0, h = 0;
    QString error;
    RgbImage thumb = createFittedRgbFromString(server->fieldGet("RGB").toBytes(), 1000, 1000, w, h, error);
    EXPECT_EQ(thumb.width(), 80);
    EXPECT_EQ(thumb.height(), 60);

    // A picture that fits is stored at its own size.
    ASSERT_TRUE(server->locateRec("1", "TESTDISK", folder + "small.png"));
    thumb = createFittedRgbFromString(server->fieldGet("RGB").toBytes(), 1000, 1000, w, h, error);
    EXPECT_EQ(thumb.width(), 40);
    EXPECT_EQ(thumb.height(), 30);
    EXPECT_FALSE(server->locateRec("1", "TESTDISK", folder + "broken.jpg"));
}

TEST_F(AddImages, SecondAddSkipsOrRefreshesKeepingKeywords)
{
    ASSERT_TRUE(writeImage(dir + "a.jpg", 100, 100, 3));
    ASSERT_EQ(addGroupOfImages(nullptr, *server, {dir + "a.jpg"}, false, host, 1).added, 1);
    const QString path = drivelessFolder() + "a.jpg";
    ASSERT_TRUE(server->locateRec("1", "TESTDISK", path));
    server->fieldPut("KEYS", Value(ValueArray{Value("sea")}));
    server->fieldPut("COMMENTS", QString("old comment"));
    server->commit();

    AddImagesResult r = addGroupOfImages(nullptr, *server, {dir + "a.jpg"}, false, host, 1);
    EXPECT_EQ(addImagesSummary(r), "1 file(s) skipped (refresh flag was off)\n\r");

    ASSERT_TRUE(writeImage(dir + "a.jpg", 200, 50, 3));
    r = addGroupOfImages(nullptr, *server, {dir + "a.jpg"}, true, host, 1);
    EXPECT_EQ(addImagesSummary(r), "1 file(s) refreshed\n\r");
    ASSERT_TRUE(server->locateRec("1", "TESTDISK", path));
    EXPECT_EQ(server->fieldGet("WIDTH").toInt(), 200);
    EXPECT_EQ(keysOf(server->fieldGet("KEYS")), QStringList{"sea"});
    EXPECT_EQ(server->fieldGet("COMMENTS").toString(), "");
    EXPECT_EQ(server->recCount(), 1u);

    AddImagesResult all;
    all.added = 3;
    all.refreshed = 2;
    all.skipped = 1;
    EXPECT_EQ(addImagesSummary(all),
              "3 file(s) added\n\r2 file(s) refreshed\n\r1 file(s) skipped (refresh flag was off)\n\r");
    EXPECT_EQ(addImagesSummary(AddImagesResult{}), "");
}

TEST_F(AddImages, LongNamesAreCutInTheirFieldsAndWholeInFullPath)
{
    const QString longDir = dir + QString(60, 'd') + "/";
    QDir().mkpath(longDir);
    const QString name = QString(30, 'n') + ".png";
    ASSERT_TRUE(writeImage(longDir + name, 20, 20, 4));
    ASSERT_EQ(addGroupOfImages(nullptr, *server, {longDir + name}, false, host, 1).added, 1);
    const CatalogFile f = splitCatalogFile(longDir + name);
    ASSERT_TRUE(server->locateRec("1", "TESTDISK", f.drivelessPath()));
    EXPECT_EQ(server->fieldGet("FULLPATH").toString(), f.drivelessPath());
    EXPECT_EQ(server->fieldGet("PATH").toString(), f.folder.left(50));
    EXPECT_EQ(server->fieldGet("FILENAME").toString(), name.left(25));
}

TEST_F(AddImages, UnlabelledDriveIsNamedOnceAndCancelStopsTheRun)
{
    setVolumeLabel("/", QString());
    ASSERT_TRUE(writeImage(dir + "1.png", 10, 10, 4));
    ASSERT_TRUE(writeImage(dir + "2.png", 10, 10, 4));
    const QStringList files = {dir + "1.png", dir + "2.png"};

    // Cancel: the run stops before anything is written.
    AddImagesResult r = addGroupOfImages(nullptr, *server, files, false, host, 1);
    EXPECT_EQ(host.asked, 1);
    EXPECT_EQ(r.added, 0);
    EXPECT_EQ(ui.boxTexts(), QStringList{"Procedure has been stoped by the user"});

    // A label given once serves the later files of the drive.
    host.labels = {"  SUMMER  "};
    r = addGroupOfImages(nullptr, *server, files, false, host, 1);
    EXPECT_EQ(host.asked, 2);
    EXPECT_EQ(r.added, 2);
    EXPECT_TRUE(server->locateRec("1", "SUMMER", drivelessFolder() + "2.png"));
}

TEST_F(AddImages, EveryFileFailingCountsNothing)
{
    ASSERT_TRUE(gbtest::writeFile(dir + "a.png", "junk"));
    const AddImagesResult r = addGroupOfImages(nullptr, *server, {dir + "a.png", dir + "missing.jpg"}, false, host, 2);
    EXPECT_EQ(addImagesSummary(r), "");
    EXPECT_EQ(r.errors.size(), 2);
    EXPECT_EQ(server->recCount(), 0u);
}

TEST_F(AddImages, ParallelDecodingKeepsTheOrderOfTheList)
{
    QStringList files;
    for (int i = 0; i < 12; ++i) {
        files << dir + QString("img%1.png").arg(i, 2, 10, QLatin1Char('0'));
        ASSERT_TRUE(writeImage(files.last(), 30 + i, 20, 4));
    }
    // Record numbers follow the list, whatever order the decoders finish in.
    std::reverse(files.begin(), files.end());
    ASSERT_EQ(addGroupOfImages(nullptr, *server, files, false, host, 4).added, 12);
    server->setOrder(0);
    int n = 0;
    for (server->goTop(); !server->eof(); server->skip(), ++n)
        EXPECT_EQ(server->fieldGet("FULLPATH").toString(), splitCatalogFile(files[n]).drivelessPath());
    EXPECT_EQ(n, 12);
}

// Adding files already catalogued decodes and writes nothing, file after file: the run
// still serves events between them.
TEST_F(AddImages, PassingOverCataloguedFilesServesEvents)
{
    QStringList files;
    for (int i = 0; i < 3; ++i) {
        files << dir + QString("s%1.png").arg(i);
        ASSERT_TRUE(writeImage(files.last(), 20, 20, 4));
    }
    ASSERT_EQ(addGroupOfImages(nullptr, *server, files, false, host, 1).added, 3);

    ScriptedHost passing;
    passing.onIdle = [] { QCoreApplication::processEvents(); };
    bool served = false, servedBeforeTheLast = false;
    passing.onAdvance = [&](int n) {
        // Each file takes as long as the window may wait.
        QElapsedTimer t;
        t.start();
        while (t.elapsed() <= EventPacer::kIntervalMs) {
        }
        if (n == 2)
            servedBeforeTheLast = served;
    };
    QTimer::singleShot(0, [&] { served = true; });
    EXPECT_EQ(addGroupOfImages(nullptr, *server, files, false, passing, 1).skipped, 3);
    EXPECT_TRUE(servedBeforeTheLast);
}

// Abort between files, and Abort once the last record is written: the run says it was
// stopped, keeps every record written before, whole and found through the index, and
// gives glAbortBatch back as it found it.
TEST_F(AddImages, AbortKeepsACatalogOfTheRecordsWrittenBefore)
{
    QStringList files;
    for (int i = 0; i < 4; ++i) {
        files << dir + QString("a%1.png").arg(i);
        ASSERT_TRUE(writeImage(files.last(), 30 + i, 20, 4));
    }
    const struct {
        const char *when;
        int written;
    } cases[] = {{"between files", 2}, {"after the last file", 4}};
    for (const auto &c : cases) {
        const QString stem = gbtest::freshStem("Aborted");
        auto catalog = createNewArchive(nullptr, stem);
        ASSERT_TRUE(catalog);
        ScriptedHost aborting;
        if (c.written < files.size())
            aborting.onAdvance = [&](int n) { glAbortBatch = glAbortBatch || n == c.written; };
        else
            aborting.onIdle = [&] { glAbortBatch = glAbortBatch || aborting.advanced == c.written; };
        ui.boxes.clear();
        const AddImagesResult r = addGroupOfImages(nullptr, *catalog, files, false, aborting, 2);
        EXPECT_TRUE(r.aborted) << c.when;
        EXPECT_EQ(r.added, c.written) << c.when;
        EXPECT_EQ(ui.boxTexts(), QStringList{"Procedure has been stoped by the user"}) << c.when;
        EXPECT_FALSE(glAbortBatch) << c.when;
        catalog.reset();

        auto reopened = openArchive(nullptr, stem);
        ASSERT_TRUE(reopened);
        EXPECT_EQ(reopened->recCount(), uint32_t(c.written)) << c.when;
        for (int i = 0; i < files.size(); ++i) {
            ASSERT_EQ(reopened->locateRec("1", "TESTDISK", splitCatalogFile(files[i]).drivelessPath()), i < c.written)
                << c.when << " " << i;
            if (i < c.written) {
                EXPECT_EQ(reopened->fieldGet("WIDTH").toInt(), 30 + i) << c.when;
            }
        }
    }
}

// A run killed after its third record: the child process below adds five files and kills
// itself when the third has been reported; the catalog then opens with those three.
TEST_F(AddImages, KilledRunKeepsEveryReportedRecord)
{
    QStringList files;
    for (int i = 0; i < 5; ++i) {
        files << dir + QString("k%1.png").arg(i);
        ASSERT_TRUE(writeImage(files.last(), 50, 40, 4));
    }
    const QString stem = gbtest::freshStem("Killed");
    ASSERT_TRUE(createNewArchive(nullptr, stem));
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("GB_KILL_STEM", stem);
    env.insert("GB_KILL_FILES", files.join('\n'));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=AddImagesChild.KillsItselfAfterThree"});
    ASSERT_TRUE(child.waitForFinished(60000));
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);

    auto reopened = openArchive(nullptr, stem);
    ASSERT_TRUE(reopened);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(reopened->locateRec("1", "TESTDISK", splitCatalogFile(files[i]).drivelessPath())) << i;
    EXPECT_FALSE(reopened->locateRec("1", "TESTDISK", splitCatalogFile(files[4]).drivelessPath()));
}

TEST(AddImagesChild, KillsItselfAfterThree)
{
    const QString stem = qEnvironmentVariable("GB_KILL_STEM");
    if (stem.isEmpty())
        GTEST_SKIP() << "run by KilledRunKeepsEveryReportedRecord";
    setVolumeLabel("/", "TESTDISK");
    auto server = openArchive(nullptr, stem);
    ASSERT_TRUE(server);
    ScriptedHost host;
    host.onAdvance = [](int n) {
        if (n == 3)
            std::raise(SIGKILL);
    };
    addGroupOfImages(nullptr, *server, qEnvironmentVariable("GB_KILL_FILES").split('\n'), false, host, 2);
}

TEST_F(AddImages, AnyThreadCountGivesTheSameCatalog)
{
    // A label asked for at the first file, a file already catalogued and a damaged one in the
    // middle: the records, their thumbnails and the errors match whatever the thread count.
    QStringList files;
    for (int i = 0; i < 10; ++i) {
        files << dir + QString("p%1.png").arg(i);
        if (i == 5)
            ASSERT_TRUE(gbtest::writeFile(files.last(), "damaged"));
        else
            ASSERT_TRUE(writeImage(files.last(), 90 + 7 * i, 60 + 3 * i, 4));
    }
    const auto run = [&](int threads, QStringList &errors) {
        auto catalog = createNewArchive(nullptr, gbtest::freshStem());
        EXPECT_TRUE(catalog);
        setVolumeLabel("/", "VOL");
        EXPECT_EQ(addGroupOfImages(nullptr, *catalog, {files[3]}, false, host, 1).added, 1);
        setVolumeLabel("/", QString());
        host.labels = {"VOL"};
        const int askedBefore = host.asked;
        const AddImagesResult r = addGroupOfImages(nullptr, *catalog, files, false, host, threads);
        EXPECT_EQ(host.asked - askedBefore, 1);
        EXPECT_EQ(r.added, 8);
        EXPECT_EQ(r.skipped, 1);
        errors = r.errors;
        QStringList rows;
        catalog->setOrder(0);
        for (catalog->goTop(); !catalog->eof(); catalog->skip())
            rows << catalog->fieldGet("FULLPATH").toString() + " " + QString::number(catalog->fieldGet("WIDTH").toInt()) + " " +
                        QString::fromLatin1(catalog->fieldGet("RGB").toBytes().toHex());
        return rows;
    };
    QStringList errorsOne, errorsMany;
    const QStringList one = run(1, errorsOne);
    const QStringList many = run(4, errorsMany);
    setVolumeLabel("/", "TESTDISK");
    ASSERT_EQ(one.size(), 9);
    EXPECT_EQ(one, many);
    ASSERT_EQ(errorsOne.size(), 1);
    EXPECT_EQ(errorsOne, errorsMany);
}
