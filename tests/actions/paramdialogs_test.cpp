// The parameter dialogs of the batch actions, driven through their real controls: a new
// command, an edited one and every refusal of each dialog.
#include "actions/brightnesscontrastwin.h"
#include "actions/buttonizewin.h"
#include "actions/colordepthwin.h"
#include "actions/defineborderwin.h"
#include "actions/equalizehistogramwin.h"
#include "actions/alignpicker.h"
#include "actions/overlayimagewin.h"
#include "actions/overlaytextwin.h"
#include "actions/replacecolorwin.h"
#include "actions/resizewin.h"
#include "actions/rotatewin.h"
#include "actions/sharpenwin.h"
#include "common/colorvalues.h"
#include "image/previewft.h"
#include "support/modalscript.h"
#include "support/scriptedui.h"
#include "support/testutil.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QTimer>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

using namespace gb;

namespace {

Value params(ValueArray values)
{
    return Value(std::move(values));
}

// Presses the named button; returns the dialog's result (0 while it stays open).
int press(QDialog &dialog, const char *name)
{
    auto *button = dialog.findChild<QPushButton *>(QString::fromLatin1(name));
    EXPECT_NE(button, nullptr) << name;
    if (!button)
        return 0;
    dialog.setResult(0);
    button->click();
    return dialog.result();
}

void retype(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    edit->del();
    QTest::keyClicks(edit, text);
}

} // namespace

// ---- Resize ----

TEST(ResizeWin, NewCommandOpensAtBestFitAndRefusesZeroSizes)
{
    gbtest::ScriptedUi ui;
    ResizeWin dlg(nullptr);
    EXPECT_EQ(dlg.windowTitle(), "Resize Image");
    EXPECT_EQ(dlg.resType()->currentText(), "Best fit - keep aspect ratio");
    EXPECT_EQ(dlg.widthEdit()->text(), "0");
    EXPECT_EQ(dlg.heightEdit()->text(), "0");
    EXPECT_EQ(dlg.percentEdit()->text(), "");
    EXPECT_FALSE(dlg.percentEdit()->isEnabled());
    EXPECT_TRUE(dlg.averageButton()->isChecked());
    const QStringList order = {"Best fit - keep aspect ratio", "Fixed width - keep aspect ratio",
                               "Fixed height - keep aspect ratio", "Percent", "Stretch to fit"};
    for (int i = 0; i < order.size(); ++i)
        EXPECT_EQ(dlg.resType()->itemText(i), order[i]);

    EXPECT_EQ(press(dlg, "PBOK"), 0);
    EXPECT_EQ(ui.boxTexts(), QStringList{"Please define resized image width and height"});
    EXPECT_EQ(ui.boxes.at(0).caption, "Error");
}

TEST(ResizeWin, EachTypeRefusesWhatItLacks)
{
    const struct {
        int index; // entry in list order
        const char *width, *height, *percent;
        const char *message; // empty: accepted
        ValueArray values;
    } cases[] = {
        {0, "640", "", "", "Please define resized image width and height", {}},
        {0, "640", "480", "", "", {1, 640, 480, 0, false}},
        {1, "", "", "", "Please define resized image fixed width", {}},
        {1, "800", "", "", "", {2, 800, 0, 0, false}},
        {2, "", "", "", "Please define resized image fixed height", {}},
        {2, "", "600", "", "", {3, 0, 600, 0, false}},
        {3, "", "", "", "Please define resize percent ratio", {}},
        {3, "", "", "50", "", {5, 0, 0, 50, false}},
        {4, "0", "5", "", "Please define resized image width and height", {}},
        {4, "7", "5", "", "", {4, 7, 5, 0, false}},
        // A stretch past 2^31 pixels could be made of no image; 99999 x 21475 still can.
        {4, "99999", "99999", "", "Resized image width and height are too large for one image", {}},
        {4, "99999", "21476", "", "Resized image width and height are too large for one image", {}},
        {4, "99999", "21475", "", "", {4, 99999, 21475, 0, false}},
        {0, "99999", "99999", "", "", {1, 99999, 99999, 0, false}}, // fits a long, thin image
    };
    for (const auto &c : cases) {
        gbtest::ScriptedUi ui;
        ResizeWin dlg(nullptr);
        dlg.resType()->setCurrentIndex(c.index);
        for (auto [edit, text] : {std::pair{dlg.widthEdit(), c.width}, {dlg.heightEdit(), c.height},
                                  {dlg.percentEdit(), c.percent}}) {
            if (edit->isEnabled())
                retype(edit, QString::fromLatin1(text));
        }
        const QString message = QString::fromLatin1(c.message);
        EXPECT_EQ(press(dlg, "PBOK"), message.isEmpty() ? 1 : 0) << c.index << message.toStdString();
        if (message.isEmpty()) {
            EXPECT_TRUE(ui.boxes.empty());
            EXPECT_EQ(Value(dlg.values()), Value(c.values)) << c.index;
        } else {
            EXPECT_EQ(ui.boxTexts(), QStringList{message});
        }
    }
}

