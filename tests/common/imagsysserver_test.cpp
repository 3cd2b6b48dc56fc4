#include "common/imagsysserver.h"
#include "platform/table/rawfile.h"
#include "support/testutil.h"

#include <gtest/gtest.h>

#include <QFileInfo>

#include <set>
#include <sys/wait.h>
#include <unistd.h>

using gb::ImagSysServer;
using gb::Value;
using gb::ValueArray;

TEST(ImagSysServer, FirstStartCreatesTheFilesWithTheSystemRecord)
{
    const QString dir = gbtest::makeTempDir();
    ImagSysServer db(dir);
    ASSERT_TRUE(db.isValid()) << db.lastErrorMessage().toStdString();
    EXPECT_TRUE(db.lastErrorMessage().isEmpty());
    for (const char *name : {"Glbox111.dbf", "Glbox111.cdx", "Glbox111.fpt"})
        EXPECT_TRUE(QFileInfo::exists(dir + "/" + name)) << name;
    EXPECT_EQ(db.getDesc("XXXXXX"), "System Record");
    EXPECT_EQ(db.getInfo("XXXXXX"), ValueArray{0});
    for (int c = 1; c <= 9; ++c)
        EXPECT_TRUE(db.getAllDescOfCategory(QString::number(c)).empty()) << c;
    QString key;
    ASSERT_TRUE(db.appendNewBatchEdit("first", {1}, key));
    EXPECT_EQ(key, "000001");
}

TEST(ImagSysServer, TheDefaultInstanceLivesInTheProgramFolder)
{
    ASSERT_TRUE(gb::goSysServer().isValid());
    EXPECT_EQ(gb::goSysServer().tablePath(), gbtest::homeDir() + "/Glbox111.dbf");
    ImagSysServer other(gbtest::makeTempDir());
    gb::setGoSysServer(&other);
    EXPECT_EQ(&gb::goSysServer(), &other);
    gb::setGoSysServer(nullptr);
    EXPECT_NE(&gb::goSysServer(), &other);
}

TEST(ImagSysServer, KeysOnlyGrowAndRemovedKeysAreNotIssuedAgain)
{
    const QString dir = gbtest::makeTempDir();
    QString k1, k2, k3;
    {
        ImagSysServer db(dir);
        ASSERT_TRUE(db.appendNewHtml("one", {}, k1));
        ASSERT_TRUE(db.appendNewHtml("two", {}, k2));
        ASSERT_TRUE(db.removeRecord(k2));
        EXPECT_FALSE(db.removeRecord(k2));
    }
    ImagSysServer db(dir); // the counter survives a restart
    ASSERT_TRUE(db.appendNewHtml("three", {}, k3));
    EXPECT_EQ(QStringList({k1, k2, k3}), QStringList({"000001", "000002", "000003"}));
    EXPECT_EQ(db.getInfo("XXXXXX"), ValueArray{3});
    EXPECT_EQ(db.getInfo(k2), ValueArray{});
    EXPECT_EQ(db.getDesc(k2), "");
    EXPECT_EQ(db.createNewKey(), "000004");
}

TEST(ImagSysServer, ListingsGiveOneCategoryInKeyOrder)
{
    ImagSysServer db(gbtest::makeTempDir());
    QString key;
    db.appendNewBatchEdit("  padded job ", {}, key);
    db.appendNewHtml("gallery", {}, key);
    db.appendNewBatchEdit("zz job", {}, key);
    db.appendNewRenamer("rename", {}, key);
    db.appendNewBatchEdit("aa job", {}, key);
    db.appendNewHtml("", {}, key);
    db.appendNewBatchEdit(QString(35, 'd'), {}, key);
    const gb::DescKeyPairs batch = db.getAllBatchDesc();
    ASSERT_EQ(batch.size(), 4u);
    EXPECT_EQ(batch[0], std::make_pair(QString("padded job"), QString("000001")));
    EXPECT_EQ(batch[1], std::make_pair(QString("zz job"), QString("000003")));
    EXPECT_EQ(batch[2], std::make_pair(QString("aa job"), QString("000005")));
    EXPECT_EQ(batch[3].first, QString(30, 'd'));
    const gb::DescKeyPairs html = db.getAllHtmlDesc();
    ASSERT_EQ(html.size(), 2u);
    EXPECT_EQ(html[1], std::make_pair(QString(""), QString("000006")));
    EXPECT_EQ(db.getAllRenameDesc().size(), 1u);
    EXPECT_TRUE(db.getAllCompDesc().empty());

    const struct { bool (ImagSysServer::*append)(const QString &, const ValueArray &, QString &); const char *category; } appends[] = {
        {&ImagSysServer::appendNewLut, "1"}, {&ImagSysServer::appendNewFilter, "2"},
        {&ImagSysServer::appendNewCFilter, "3"}, {&ImagSysServer::appendNewComp, "7"},
        {&ImagSysServer::appendNewPrin, "9"},
    };
    for (const auto &a : appends) {
        ASSERT_TRUE((db.*a.append)(a.category, {}, key));
        const auto listed = db.getAllDescOfCategory(a.category);
        ASSERT_EQ(listed.size(), 1u) << a.category;
        EXPECT_EQ(listed[0].first, a.category);
    }
    EXPECT_EQ(ImagSysServer::categoryOfKind("HTML"), "5");
    EXPECT_EQ(ImagSysServer::categoryOfKind("COMP"), "7");
    EXPECT_EQ(ImagSysServer::categoryOfKind("RENAME"), "8");
    EXPECT_EQ(ImagSysServer::categoryOfKind("PRIN"), "9");
    EXPECT_EQ(ImagSysServer::categoryOfKind("BE"), "4");
    EXPECT_EQ(ImagSysServer::categoryOfKind("html"), "4");
}

