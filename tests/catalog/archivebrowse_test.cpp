#include "catalog/archivebrowse.h"
#include "catalog/archivesearch.h"
#include "catalog/openarchive.h"
#include "common/drives.h"
#include "catalogfixture.h"
#include "support/scriptedui.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QMap>

using namespace gb;
using gbtest::CatalogImage;

namespace {

class Browse : public ::testing::Test
{
protected:
    void SetUp() override
    {
        server = createNewArchive(nullptr, gbtest::freshStem());
        ASSERT_TRUE(server);
    }
    void add(const QString &media, const QString &label, const QString &folder, const QString &file,
             gb::ValueArray keys = {}, const QString &comments = {})
    {
        ASSERT_TRUE(gbtest::addImage(*server, {media, label, folder, file, keys, comments, QByteArray("jpeg:" + file.toUtf8())}));
    }
    std::unique_ptr<ArchServer> server;
};

const QString kLong = "/" + QString(55, 'p');

} // namespace

TEST_F(Browse, VolumeTableGroupsByMediaLabelAndFolder)
{
    EXPECT_TRUE(buildVolumeTable(*server)[0].empty());
    add("1", "DISK", "/b/", "1.jpg");
    add("1", " DISK ", "/a/", "2.jpg");   // blanks at the ends do not count
    add("1", "DISK", "/a/", "3.jpg");     // a folder shows once
    add("1", "disk", "/", "4.jpg");       // letter case makes another volume
    add("3", "DISK", "/cd/", "5.jpg");    // the same label on a CD is another node
    add("1", "DISK", "/a/sub/", "6.jpg"); // sub-folders are siblings
    add("1", "DISK", "/Beta/", "7.jpg");  // folders sort ignoring case

    const VolumeTable t = buildVolumeTable(*server);
    ASSERT_EQ(t[0].size(), 2u);
    EXPECT_EQ(t[0][0].label, "DISK");
    EXPECT_EQ(t[0][0].folders, QStringList({"/a/", "/a/sub/", "/b/", "/Beta/"}));
    EXPECT_EQ(t[0][1].label, "disk");
    EXPECT_EQ(t[0][1].folders, QStringList{"/"});
    EXPECT_TRUE(t[1].empty());
    ASSERT_EQ(t[2].size(), 1u);
    EXPECT_EQ(t[2][0].folders, QStringList{"/cd/"});

    // A folder whose images were all removed leaves the table.
    EXPECT_EQ(removeRecords(*server, "1", "DISK", {"/b/1.jpg"}), 0);
    EXPECT_EQ(buildVolumeTable(*server)[0][0].folders, QStringList({"/a/", "/a/sub/", "/Beta/"}));
}

TEST_F(Browse, FoldersLongerThanTheirFieldShowWholeAndListTheirImages)
{
    // PATH keeps 50 bytes: the subfolders' cut PATH ends in a blank and in the parent's "/",
    // once because the cut fell inside a letter of two bytes, once after a blank.
    const QString parent = "/" + QString(47, 'a') + "/";
    const QStringList folders = {parent, parent + " x/", parent + "été/"};
    for (const QString &folder : folders)
        add("1", "DISK", folder, "in " + folder.section('/', -2, -2) + ".jpg");

    const VolumeTable t = buildVolumeTable(*server);
    ASSERT_EQ(t[0].size(), 1u);
    EXPECT_EQ(t[0][0].folders, folders);
    for (const QString &folder : folders) {
        const auto images = listFolderImages(*server, "1", "DISK", folder);
        ASSERT_EQ(images.size(), 1u) << folder.toStdString();
        EXPECT_EQ(images[0].fileName, "in " + folder.section('/', -2, -2) + ".jpg");
    }
}

TEST_F(Browse, FolderListingHoldsOnlyItsOwnImages)
{
    add("1", "DISK", kLong + "x/", "a.jpg");
    add("1", "DISK", kLong + "y/", "b.jpg");
    add("1", "DISK", kLong + "x/deeper/", "c.jpg");
    add("2", "DISK", kLong + "x/", "d.jpg");
    const auto images = listFolderImages(*server, "1", "DISK", kLong + "x/");
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].fileName, "a.jpg");
    EXPECT_EQ(images[0].thumbnail, "jpeg:a.jpg");
    EXPECT_TRUE(listFolderImages(*server, "", "", "").empty());
}

TEST_F(Browse, AddingKeywordsAppendsOnlyNewOnes)
{
    add("1", "DISK", "/a/", "1.jpg", {Value("Sea"), Value("sun")});
    add("1", "DISK", "/a/", "2.jpg");
    addKeywordsToRecords(*server, "1", "DISK", {"/a/1.jpg", "/a/2.jpg", "/a/none.jpg"}, {"sun", "sea", "sea"});
    ASSERT_TRUE(server->locateRec("1", "DISK", "/a/1.jpg"));
    EXPECT_EQ(keysOf(server->fieldGet("KEYS")), QStringList({"Sea", "sun", "sea"}));
    ASSERT_TRUE(server->locateRec("1", "DISK", "/a/2.jpg"));
    EXPECT_EQ(keysOf(server->fieldGet("KEYS")), QStringList({"sun", "sea"}));
}