TEST(ResizeWin, EditedCommandsShowTheirTypeFieldsAndMethod)
{
    ResizeWin fixedWidth(nullptr, params({2, 800, 0, 0, true}));
    EXPECT_EQ(fixedWidth.resType()->currentText(), "Fixed width - keep aspect ratio");
    EXPECT_EQ(fixedWidth.widthEdit()->text(), "800");
    EXPECT_EQ(fixedWidth.heightEdit()->text(), "");
    EXPECT_FALSE(fixedWidth.heightEdit()->isEnabled());
    EXPECT_FALSE(fixedWidth.percentEdit()->isEnabled());
    EXPECT_TRUE(fixedWidth.bilinearButton()->isChecked());

    // Six slots (no method stored) show pixel-area averaging, and Apply stores what is shown.
    ResizeWin sixSlots(nullptr, params({1, 640, 480, 0}));
    EXPECT_TRUE(sixSlots.averageButton()->isChecked());
    EXPECT_EQ(press(sixSlots, "PBOK"), 1);
    EXPECT_EQ(Value(sixSlots.values()), params({1, 640, 480, 0, false}));

    // Damaged: too short, wrong types, a type of no entry.
    ResizeWin tooShort(nullptr, params({5, 1, 2}));
    EXPECT_EQ(tooShort.resType()->currentText(), "Best fit - keep aspect ratio");
    ResizeWin mistyped(nullptr, params({"x", true, "y", ValueArray{}, 3}));
    EXPECT_EQ(mistyped.resType()->currentText(), "Best fit - keep aspect ratio");
    EXPECT_EQ(mistyped.widthEdit()->text(), "0");
    ResizeWin unknownType(nullptr, params({9, 10, 10, 10, true}));
    EXPECT_EQ(unknownType.resType()->currentText(), "Best fit - keep aspect ratio");
}

TEST(ResizeWin, CancelEndsWithMinusOne)
{
    ResizeWin dlg(nullptr, params({2, 800, 0, 0, true}));
    EXPECT_EQ(press(dlg, "PBCANCEL"), -1);
    ResizeWin closed(nullptr);
    closed.show();
    closed.close();
    EXPECT_EQ(closed.result(), -1);
}

// ---- Level ----

TEST(SharpenWin, PresetsTypingAndSlider)
{
    SharpenWin fresh(nullptr);
    EXPECT_EQ(fresh.windowTitle(), "Sharpen Image");
    EXPECT_EQ(fresh.sharpen()->edit()->text(), "50");
    EXPECT_EQ(fresh.sharpen()->slider()->value(), 50);
    EXPECT_EQ(press(fresh, "PBOK"), 1);
    EXPECT_EQ(Value(fresh.values()), params({50}));

    SharpenWin edited(nullptr, params({80}));
    EXPECT_EQ(edited.sharpen()->edit()->text(), "80");
    SharpenWin twoElements(nullptr, params({80, 1}));
    EXPECT_EQ(twoElements.sharpen()->edit()->text(), "50");

    SharpenWin dlg(nullptr);
    retype(dlg.sharpen()->edit(), "250");
    EXPECT_EQ(dlg.sharpen()->edit()->text(), "100");
    EXPECT_EQ(dlg.sharpen()->slider()->value(), 100);
    dlg.sharpen()->slider()->setValue(17);
    EXPECT_EQ(dlg.sharpen()->edit()->text(), "17");
    retype(dlg.sharpen()->edit(), "0");
    EXPECT_EQ(press(dlg, "PBOK"), 1);
    EXPECT_EQ(dlg.level(), 0);
    EXPECT_EQ(press(dlg, "PBCANCEL"), -1);
}

// ---- Brightness and contrast ----

