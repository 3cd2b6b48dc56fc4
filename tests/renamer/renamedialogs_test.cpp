#include "renamer/casingrenwin.h"
#include "renamer/deleterenwin.h"
#include "renamer/insertrenwin.h"
#include "renamer/renamecommand.h"
#include "renamer/replacerenwin.h"
#include "support/scriptedui.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using gb::Value;
using gb::ValueArray;

namespace {

const QString kNoStart = "Please define a valid starting position";
const QString kNoDeleteCount = "Please define no of characters to delete, or select 'Till the end' option";
const QString kNoReplaceCount = "Please define no of characters to replace, or select 'Till the end' option";
const QString kNoText = "Please define a standard text to replace with";

ValueArray deleteData(int mode, int start, int count, bool till, const QString &pattern, int occ, int casing)
{
    return {Value(mode), Value(start), Value(count), Value(till), Value(pattern), Value(occ), Value(casing)};
}

// Whether each field of the Delete dialog is enabled, in the order
// start, count, till the end, pattern, the five occurrence and casing buttons.
std::vector<bool> deleteEnabled(const gb::DeleteRenWin &win)
{
    return {win.startPos()->isEnabled(),    win.noOfChars()->isEnabled(),  win.tillTheEnd()->isEnabled(),
            win.pattern2Delete()->isEnabled(), win.firstOccur()->isEnabled(), win.allOccur()->isEnabled(),
            win.lastOccur()->isEnabled(),   win.ignoreCasing()->isEnabled(), win.respectCasing()->isEnabled()};
}

} // namespace

TEST(RenameDialogs, OkOnANewDialogAtOnce)
{
    gbtest::ScriptedUi ui;
    gb::InsertRenWin insert(nullptr);
    insert.okButton()->click();
    EXPECT_EQ(insert.result(), 1);
    EXPECT_EQ(insert.data(), ValueArray({Value(2), Value(0), Value(2), Value(""), Value(1), Value(4)}));
    EXPECT_EQ(insert.data(), gb::newInsertRenameData());

    gb::CasingRenWin casing(nullptr);
    EXPECT_TRUE(casing.capitalizeButton()->isChecked());
    casing.okButton()->click();
    EXPECT_EQ(casing.data(), ValueArray({Value(3)}));

    // Some Characters is preset, with an empty start position.
    gb::DeleteRenWin del(nullptr);
    del.okButton()->click();
    gb::ReplaceRenWin rep(nullptr);
    rep.okButton()->click();
    EXPECT_EQ(ui.boxTexts(), QStringList({kNoStart, kNoStart}));
    EXPECT_EQ(ui.boxes.at(0).caption, "Error");
    EXPECT_EQ(del.result(), 0);
    EXPECT_EQ(rep.result(), 0);
    EXPECT_TRUE(rep.withGroup().enumeration()->isChecked());
    EXPECT_EQ(rep.withGroup().enumStart()->text(), "1");
    EXPECT_EQ(rep.withGroup().enumLength()->text(), "4");
}

TEST(RenameDialogs, DeleteEnableRulesFollowEveryClick)
{
    gb::DeleteRenWin win(nullptr);
    using V = std::vector<bool>;
    EXPECT_EQ(deleteEnabled(win), V({true, true, true, false, false, false, false, false, false}));
    win.tillTheEnd()->click();
    EXPECT_EQ(deleteEnabled(win), V({true, false, true, false, false, false, false, false, false}));
    win.patternButton()->click();
    EXPECT_EQ(deleteEnabled(win), V({false, false, false, true, true, true, true, true, true}));
    win.allButton()->click();
    EXPECT_EQ(deleteEnabled(win), V(9, false));
    win.someButton()->click();
    win.tillTheEnd()->click();
    EXPECT_EQ(deleteEnabled(win), V({true, true, true, false, false, false, false, false, false}));
}

