#include "catalog/archivestruct.h"
#include "catalog/openarchive.h"
#include "catalog/repairarchwin.h"
#include "catalogfixture.h"
#include "common/collectdatawin.h"
#include "common/globals.h"
#include "support/scriptedui.h"
#include "support/testutil.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProgressBar>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using gb::Value;
using gb::ValueArray;

namespace {

struct CountingProgress : gb::CompactProgress {
    int records = -1;
    int advanced = 0;
    bool finished = false;
    void start(int n) override { records = n; }
    void advance() override { ++advanced; }
    void finish() override { finished = true; }
};

// A catalog of five images, the second and fourth deleted, the third rewritten twice.
QString sampleCatalog()
{
    const QString stem = gbtest::freshStem();
    auto server = gb::createNewArchive(nullptr, stem);
    EXPECT_TRUE(server);
    for (int i = 1; i <= 5; ++i) {
        gbtest::addImage(*server, {"1", "PHOTOS", "/set/", QString("img%1.jpg").arg(i),
                                   ValueArray{"sea", QString("k%1").arg(i)}, QString("comment %1").arg(i),
                                   QByteArray("\xff\xd8\0jpeg", 7) + QByteArray::number(i)});
    }
    for (uint32_t r : {2u, 4u}) {
        server->goTo(r);
        server->deleteRecord();
    }
    server->goTo(3);
    server->fieldPut("COMMENTS", "first rewrite");
    server->commit();
    server->fieldPut("COMMENTS", "second rewrite");
    server->commit();
    return stem;
}

QList<ValueArray> records(const QString &stem)
{
    QList<ValueArray> out;
    gb::ArchServer t;
    if (!t.open(stem + ".dbf"))
        return out;
    for (t.goTop(); !t.eof(); t.skip()) {
        ValueArray row;
        for (const auto &f : gb::gaArchiveStruct())
            row.push_back(t.fieldGet(f.name));
        out << row;
    }
    return out;
}

QString successText(const QString &stem)
{
    return "Compact ended with success.\n\rOld files saved as:\n\r" + stem + "$.dbf\n\r" + stem + "$.cdx\n\r" + stem
           + "$.fpt";
}

} // namespace

TEST(RepairArch, CopiesLiveRecordsAndKeepsTheOldFilesAsBackup)
{
    const QString stem = sampleCatalog();
    const QList<ValueArray> before = records(stem);
    ASSERT_EQ(before.size(), 3);
    const QByteArray oldTable = gbtest::readFile(stem + ".dbf");
    const qint64 oldMemoSize = QFileInfo(stem + ".fpt").size();

    gbtest::ScriptedUi ui;
    CountingProgress progress;
    ASSERT_TRUE(gb::repairArch(nullptr, stem, progress));
    EXPECT_EQ(ui.boxTexts(), QStringList({successText(stem)}));
    EXPECT_EQ(progress.records, 5);
    EXPECT_EQ(progress.advanced, 3);
    EXPECT_TRUE(progress.finished);

    EXPECT_EQ(records(stem), before);
    EXPECT_EQ(gbtest::readFile(stem + "$.dbf"), oldTable);
    EXPECT_LT(QFileInfo(stem + ".fpt").size(), oldMemoSize);
    for (const char *ext : {".dbf", ".cdx", ".fpt"})
        EXPECT_FALSE(QFileInfo::exists(stem + "_" + ext)) << ext;
    auto server = gb::openArchive(nullptr, stem);
    ASSERT_TRUE(server);
    EXPECT_EQ(server->recCount(), 3u);
    EXPECT_EQ(server->orderCount(), 3);
    ASSERT_TRUE(server->locateRec("1", "PHOTOS", "/set/img3.jpg"));
    EXPECT_EQ(server->fieldGet("COMMENTS").toString(), "second rewrite");
    EXPECT_EQ(server->fieldGet("KEYS"), Value(ValueArray{"sea", "k3"}));
    server->close();

    // A second compaction replaces the first one's backup.
    const QByteArray firstCompacted = gbtest::readFile(stem + ".dbf");
    ui.boxes.clear();
    ASSERT_TRUE(gb::repairArch(nullptr, stem, progress));
    EXPECT_EQ(gbtest::readFile(stem + "$.dbf"), firstCompacted);
    EXPECT_EQ(records(stem), before);
}

