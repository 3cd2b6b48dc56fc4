#include "common/imagelistfiles.h"
#include "support/scriptedui.h"
#include "support/testutil.h"

#include <gtest/gtest.h>

#include <QDir>

using namespace gb;

TEST(ImageListFiles, ListIsWrittenExactlyAndReadBack)
{
    const QString dir = gbtest::makeTempDir();
    gbtest::ScriptedUi ui;
    ui.saveAnswers = {dir + "/list"};
    ASSERT_TRUE(saveImageList(nullptr, {"/a.jpg", "/b c/d.png"}));
    EXPECT_EQ(ui.dialogs.at(0).caption, "Save Image List ...");
    const QByteArray bytes = gbtest::readFile(dir + "/list.ifl");
    EXPECT_EQ(bytes, QByteArray("/a.jpg\r\n/b c/d.png\r\n"));
    EXPECT_EQ(bytes.size(), 20);

    ui.openAnswers = {QStringList{dir + "/list.ifl"}};
    EXPECT_EQ(getImageList(nullptr), (QStringList{"/a.jpg", "/b c/d.png"}));
    EXPECT_EQ(ui.dialogs.at(1).caption, "Select an Image File List");
    EXPECT_EQ(QDir(dir).entryList(QDir::Files), QStringList{"list.ifl"});
}

TEST(ImageListFiles, ListReadingKeepsBlankLinesAndAnyLineEnd)
{
    EXPECT_EQ(decodeImageList("/a.jpg\r\n\r\n/b.jpg\r\n"), (QStringList{"/a.jpg", "", "/b.jpg"}));
    EXPECT_EQ(decodeImageList("/a.jpg\n/b.jpg\r/c.jpg"), (QStringList{"/a.jpg", "/b.jpg", "/c.jpg"}));
    EXPECT_EQ(decodeImageList(QString::fromUtf8("/fotos/ñandú.jpg\r\n").toUtf8()),
              QStringList{QString::fromUtf8("/fotos/ñandú.jpg")});
    EXPECT_TRUE(decodeImageList("").isEmpty());
}

TEST(ImageListFiles, NothingAskedForEmptyListsAndCancelAndMissingFilesGiveNothing)
{
    gbtest::ScriptedUi ui;
    EXPECT_TRUE(saveImageList(nullptr, {}));
    EXPECT_TRUE(saveComments(nullptr, {}));
    EXPECT_TRUE(ui.dialogs.empty());

    EXPECT_FALSE(saveImageList(nullptr, {"/a.jpg"})); // cancelled
    EXPECT_TRUE(getImageList(nullptr).isEmpty());     // cancelled
    ui.openAnswers = {QStringList{"/no/such/list.ifl"}};
    EXPECT_TRUE(getImageList(nullptr).isEmpty());
    EXPECT_TRUE(readCommentsFile(nullptr).empty()); // cancelled: no box
    EXPECT_TRUE(ui.boxes.empty());
}

TEST(ImageListFiles, UnwritableTargetShowsTheBoxAndKeepsNothingHalfWritten)
{
    const QString dir = gbtest::makeTempDir();
    gbtest::ScriptedUi ui;
    ui.saveAnswers = {dir + "/missing/list.ifl"};
    EXPECT_FALSE(saveImageList(nullptr, {"/a.jpg"}));
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "Error");
    EXPECT_TRUE(ui.boxes[0].text.startsWith("Unable to create file: " + dir + "/missing/list.ifl\r\n"));
}

TEST(ImageListFiles, CommentsRoundTripWithLineBreaks)
{
    const QString dir = gbtest::makeTempDir();
    gbtest::ScriptedUi ui;
    const std::vector<CommentEntry> entries = {
        {"/p/a.jpg", "", "first\r\nsecond"},
        {"/p/b.jpg", "Beach", ""},
        {"/p/c.jpg", "Trailing", "ends with a break\r\n"},
    };
    ui.saveAnswers = {dir + "/notes"};
    ASSERT_TRUE(saveComments(nullptr, entries));
    EXPECT_EQ(ui.dialogs.at(0).caption, "Save Image Comments File ...");
    const QByteArray bytes = gbtest::readFile(dir + "/notes.icf");
    EXPECT_TRUE(bytes.startsWith("Glimmerbox Ver. 2.1 Image Comments File\r\n"
                                 "/p/a.jpg\r\n\r\nfirst\r\nsecond\r\n</eor>\r\n"
                                 "/p/b.jpg\r\nBeach\r\n\r\n</eor>\r\n"));

    ui.openAnswers = {QStringList{dir + "/notes.icf"}};
    EXPECT_EQ(readCommentsFile(nullptr), entries);
    EXPECT_EQ(ui.dialogs.at(1).caption, "Select an Image Comments File");
}

TEST(ImageListFiles, CommentsFilesThatAreRefusedOrCutShort)
{
    const QString dir = gbtest::makeTempDir();
    gbtest::ScriptedUi ui;
    const struct {
        const char *name;
        QByteArray bytes;
    } refused[] = {
        {"blank.icf", "Glimmerbox Ver. 2.1 Image Comments File \r\n/a.jpg\r\nt\r\nc\r\n</eor>\r\n"},
        {"empty.icf", ""},
        {"other.icf", "Some other file\r\n"},
    };
    for (const auto &r : refused) {
        gbtest::writeFile(dir + "/" + r.name, r.bytes);
        ui.openAnswers = {QStringList{dir + "/" + r.name}};
        EXPECT_TRUE(readCommentsFile(nullptr).empty()) << r.name;
    }
    ui.openAnswers = {QStringList{dir + "/none.icf"}};
    EXPECT_TRUE(readCommentsFile(nullptr).empty());
    EXPECT_EQ(ui.boxTexts(), QStringList(4, "Unrecognized Comments File Format."));

    std::vector<CommentEntry> entries;
    ASSERT_TRUE(decodeComments("Glimmerbox Ver. 2.1 Image Comments File\r\n"
                               "/a.jpg\r\nA\r\none\r\n</eor>\r\n"
                               "/b.jpg\r\nB\r\nline 1\r\nline 2\r\n",
                               entries));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1], (CommentEntry{"/b.jpg", "B", "line 1\r\nline 2"}));
    ASSERT_TRUE(decodeComments("Glimmerbox Ver. 2.1 Image Comments File\r\n/c.jpg\r\n", entries));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0], (CommentEntry{"/c.jpg", "", ""}));
}
