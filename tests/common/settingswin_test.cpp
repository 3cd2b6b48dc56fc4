#include "common/imagsysserver.h"
#include "common/newkeywordwin.h"
#include "common/settingswin.h"
#include "support/enterkey.h"
#include "support/scriptedui.h"
#include "support/testutil.h"
#include "support/modal.h"
#include "support/windowlook.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <functional>

using gb::ImagSysServer;
using gb::SettingsWin;
using gb::ValueArray;

namespace {

// A fresh settings database installed as the program's one for the test's lifetime.
struct FreshDatabase {
    ImagSysServer db{gbtest::makeTempDir()};
    FreshDatabase() { gb::setGoSysServer(&db); }
    ~FreshDatabase() { gb::setGoSysServer(nullptr); }
};

QStringList listed(const SettingsWin &win)
{
    QStringList texts;
    for (int i = 0; i < win.settings()->count(); ++i)
        texts << win.settings()->item(i)->text();
    return texts;
}

void select(SettingsWin &win, const QString &text)
{
    const auto items = win.settings()->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1);
    win.settings()->setCurrentItem(items[0]);
}

} // namespace

TEST(SettingsWin, ListsOneKindAlphabeticallyRegardlessOfCase)
{
    FreshDatabase fresh;
    QString key;
    fresh.db.appendNewRenamer("zebra", {}, key);
    fresh.db.appendNewRenamer("Apple", {}, key);
    fresh.db.appendNewHtml("gallery", {}, key);
    fresh.db.appendNewRenamer("mango", {}, key);
    SettingsWin win(nullptr, "RENAME");
    EXPECT_EQ(listed(win), QStringList({"Apple", "mango", "zebra"}));
    SettingsWin html(nullptr, "HTML");
    EXPECT_EQ(listed(html), QStringList({"gallery"}));
    SettingsWin batch(nullptr, "BE");
    EXPECT_TRUE(listed(batch).isEmpty());
}

TEST(SettingsWin, NothingSelectedOnlyShowsTheErrorBoxes)
{
    FreshDatabase fresh;
    gbtest::ScriptedUi ui;
    SettingsWin win(nullptr, "BE");
    win.show();
    win.loadButton()->click();
    win.removeButton()->click();
    EXPECT_EQ(ui.boxTexts(), QStringList({"Select settings to load", "Select settings to remove"}));
    EXPECT_EQ(ui.boxes.at(0).caption, "Error");
    EXPECT_TRUE(win.isVisible());
    EXPECT_TRUE(win.key().isEmpty());
}

TEST(SettingsWin, EnterInTheListPressesLoad)
{
    FreshDatabase fresh;
    gbtest::ScriptedUi ui;
    SettingsWin win(nullptr, "BE");
    EXPECT_EQ(gbtest::buttonsPressedByEnter(win, win.settings()), QStringList{"Load"});
    EXPECT_EQ(ui.boxTexts(), QStringList{"Select settings to load"});
}

// The list opens with its first entry chosen, not only framed by the focus: Enter loads it.
TEST(SettingsWin, EnterLoadsTheFirstEntryAsTheListOpens)
{
    FreshDatabase fresh;
    QString only, first;
    fresh.db.appendNewRenamer("only script", {7}, only);
    fresh.db.appendNewHtml("zebra", {1}, first);
    fresh.db.appendNewHtml("Apple", {2}, first);
    const struct {
        const char *kind;
        QString key;
        ValueArray settings;
    } cases[] = {{"RENAME", only, {7}}, {"HTML", first, {2}}};
    for (const auto &c : cases) {
        gbtest::ScriptedUi ui;
        gbtest::whenModal([](QDialog *d) {
            auto *win = qobject_cast<SettingsWin *>(d);
            ASSERT_NE(win, nullptr);
            gbtest::look(QStringLiteral("load-list-") + win->settings()->item(0)->text());
            EXPECT_EQ(gbtest::buttonsPressedByEnter(*win, win->settings()), QStringList{"Load"});
            if (win->isVisible())
                win->pbCancel();
        });
        QString key;
        EXPECT_EQ(gb::loadSettings(nullptr, c.kind, key), c.settings) << c.kind;
        EXPECT_EQ(key, c.key) << c.kind;
        EXPECT_EQ(ui.boxTexts(), QStringList()) << c.kind;
    }
}

