// Command parameter capture: which window each action opens and the command it makes.
#include "batch/batchaction.h"
#include "actions/userfilter.h"
#include "batch/batchcommand.h"
#include "batch/getcommanddetails.h"
#include "common/colorvalues.h"
#include "common/imagsysserver.h"
#include "support/modalscript.h"
#include "support/scriptedui.h"
#include "support/testutil.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <vector>

using namespace gb;

namespace {


void click(QDialog *dialog, const char *name)
{
    auto *button = dialog->findChild<QPushButton *>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    button->click();
}

Value list(ValueArray values)
{
    return Value(std::move(values));
}

} // namespace

TEST(GetCommandDetails, ActionsWithoutParametersNeedNoWindowAndRefuseAnEdit)
{
    initializeActions();
    for (int id : {4, 5, 12, 18, 19, 20, 21, 22}) {
        gbtest::ScriptedUi ui;
        EXPECT_EQ(getCommandDetails(nullptr, id, nullptr), list({id, getActionDesc(id)})) << id;
        EXPECT_TRUE(ui.boxes.empty());
        const Value empty = list({});
        EXPECT_EQ(getCommandDetails(nullptr, id, &empty), list({})) << id;
        ASSERT_EQ(ui.boxes.size(), 1u);
        EXPECT_EQ(ui.boxes[0].caption, "Warning");
        EXPECT_EQ(ui.boxes[0].text, "This command has no additional details");
    }
}

