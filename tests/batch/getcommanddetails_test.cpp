// Command parameter capture: which window each action opens and the command it makes.
#include "batch/batchaction.h"
#include "batch/getcommanddetails.h"
#include "support/scriptedui.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <vector>

using namespace gb;

namespace {

// Runs steps on each modal dialog as it comes up (in order) and records its caption; a
// dialog with no steps left is cancelled.
struct DialogScript {
    std::vector<std::function<void(QDialog *)>> steps;
    QStringList captions;
    QTimer poll;

    DialogScript()
    {
        QObject::connect(&poll, &QTimer::timeout, [this] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog || dialog->property("scripted").toBool())
                return;
            dialog->setProperty("scripted", true);
            captions << dialog->windowTitle();
            if (captions.size() <= int(steps.size()))
                steps[size_t(captions.size() - 1)](dialog);
            else
                dialog->reject();
        });
        poll.start(5);
    }
};

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
    DialogScript script;
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
    DialogScript script;
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