TEST(RepairArch, FailuresLeaveTheCatalogAsItWas)
{
    gbtest::ScriptedUi ui;
    CountingProgress progress;
    EXPECT_FALSE(gb::repairArch(nullptr, gbtest::freshStem("none"), progress));
    EXPECT_EQ(ui.boxTexts(), QStringList({"An error occured during this proccess"}));

    const QString foreign = gbtest::freshStem("foreign");
    ASSERT_TRUE(gb::DbServer::create(foreign + ".dbf", {{"NAME", 'C', 5, 0}}));
    ui.boxes.clear();
    EXPECT_FALSE(gb::repairArch(nullptr, foreign, progress));
    EXPECT_EQ(ui.boxTexts(), QStringList({"Not a valid archive database", "An error occured during this proccess"}));

    // A fresh catalog left over from an interrupted run: asked about, and No stops here.
    const QString stem = sampleCatalog();
    ASSERT_TRUE(gb::createNewArchive(nullptr, stem + "_"));
    const QByteArray table = gbtest::readFile(stem + ".dbf");
    ui.boxes.clear();
    ui.boxAnswers = {gb::UiSeam::ResultNo};
    EXPECT_FALSE(gb::repairArch(nullptr, stem, progress));
    EXPECT_EQ(ui.boxTexts(), QStringList({"File: " + stem + "_.dbf exist. Overwrite ?",
                                          "An error occured during this proccess"}));
    EXPECT_EQ(gbtest::readFile(stem + ".dbf"), table);
    EXPECT_FALSE(QFileInfo::exists(stem + "$.dbf"));

    // Yes goes on and compacts.
    ui.boxes.clear();
    ui.boxAnswers = {gb::UiSeam::ResultYes};
    EXPECT_TRUE(gb::repairArch(nullptr, stem, progress));
    EXPECT_EQ(ui.boxTexts().last(), successText(stem));
}

TEST(RepairArch, AHalfDoneSwapIsUndone)
{
    const QString stem = sampleCatalog();
    const QByteArray table = gbtest::readFile(stem + ".dbf");
    const QByteArray memo = gbtest::readFile(stem + ".fpt");
    // A folder in the way of the backup memo name: its erase fails, so does the rename.
    ASSERT_TRUE(QDir().mkpath(stem + "$.fpt/blocker"));
    gbtest::ScriptedUi ui;
    CountingProgress progress;
    EXPECT_FALSE(gb::repairArch(nullptr, stem, progress));
    EXPECT_EQ(ui.boxTexts(), QStringList({"An error occured during this proccess"}));
    EXPECT_EQ(gbtest::readFile(stem + ".dbf"), table);
    EXPECT_EQ(gbtest::readFile(stem + ".fpt"), memo);
    EXPECT_TRUE(QFileInfo::exists(stem + ".cdx"));
    EXPECT_FALSE(QFileInfo::exists(stem + "$.dbf"));
    auto server = gb::openArchive(nullptr, stem);
    ASSERT_TRUE(server);
    EXPECT_TRUE(server->locateRec("1", "PHOTOS", "/set/img5.jpg"));
}

// A copy that cannot write every record (here a file-size limit stops the fresh memo file)
// swaps nothing: the catalog keeps its files and no backup appears.
TEST(RepairArch, AnIncompleteCopyIsNotSwappedIn)
{
    const QString stem = gbtest::freshStem();
    {
        auto server = gb::createNewArchive(nullptr, stem);
        ASSERT_TRUE(server);
        for (int i = 0; i < 40; ++i)
            gbtest::addImage(*server, {"1", "BIG", "/b/", QString("%1.jpg").arg(i), {}, "", QByteArray(8000, char(i))});
    }
    const QByteArray table = gbtest::readFile(stem + ".dbf");
    const QByteArray memo = gbtest::readFile(stem + ".fpt");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100000, 100000};
        setrlimit(RLIMIT_FSIZE, &limit);
        struct : gb::CompactProgress {
            void start(int) override {}
            void advance() override {}
            void finish() override {}
        } progress;
        _exit(gb::repairArch(nullptr, stem, progress) ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "compaction reported success";
    EXPECT_EQ(gbtest::readFile(stem + ".dbf"), table);
    EXPECT_EQ(gbtest::readFile(stem + ".fpt"), memo);
    EXPECT_FALSE(QFileInfo::exists(stem + "$.dbf"));
    auto server = gb::openArchive(nullptr, stem);
    ASSERT_TRUE(server);
    EXPECT_EQ(server->recCount(), 40u);
}

