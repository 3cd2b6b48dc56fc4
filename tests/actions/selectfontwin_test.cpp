#include "actions/fontlists.h"
#include "actions/selectfontwin.h"
#include "support/scriptedui.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

using namespace gb;

namespace {

const QList<int> kStandardSizes{8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};

// The font picker that a modal run shows (found among the top-level windows, which does not
// depend on the platform's idea of the active window).
SelectFontWin *shownFontWin()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *win = qobject_cast<SelectFontWin *>(w); win && win->isVisible())
            return win;
    return nullptr;
}

QStringList itemTexts(const QComboBox *box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

} // namespace

TEST(FontLists, FacesHtmlSizesAndPointSizes)
{
    const QStringList faces = getFaceNames();
    EXPECT_TRUE(faces.contains("Liberation Sans"));
    EXPECT_TRUE(faces.contains("DejaVu Sans"));
    const auto html = getFontPointSizes("anything");
    ASSERT_EQ(html.size(), 7);
    EXPECT_EQ(html.first(), qMakePair(QString("1 - ( 8 pt)"), 1));
    EXPECT_EQ(html.at(4), qMakePair(QString("5 - (18 pt)"), 5));
    EXPECT_EQ(html.last(), qMakePair(QString("7 - (36 pt)"), 7));
    EXPECT_EQ(getFontPointSizesA("Liberation Serif"), kStandardSizes);
    EXPECT_EQ(getFontPointSizesA("Verdana"), kStandardSizes); // shown as DejaVu Sans
    EXPECT_TRUE(getFontPointSizesA("No Such Face 123").isEmpty());
}

TEST(SelectFontWin, StartsFromTheDefaultOrTheRecord)
{
    SelectFontWin fresh(nullptr, std::nullopt, false);
    EXPECT_EQ(fresh.fontNameBox()->currentText(), "Verdana");
    EXPECT_EQ(fresh.fontSizeBox()->currentText(), "10");
    EXPECT_EQ(fresh.fontStyleBox()->currentText(), "Normal");
    EXPECT_EQ(itemTexts(fresh.fontStyleBox()), (QStringList{"Normal", "Bold", "Italics", "Bold Italics"}));
    EXPECT_FALSE(fresh.underlineBox()->isChecked());
    EXPECT_EQ(fresh.textColorSample()->palette().color(QPalette::Window), QColor(0, 0, 0));
    EXPECT_EQ(fresh.okButton()->text(), "Ok");
    EXPECT_EQ(fresh.cancelButton()->text(), "Cancel");

    SelectFontWin edit(nullptr, FontData{"Liberation Mono", 3, true, true, true, 0x0000FF}, true);
    EXPECT_EQ(edit.fontNameBox()->currentText(), "Liberation Mono");
    EXPECT_EQ(edit.fontSizeBox()->count(), 7);
    EXPECT_EQ(edit.fontSizeBox()->currentText(), "3 - (12 pt)");
    EXPECT_EQ(edit.fontStyleBox()->currentText(), "Bold Italics");
    EXPECT_TRUE(edit.underlineBox()->isChecked());
    EXPECT_EQ(edit.textColorSample()->palette().color(QPalette::Window), QColor(255, 0, 0));
    // The face list is sorted.
    const QStringList faces = itemTexts(edit.fontNameBox());
    EXPECT_TRUE(std::is_sorted(faces.begin(), faces.end(),
                               [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; }));
}

TEST(SelectFontWin, OkReadsTheControls)
{
    struct Case {
        QString sizeText;
        int style;
        int wantSize;
        bool bold, italic;
    };
    const Case cases[] = {
        {"", 1, 12, false, false},      {"abc", 2, 12, true, false}, {"  15  ", 3, 15, false, true},
        {"0", 4, 12, true, true},       {"-4", 1, 12, false, false}, {"24", 1, 24, false, false},
        // A unit after the number: the leading digits count; text without any gives 12.
        {"15pt", 1, 15, false, false},  {" 9.5 pt", 1, 9, false, false}, {"pt15", 1, 12, false, false},
    };
    for (const Case &c : cases) {
        SelectFontWin win(nullptr, FontData{"Liberation Sans", 10, false, false, false, 0}, false);
        win.fontSizeBox()->setCurrentText(c.sizeText);
        win.fontStyleBox()->setCurrentIndex(win.fontStyleBox()->findData(c.style));
        win.underlineBox()->setChecked(true);
        win.okButton()->click();
        EXPECT_EQ(win.result(), 1);
        const FontData f = win.fontData();
        EXPECT_EQ(f.size, c.wantSize) << c.sizeText.toStdString();
        EXPECT_EQ(f.bold, c.bold);
        EXPECT_EQ(f.italic, c.italic);
        EXPECT_TRUE(f.underline);
        EXPECT_EQ(f.face, "Liberation Sans");
    }
}

