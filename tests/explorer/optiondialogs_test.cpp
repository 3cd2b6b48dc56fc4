#include "explorer/customimagedimwin.h"
#include "explorer/definepausewin.h"
#include "explorer/defineorderwin.h"
#include "explorer/dialogfields.h"
#include "explorer/optionswin.h"
#include "explorer/spacingwin.h"
#include "explorer/thumbsfilterwin.h"

#include "common/registry.h"
#include "support/enterkey.h"
#include "support/scriptedui.h"
#include "support/windowlook.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace gb;

namespace {
const QString kPrint = "Print Options";
}

TEST(OptionsWin, ShowsDefaultsAndOkWritesEveryValue)
{
    OptionsWin win;
    EXPECT_EQ(win.windowTitle(), "Page Setup");
    EXPECT_EQ(win.siStartingRow()->text(), "40");
    EXPECT_EQ(win.siStartingColumn()->text(), "10");
    EXPECT_TRUE(win.fitInPage()->isChecked());
    EXPECT_TRUE(win.prortrait()->isChecked());
    EXPECT_EQ(win.orientation(), "P");
    EXPECT_EQ(QStringList({win.leftMargin()->text(), win.rightMargin()->text(), win.topMargin()->text(),
                           win.bottomMargin()->text()}),
              QStringList({"10", "10", "20", "25"}));
    EXPECT_FALSE(win.companyLogo()->isEnabled());

    win.siStartingRow()->setText("7");
    win.actualSize()->setChecked(true);
    win.landscape()->setChecked(true);
    win.leftMargin()->setText("0");
    win.pbOk();
    EXPECT_EQ(win.result(), 1);
    EXPECT_EQ(kvtQueryRtRegInt(kPrint, "SI Starting Row"), 7);
    EXPECT_EQ(kvtQueryRtRegInt(kPrint, "SI Print Type"), 1);
    EXPECT_EQ(kvtQueryRtRegInt(kPrint, "Orientation"), 2);
    EXPECT_EQ(kvtQueryRtRegInt(kPrint, "Left Margin"), 0);
    EXPECT_EQ(kvtQueryRtRegString(kPrint, "Company Logo"), "");

    // A margin of 0 reads as "not stored": the next dialog shows the default again.
    OptionsWin again;
    EXPECT_EQ(again.leftMargin()->text(), "10");
    EXPECT_TRUE(again.actualSize()->isChecked());
    EXPECT_TRUE(again.landscape()->isChecked());
    again.siStartingRow()->setText("99");
    again.pbCancel();
    EXPECT_EQ(again.result(), -1);
    EXPECT_EQ(kvtQueryRtRegInt(kPrint, "SI Starting Row"), 7);
}

// Page Setup's edits and radio buttons stand inside their group's frame, under its title, in
// the style the program runs with; no label overlaps an edit or is cut.
TEST(OptionsWin, FieldsStandInsideTheirGroups)
{
    OptionsWin win;
    win.show();
    gbtest::look("page-setup");
    const auto at = [&win](const QWidget *w) { return QRect(w->mapTo(&win, QPoint(0, 0)), w->size()); };
    const QList<QGroupBox *> groups = win.findChildren<QGroupBox *>();
    ASSERT_EQ(groups.size(), 3);
    QList<QWidget *> fields;
    for (QLineEdit *edit : win.findChildren<QLineEdit *>())
        fields << edit;
    for (QRadioButton *radio : win.findChildren<QRadioButton *>())
        fields << radio;
    int grouped = 0;
    for (const QWidget *field : fields) {
        const QRect r = at(field);
        EXPECT_TRUE(win.rect().contains(r));
        for (const QGroupBox *group : groups) {
            if (!at(group).contains(r.center()))
                continue;
            ++grouped;
            const QRect inside = group->contentsRect().translated(at(group).topLeft());
            EXPECT_TRUE(inside.contains(r)) << group->title().toStdString() << ": field at " << r.y() << ".."
                                            << r.bottom() << ", contents " << inside.y() << ".." << inside.bottom();
        }
    }
    EXPECT_EQ(grouped, 10); // six number edits, four radio buttons; the logo stands above the groups
    for (const QLabel *label : win.findChildren<QLabel *>()) {
        EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
        for (const QLineEdit *edit : win.findChildren<QLineEdit *>())
            EXPECT_FALSE(at(label).intersects(at(edit))) << label->text().toStdString();
    }
}