TEST(SettingsWin, RemoveDeletesAtOnceAndRefillsTheList)
{
    FreshDatabase fresh;
    QString a, b;
    fresh.db.appendNewRenamer("first script", {1}, a);
    fresh.db.appendNewRenamer("second script", {2}, b);
    gbtest::ScriptedUi ui;
    SettingsWin win(nullptr, "RENAME");
    select(win, "first script");
    win.removeButton()->click();
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(listed(win), QStringList({"second script"}));
    EXPECT_EQ(win.settings()->selectedItems().size(), 0);
    EXPECT_EQ(fresh.db.getDesc(a), "");
    EXPECT_EQ(fresh.db.getInfo(b), ValueArray{2});
}

TEST(SettingsWin, LoadSettingsGivesTheRecordOrNothing)
{
    FreshDatabase fresh;
    QString stored;
    fresh.db.appendNewPrin("A4 layout", {"A4", 2, true}, stored);
    fresh.db.appendNewPrin("Letter", {"Letter"}, stored);
    fresh.db.appendNewPrin("A5 layout", {"A5"}, stored);

    QString key = "unchanged";
    gbtest::whenModal([](QWidget *w) {
        auto *win = qobject_cast<SettingsWin *>(w);
        ASSERT_NE(win, nullptr);
        EXPECT_EQ(win->windowTitle(), "Saved Settings");
        select(*win, "A4 layout");
        win->cancelButton()->click();
    });
    EXPECT_EQ(gb::loadSettings(nullptr, "PRIN", key), ValueArray{});
    EXPECT_EQ(key, "unchanged");

    gbtest::whenModal([](QWidget *w) {
        auto *win = qobject_cast<SettingsWin *>(w);
        ASSERT_NE(win, nullptr);
        select(*win, "A4 layout");
        win->loadButton()->click();
    });
    EXPECT_EQ(gb::loadSettings(nullptr, "PRIN", key), (ValueArray{"A4", 2, true}));
    EXPECT_EQ(key, "000001");
}

TEST(NewKeywordWin, AcceptsOnlyATextWithoutSurroundingBlanks)
{
    gb::NewKeywordWin prompt;
    EXPECT_EQ(prompt.windowTitle(), "Enter new keyword ...");
    EXPECT_TRUE(prompt.keyword().isNull());
    prompt.show();
    prompt.keyEdit()->setText("    ");
    prompt.okButton()->click();
    EXPECT_TRUE(prompt.isVisible());
    EXPECT_TRUE(prompt.keyword().isEmpty());

    gb::NewKeywordWin named;
    named.setWindowTitle("Settings Description ...");
    gbtest::whenModal([](QWidget *w) {
        auto *win = qobject_cast<gb::NewKeywordWin *>(w);
        ASSERT_NE(win, nullptr);
        win->keyEdit()->setText("  Holiday 2001  ");
        win->okButton()->click();
    });
    EXPECT_EQ(named.exec(), 1);
    EXPECT_EQ(named.keyword(), "Holiday 2001");

    gb::NewKeywordWin cancelled;
    gbtest::whenModal([](QWidget *w) {
        auto *win = qobject_cast<gb::NewKeywordWin *>(w);
        ASSERT_NE(win, nullptr);
        win->keyEdit()->setText("ignored");
        win->cancelButton()->click();
    });
    EXPECT_EQ(cancelled.exec(), -1);
    EXPECT_TRUE(cancelled.keyword().isNull());
}