// The program killed after any step of the swap (journal written, each of the six renames,
// journal removed): the next opening, or the next compaction, ends the swap and the catalog
// opens with all its records, compacted.
TEST(RepairArch, ASwapCutShortAnywhereIsFinishedAtTheNextOpening)
{
    for (int steps = 1;; ++steps) {
        const QString stem = sampleCatalog();
        const QList<ValueArray> before = records(stem);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            gb::archtesting::exitAfterSwapSteps(steps);
            gbtest::ScriptedUi ui;
            CountingProgress progress;
            _exit(gb::repairArch(nullptr, stem, progress) ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status)) << steps;
        const bool finished = WEXITSTATUS(status) == 0;
        ASSERT_TRUE(finished || WEXITSTATUS(status) == 77) << "steps " << steps;

        gbtest::ScriptedUi ui;
        if (steps % 2) {
            auto server = gb::openArchive(nullptr, stem);
            ASSERT_TRUE(server) << "steps " << steps;
            EXPECT_EQ(server->recCount(), 3u) << "steps " << steps; // compacted: deleted records gone
            EXPECT_EQ(server->orderCount(), 3) << "steps " << steps;
            EXPECT_TRUE(server->locateRec("1", "PHOTOS", "/set/img5.jpg")) << "steps " << steps;
        } else {
            CountingProgress progress;
            ASSERT_TRUE(gb::repairArch(nullptr, stem, progress)) << "steps " << steps;
        }
        EXPECT_EQ(records(stem), before) << "steps " << steps;
        EXPECT_TRUE(ui.boxTexts().filter("error").isEmpty()) << "steps " << steps;
        EXPECT_FALSE(QFileInfo::exists(stem + ".swap")) << "steps " << steps;
        for (const char *ext : {".dbf", ".cdx", ".fpt"})
            EXPECT_TRUE(QFileInfo::exists(stem + "$" + ext)) << ext << " steps " << steps;
        if (finished) {
            EXPECT_EQ(steps, 9); // journal, six renames, journal removed, then past the end
            break;
        }
        ASSERT_LT(steps, 20);
    }
}

TEST(RepairArch, RefusesACatalogOpenInAWindow)
{
    const QString stem = sampleCatalog();
    gb::gaOpenArchives = {stem};
    gbtest::ScriptedUi ui;
    CountingProgress progress;
    EXPECT_FALSE(gb::repairArch(nullptr, stem, progress));
    EXPECT_EQ(ui.boxTexts(), QStringList({"This archive is opened."}));
    EXPECT_EQ(progress.records, -1);
    gb::gaOpenArchives.clear();
}

TEST(RepairArch, ShowsItsProgressWindow)
{
    const QString stem = sampleCatalog();
    gbtest::ScriptedUi ui;
    gb::CompactProgressWin progress(nullptr);
    ASSERT_TRUE(gb::repairArch(nullptr, stem, progress));
    ASSERT_NE(progress.window(), nullptr);
    EXPECT_EQ(progress.window()->windowTitle(), "Compact Archive ...");
    EXPECT_EQ(progress.window()->pb()->minimum(), 1);
    EXPECT_EQ(progress.window()->pb()->maximum(), 5);
    EXPECT_EQ(progress.window()->pb()->value(), 4);
    EXPECT_FALSE(progress.window()->isVisible());
    // The command's own entry point shows the same window and messages.
    ui.boxes.clear();
    EXPECT_TRUE(gb::repairArch(nullptr, stem));
    EXPECT_EQ(ui.boxTexts(), QStringList({successText(stem)}));
}

TEST(RepairArch, TheCompactCommandAsksForTheCatalog)
{
    const QString stem = sampleCatalog();
    gbtest::ScriptedUi ui;
    gb::compactArchiveCommand(nullptr);
    ASSERT_EQ(ui.dialogs.size(), 1u);
    EXPECT_EQ(ui.dialogs[0].kind, "open");
    EXPECT_EQ(ui.dialogs[0].caption, "Compact archive database");
    EXPECT_EQ(ui.dialogs[0].filters, QStringList({"archive database (*.dbf)"}));
    EXPECT_TRUE(ui.boxes.empty());

    gb::gaOpenArchives = {stem};
    ui.openAnswers = {{stem + ".dbf"}};
    gb::compactArchiveCommand(nullptr);
    EXPECT_EQ(ui.boxTexts(), QStringList({"This archive is opened."}));
    gb::gaOpenArchives.clear();

    ui.boxes.clear();
    ui.openAnswers = {{stem + ".dbf"}};
    gb::compactArchiveCommand(nullptr);
    EXPECT_EQ(ui.boxTexts(), QStringList({successText(stem)}));
    EXPECT_TRUE(QFileInfo::exists(stem + "$.dbf"));
}
