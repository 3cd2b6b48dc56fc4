#include "renamer/renamecommand.h"
#include "renamer/renamer.h"

#include <gtest/gtest.h>

using gb::Renamer;
using gb::Value;
using gb::ValueArray;

namespace {

Value insertCmd(int where, int position, int what, const QString &text, int start = 1, int length = 4)
{
    return gb::makeRenameCommand(gb::RenameInsert, {where, position, what, text, start, length});
}

Value deleteCmd(int mode, int start, int count, bool tillEnd, const QString &pattern = QString(), int occurrence = 1,
                int casing = 1)
{
    return gb::makeRenameCommand(gb::RenameDelete, {mode, start, count, tillEnd, pattern, occurrence, casing});
}

Value replaceCmd(int mode, int start, int count, bool tillEnd, const QString &pattern, int occurrence, int casing,
                 int with, const QString &text, int numStart = 1, int numLength = 4)
{
    return gb::makeRenameCommand(gb::RenameReplace,
                                 {mode, start, count, tillEnd, pattern, occurrence, casing, with, text, numStart, numLength});
}

Value casingCmd(int casing)
{
    return gb::makeRenameCommand(gb::RenameCasing, {casing});
}

struct Case {
    const char *what;
    QString fileName;
    ValueArray script;
    int index;
    QString expected;
};

} // namespace

TEST(Renamer, PathParts)
{
    struct {
        QString path, folder, file, base, ext;
    } rows[] = {
        {"/photos/a.b.c.jpg", "/photos/", "a.b.c.jpg", "a.b.c", ".jpg"},
        {"/photos/README", "/photos/", "README", "README", ""},
        {"/photos/.jpg", "/photos/", ".jpg", "", ".jpg"},
        {"plain.png", "", "plain.png", "plain", ".png"},
        {"/dir.x/noext", "/dir.x/", "noext", "noext", ""},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.path.toStdString());
        EXPECT_EQ(Renamer::extractPath(r.path), r.folder);
        EXPECT_EQ(Renamer::extractFile(r.path), r.file);
        EXPECT_EQ(Renamer::fileWithoutExtension(r.file), r.base);
        EXPECT_EQ(Renamer::fileExtension(r.file), r.ext);
    }
}

TEST(Renamer, CommandsOnOneName)
{
    const Case cases[] = {
        // Letter case: the extension keeps its case.
        {"casing 3", "my TRIP.JPG", {casingCmd(3)}, 1, "My trip.JPG"},
        {"casing 1", "my TRIP.JPG", {casingCmd(1)}, 1, "my trip.JPG"},
        {"casing 2", "my TRIP.JPG", {casingCmd(2)}, 1, "MY TRIP.JPG"},
        {"casing 3 digit first", "2005 TRIP.jpg", {casingCmd(3)}, 1, "2005 trip.jpg"},
        {"casing other code", "my TRIP.jpg", {casingCmd(7)}, 1, "my TRIP.jpg"},
        // Insert positions.
        {"insert at 3", "Holiday.jpg", {insertCmd(3, 3, 1, "X")}, 1, "HoXliday.jpg"},
        {"insert at length", "Holiday.jpg", {insertCmd(3, 7, 1, "X")}, 1, "HolidaXy.jpg"},
        {"insert past end 8", "Holiday.jpg", {insertCmd(3, 8, 1, "X")}, 1, "HolidayX.jpg"},
        {"insert past end 99", "Holiday.jpg", {insertCmd(3, 99, 1, "X")}, 1, "HolidayX.jpg"},
        {"insert at 1", "Holiday.jpg", {insertCmd(3, 1, 1, "X")}, 1, "XHoliday.jpg"},
        {"insert at 0 counts as start", "Holiday.jpg", {insertCmd(3, 0, 1, "X")}, 1, "XHoliday.jpg"},
        {"insert start", "Holiday.jpg", {insertCmd(1, 0, 1, "X")}, 1, "XHoliday.jpg"},
        {"insert end", "Holiday.jpg", {insertCmd(2, 0, 1, "X")}, 1, "HolidayX.jpg"},
        {"insert number into empty base", ".jpg", {insertCmd(2, 0, 2, "", 1, 3)}, 1, "001.jpg"},
        {"new insert command", "beach.jpg", {gb::makeRenameCommand(1, gb::newInsertRenameData())}, 3, "beach0003.jpg"},
        // Delete some / all.
        {"delete 3,2", "Holiday.jpg", {deleteCmd(2, 3, 2, false)}, 1, "Hoday.jpg"},
        {"delete 3 till end", "Holiday.jpg", {deleteCmd(2, 3, 0, true)}, 1, "Ho.jpg"},
        {"delete 6,5", "Holiday.jpg", {deleteCmd(2, 6, 5, false)}, 1, "Holid.jpg"},
        {"delete start past end", "Holiday.jpg", {deleteCmd(2, 8, 2, false)}, 1, "Holiday.jpg"},
        {"delete all", "Holiday.jpg", {deleteCmd(1, 0, 0, false)}, 1, ".jpg"},
        {"delete other mode", "Holiday.jpg", {deleteCmd(5, 1, 1, false)}, 1, "Holiday.jpg"},
        // Delete pattern: occurrences and casing.
        {"pattern first", "aXbXc.jpg", {deleteCmd(3, 0, 0, false, "X", 1, 2)}, 1, "abXc.jpg"},
        {"pattern all", "aXbXc.jpg", {deleteCmd(3, 0, 0, false, "X", 2, 2)}, 1, "abc.jpg"},
        {"pattern last", "aXbXc.jpg", {deleteCmd(3, 0, 0, false, "X", 3, 2)}, 1, "aXbc.jpg"},
        {"pattern other occurrence", "aXbXc.jpg", {deleteCmd(3, 0, 0, false, "X", 4, 1)}, 1, "aXbXc.jpg"},
        {"pattern ignore case", "Holiday_IMG.jpg", {deleteCmd(3, 0, 0, false, "img", 1, 1)}, 1, "holiday_.jpg"},
        {"pattern respect case", "Holiday_IMG.jpg", {deleteCmd(3, 0, 0, false, "img", 1, 2)}, 1, "Holiday_IMG.jpg"},
        {"pattern not found lowers", "Beach.jpg", {deleteCmd(3, 0, 0, false, "zz", 1, 1)}, 1, "beach.jpg"},
        {"overlapping last", "aaa.jpg", {deleteCmd(3, 0, 0, false, "aa", 3, 2)}, 1, "a.jpg"},
        // Replace.
        {"replace some 1,3", "Holiday.jpg", {replaceCmd(2, 1, 3, false, "", 1, 1, 1, "Sea")}, 1, "Seaiday.jpg"},
        {"replace 5 till end", "Holiday.jpg", {replaceCmd(2, 5, 0, true, "", 1, 1, 1, "ays")}, 1, "Holiays.jpg"},
        {"replace start past end", "Holiday.jpg", {replaceCmd(2, 9, 1, false, "", 1, 1, 1, "Q")}, 1, "Holiday.jpg"},
        {"replace all by number", "Holiday.jpg", {replaceCmd(1, 0, 0, false, "", 1, 1, 2, "", 1, 3)}, 7, "007.jpg"},
        {"replace pattern ignore", "IMG_Beach.jpg", {replaceCmd(3, 0, 0, false, "img", 1, 1, 1, "Photo")}, 1, "Photo_beach.jpg"},
        {"replace pattern ignores start and count", "IMG_Beach.jpg", {replaceCmd(3, 4, 9, true, "img", 1, 1, 1, "Photo")}, 1, "Photo_beach.jpg"},
        {"replacement not searched again", "ab.jpg", {replaceCmd(3, 0, 0, false, "a", 2, 2, 1, "aa")}, 1, "aab.jpg"},
        // Script order and unknown kinds.
        {"insert then upper", "beach.jpg", {insertCmd(1, 0, 1, "Trip_"), casingCmd(2)}, 1, "TRIP_BEACH.jpg"},
        {"upper then insert", "beach.jpg", {casingCmd(2), insertCmd(1, 0, 1, "Trip_")}, 1, "Trip_BEACH.jpg"},
        {"unknown kind skipped", "beach.jpg", {gb::makeRenameCommand(9, {1}), casingCmd(2)}, 1, "BEACH.jpg"},
        {"empty script", "README", {}, 1, "README"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Renamer(c.script).applyScript(c.fileName, c.index), c.expected);
    }
}