TEST(ThumbsFilterWin, ApplyRemoveAndCancel)
{
    ThumbsFilterWin win;
    EXPECT_EQ(win.windowTitle(), "Image Files Filter");
    win.setExtensions({"png", "wmf"});
    win.setIncludeFiles("IMG");
    win.setModifiedAfter(QDate(2002, 3, 8));
    EXPECT_TRUE(win.box("png")->isChecked());
    EXPECT_FALSE(win.box("jpg")->isChecked());
    EXPECT_EQ(win.modAfter()->text(), dateToField(QDate(2002, 3, 8)));
    win.box("jpg")->setChecked(true);
    win.inFiles()->setText("  IMG  ");
    win.applyButton()->click();
    EXPECT_EQ(win.result(), 1);
    EXPECT_EQ(win.extensions(), QStringList({"jpg", "png", "wmf"}));
    EXPECT_EQ(win.includeFiles(), "IMG");
    EXPECT_EQ(win.modifiedAfter(), QDate(2002, 3, 8));
    EXPECT_FALSE(win.modifiedBefore().isValid());

    ThumbsFilterWin none;
    none.applyButton()->click();
    EXPECT_EQ(none.result(), 1);
    EXPECT_TRUE(none.extensions().isEmpty());

    ThumbsFilterWin remove;
    remove.inFiles()->setText("x");
    remove.removeButton()->click();
    EXPECT_EQ(remove.result(), 2);
    EXPECT_EQ(remove.includeFiles(), "");
    ThumbsFilterWin cancel;
    cancel.cancelButton()->click();
    EXPECT_EQ(cancel.result(), -1);
}

