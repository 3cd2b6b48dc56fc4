#include "common/messages.h"
#include "support/scriptedui.h"
#include "support/testutil.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace gb;
using gbtest::ScriptedUi;

TEST(Messages, BoxesHaveTheirCaptionsAndTypes)
{
    ScriptedUi ui;
    errorMsg(nullptr, "e");
    warningMsg(nullptr, "w");
    infoMessage(nullptr, "i");
    errMessage(nullptr, "x");
    ASSERT_EQ(ui.boxes.size(), 4u);
    EXPECT_EQ(ui.boxes[0].caption, "Error");
    EXPECT_EQ(ui.boxes[1].caption, "Warning");
    EXPECT_EQ(ui.boxes[1].type, 0x40u);
    EXPECT_EQ(ui.boxes[2].caption, "Info");
    EXPECT_EQ(ui.boxes[2].type, 0x40u);
    EXPECT_EQ(ui.boxes[3].caption, "Info");
    EXPECT_EQ(ui.boxes[3].type, 0x10u);
    EXPECT_EQ(ui.boxTexts(), QStringList({"e", "w", "i", "x"}));
}

TEST(Messages, ConfirmDeleteIsTrueOnlyForYes)
{
    ScriptedUi ui;
    ui.boxAnswers = {UiSeam::ResultYes, UiSeam::ResultNo, UiSeam::ResultCancel};
    EXPECT_TRUE(confirmDelete(nullptr, "Delete?"));
    EXPECT_FALSE(confirmDelete(nullptr, "Delete?"));
    EXPECT_FALSE(confirmDelete(nullptr, "Delete?"));
    EXPECT_EQ(ui.boxes[0].caption, "Warning!");
    EXPECT_EQ(ui.boxes[0].type, 0x34u);
}

TEST(Messages, SafeCopyReplacesTargetAndRefusesItself)
{
    const QString dir = gbtest::makeTempDir();
    gbtest::writeFile(dir + "/a.jpg", "new bytes");
    gbtest::writeFile(dir + "/b.jpg", "old");
    EXPECT_TRUE(safeCopy(dir + "/a.jpg", dir + "/b.jpg"));
    EXPECT_EQ(gbtest::readFile(dir + "/b.jpg"), "new bytes");

    QString why;
    EXPECT_FALSE(safeCopy(dir + "/a.jpg", dir + "/./a.jpg", &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_EQ(gbtest::readFile(dir + "/a.jpg"), "new bytes");

    EXPECT_FALSE(safeCopy(dir + "/missing.jpg", dir + "/c.jpg"));
    EXPECT_FALSE(QFile::exists(dir + "/c.jpg"));
    EXPECT_FALSE(safeCopy(dir + "/a.jpg", dir + "/no/such/folder/c.jpg"));
}

TEST(Messages, Go2UrlReportsMissingBrowserAndFailedLaunch)
{
    ScriptedUi ui;
    go2Url(nullptr, "/tmp/my gallery/index.htm");
    EXPECT_EQ(ui.urls, QStringList({"/tmp/my gallery/index.htm"}));
    EXPECT_TRUE(ui.boxes.empty());

    ui.urlOpens = false;
    go2Url(nullptr, "http://localhost/");
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "Web page not opened - URL failed");

    ui.browserPresent = false;
    go2Url(nullptr, "http://localhost/");
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[1].text, "Default internet browser not found!");
    EXPECT_EQ(ui.urls.size(), 2);
}