TEST(BrightnessContrastWin, PresetsCapsAndFractions)
{
    BrightnessContrastWin fresh(nullptr);
    EXPECT_EQ(fresh.bright()->edit()->text(), "0");
    EXPECT_EQ(fresh.contrast()->slider()->value(), 0);
    EXPECT_EQ(fresh.bright()->slider()->pageStep(), 10);

    BrightnessContrastWin edited(nullptr, params({0.25, -0.4}));
    EXPECT_EQ(edited.bright()->edit()->text(), "25");
    EXPECT_EQ(edited.contrast()->edit()->text(), "-40");
    EXPECT_EQ(edited.bright()->slider()->value(), 25);
    EXPECT_EQ(edited.contrast()->slider()->value(), -40);
    BrightnessContrastWin stored29(nullptr, params({0.29, 1e300}));
    EXPECT_EQ(stored29.bright()->edit()->text(), "29");
    EXPECT_EQ(stored29.contrast()->edit()->text(), "100");

    BrightnessContrastWin dlg(nullptr);
    retype(dlg.bright()->edit(), "150");
    EXPECT_EQ(dlg.bright()->edit()->text(), "100");
    EXPECT_EQ(dlg.bright()->slider()->value(), 100);
    dlg.contrast()->setText("-300");
    EXPECT_EQ(dlg.contrast()->edit()->text(), "-100");
    EXPECT_EQ(dlg.contrast()->slider()->value(), -100);
    dlg.contrast()->slider()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(dlg.contrast()->edit()->text(), "-90");

    retype(dlg.bright()->edit(), "50");
    dlg.contrast()->setText("-20");
    EXPECT_EQ(press(dlg, "PBOK"), 1);
    EXPECT_DOUBLE_EQ(dlg.fBrightness(), 0.5);
    EXPECT_DOUBLE_EQ(dlg.fContrast(), -0.2);
    dlg.bright()->clear();
    EXPECT_EQ(press(dlg, "PBOK"), 1);
    EXPECT_DOUBLE_EQ(dlg.fBrightness(), 0.0);
}

// ---- Rotate ----

TEST(RotateWin, NewCommandTurnsLeftAndGeneralNeedsAnAngle)
{
    gbtest::ScriptedUi ui;
    RotateWin dlg(nullptr);
    EXPECT_EQ(dlg.rotationCb()->currentText(), "Left");
    EXPECT_EQ(dlg.rotationCb()->itemText(0), "General");
    EXPECT_EQ(dlg.anglePair()->edit()->text(), "");
    EXPECT_FALSE(dlg.anglePair()->edit()->isEnabled());
    EXPECT_FALSE(dlg.anglePair()->partner()->isEnabled());
    EXPECT_FALSE(dlg.background()->button()->isEnabled());
    EXPECT_EQ(dlg.background()->sample()->palette().color(QPalette::Window), QColor(0, 0, 0));
    EXPECT_EQ(press(dlg, "PBAPPLY"), 1);
    EXPECT_EQ(Value(dlg.values()), params({90.0, 0}));

    dlg.choose("R");
    EXPECT_EQ(press(dlg, "PBAPPLY"), 1);
    EXPECT_EQ(dlg.angle(), -90);

    dlg.choose("G");
    EXPECT_TRUE(dlg.anglePair()->edit()->isEnabled());
    EXPECT_TRUE(dlg.background()->button()->isEnabled());
    EXPECT_EQ(press(dlg, "PBAPPLY"), 0);
    EXPECT_EQ(ui.boxTexts(), QStringList{"Please define a rotation angle"});
    retype(dlg.anglePair()->edit(), "45");
    EXPECT_EQ(dlg.anglePair()->partner()->value(), 45);
    EXPECT_EQ(press(dlg, "PBAPPLY"), 1);
    EXPECT_EQ(dlg.angle(), 45);
}

TEST(RotateWin, EditedAnglesChooseTheirRotation)
{
    const struct {
        double angle;
        const char *shown;
        const char *field;
        bool enabled;
    } cases[] = {
        {90, "Left", "90", false}, {-90, "Right", "-90", false}, {30, "General", "30", true},
        {89.6, "Left", "90", false},
    };
    for (const auto &c : cases) {
        RotateWin dlg(nullptr, params({c.angle, int(makeColorRef(0, 128, 255))}));
        EXPECT_EQ(dlg.rotationCb()->currentText(), c.shown) << c.angle;
        EXPECT_EQ(dlg.anglePair()->edit()->text(), c.field) << c.angle;
        EXPECT_EQ(dlg.anglePair()->edit()->isEnabled(), c.enabled) << c.angle;
        EXPECT_EQ(dlg.color(), makeColorRef(0, 128, 255));
    }
    RotateWin left(nullptr, params({90.0, 0}));
    left.choose("G");
    EXPECT_EQ(left.anglePair()->edit()->text(), "90");
    left.choose("L");
    EXPECT_EQ(left.anglePair()->edit()->text(), "");
}

TEST(RotateWin, SpinnerStaysInRangeAndTheChosenColourSurvivesATurnChoice)
{
    gbtest::ScriptedUi ui;
    ui.colorAnswers = {makeColorRef(10, 20, 30)};
    RotateWin dlg(nullptr, params({359.0, 0}));
    dlg.anglePair()->partner()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(dlg.anglePair()->edit()->text(), "360");
    dlg.anglePair()->partner()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(dlg.anglePair()->edit()->text(), "360");
    dlg.background()->button()->click();
    dlg.choose("R");
    EXPECT_EQ(press(dlg, "PBAPPLY"), 1);
    EXPECT_EQ(Value(dlg.values()), params({-90.0, int(makeColorRef(10, 20, 30))}));
    // Damaged: a text where the angle belongs opens as a left turn; a colour out of range black.
    RotateWin damaged(nullptr, params({"x", -5}));
    EXPECT_EQ(damaged.rotationCb()->currentText(), "Left");
    EXPECT_EQ(damaged.color(), 0u);
}

