#include "common/uiseam.h"
#include "support/scriptedui.h"

#include <gtest/gtest.h>

using gb::UiSeam;

TEST(UiSeam, HeadlessAnswersLikeAUserWhoCancels)
{
    EXPECT_EQ(gb::ui().textBox(nullptr, "Warning!", "Delete?", UiSeam::YesNo | UiSeam::IconExclamation),
              UiSeam::ResultNo);
    EXPECT_EQ(gb::ui().textBox(nullptr, "Info", "Done", UiSeam::IconInformation), UiSeam::ResultOk);
    EXPECT_TRUE(gb::ui().openFileNames(nullptr, "Open", "/", {}, nullptr, true).isEmpty());
    bool failed = false;
    gb::ui().openUrl(nullptr, "http://localhost/", [&](QWidget *) { failed = true; });
    EXPECT_TRUE(failed);
}

TEST(UiSeam, ScriptedUiInstallsItselfAndRecords)
{
    {
        gbtest::ScriptedUi scripted;
        scripted.boxAnswers = {UiSeam::ResultYes};
        EXPECT_EQ(&gb::ui(), &scripted);
        EXPECT_EQ(gb::ui().textBox(nullptr, "Warning!", "Overwrite ?", UiSeam::YesNo), UiSeam::ResultYes);
        EXPECT_EQ(gb::ui().textBox(nullptr, "Warning!", "Again ?", UiSeam::YesNo), UiSeam::ResultNo);
        gb::ui().errorBox(nullptr, "Broken");
        ASSERT_EQ(scripted.boxes.size(), 3u);
        EXPECT_EQ(scripted.boxTexts(), QStringList({"Overwrite ?", "Again ?", "Broken"}));
        EXPECT_EQ(scripted.boxes[2].caption, "Error");
    }
    EXPECT_EQ(gb::ui().textBox(nullptr, "Warning!", "x", UiSeam::YesNo), UiSeam::ResultNo);
}