// A date the field cannot read is refused with a message naming it; the dialog stays open.
TEST(ThumbsFilterWin, DatesThatCannotBeReadAreRefused)
{
    const struct {
        const char *after, *before, *named;
    } cases[] = {
        {"01012020", "", "\"01012020\""},
        {"", "2020", "Modified before: \"2020\""},
        {"  yesterday ", "", "Modified after: \"yesterday\""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.named);
        gbtest::ScriptedUi ui;
        ThumbsFilterWin win;
        win.modAfter()->setText(c.after);
        win.modBefore()->setText(c.before);
        win.applyButton()->click();
        EXPECT_EQ(win.result(), 0);
        ASSERT_EQ(ui.boxes.size(), 1u);
        EXPECT_TRUE(ui.boxes[0].text.contains(c.named)) << ui.boxes[0].text.toStdString();
        EXPECT_TRUE(ui.boxes[0].text.contains(dateToField(QDate(2020, 1, 31))));
    }
    gbtest::ScriptedUi ui;
    ThumbsFilterWin good;
    good.modBefore()->setText(dateToField(QDate(2020, 1, 1)));
    good.applyButton()->click();
    EXPECT_EQ(good.result(), 1);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST(DateFields, RoundTripInTheLocaleOrder)
{
    const QDate d(2002, 1, 5);
    const QString text = dateToField(d);
    EXPECT_EQ(text.size(), 10);
    EXPECT_TRUE(text.contains("2002"));
    EXPECT_TRUE(text.contains("05"));
    EXPECT_EQ(dateFromField(text), d);
    EXPECT_FALSE(dateFromField("").isValid());
    EXPECT_FALSE(dateFromField("nonsense").isValid());
}

TEST(SpacingWin, TakesNumbersEmptyGivesZero)
{
    SpacingWin win;
    EXPECT_EQ(win.windowTitle(), "Thumbnails Spacing (pixels) ...");
    win.ver()->setText(" 12 ");
    win.okButton()->click();
    EXPECT_EQ(win.result(), 1);
    EXPECT_EQ(win.verSpacing(), 12);
    EXPECT_EQ(win.horSpacing(), 0);
    // The "999" picture lets no fourth digit or letter in.
    win.hor()->setText("");
    QTest::keyClicks(win.hor(), "12a34");
    EXPECT_EQ(win.hor()->text(), "123");
}

TEST(SpacingWin, RefusesSpacingsThatLeaveNoRoomForAThumbnail)
{
    gbtest::ScriptedUi ui;
    const struct { const char *hor, *ver; bool accepted; } cases[] = {
        {"999", "999", false}, {"51", "40", false}, {"50", "41", false}, {"50", "40", true}, {"0", "0", true},
    };
    for (const auto &c : cases) {
        ui.boxes.clear();
        SpacingWin win;
        win.setRoom(QSize(50, 40));
        win.show();
        win.hor()->setText(c.hor);
        win.ver()->setText(c.ver);
        win.okButton()->click();
        EXPECT_EQ(win.result() == 1, c.accepted) << c.hor << "x" << c.ver;
        EXPECT_EQ(win.isVisible(), !c.accepted);
        EXPECT_EQ(ui.boxTexts(), c.accepted ? QStringList()
                                            : QStringList{"Spacing must not exceed 50 pixels horizontally and 40 pixels "
                                                          "vertically, or no thumbnail fits in the window"});
    }
}

// Small dialogs are widened for their caption, their controls kept centred and inside.
TEST(ExplorerDialogs, CaptionsFitTheTitleBar)
{
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    const QFontMetrics title(titleFont);
    const std::unique_ptr<QDialog> dialogs[] = {std::make_unique<CustomImageDimWin>(), std::make_unique<SpacingWin>()};
    for (const auto &dialog : dialogs) {
        SCOPED_TRACE(dialog->windowTitle().toStdString());
        // The caption beside the icon, three frame buttons and their margins.
        EXPECT_GE(dialog->width(), title.horizontalAdvance(dialog->windowTitle()) + 5 * title.height());
        QRect controls;
        for (const QWidget *w : dialog->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            controls |= w->geometry();
        EXPECT_TRUE(dialog->rect().contains(controls));
        EXPECT_NEAR(controls.left(), dialog->width() - 1 - controls.right(), 4 * title.height());
    }
}

// Enter typed anywhere in a dialog presses its own action, not the first button made.
TEST(ExplorerDialogs, EnterPressesTheDefaultButton)
{
    gbtest::ScriptedUi ui;
    const struct {
        std::function<std::unique_ptr<QDialog>()> make;
        const char *button;
    } cases[] = {
        {[] { return std::make_unique<OptionsWin>(); }, "Ok"},
        {[] { return std::make_unique<DefinePauseWin>(); }, "Ok"},
        {[] { return std::make_unique<DefineOrderWin>(); }, "Ok"},
        {[] { return std::make_unique<ThumbsFilterWin>(); }, "Apply"},
        {[] { return std::make_unique<SpacingWin>(); }, "Ok"},
        {[] { return std::make_unique<CustomImageDimWin>(); }, "Ok"},
    };
    for (const auto &c : cases) {
        const std::unique_ptr<QDialog> dialog = c.make();
        const auto fields = dialog->findChildren<QLineEdit *>();
        QWidget *field = fields.isEmpty() ? nullptr : fields.last();
        EXPECT_EQ(gbtest::buttonsPressedByEnter(*dialog, field), QStringList{c.button}) << dialog->windowTitle().toStdString();
    }
    EXPECT_TRUE(ui.dialogs.empty());
}

TEST(CustomImageDimWin, RefusesSizesOutsideOneTo499)
{
    gbtest::ScriptedUi ui;
    const struct { const char *w, *h; bool accepted; } cases[] = {
        {"0", "100", false}, {"500", "100", false}, {"100", "", false}, {"499", "499", true}, {"8", "8", true},
    };
    for (const auto &c : cases) {
        CustomImageDimWin win;
        win.show();
        win.widthEdit()->setText(c.w);
        win.heightEdit()->setText(c.h);
        win.okButton()->click();
        EXPECT_EQ(win.result() == 1, c.accepted) << c.w << "x" << c.h;
        EXPECT_EQ(win.isVisible(), !c.accepted);
    }
    EXPECT_EQ(ui.boxTexts(), QStringList(3, "Width & height must be greater than 0 and less than 500 pixels"));
    EXPECT_EQ(ui.boxes[0].caption, "Error");
}