TEST(ImagSysServer, SettingsComeBackWholeAndUpdatesChangeWhatTheySay)
{
    ImagSysServer db(gbtest::makeTempDir());
    const ValueArray settings{"out", 3, true, false, ValueArray{ValueArray{1, "Resize", 640, 480}, ValueArray{}},
                              ValueArray{"Arial", 12, true, false, false, 255}, 2.5, Value()};
    QString key;
    ASSERT_TRUE(db.appendNewComp("sheet", settings, key));
    EXPECT_EQ(db.getInfo(key), settings);
    ASSERT_TRUE(db.updateData(key, {"changed"}));
    EXPECT_EQ(db.getInfo(key), ValueArray{"changed"});
    EXPECT_EQ(db.getDesc(key), "sheet");
    ASSERT_TRUE(db.updateDataAndDesc(key, "renamed", {1, 2}));
    EXPECT_EQ(db.getInfo(key), (ValueArray{1, 2}));
    EXPECT_EQ(db.getDesc(key), "renamed");
    EXPECT_FALSE(db.updateData("000099", {}));
    EXPECT_FALSE(db.updateDataAndDesc("000099", "x", {}));
    EXPECT_EQ(db.getDesc("000099"), "");
}

TEST(ImagSysServer, AForeignTableIsRefusedAndLeftAlone)
{
    const QString dir = gbtest::makeTempDir();
    ASSERT_TRUE(gb::DbServer::create(dir + "/Glbox111.dbf", {{"KEYID", 'C', 6, 0}, {"DESC", 'C', 30, 0},
                                                                {"CATEGORY", 'C', 1, 0}, {"INFO", 'M', 0, 0}}));
    const QByteArray before = gbtest::readFile(dir + "/Glbox111.dbf");
    ImagSysServer db(dir);
    EXPECT_FALSE(db.isValid());
    EXPECT_EQ(db.lastErrorMessage(), "Unrecognized system database format");
    EXPECT_EQ(gbtest::readFile(dir + "/Glbox111.dbf"), before);
    EXPECT_FALSE(QFileInfo::exists(dir + "/Glbox111.cdx"));
    // Not valid: every operation gives its not-found result.
    QString key = "kept";
    EXPECT_FALSE(db.appendNewBatchEdit("x", {}, key));
    EXPECT_EQ(key, "");
    EXPECT_TRUE(db.getAllBatchDesc().empty());
    EXPECT_EQ(db.getInfo("000001"), ValueArray{});
    EXPECT_FALSE(db.removeRecord("000001"));

    const QString notTable = gbtest::makeTempDir();
    gbtest::writeFile(notTable + "/Glbox111.dbf", "garbage");
    ImagSysServer garbage(notTable);
    EXPECT_FALSE(garbage.isValid());
    EXPECT_FALSE(garbage.lastErrorMessage().isEmpty());

    ImagSysServer unwritable("/proc/no-such-folder");
    EXPECT_FALSE(unwritable.isValid());
    EXPECT_EQ(unwritable.lastErrorMessage(), "Fail to create system database");
}

TEST(ImagSysServer, ALostIndexFileIsMadeAgain)
{
    const QString dir = gbtest::makeTempDir();
    QString key;
    {
        ImagSysServer db(dir);
        db.appendNewPrin("layout", {7}, key);
    }
    ASSERT_TRUE(QFile::remove(dir + "/Glbox111.cdx"));
    ImagSysServer db(dir);
    ASSERT_TRUE(db.isValid());
    EXPECT_EQ(db.getInfo(key), ValueArray{7});
    ASSERT_TRUE(db.appendNewPrin("next", {}, key));
    EXPECT_EQ(key, "000002");
}

