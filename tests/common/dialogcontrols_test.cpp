#include "common/colorvalues.h"
#include "common/dialogcontrols.h"
#include "support/scriptedui.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QWidget>

using gb::ColorField;
using gb::DialogUnits;
using gb::NumberPair;

TEST(DialogControls, NumberOfTextReadsTheLeadingNumber)
{
    const struct {
        const char *text;
        double number;
    } cases[] = {
        {"", 0}, {"abc", 0}, {"  42", 42}, {"12abc", 12}, {"-40", -40}, {"3.5x", 3.5}, {"-", 0}, {"+7", 7},
    };
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(gb::numberOfText(QString::fromLatin1(c.text)), c.number) << c.text;
}

TEST(DialogControls, EditAndSliderFollowEachOtherWithoutWritingTheClampBack)
{
    QWidget host;
    const DialogUnits du(DialogUnits::dialogFont());
    NumberPair *pair = NumberPair::withSlider(&host, du, {0, 0, 30, 12}, {30, 0, 100, 16}, 1, 100, 3,
                                              NumberPair::CapHigh);
    pair->setNumber(50);
    EXPECT_EQ(pair->slider()->value(), 50);

    pair->slider()->setValue(17);
    EXPECT_EQ(pair->edit()->text(), "17");

    // Above the maximum the text is capped; below the minimum it stays as typed while the
    // slider rests at its end.
    pair->edit()->clear();
    QTest::keyClicks(pair->edit(), "250");
    EXPECT_EQ(pair->edit()->text(), "100");
    EXPECT_EQ(pair->slider()->value(), 100);
    pair->setText("0");
    EXPECT_EQ(pair->edit()->text(), "0");
    EXPECT_EQ(pair->slider()->value(), 1);
    EXPECT_EQ(pair->number(), 0);
    pair->clear();
    EXPECT_TRUE(pair->isEmpty());
    EXPECT_EQ(pair->edit()->text(), "");
}

TEST(DialogControls, CapBothHoldsNegativeRangesAndTheEditTakesOnlyDigits)
{
    QWidget host;
    const DialogUnits du(DialogUnits::dialogFont());
    NumberPair *pair = NumberPair::withSlider(&host, du, {0, 0, 30, 12}, {30, 0, 100, 16}, -100, 100, 3,
                                              NumberPair::CapBoth);
    pair->setNumber(-250);
    EXPECT_EQ(pair->edit()->text(), "-100");
    EXPECT_EQ(pair->slider()->value(), -100);
    pair->edit()->clear();
    QTest::keyClicks(pair->edit(), "-4x5");
    EXPECT_EQ(pair->edit()->text(), "-45");
    QTest::keyClicks(pair->edit(), "9");
    EXPECT_EQ(pair->edit()->text(), "-100");
    pair->edit()->clear();
    QTest::keyClicks(pair->edit(), "0123");
    EXPECT_EQ(pair->edit()->text(), "012") << "three digits at most";
}

TEST(DialogControls, SpinnerStepsTheEditAndStaysInItsRange)
{
    QWidget host;
    const DialogUnits du(DialogUnits::dialogFont());
    NumberPair *pair = NumberPair::withSpinner(&host, du, {0, 0, 40, 12}, {40, 0, 13, 12}, -360, 360, 4);
    host.show();
    pair->setNumber(359);
    QWidget *spinner = pair->partner();
    QTest::mouseClick(spinner, Qt::LeftButton, {}, QPoint(spinner->width() / 2, 1));
    EXPECT_EQ(pair->edit()->text(), "360");
    QTest::mouseClick(spinner, Qt::LeftButton, {}, QPoint(spinner->width() / 2, 1));
    EXPECT_EQ(pair->edit()->text(), "360");
    QTest::mouseClick(spinner, Qt::LeftButton, {}, QPoint(spinner->width() / 2, spinner->height() - 1));
    EXPECT_EQ(pair->edit()->text(), "359");
    // Without a cap a typed number beyond the range stays; the spinner waits at the end.
    pair->setText("9999");
    EXPECT_EQ(pair->edit()->text(), "9999");
    EXPECT_EQ(pair->partner()->value(), 360);
}

TEST(DialogControls, ColorFieldAsksThePickerAndKeepsTheColourOnCancel)
{
    gbtest::ScriptedUi ui;
    ui.colorAnswers = {gb::makeColorRef(0, 128, 255), std::nullopt};
    QWidget host;
    const DialogUnits du(DialogUnits::dialogFont());
    auto *field = new ColorField(&host, du, {0, 0, 26, 11}, {27, 0, 13, 11}, gb::makeColorRef(255, 255, 255));
    std::vector<uint32_t> seen;
    QObject::connect(field, &ColorField::colorChanged, [&](uint32_t c) { seen.push_back(c); });

    field->button()->click();
    EXPECT_EQ(field->color(), gb::makeColorRef(0, 128, 255));
    EXPECT_EQ(field->sample()->palette().color(QPalette::Window), QColor(0, 128, 255));
    field->button()->click();
    EXPECT_EQ(field->color(), gb::makeColorRef(0, 128, 255));
    ASSERT_EQ(ui.dialogs.size(), 2u);
    EXPECT_EQ(ui.dialogs[0].kind, "color");
    EXPECT_EQ(seen.size(), 2u);
}