TEST(SelectFontWin, HtmlSizesGiveTheEntryValue)
{
    SelectFontWin win(nullptr, std::nullopt, true);
    EXPECT_EQ(win.fontSizeBox()->currentText(), "10"); // no entry of that value: shown as it is
    win.fontSizeBox()->setCurrentIndex(3);
    win.okButton()->click();
    EXPECT_EQ(win.fontData().size, 4);

    SelectFontWin typed(nullptr, std::nullopt, true);
    typed.okButton()->click();
    EXPECT_EQ(typed.fontData().size, 7); // a typed size is held to 1..7
}

TEST(SelectFontWin, AnotherFaceKeepsTheSize)
{
    SelectFontWin win(nullptr, FontData{"Liberation Sans", 15, false, false, false, 0}, false);
    EXPECT_EQ(win.fontSizeBox()->currentText(), "15");
    win.fontNameBox()->setCurrentText("DejaVu Serif");
    EXPECT_EQ(win.fontSizeBox()->count(), 16);
    EXPECT_EQ(win.fontSizeBox()->currentText(), "15"); // not in the list, kept all the same
    win.fontSizeBox()->setCurrentText("36");
    win.fontNameBox()->setCurrentText("Liberation Mono");
    EXPECT_EQ(win.fontSizeBox()->currentText(), "36");
    win.okButton()->click();
    EXPECT_EQ(win.fontData().face, "Liberation Mono");
    EXPECT_EQ(win.fontData().size, 36);
}

TEST(SelectFontWin, ColourAndCancel)
{
    gbtest::ScriptedUi ui;
    ui.colorAnswers = {std::optional<uint32_t>(0x00FF00), std::nullopt};
    SelectFontWin win(nullptr, std::nullopt, false);
    win.changeColorButton()->click();
    EXPECT_EQ(win.textColorSample()->palette().color(QPalette::Window), QColor(0, 255, 0));
    win.changeColorButton()->click(); // cancelled: the colour stays
    win.okButton()->click();
    EXPECT_EQ(win.fontData().color, 0x00FF00u);

    ui.colorAnswers = {std::optional<uint32_t>(0x0000FF)};
    SelectFontWin cancelled(nullptr, std::nullopt, false);
    cancelled.changeColorButton()->click();
    cancelled.cancelButton()->click();
    EXPECT_EQ(cancelled.result(), -1);
}

TEST(ChangeFont, ModalRunsReturnTheChoiceOrNothing)
{
    const FontData mine{"Liberation Serif", 14, false, false, false, 0};
    QTimer::singleShot(0, [] {
        auto *win = shownFontWin();
        ASSERT_NE(win, nullptr);
        EXPECT_EQ(win->windowTitle(), "Font Attributes");
        win->fontStyleBox()->setCurrentIndex(1);
        win->okButton()->click();
    });
    const std::optional<FontData> chosen = changeFont(nullptr, mine, "Font Attributes", false);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_TRUE(chosen->bold);
    EXPECT_EQ(chosen->size, 14);
    EXPECT_FALSE(mine.bold); // the caller's record is never changed

    QTimer::singleShot(0, [] {
        auto *win = shownFontWin();
        ASSERT_NE(win, nullptr);
        EXPECT_EQ(win->fontSizeBox()->count(), 16); // point sizes
        win->cancelButton()->click();
    });
    EXPECT_FALSE(changeFontA(nullptr, mine, "Title Font").has_value());

    QTimer::singleShot(0, [] {
        auto *win = shownFontWin();
        ASSERT_NE(win, nullptr);
        EXPECT_EQ(win->fontSizeBox()->count(), 7); // HTML sizes by default
        win->reject();                             // the close box
    });
    EXPECT_FALSE(changeFont(nullptr, std::nullopt, "Page Font").has_value());
}
