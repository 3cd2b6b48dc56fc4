// The filter list and the two filter editors, over a fresh settings database.
#include "actions/addfilterwin.h"
#include "actions/filterswin.h"
#include "common/imagsysserver.h"
#include "support/modalscript.h"
#include "support/scriptedui.h"
#include "support/testutil.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace gb;

namespace {

struct FreshDatabase {
    ImagSysServer db{gbtest::makeTempDir()};
    FreshDatabase() { setGoSysServer(&db); }
    ~FreshDatabase() { setGoSysServer(nullptr); }
};

QStringList listed(const FiltersWin &win)
{
    QStringList texts;
    for (int i = 0; i < win.filters()->count(); ++i)
        texts << win.filters()->item(i)->text();
    return texts;
}

void select(FiltersWin &win, const QString &text)
{
    const auto items = win.filters()->findItems(text, Qt::MatchExactly);
    ASSERT_FALSE(items.isEmpty()) << text.toStdString();
    items.first()->setSelected(true);
}

int press(QDialog &dialog, const char *name)
{
    dialog.setResult(0);
    dialog.findChild<QPushButton *>(QString::fromLatin1(name))->click();
    return dialog.result();
}

void click(QDialog *dialog, const char *name)
{
    dialog->findChild<QPushButton *>(QString::fromLatin1(name))->click();
}

UserFilter sampleFilter()
{
    UserFilter f;
    f.coefficients = {1, 2, 3, 4, 5.5, 6, 7, 8, -9.25};
    f.blue = false;
    f.zeroOthers = true;
    f.factor = 2.5;
    return f;
}

} // namespace

TEST(AddFilterWin, NewMatrixFilterAndTheChannelRule)
{
    AddFilterWin dlg(nullptr);
    EXPECT_EQ(dlg.windowTitle(), "Dialog Caption");
    for (int n = 1; n <= 9; ++n)
        EXPECT_EQ(dlg.coef(n)->text(), "0.00") << n;
    EXPECT_EQ(dlg.factor()->text(), "1.00");
    EXPECT_TRUE(dlg.check("RED")->isChecked() && dlg.check("GREEN")->isChecked() && dlg.check("BLUE")->isChecked());
    EXPECT_FALSE(dlg.check("ZERO")->isChecked());
    EXPECT_FALSE(dlg.check("ZERO")->isEnabled());
    EXPECT_FALSE(dlg.check("FEEDBACK")->isChecked());

    dlg.check("BLUE")->click();
    EXPECT_TRUE(dlg.check("ZERO")->isEnabled());
    dlg.check("ZERO")->click();
    dlg.check("BLUE")->click();
    EXPECT_FALSE(dlg.check("ZERO")->isEnabled());
    EXPECT_TRUE(dlg.check("ZERO")->isChecked()) << "disabling keeps the tick";

    dlg.filterDesc()->setText("   ");
    EXPECT_EQ(press(dlg, "PBOK"), 1);
    EXPECT_EQ(dlg.description(), "Without Description");
    UserFilter expected;
    expected.zeroOthers = true;
    EXPECT_EQ(dlg.results(), expected);
}

TEST(AddFilterWin, StoredFilterComesBackUnchangedAndFieldsTakeTwoDecimals)
{
    const UserFilter stored = sampleFilter();
    AddFilterWin dlg(nullptr, Value(ValueArray{"Edges", stored.toValue()}));
    EXPECT_EQ(dlg.filterDesc()->text(), "Edges");
    EXPECT_EQ(dlg.coef(5)->text(), "5.50");
    EXPECT_EQ(dlg.coef(9)->text(), "-9.25");
    EXPECT_TRUE(dlg.check("ZERO")->isEnabled());
    EXPECT_TRUE(dlg.check("ZERO")->isChecked());
    EXPECT_NE(dlg.coef(5)->palette().color(QPalette::Base), dlg.coef(4)->palette().color(QPalette::Base));
    dlg.filterDesc()->setText("  Edges 2  ");
    EXPECT_EQ(press(dlg, "PBOK"), 1);
    EXPECT_EQ(dlg.description(), "Edges 2");
    EXPECT_EQ(dlg.results(), stored);

    dlg.coef(1)->clear();
    QTest::keyClicks(dlg.coef(1), "12.3456");
    EXPECT_EQ(dlg.coef(1)->text(), "12.34");
    dlg.factor()->clear();
    EXPECT_EQ(press(dlg, "PBOK"), 1);
    EXPECT_DOUBLE_EQ(dlg.results().coefficients[0], 12.34);
    EXPECT_DOUBLE_EQ(dlg.results().factor, 0.0);
    EXPECT_EQ(press(dlg, "PBCANCEL"), -1);

    // A damaged record opens as far as it reads, the rest at the defaults.
    AddFilterWin damaged(nullptr, Value(ValueArray{"Bad", Value(ValueArray{"x", 1e9})}));
    EXPECT_EQ(damaged.coef(1)->text(), "0.00");
    EXPECT_EQ(damaged.factor()->text(), "1.00");
}