TEST(Renamer, NumberingFollowsListOrder)
{
    struct {
        int start, length;
        QStringList expected;
    } rows[] = {
        {1, 3, {"/p/001.jpg", "/p/002.jpg", "/p/003.jpg"}},
        {98, 2, {"/p/98.jpg", "/p/99.jpg", "/p/100.jpg"}},
        {1, 0, {"/p/1.jpg", "/p/2.jpg", "/p/3.jpg"}},
        {0, 1, {"/p/0.jpg", "/p/1.jpg", "/p/2.jpg"}},
    };
    const QStringList paths = {"/p/c.jpg", "/p/a.jpg", "/p/b.jpg"};
    for (const auto &r : rows) {
        SCOPED_TRACE(r.start);
        const Renamer renamer({replaceCmd(1, 0, 0, false, "", 1, 1, 2, "", r.start, r.length)});
        EXPECT_EQ(renamer.rename(paths), r.expected);
    }
}

TEST(Renamer, RenameKeepsFoldersAndOrder)
{
    const QStringList paths = {"/a/b/Beach.JPG", "noFolder.png", "/x/.hidden"};
    EXPECT_EQ(Renamer().rename(paths), paths);
    EXPECT_EQ(Renamer({casingCmd(2)}).rename(paths),
              QStringList({"/a/b/BEACH.JPG", "NOFOLDER.png", "/x/.hidden"}));
}

TEST(Renamer, DamagedCommandsNeverReadOutOfRange)
{
    // Short, mistyped and empty records read as the new-command values of their kind.
    const ValueArray script = {
        Value(ValueArray{Value(1)}),                            // insert without parameters: number at the end
        Value(ValueArray{Value("x"), Value(ValueArray{})}),     // kind not a number: skipped
        Value(),                                                // not even an array
        gb::makeRenameCommand(gb::RenameDelete, {Value(3)}),    // pattern mode without a pattern
        gb::makeRenameCommand(gb::RenameCasing, {Value("2")}),  // a text where a number belongs: casing 3
    };
    EXPECT_EQ(Renamer(script).applyScript("Beach.jpg", 2), "Beach0002.jpg");
}

TEST(Renamer, KindNamesAndNewCommands)
{
    EXPECT_EQ(gb::renameKindName(1), "Insert characters");
    EXPECT_EQ(gb::renameKindName(2), "Delete characters");
    EXPECT_EQ(gb::renameKindName(3), "Replace characters");
    EXPECT_EQ(gb::renameKindName(4), "Name Casing");
    EXPECT_EQ(gb::renameKindName(5), "");
    EXPECT_EQ(gb::newInsertRenameData().size(), 6u);
    EXPECT_EQ(gb::newDeleteRenameData().size(), 7u);
    EXPECT_EQ(gb::newReplaceRenameData().size(), 11u);
    EXPECT_EQ(gb::newCasingRenameData(), ValueArray{Value(3)});
}