// The first start killed after any write of the creation: the next start finds either no
// database and makes it, or a whole one; saving works either way.
TEST(ImagSysServer, ACreationCutShortIsMadeAgainAtTheNextStart)
{
    for (int writes = 1;; ++writes) {
        const QString dir = gbtest::makeTempDir();
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            gb::tabletesting::exitAfterWrites(writes);
            ImagSysServer db(dir);
            _exit(db.isValid() ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status)) << writes;
        const bool finished = WEXITSTATUS(status) == 0;
        ASSERT_TRUE(finished || WEXITSTATUS(status) == 77) << "writes " << writes;

        ImagSysServer db(dir);
        ASSERT_TRUE(db.isValid()) << "writes " << writes << ": " << db.lastErrorMessage().toStdString();
        QString key;
        ASSERT_TRUE(db.appendNewBatchEdit("saved", {1}, key)) << "writes " << writes;
        EXPECT_EQ(key, "000001") << "writes " << writes;
        EXPECT_EQ(db.getInfo(key), ValueArray{1});
        EXPECT_FALSE(QFileInfo::exists(dir + "/Glbox111.new")) << "writes " << writes;
        if (finished)
            break;
        ASSERT_LT(writes, 100);
    }
}

// A table an older creation left without its system record gets it back, holding the
// highest key in use, so that saving works and no key is issued twice.
TEST(ImagSysServer, AMissingSystemRecordIsMadeAgainAtTheNextStart)
{
    const QString dir = gbtest::makeTempDir();
    {
        ImagSysServer db(dir);
        QString key;
        ASSERT_TRUE(db.appendNewComp("a", {}, key));
        ASSERT_TRUE(db.appendNewComp("b", {}, key));
        ASSERT_TRUE(db.removeRecord("XXXXXX"));
    }
    ImagSysServer db(dir);
    ASSERT_TRUE(db.isValid());
    QString key;
    ASSERT_TRUE(db.appendNewComp("c", {}, key));
    EXPECT_EQ(key, "000003");
}

TEST(ImagSysServer, KeysStopAtSixDigits)
{
    ImagSysServer db(gbtest::makeTempDir());
    ASSERT_TRUE(db.updateData("XXXXXX", {999998}));
    EXPECT_EQ(db.createNewKey(), "999999");
    // A seventh digit does not fit the key field: no key rather than an old one again.
    EXPECT_EQ(db.createNewKey(), "");
    QString key = "x";
    EXPECT_FALSE(db.appendNewComp("late", {}, key));
    EXPECT_EQ(key, "");
}

TEST(ImagSysServer, TheSystemRecordMissingStopsAppends)
{
    ImagSysServer db(gbtest::makeTempDir());
    ASSERT_TRUE(db.removeRecord("XXXXXX"));
    EXPECT_EQ(db.createNewKey(), "");
    QString key = "x";
    EXPECT_FALSE(db.appendNewHtml("h", {}, key));
    EXPECT_EQ(key, "");
    EXPECT_TRUE(db.getAllHtmlDesc().empty());
}

// Several running copies of the program append at the same time: every record gets its own key.
TEST(ImagSysServer, ConcurrentProgramsNeverShareAKey)
{
    const QString dir = gbtest::makeTempDir();
    { ImagSysServer db(dir); }
    constexpr int kChildren = 4;
    constexpr int kEach = 60;
    std::vector<pid_t> children;
    for (int c = 0; c < kChildren; ++c) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ImagSysServer db(dir);
            QString key;
            for (int i = 0; i < kEach; ++i) {
                if (!db.appendNewBatchEdit(QString("c%1 %2").arg(c).arg(i), {c, i}, key))
                    _exit(2);
            }
            _exit(0);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    ImagSysServer db(dir);
    const gb::DescKeyPairs all = db.getAllBatchDesc();
    ASSERT_EQ(all.size(), size_t(kChildren * kEach));
    std::set<QString> keys;
    for (const auto &[desc, key] : all) {
        keys.insert(key);
        const ValueArray info = db.getInfo(key);
        ASSERT_EQ(info.size(), 2u);
        EXPECT_EQ(desc, QString("c%1 %2").arg(info[0].toInt()).arg(info[1].toInt()));
    }
    EXPECT_EQ(keys.size(), size_t(kChildren * kEach));
    EXPECT_EQ(*keys.rbegin(), QString::number(kChildren * kEach).rightJustified(6, '0'));
}