TEST(GetCommandDetails, IdsOfNoActionGiveNothingAndShowNothing)
{
    gbtest::ScriptedUi ui;
    QTimer guard; // a dialog shown by mistake would block: close it and count it
    int shown = 0;
    QObject::connect(&guard, &QTimer::timeout, [&] {
        if (auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            ++shown;
            d->reject();
        }
    });
    guard.start(10);
    const Value old = list({1, 2});
    for (int id : {13, 17, 0, -1, 26, 1000}) {
        EXPECT_EQ(getCommandDetails(nullptr, id, nullptr), list({})) << id;
        EXPECT_EQ(getCommandDetails(nullptr, id, &old), list({})) << id;
    }
    EXPECT_EQ(shown, 0);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST(GetCommandDetails, BlurAndSharpenShareTheLevelDialogUnderTheirCaptions)
{
    gbtest::ModalScript script;
    script.steps = {[](QDialog *d) { click(d, "PBOK"); },
                    [](QDialog *d) {
                        d->findChild<QLineEdit *>("SHARPEN")->setText("30");
                        click(d, "PBOK");
                    }};
    EXPECT_EQ(getCommandDetails(nullptr, 10, nullptr), list({10, "Blur", 50}));
    const Value old = list({80});
    EXPECT_EQ(getCommandDetails(nullptr, 11, &old), list({11, "Sharpen", 30}));
    EXPECT_EQ(script.captions, (QStringList{"Blur Image", "Sharpen Image"}));
}

TEST(GetCommandDetails, AnEditedStepIsPresetAndCancelKeepsIt)
{
    gbtest::ModalScript script;
    QString shownWidth;
    script.steps = {[&](QDialog *d) {
                        shownWidth = d->findChild<QLineEdit *>("WIDTH")->text();
                        click(d, "PBCANCEL");
                    },
                    [](QDialog *d) { click(d, "PBOK"); }};
    const Value old = list({2, 800, 0, 0, true});
    EXPECT_EQ(getCommandDetails(nullptr, 6, &old), list({}));
    EXPECT_EQ(shownWidth, "800");
    EXPECT_EQ(getCommandDetails(nullptr, 6, &old), list({6, "Resize", 2, 800, 0, 0, true}));
    EXPECT_EQ(script.captions, (QStringList{"Resize Image", "Resize Image"}));
}

namespace {

struct FreshDatabase {
    ImagSysServer db{gbtest::makeTempDir()};
    FreshDatabase() { setGoSysServer(&db); }
    ~FreshDatabase() { setGoSysServer(nullptr); }
};

void chooseFilter(QDialog *d, const QString &description)
{
    auto *list = d->findChild<QListWidget *>("FILTERS");
    const auto items = list->findItems(description, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1);
    items.first()->setSelected(true);
    click(d, "PBAPPLY");
}

} // namespace

TEST(GetCommandDetails, FilterCommandsCarryACopyOfTheChosenRecord)
{
    initializeActions();
    FreshDatabase fresh;
    UserFilter matrix;
    matrix.coefficients[4] = 3;
    UserConvFilter conv;
    conv.level = 2;
    QString mKey, cKey;
    fresh.db.appendNewFilter("Sharp", matrix.toValue().array(), mKey);
    fresh.db.appendNewCFilter("Soft", conv.toValue().array(), cKey);

    gbtest::ModalScript script;
    script.steps = {[](QDialog *d) { chooseFilter(d, "Sharp"); }, [](QDialog *d) { chooseFilter(d, "Soft"); },
                    [](QDialog *d) { click(d, "PBCANCEL"); }};
    const Value old = list({});
    const Value first = getCommandDetails(nullptr, 14, &old); // an edit opens the list too
    EXPECT_EQ(first, list({14, "Apply Filter - Sharp", matrix.toValue()}));
    EXPECT_EQ(getCommandDetails(nullptr, 15, nullptr), list({15, "Apply Convolution Filter - Soft", conv.toValue()}));
    EXPECT_EQ(getCommandDetails(nullptr, 14, nullptr), list({}));
    EXPECT_EQ(script.captions,
              (QStringList{"Available Filters ...", "Available Convolution Filters ...", "Available Filters ..."}));
}

TEST(GetCommandDetails, AFilterWithoutARecordIsReportedAndADamagedOneIsMadeWhole)
{
    initializeActions();
    FreshDatabase fresh;
    QString key;
    fresh.db.appendNewFilter("Empty", {}, key);
    fresh.db.appendNewFilter("Short", {Value(ValueArray{1, 2, 3})}, key);
    gbtest::ScriptedUi ui;
    gbtest::ModalScript script;
    script.steps = {[](QDialog *d) { chooseFilter(d, "Empty"); }, [](QDialog *d) { chooseFilter(d, "Short"); }};
    EXPECT_EQ(getCommandDetails(nullptr, 14, nullptr), list({}));
    EXPECT_EQ(ui.boxTexts(), QStringList{"An error occured - cannot retrieve filter information"});
    const Value made = getCommandDetails(nullptr, 14, nullptr);
    ASSERT_EQ(made.size(), 3);
    EXPECT_EQ(made.at(2).size(), 7);
    EXPECT_EQ(UserFilter::fromValue(made.at(2)).coefficients[2], 3.0);
    EXPECT_EQ(UserFilter::fromValue(made.at(2)).factor, 1.0);
}

TEST(GetCommandDetails, ReplaceColorPacksOnlyTheNewColour)
{
    initializeActions();
    gbtest::ScriptedUi ui;
    ui.colorAnswers = {makeColorRef(1, 2, 3), makeColorRef(0, 0, 255)};
    gbtest::ModalScript script;
    script.steps = {[](QDialog *d) {
        click(d, "PBCHANGEOLDCOLOR");
        click(d, "PBCHANGENEWCOLOR");
        click(d, "PBOK");
    }};
    EXPECT_EQ(getCommandDetails(nullptr, 23, nullptr), list({23, "Replace Color", 1, 2, 3, 16711680, 0}));
    EXPECT_EQ(script.captions, QStringList{"Replace Color"});
}

TEST(GetCommandDetails, EveryParameterActionOpensItsDialogWithItsSlotCount)
{
    initializeActions();
    const struct {
        int id;
        const char *caption;
        int slotCount;
    } cases[] = {
        {1, "Overlay Text", 18},      {3, "Rotate Image", 4},
        {6, "Resize Image", 7},       {7, "Add Border", 9},
        {8, "Buttonize Image", 6},    {9, "Glass Frame", 3},
        {16, "Adjust Image Brightness/Contrast", 4}, {24, "Equalize Histogram", 7},
        {25, "Color Depth", 4},
    };
    for (const auto &c : cases) {
        gbtest::ScriptedUi ui;
        gbtest::ModalScript script;
        script.steps = {[](QDialog *d) {
            // Fill what each dialog needs before Apply is accepted.
            for (const char *name : {"WIDTH", "HEIGHT", "TOP"}) {
                if (auto *e = d->findChild<QLineEdit *>(name))
                    e->setText("5");
            }
            auto *apply = d->findChild<QPushButton *>("PBOK");
            (apply ? apply : d->findChild<QPushButton *>("PBAPPLY"))->click();
        }};
        const Value made = getCommandDetails(nullptr, c.id, nullptr);
        EXPECT_EQ(script.captions, QStringList{QString::fromLatin1(c.caption)}) << c.id;
        EXPECT_EQ(made.size(), c.slotCount) << c.id;
        EXPECT_EQ(made.at(0), Value(c.id));
        EXPECT_EQ(made.at(1), Value(getActionDesc(c.id)));
        // Every slot has the type the stored layout expects, so a run reads what was chosen.
        const std::optional<BatchCommand> checked = BatchCommand::fromValue(made);
        ASSERT_TRUE(checked.has_value());
        EXPECT_EQ(checked->toValue(), made) << c.id;
        EXPECT_TRUE(ui.boxes.empty()) << c.id << " " << ui.boxTexts().join("|").toStdString();
    }
}

TEST(GetCommandDetails, OverlayImageNeedsAnExistingFile)
{
    initializeActions();
    const QString folder = gbtest::makeTempDir();
    QImage image(8, 8, QImage::Format_RGB888);
    image.fill(Qt::green);
    const QString file = folder + "/logo.png";
    ASSERT_TRUE(image.save(file));
    gbtest::ScriptedUi ui;
    gbtest::ModalScript script;
    script.steps = {[&](QDialog *d) {
        click(d, "PBOK");
        d->findChild<QLineEdit *>("OVERLAYFILE")->setText(file);
        click(d, "PBOK");
    }};
    EXPECT_EQ(getCommandDetails(nullptr, 2, nullptr),
              list({2, "Overlay Image", file, 8, 10, 10, 10, 10, false, 16777215, 1.0}));
    EXPECT_EQ(ui.boxTexts(), QStringList{"Please define the overlay image file"});
}