// ---- Border ----

TEST(DefineBorderWin, NewCommandRefusesFourZeroSides)
{
    gbtest::ScriptedUi ui;
    DefineBorderWin dlg(nullptr);
    for (const char *side : {"TOP", "BOTTOM", "LEFT", "RIGHT"}) {
        EXPECT_EQ(dlg.side(side)->edit()->text(), "") << side;
        EXPECT_EQ(dlg.side(side)->partner()->value(), 0) << side;
    }
    EXPECT_EQ(dlg.color(), 0u);
    EXPECT_FALSE(dlg.sameSize()->isChecked());
    EXPECT_EQ(press(dlg, "PBOK"), 0);
    EXPECT_EQ(ui.boxTexts(), QStringList{"All side borders are 0 pixels"});
    EXPECT_EQ(ui.boxes.at(0).caption, "Error");

    retype(dlg.side("LEFT")->edit(), "5");
    EXPECT_EQ(press(dlg, "PBOK"), 1);
    EXPECT_EQ(Value(dlg.values()), params({0, 5, 0, 0, 0, 0, 0}));
}

TEST(DefineBorderWin, EditedCommandKeepsItsSideOrder)
{
    DefineBorderWin dlg(nullptr, params({1, 2, 3, 4, 255, 0, 0}));
    EXPECT_EQ(dlg.side("TOP")->edit()->text(), "1");
    EXPECT_EQ(dlg.side("BOTTOM")->edit()->text(), "4");
    EXPECT_EQ(dlg.side("LEFT")->edit()->text(), "2");
    EXPECT_EQ(dlg.side("RIGHT")->edit()->text(), "3");
    EXPECT_EQ(dlg.side("RIGHT")->partner()->value(), 3);
    EXPECT_EQ(dlg.borderColor()->sample()->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(press(dlg, "PBOK"), 1);
    EXPECT_EQ(Value(dlg.values()), params({1, 2, 3, 4, 255, 0, 0}));

    // Six entries, or sides and colours out of range, are not this command's shape.
    DefineBorderWin six(nullptr, params({1, 2, 3, 4, 255, 0}));
    EXPECT_EQ(six.side("TOP")->edit()->text(), "");
    DefineBorderWin damaged(nullptr, params({500, "x", -3, 4, 300, 0, 0}));
    EXPECT_EQ(damaged.side("TOP")->edit()->text(), "99");
    EXPECT_EQ(damaged.side("LEFT")->edit()->text(), "0");
    EXPECT_EQ(damaged.side("RIGHT")->edit()->text(), "0");
    EXPECT_EQ(damaged.color(), 0u);
}

TEST(DefineBorderWin, SameSizeMakesTheOtherSidesFollowTop)
{
    DefineBorderWin dlg(nullptr);
    retype(dlg.side("TOP")->edit(), "7");
    dlg.sameSize()->click();
    for (const char *side : {"BOTTOM", "LEFT", "RIGHT"}) {
        EXPECT_EQ(dlg.side(side)->edit()->text(), "7") << side;
        EXPECT_FALSE(dlg.side(side)->edit()->isEnabled()) << side;
        EXPECT_FALSE(dlg.side(side)->partner()->isEnabled()) << side;
    }
    retype(dlg.side("TOP")->edit(), "12");
    EXPECT_EQ(dlg.side("RIGHT")->edit()->text(), "12");
    dlg.side("TOP")->partner()->setValue(15);
    EXPECT_EQ(dlg.side("BOTTOM")->edit()->text(), "15");
    EXPECT_EQ(dlg.side("LEFT")->partner()->value(), 15);
    dlg.sameSize()->click();
    EXPECT_TRUE(dlg.side("LEFT")->edit()->isEnabled());
    EXPECT_EQ(dlg.side("LEFT")->edit()->text(), "15");
    retype(dlg.side("TOP")->edit(), "3");
    EXPECT_EQ(dlg.side("LEFT")->edit()->text(), "15");
    EXPECT_EQ(press(dlg, "PBCANCEL"), -1);
}

// ---- Buttonize and glass frame ----

TEST(ButtonizeWin, PresetsColourAndSpinner)
{
    gbtest::ScriptedUi ui;
    ButtonizeWin fresh(nullptr);
    EXPECT_EQ(fresh.windowTitle(), "Buttonize Image");
    EXPECT_EQ(fresh.buttonSize()->edit()->text(), "0");
    EXPECT_EQ(press(fresh, "PBOK"), 1);
    EXPECT_EQ(Value(fresh.values()), params({0, 0, 0, 0}));

    ButtonizeWin edited(nullptr, params({5, 10, 20, 30}));
    EXPECT_EQ(edited.buttonSize()->edit()->text(), "5");
    EXPECT_EQ(edited.buttonColor()->sample()->palette().color(QPalette::Window), QColor(10, 20, 30));
    retype(edited.buttonSize()->edit(), "42");
    EXPECT_EQ(edited.buttonSize()->partner()->value(), 42);
    edited.buttonSize()->partner()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(edited.buttonSize()->edit()->text(), "43");
    ui.colorAnswers = {makeColorRef(1, 2, 3)};
    edited.buttonColor()->button()->click();
    EXPECT_EQ(press(edited, "PBOK"), 1);
    EXPECT_EQ(Value(edited.values()), params({43, 1, 2, 3}));
    EXPECT_EQ(press(edited, "PBCANCEL"), -1);
}

TEST(ButtonizeWin_1, GlassFrameSizeOnly)
{
    ButtonizeWin_1 fresh(nullptr);
    EXPECT_EQ(fresh.windowTitle(), "Glass Frame");
    EXPECT_EQ(fresh.buttonSize()->edit()->text(), "0");
    EXPECT_EQ(fresh.buttonSize()->partner()->value(), 0);
    EXPECT_EQ(press(fresh, "PBOK"), 1);
    EXPECT_EQ(Value(fresh.values()), params({0}));
    ButtonizeWin_1 edited(nullptr, params({12}));
    EXPECT_EQ(edited.buttonSize()->partner()->value(), 12);
    ButtonizeWin_1 wrongShape(nullptr, params({12, 1}));
    EXPECT_EQ(wrongShape.buttonSize()->edit()->text(), "0");
}

// ---- Replace colour ----

TEST(ReplaceColorWin, NewAndEditedCommands)
{
    ReplaceColorWin fresh(nullptr);
    EXPECT_EQ(fresh.oldColorField()->sample()->palette().color(QPalette::Window), QColor(0, 0, 0));
    EXPECT_EQ(fresh.newColorField()->sample()->palette().color(QPalette::Window), QColor(255, 255, 255));
    EXPECT_EQ(fresh.tolerancePair()->edit()->text(), "0");
    EXPECT_EQ(press(fresh, "PBOK"), 1);
    EXPECT_EQ(Value(fresh.values()), params({0, 0, 0, 16777215, 0}));

    ReplaceColorWin edited(nullptr, params({0, 0, 0, 255, 3}));
    EXPECT_EQ(edited.newColorField()->sample()->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(edited.tolerancePair()->partner()->value(), 3);
    EXPECT_EQ(press(edited, "PBOK"), 1);
    EXPECT_EQ(Value(edited.values()), params({0, 0, 0, 255, 3}));

    ReplaceColorWin dlg(nullptr, params({0, 0, 0, 255, 9}));
    dlg.tolerancePair()->partner()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(dlg.tolerancePair()->edit()->text(), "9");
    dlg.tolerancePair()->setNumber(0);
    dlg.tolerancePair()->partner()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(dlg.tolerancePair()->edit()->text(), "0");
    retype(dlg.tolerancePair()->edit(), "45");
    EXPECT_EQ(dlg.tolerancePair()->edit()->text(), "4") << "one digit";

    // A short array presets what it has; the rest takes the defaults.
    ReplaceColorWin shortOne(nullptr, params({10}));
    EXPECT_EQ(shortOne.oldColor(), makeColorRef(10, 0, 0));
    EXPECT_EQ(shortOne.newColor(), 0xFFFFFFu);
    EXPECT_EQ(press(shortOne, "PBCANCEL"), -1);
}

// ---- Histogram ----

TEST(EqualizeHistogramWin, RefusalsInTheirOrder)
{
    const struct {
        const char *low, *high;
        bool red, green, blue;
        const char *message; // empty: accepted
    } cases[] = {
        {"0", "255", true, true, true, ""},
        {"100", "100", false, true, false, ""},
        {"", "10", true, false, false, ""},
        {"200", "100", true, true, true,
         "Low threshold must be greater than 0 and less than high threshold. High threshold must be less than or "
         "equal to 255"},
        {"0", "256", true, true, true,
         "Low threshold must be greater than 0 and less than high threshold. High threshold must be less than or "
         "equal to 255"},
        {"200", "100", false, false, false, "Define at least one color channel"},
    };
    for (const auto &c : cases) {
        gbtest::ScriptedUi ui;
        EqualizeHistogramWin dlg(nullptr);
        retype(dlg.lowThresh()->edit(), QString::fromLatin1(c.low));
        retype(dlg.highThresh()->edit(), QString::fromLatin1(c.high));
        dlg.channel(0)->setChecked(c.red);
        dlg.channel(1)->setChecked(c.green);
        dlg.channel(2)->setChecked(c.blue);
        const QString message = QString::fromLatin1(c.message);
        EXPECT_EQ(press(dlg, "PBOK"), message.isEmpty() ? 1 : 0) << c.low << " " << c.high;
        if (message.isEmpty()) {
            EXPECT_TRUE(ui.boxes.empty());
            EXPECT_EQ(Value(dlg.values()), params({QString::fromLatin1(c.low).toInt(), QString::fromLatin1(c.high).toInt(),
                                                   c.red, c.green, c.blue}));
        } else {
            EXPECT_EQ(ui.boxTexts(), QStringList{message});
            EXPECT_EQ(ui.boxes.at(0).caption, "Warning");
        }
    }
}

TEST(EqualizeHistogramWin, PresetsAndSpinners)
{
    EqualizeHistogramWin fresh(nullptr);
    EXPECT_EQ(fresh.lowThresh()->edit()->text(), "0");
    EXPECT_EQ(fresh.highThresh()->edit()->text(), "255");
    EXPECT_TRUE(fresh.channel(0)->isChecked() && fresh.channel(1)->isChecked() && fresh.channel(2)->isChecked());
    EqualizeHistogramWin edited(nullptr, params({10, 20, false, true, false}));
    EXPECT_EQ(edited.lowThresh()->edit()->text(), "10");
    EXPECT_EQ(edited.highThresh()->partner()->value(), 20);
    EXPECT_FALSE(edited.channel(0)->isChecked());
    for (const Value &wrong : {params({10, 20, false, true}), params({10, 20, false, true, false, true})}) {
        EqualizeHistogramWin dlg(nullptr, wrong);
        EXPECT_EQ(dlg.highThresh()->edit()->text(), "255");
    }
    fresh.lowThresh()->partner()->setValue(37);
    EXPECT_EQ(fresh.lowThresh()->edit()->text(), "37");
    retype(fresh.highThresh()->edit(), "120");
    EXPECT_EQ(fresh.highThresh()->partner()->value(), 120);
}

// ---- Colour depth ----

TEST(ColorDepthWin, ChoicesPresetsAndTheSilentRefusal)
{
    ColorDepthWin fresh(nullptr);
    EXPECT_EQ(fresh.colorsDepth()->currentText(), "16 Million Colors (24 bits)");
    EXPECT_EQ(fresh.noOfColors()->edit()->text(), "");
    EXPECT_FALSE(fresh.noOfColors()->edit()->isEnabled());
    EXPECT_FALSE(fresh.noOfColors()->partner()->isEnabled());
    EXPECT_EQ(press(fresh, "PBOK"), 1);
    EXPECT_EQ(Value(fresh.values()), params({5, 0}));

    gbtest::ScriptedUi ui;
    ColorDepthWin dlg(nullptr);
    dlg.colorsDepth()->setCurrentIndex(5);
    EXPECT_TRUE(dlg.noOfColors()->edit()->isEnabled());
    EXPECT_EQ(press(dlg, "PBOK"), 0);
    retype(dlg.noOfColors()->edit(), "1");
    EXPECT_EQ(press(dlg, "PBOK"), 0);
    retype(dlg.noOfColors()->edit(), "300");
    EXPECT_EQ(dlg.noOfColors()->edit()->text(), "256");
    EXPECT_EQ(press(dlg, "PBOK"), 1);
    EXPECT_EQ(Value(dlg.values()), params({6, 256}));
    EXPECT_TRUE(ui.boxes.empty());
    dlg.colorsDepth()->setCurrentIndex(2);
    EXPECT_EQ(dlg.noOfColors()->edit()->text(), "");
    EXPECT_EQ(press(dlg, "PBOK"), 1);
    EXPECT_EQ(Value(dlg.values()), params({3, 0}));

    ColorDepthWin user(nullptr, params({6, 100}));
    EXPECT_EQ(user.colorsDepth()->currentText(), "User defined number of colors");
    EXPECT_EQ(user.noOfColors()->edit()->text(), "100");
    EXPECT_TRUE(user.noOfColors()->edit()->isEnabled());
    ColorDepthWin eightBits(nullptr, params({4, 0}));
    EXPECT_EQ(eightBits.colorsDepth()->currentText(), "256 Colors (8 bits)");
    EXPECT_EQ(eightBits.noOfColors()->edit()->text(), "0");
    EXPECT_FALSE(eightBits.noOfColors()->edit()->isEnabled());
    ColorDepthWin damaged(nullptr, params({"six", 100}));
    EXPECT_EQ(damaged.colorsDepth()->currentText(), "16 Million Colors (24 bits)");
}

// ---- Overlay image ----

namespace {

QString writePng(const QString &folder, const QString &name, int w, int h)
{
    QImage image(w, h, QImage::Format_RGB888);
    image.fill(QColor(200, 10, 10));
    const QString path = folder + QLatin1Char('/') + name;
    EXPECT_TRUE(image.save(path));
    return path;
}

} // namespace

TEST(OverlayImageWin, NewCommandOpensWithDefaultsAndNeedsAFile)
{
    gbtest::ScriptedUi ui;
    OverlayImageWin dlg(nullptr);
    EXPECT_EQ(dlg.fileEdit()->text(), "");
    EXPECT_EQ(dlg.preview()->image(), nullptr);
    EXPECT_EQ(dlg.align()->textPosition()->text(), "Center at bottom");
    for (const char *m : {"LEFT", "TOP", "RIGHT", "BOTTOM"})
        EXPECT_EQ(dlg.margin(m)->text(), "10") << m;
    EXPECT_TRUE(dlg.margin("BOTTOM")->isEnabled());
    EXPECT_FALSE(dlg.margin("LEFT")->isEnabled());
    EXPECT_FALSE(dlg.margin("TOP")->isEnabled());
    EXPECT_EQ(dlg.opacityPair()->edit()->text(), "100");
    EXPECT_EQ(dlg.opacityPair()->slider()->value(), 100);
    EXPECT_FALSE(dlg.trans()->isChecked());
    EXPECT_FALSE(dlg.transColor()->button()->isEnabled());
    EXPECT_EQ(dlg.transparentColor(), 0xFFFFFFu);
    EXPECT_EQ(press(dlg, "PBOK"), 0);
    EXPECT_EQ(ui.boxTexts(), QStringList{"Please define the overlay image file"});
    // A folder is no overlay file either.
    dlg.fileEdit()->setText(gbtest::makeTempDir());
    EXPECT_EQ(press(dlg, "PBOK"), 0);
    EXPECT_EQ(ui.boxes.size(), 2u);
}

TEST(OverlayImageWin, BrowsedFileIsPreviewedAndApplyGivesEveryValue)
{
    const QString folder = gbtest::makeTempDir();
    const QString big = writePng(folder, "logo.png", 400, 100);
    const QString small = writePng(folder, "dot.png", 5, 4);
    gbtest::ScriptedUi ui;
    ui.openAnswers = {QStringList{big}};
    OverlayImageWin dlg(nullptr);
    dlg.findChild<QPushButton *>("PBBROWSE")->click();
    ASSERT_EQ(ui.dialogs.size(), 1u);
    EXPECT_EQ(ui.dialogs[0].caption, "Select an image file to overlay ...");
    EXPECT_EQ(ui.dialogs[0].filters.size(), 11);
    EXPECT_EQ(ui.dialogs[0].filters.first(), "JPEG (*.jpg)");
    EXPECT_EQ(ui.dialogs[0].filters.last(), "Photoshop (*.psd)");
    EXPECT_EQ(dlg.fileEdit()->text(), big);
    ASSERT_NE(dlg.preview()->image(), nullptr);
    EXPECT_LE(dlg.preview()->image()->width(), dlg.preview()->width() - 2);
    retype(dlg.fileEdit(), small);
    ASSERT_NE(dlg.preview()->image(), nullptr);
    EXPECT_EQ(dlg.preview()->image()->width(), 5) << "a small image is shown at its own size";
    dlg.fileEdit()->setText(folder + "/missing.png");
    EXPECT_EQ(dlg.preview()->image(), nullptr);
    dlg.fileEdit()->setText(big);

    retype(dlg.opacityPair()->edit(), "150");
    EXPECT_EQ(dlg.opacityPair()->edit()->text(), "100");
    dlg.opacityPair()->slider()->setValue(35);
    EXPECT_EQ(dlg.opacityPair()->edit()->text(), "35");
    dlg.align()->button(5)->click();
    EXPECT_EQ(dlg.align()->textPosition()->text(), "Center at middle line");
    for (const char *m : {"LEFT", "TOP", "RIGHT", "BOTTOM"})
        EXPECT_FALSE(dlg.margin(m)->isEnabled()) << m;
    retype(dlg.margin("LEFT"), "");
    dlg.trans()->click();
    EXPECT_TRUE(dlg.transColor()->button()->isEnabled());
    ui.colorAnswers = {makeColorRef(0, 128, 255)};
    dlg.transColor()->button()->click();
    dlg.trans()->click();
    EXPECT_FALSE(dlg.transColor()->sample()->isEnabled());
    EXPECT_EQ(press(dlg, "PBOK"), 1);
    EXPECT_EQ(Value(dlg.values()), params({big, 5, 0, 10, 10, 10, false, int(makeColorRef(0, 128, 255)), 0.35}));
}

TEST(OverlayImageWin, EditedCommandComesBackUnchanged)
{
    const QString file = writePng(gbtest::makeTempDir(), "o.png", 20, 20);
    const Value stored = params({file, 3, 1, 2, 3, 4, true, int(makeColorRef(0, 128, 255)), 0.29});
    OverlayImageWin dlg(nullptr, stored);
    EXPECT_EQ(dlg.align()->textPosition()->text(), "Right aligned at top");
    EXPECT_TRUE(dlg.margin("TOP")->isEnabled());
    EXPECT_TRUE(dlg.margin("RIGHT")->isEnabled());
    EXPECT_FALSE(dlg.margin("LEFT")->isEnabled());
    EXPECT_EQ(dlg.opacityPair()->edit()->text(), "29");
    EXPECT_TRUE(dlg.transColor()->button()->isEnabled());
    EXPECT_EQ(dlg.transColor()->sample()->palette().color(QPalette::Window), QColor(0, 128, 255));
    EXPECT_NE(dlg.preview()->image(), nullptr);
    EXPECT_EQ(press(dlg, "PBOK"), 1);
    EXPECT_EQ(Value(dlg.values()), stored);
    EXPECT_EQ(press(dlg, "PBCANCEL"), -1);

    // Short or mistyped: what is there presets, the rest takes the defaults.
    OverlayImageWin damaged(nullptr, params({file, 42, "x"}));
    EXPECT_EQ(damaged.align()->code(), 8);
    EXPECT_EQ(damaged.margin("LEFT")->text(), "10");
    EXPECT_EQ(damaged.opacityPair()->edit()->text(), "100");
}

// ---- Overlay text ----

TEST(OverlayTextWin, NewCommandGivesTheDefaults)
{
    OverlayTextWin dlg(nullptr);
    EXPECT_EQ(dlg.waterText()->text(), "");
    EXPECT_EQ(dlg.align()->textPosition()->text(), "Center at bottom");
    EXPECT_TRUE(dlg.margin("BOTTOM")->isEnabled());
    EXPECT_FALSE(dlg.margin("RIGHT")->isEnabled());
    EXPECT_TRUE(dlg.transButton()->isChecked());
    EXPECT_FALSE(dlg.backColorField()->button()->isEnabled());
    EXPECT_EQ(press(dlg, "PBOK"), 1);
    EXPECT_EQ(Value(dlg.values()),
              params({"", "Arial", 10, false, false, false, 0, 8, 10, 10, 10, 10, true, 255, 255, 255}));
}

TEST(OverlayTextWin, EditedSolidCommandComesBackUnchanged)
{
    const Value stored =
        params({"(c) me", "Courier New", 14, true, false, true, 255, 1, 1, 2, 3, 4, false, 10, 20, 30});
    OverlayTextWin dlg(nullptr, stored);
    EXPECT_EQ(dlg.waterText()->text(), "(c) me");
    EXPECT_TRUE(dlg.solidButton()->isChecked());
    EXPECT_TRUE(dlg.backColorField()->button()->isEnabled());
    EXPECT_EQ(dlg.align()->textPosition()->text(), "Left aligned at top");
    EXPECT_EQ(press(dlg, "PBOK"), 1);
    EXPECT_EQ(Value(dlg.values()), stored);

    dlg.align()->button(5)->click();
    for (const char *m : {"LEFT", "TOP", "RIGHT", "BOTTOM"})
        EXPECT_FALSE(dlg.margin(m)->isEnabled()) << m;
    dlg.margin("TOP")->setText("");
    dlg.transButton()->click();
    EXPECT_FALSE(dlg.backColorField()->button()->isEnabled());
    EXPECT_EQ(press(dlg, "PBOK"), 1);
    const ValueArray v = dlg.values();
    EXPECT_EQ(v.at(7), Value(5));
    EXPECT_EQ(v.at(9), Value(0)) << "an empty margin gives 0";
    EXPECT_EQ(v.at(12), Value(true));
    EXPECT_EQ(v.at(13), Value(10)) << "the chosen background stays";

    OverlayTextWin damaged(nullptr, params({7, 8}));
    EXPECT_EQ(damaged.waterText()->text(), "");
    EXPECT_EQ(damaged.font().face, "Arial");
    EXPECT_TRUE(damaged.transButton()->isChecked());
}

TEST(OverlayTextWin, FontPickerChangesFontAndColourOnlyWhenAccepted)
{
    OverlayTextWin dlg(nullptr);
    // Cancel the picker first, then accept it in bold.
    gbtest::ModalScript script;
    script.steps = {[](QDialog *picker) { picker->reject(); },
                    [](QDialog *picker) {
                        auto *style = picker->findChild<QComboBox *>("FONTSTYLE");
                        style->setCurrentIndex(style->findText("Bold"));
                        picker->findChild<QPushButton *>("PBOK")->click();
                    }};
    dlg.findChild<QPushButton *>("PBCHANGEFONT")->click();
    EXPECT_EQ(dlg.font(), [] {
        FontData f;
        f.face = "Arial";
        return f;
    }());
    dlg.findChild<QPushButton *>("PBCHANGEFONT")->click();
    EXPECT_TRUE(dlg.font().bold);
    EXPECT_EQ(script.captions, (QStringList{"Font Attributes", "Font Attributes"}));
}