TEST(AddFilterWin_1, NewAndStoredConvolutionFilters)
{
    AddFilterWin_1 fresh(nullptr);
    EXPECT_EQ(fresh.windowTitle(), "");
    EXPECT_EQ(fresh.coef(25)->text(), "0.00");
    EXPECT_EQ(fresh.level()->text(), "1.00");
    EXPECT_EQ(press(fresh, "PBOK"), 1);
    EXPECT_EQ(fresh.results(), UserConvFilter());
    EXPECT_EQ(fresh.results().toValue().at(0).size(), 49);

    UserConvFilter stored;
    for (int i = 0; i < 49; ++i)
        stored.coefficients[size_t(i)] = (i % 7) - 3.5;
    stored.level = 4.25;
    AddFilterWin_1 dlg(nullptr, Value(ValueArray{"Blur 7", stored.toValue()}));
    EXPECT_EQ(dlg.coef(1)->text(), "-3.50");
    EXPECT_EQ(dlg.coef(49)->text(), "2.50");
    EXPECT_EQ(press(dlg, "PBOK"), 1);
    EXPECT_EQ(dlg.results(), stored);
    EXPECT_EQ(dlg.description(), "Blur 7");
}

TEST(FiltersWin, EmptyListRefusesEveryChoice)
{
    FreshDatabase fresh;
    gbtest::ScriptedUi ui;
    FiltersWin dlg(nullptr, true);
    EXPECT_EQ(dlg.windowTitle(), "Available Filters ...");
    EXPECT_EQ(dlg.filters()->count(), 0);
    EXPECT_EQ(press(dlg, "PBAPPLY"), 0);
    press(dlg, "PBEDIT");
    press(dlg, "PBDELETE");
    EXPECT_EQ(ui.boxTexts(), (QStringList{"Select a filter", "Select a filter", "Select a filter"}));
    EXPECT_EQ(ui.boxes.at(0).caption, "Error");
}

TEST(FiltersWin, ListsOneKindSortedAndAppliesTheSelectedKey)
{
    FreshDatabase fresh;
    QString kZebra, kApple, kConv, kApple2;
    fresh.db.appendNewFilter("zebra", UserFilter().toValue().array(), kZebra);
    fresh.db.appendNewFilter("Apple", UserFilter().toValue().array(), kApple);
    fresh.db.appendNewCFilter("Apple", UserConvFilter().toValue().array(), kConv);
    fresh.db.appendNewFilter("Apple", sampleFilter().toValue().array(), kApple2);

    FiltersWin matrix(nullptr, true);
    EXPECT_EQ(listed(matrix), (QStringList{"Apple", "Apple", "zebra"}));
    select(matrix, "zebra");
    EXPECT_EQ(press(matrix, "PBAPPLY"), 1);
    EXPECT_EQ(matrix.filterKey(), kZebra);

    FiltersWin conv(nullptr, false);
    EXPECT_EQ(conv.windowTitle(), "Available Convolution Filters ...");
    EXPECT_EQ(listed(conv), QStringList{"Apple"});
    EXPECT_EQ(press(conv, "PBCANCEL"), -1);
}