TEST(RenameDialogs, DeleteAndReplaceOkChecks)
{
    struct Case {
        const char *name;
        std::function<void(gb::DeleteRenWin &)> input;
        QString deleteMessage; // empty: accepted
        QString replaceMessage;
    };
    const std::vector<Case> cases = {
        {"start without count", [](gb::DeleteRenWin &w) { w.startPos()->setText("3"); }, kNoDeleteCount,
         kNoReplaceCount},
        {"start with till the end",
         [](gb::DeleteRenWin &w) {
             w.startPos()->setText("3");
             w.tillTheEnd()->click();
         },
         "", ""},
        {"pattern of blanks",
         [](gb::DeleteRenWin &w) {
             w.patternButton()->click();
             w.pattern2Delete()->setText("   ");
         },
         "Please define a pattern to delete", "Please define a pattern to replace"},
        {"all characters", [](gb::DeleteRenWin &w) { w.allButton()->click(); }, "", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        gbtest::ScriptedUi ui;
        gb::DeleteRenWin del(nullptr);
        c.input(del);
        del.okButton()->click();
        gb::ReplaceRenWin rep(nullptr);
        c.input(rep);
        rep.okButton()->click();
        QStringList expected;
        for (const QString &m : {c.deleteMessage, c.replaceMessage})
            if (!m.isEmpty())
                expected << m;
        EXPECT_EQ(ui.boxTexts(), expected);
        EXPECT_EQ(del.result(), c.deleteMessage.isEmpty() ? 1 : 0);
        EXPECT_EQ(rep.result(), c.replaceMessage.isEmpty() ? 1 : 0);
    }
}

TEST(RenameDialogs, ReplaceShowsBothProblemsOneAfterTheOther)
{
    gbtest::ScriptedUi ui;
    gb::ReplaceRenWin win(nullptr);
    win.withGroup().stdText()->click();
    EXPECT_TRUE(win.withGroup().replaceText()->isEnabled());
    EXPECT_FALSE(win.withGroup().enumStart()->isEnabled());
    win.okButton()->click();
    EXPECT_EQ(ui.boxTexts(), QStringList({kNoStart, kNoText}));
    EXPECT_EQ(win.result(), 0);

    // Fixed, the dialog keeps what was typed and trims the texts.
    win.startPos()->setText("2");
    win.noOfChars()->setText("3");
    win.pattern2Delete()->setText("  ab ");
    win.withGroup().replaceText()->setText("  new ");
    win.okButton()->click();
    EXPECT_EQ(win.result(), 1);
    ValueArray expected = deleteData(2, 2, 3, false, "ab", 1, 1);
    expected.insert(expected.end(), {Value(1), Value("new"), Value(1), Value(4)});
    EXPECT_EQ(win.data(), expected);
}

TEST(RenameDialogs, InsertChecksPositionAndTextIndependently)
{
    gbtest::ScriptedUi ui;
    gb::InsertRenWin win(nullptr);
    EXPECT_FALSE(win.position()->isEnabled());
    EXPECT_FALSE(win.whatGroup().replaceText()->isEnabled());
    win.certainPosition()->click();
    win.whatGroup().stdText()->click();
    EXPECT_TRUE(win.position()->isEnabled());
    EXPECT_TRUE(win.whatGroup().replaceText()->isEnabled());
    EXPECT_FALSE(win.whatGroup().enumLength()->isEnabled());
    win.okButton()->click();
    EXPECT_EQ(ui.boxTexts(), QStringList({"Please define a valid position", kNoText}));
    EXPECT_EQ(win.result(), 0);

    // Two digits at most in the position, four in the numbers.
    QTest::keyClicks(win.position(), "123");
    EXPECT_EQ(win.position()->text(), "12");
    win.whatGroup().replaceText()->setText(" IMG ");
    win.whatGroup().enumeration()->click();
    win.whatGroup().enumStart()->clear();
    QTest::keyClicks(win.whatGroup().enumStart(), "98765x");
    EXPECT_EQ(win.whatGroup().enumStart()->text(), "9876");
    win.okButton()->click();
    // The unused text is kept, trimmed, for the next edit.
    EXPECT_EQ(win.data(), ValueArray({Value(3), Value(12), Value(2), Value("IMG"), Value(9876), Value(4)}));
}

TEST(RenameDialogs, EditingShowsTheStoredSlotsAndGivesThemBack)
{
    // Every slot is kept whatever the mode, so Ok at once returns the stored array.
    struct Case {
        int kind;
        ValueArray data;
    };
    ValueArray replace = deleteData(1, 4, 0, true, "x", 3, 2);
    replace.insert(replace.end(), {Value(1), Value("y"), Value(7), Value(2)});
    const std::vector<Case> cases = {
        {gb::RenameInsert, {Value(1), Value(5), Value(1), Value("pre"), Value(0), Value(0)}},
        {gb::RenameDelete, deleteData(3, 0, 5, false, "abc", 2, 2)},
        {gb::RenameReplace, replace},
        {gb::RenameCasing, {Value(2)}},
        {gb::RenameCasing, {Value(1)}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.kind);
        std::unique_ptr<gb::RenameDialog> win;
        switch (c.kind) {
        case gb::RenameInsert: win = std::make_unique<gb::InsertRenWin>(nullptr, c.data); break;
        case gb::RenameDelete: win = std::make_unique<gb::DeleteRenWin>(nullptr, c.data); break;
        case gb::RenameReplace: win = std::make_unique<gb::ReplaceRenWin>(nullptr, c.data); break;
        default: win = std::make_unique<gb::CasingRenWin>(nullptr, c.data); break;
        }
        win->okButton()->click();
        EXPECT_EQ(win->result(), 1);
        EXPECT_EQ(win->data(), c.data);
    }

    // A command saved in pattern mode shows its start and count as stored, disabled.
    gb::DeleteRenWin pattern(nullptr, deleteData(3, 0, 5, false, "abc", 2, 2));
    EXPECT_EQ(pattern.startPos()->text(), "0");
    EXPECT_EQ(pattern.noOfChars()->text(), "5");
    EXPECT_FALSE(pattern.startPos()->isEnabled());
    EXPECT_TRUE(pattern.allOccur()->isChecked());
    EXPECT_TRUE(pattern.respectCasing()->isChecked());
}

TEST(RenameDialogs, CancelAndTheCloseBoxEndWithMinusOne)
{
    gb::InsertRenWin insert(nullptr);
    insert.cancelButton()->click();
    EXPECT_EQ(insert.result(), -1);
    gb::CasingRenWin casing(nullptr);
    casing.show();
    casing.close();
    EXPECT_EQ(casing.result(), -1);
}