TEST_F(Browse, InformationIsWrittenOnlyWhereItChanged)
{
    add("1", "DISK", "/a/", "1.jpg", {Value("b"), Value("a")}, "line one\r\nline two");
    ASSERT_TRUE(server->locateRec("1", "DISK", "/a/1.jpg"));
    const ImageRecordInfo before = readRecordInfo(*server);
    EXPECT_EQ(before.keywords, QStringList({"b", "a"}));
    InfoWrites w = storeRecordInfo(*server, before, {"b", "a"}, "line one\r\nline two");
    EXPECT_FALSE(w.keys);
    EXPECT_FALSE(w.comments);
    w = storeRecordInfo(*server, before, {"b", "a"}, "new");
    EXPECT_FALSE(w.keys);
    EXPECT_TRUE(w.comments);
    // The list's sorted order counts as a change.
    w = storeRecordInfo(*server, before, {"a", "b"}, before.comments);
    EXPECT_TRUE(w.keys);
}

TEST_F(Browse, DamagedMemosReadAsEmpty)
{
    add("1", "DISK", "/a/", "1.jpg");
    ASSERT_TRUE(server->locateRec("1", "DISK", "/a/1.jpg"));
    server->fieldPut("KEYS", Value::bytes("\x01\x02garbage"));
    server->fieldPut("RGB", QString("not bytes"));
    server->commit();
    ASSERT_TRUE(server->locateRec("1", "DISK", "/a/1.jpg"));
    const ImageRecordInfo info = readRecordInfo(*server);
    EXPECT_TRUE(info.keywords.isEmpty());
    EXPECT_EQ(keysOf(Value(ValueArray{Value(3), Value("ok")})), QStringList{"ok"});
}

TEST(CatalogNumbers, DamagedSizesReadWithinTheirRange)
{
    // SIZE is decimal text; a damaged one may read as a number far past any file size.
    const QString stem = gbtest::freshStem();
    const struct { const char *stored; qint64 size; } rows[] = {
        {"    1e300", INT64_MAX}, {"   -1e300", INT64_MIN}, {"      inf", INT64_MAX}, {"      nan", 0},
    };
    {
        auto server = createNewArchive(nullptr, stem);
        ASSERT_TRUE(server);
        for (int i = 0; i < 4; ++i) {
            ASSERT_TRUE(gbtest::addImage(*server, {"1", "DISK", "/a/", QString("%1.jpg").arg(i), {}, {}, {}}));
            server->fieldPut("SIZE", 987654320 + i);
            ASSERT_TRUE(server->commit());
        }
    }
    QFile table(stem + ".dbf");
    ASSERT_TRUE(table.open(QIODevice::ReadWrite));
    QByteArray bytes = table.readAll();
    for (int i = 0; i < 4; ++i) {
        const qsizetype at = bytes.indexOf(QByteArray::number(987654320 + i));
        ASSERT_GE(at, 0);
        bytes.replace(at, 9, rows[i].stored);
    }
    ASSERT_TRUE(table.seek(0) && table.write(bytes) == bytes.size());
    table.close();

    auto server = openArchive(nullptr, stem);
    ASSERT_TRUE(server);
    QMap<QString, qint64> searched;
    SearchCriteria c;
    c.mediaTypes = {"1"};
    c.imageTypes = {"JPG"};
    searchArchive(*server, c, [&](const SearchRecord &r) { searched[r.fullPath] = r.size; }, {});
    for (int i = 0; i < 4; ++i) {
        const QString path = QString("/a/%1.jpg").arg(i);
        ASSERT_TRUE(server->locateRec("1", "DISK", path));
        EXPECT_EQ(readRecordInfo(*server).size, rows[i].size) << rows[i].stored;
        EXPECT_EQ(searched.value(path), rows[i].size) << rows[i].stored;
    }
}

TEST(DriveOfVolume, AsksUntilTheVolumeIsThereOrTheUserCancels)
{
    gbtest::ScriptedUi ui;
    setVolumeLabel("/", "ROOTVOL");
    EXPECT_EQ(getDriveFromVolume(nullptr, "ROOTVOL"), "/");
    EXPECT_TRUE(ui.boxes.empty());

    // OK looks again; Cancel gives up.
    ui.boxAnswers = {UiSeam::ResultOk, UiSeam::ResultCancel};
    EXPECT_EQ(getDriveFromVolume(nullptr, "ELSEWHERE"), "");
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[0].caption, "Volume not present");
    EXPECT_EQ(ui.boxes[0].text, "Insert disk with label: \n\rELSEWHERE\n\r in any drive ...");

    setVolumeLabel("/", QString());
}

// The user inserts the disk while the question is open, then presses OK.
struct InsertingUi : gbtest::ScriptedUi
{
    int textBox(QWidget *owner, const QString &caption, const QString &text, unsigned type) override
    {
        setVolumeLabel("/", "LATEVOL");
        return gbtest::ScriptedUi::textBox(owner, caption, text, type);
    }
};

TEST(DriveOfVolume, DiskInsertedAfterThePromptIsFound)
{
    InsertingUi ui;
    ui.boxAnswers = {UiSeam::ResultOk};
    EXPECT_EQ(getDriveFromVolume(nullptr, "LATEVOL"), "/");
    EXPECT_EQ(ui.boxes.size(), 1u);
    setVolumeLabel("/", QString());
}