TEST(FiltersWin, NewEditAndDeleteChangeTheDatabaseAtOnce)
{
    FreshDatabase fresh;
    gbtest::ScriptedUi ui;
    gbtest::ModalScript script;
    script.steps = {
        [](QDialog *d) { // New: a cancelled editor adds nothing
            click(d, "PBCANCEL");
        },
        [](QDialog *d) { // New
            d->findChild<QLineEdit *>("FILTERDESC")->setText("Sharpen 3");
            d->findChild<QLineEdit *>("COEF5")->setText("9");
            click(d, "PBOK");
        },
        [](QDialog *d) { // Edit
            EXPECT_EQ(d->findChild<QLineEdit *>("FILTERDESC")->text(), "Sharpen 3");
            EXPECT_EQ(d->findChild<QLineEdit *>("COEF5")->text(), "9.00");
            d->findChild<QLineEdit *>("FILTERDESC")->setText("Sharper");
            d->findChild<QCheckBox *>("FEEDBACK")->setChecked(true);
            click(d, "PBOK");
        },
    };
    FiltersWin dlg(nullptr, true);
    click(&dlg, "PBADD");
    EXPECT_EQ(dlg.filters()->count(), 0);
    click(&dlg, "PBADD");
    EXPECT_EQ(listed(dlg), QStringList{"Sharpen 3"});
    EXPECT_TRUE(dlg.filters()->selectedItems().isEmpty());
    const auto stored = fresh.db.getAllFilterDesc();
    ASSERT_EQ(stored.size(), 1u);
    const QString key = stored[0].second;
    EXPECT_DOUBLE_EQ(UserFilter::fromValue(Value(fresh.db.getInfo(key))).coefficients[4], 9.0);

    select(dlg, "Sharpen 3");
    click(&dlg, "PBEDIT");
    EXPECT_EQ(listed(dlg), QStringList{"Sharper"});
    EXPECT_TRUE(UserFilter::fromValue(Value(fresh.db.getInfo(key))).feedback);
    EXPECT_EQ(press(dlg, "PBAPPLY"), 0) << "the list is refilled without a selection";
    EXPECT_EQ(script.captions, (QStringList{"Add new filter", "Add new filter", "Edit filter"}));

    select(dlg, "Sharper");
    click(&dlg, "PBDELETE");
    EXPECT_EQ(dlg.filters()->count(), 0);
    EXPECT_TRUE(fresh.db.getInfo(key).empty());
    EXPECT_EQ(ui.boxTexts(), QStringList{"Select a filter"});
}

TEST(FiltersWin, NewInTheListOpenedModallyIsAnsweredByTheScript)
{
    // The editor opens from inside the step that answers the list: the script must answer it
    // too, then let that step go on.
    FreshDatabase fresh;
    QStringList listedAfterNew;
    gbtest::ModalScript script;
    script.steps = {
        [&](QDialog *d) {
            click(d, "PBADD");
            listedAfterNew = listed(*qobject_cast<FiltersWin *>(d));
            click(d, "PBCANCEL");
        },
        [](QDialog *d) {
            d->findChild<QLineEdit *>("FILTERDESC")->setText("Nested");
            click(d, "PBOK");
        },
    };
    FiltersWin dlg(nullptr, true);
    EXPECT_EQ(dlg.exec(), -1);
    EXPECT_EQ(script.captions, (QStringList{"Available Filters ...", "Add new filter"}));
    EXPECT_EQ(listedAfterNew, QStringList{"Nested"});
    EXPECT_EQ(fresh.db.getAllFilterDesc().size(), 1u);
}

TEST(FiltersWin, ConvolutionListOpensTheSevenBySevenEditor)
{
    FreshDatabase fresh;
    gbtest::ModalScript script;
    script.steps = {[](QDialog *d) {
                        EXPECT_NE(d->findChild<QLineEdit *>("COEF49"), nullptr);
                        click(d, "PBOK");
                    },
                    [](QDialog *d) { click(d, "PBCANCEL"); }};
    FiltersWin dlg(nullptr, false);
    click(&dlg, "PBADD");
    EXPECT_EQ(listed(dlg), QStringList{"Without Description"});
    select(dlg, "Without Description");
    click(&dlg, "PBEDIT");
    EXPECT_EQ(script.captions, (QStringList{"Add new convolutional filter", "Edit Convolutional Filter"}));
    EXPECT_TRUE(fresh.db.getAllFilterDesc().empty());
    ASSERT_EQ(fresh.db.getAllCFilterDesc().size(), 1u);
    EXPECT_EQ(Value(fresh.db.getInfo(fresh.db.getAllCFilterDesc()[0].second)), UserConvFilter().toValue());
}
