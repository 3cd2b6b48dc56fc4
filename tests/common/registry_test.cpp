#include "common/appdirs.h"
#include "common/registry.h"
#include "support/scriptedui.h"
#include "support/testutil.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace gb;

namespace {

// Each test starts from an empty registry file in its own home folder.
class RegistryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        mOldHome = qgetenv("GLIMMERBOX_HOME");
        qputenv("GLIMMERBOX_HOME", gbtest::makeTempDir("reg").toUtf8());
    }
    void TearDown() override { qputenv("GLIMMERBOX_HOME", mOldHome); }

    QByteArray mOldHome;
    gbtest::ScriptedUi mUi;
};

} // namespace

TEST_F(RegistryTest, MissingValuesReadNeutral)
{
    EXPECT_EQ(kvtQueryRtRegInt("Window", "MainX"), 0);
    EXPECT_EQ(kvtQueryRtRegString("Last Used", "Archive"), "");
    EXPECT_TRUE(mUi.boxes.empty());
}

TEST_F(RegistryTest, IntegersAndTextsRoundTrip)
{
    EXPECT_TRUE(kvtSetRtRegInt("Window", "MainW", 812));
    EXPECT_TRUE(kvtSetRtRegInt("Window", "MainX", -5));
    EXPECT_TRUE(kvtSetRtRegString("Last Used", "Archive", "/home/u/cats/holiday, 2001"));
    EXPECT_TRUE(kvtSetRtRegString("Print Options", "Company Logo", ""));
    EXPECT_EQ(kvtQueryRtRegInt("Window", "MainW"), 812);
    EXPECT_EQ(kvtQueryRtRegInt("Window", "MainX"), -5);
    EXPECT_EQ(kvtQueryRtRegString("Last Used", "Archive"), "/home/u/cats/holiday, 2001");
    EXPECT_EQ(kvtQueryRtRegString("Print Options", "Company Logo"), "");

    // Sections are INI groups of the one registry file.
    QSettings ini(registryFilePath(), QSettings::IniFormat);
    EXPECT_EQ(ini.value("Window/MainW").toInt(), 812);
}

TEST_F(RegistryTest, TextsOf200CharactersReadEmpty)
{
    kvtSetRtRegString("Last Used", "Split Directory", QString(199, 'a'));
    EXPECT_EQ(kvtQueryRtRegString("Last Used", "Split Directory"), QString(199, 'a'));
    kvtSetRtRegString("Last Used", "Split Directory", QString(200, 'a'));
    EXPECT_EQ(kvtQueryRtRegString("Last Used", "Split Directory"), "");
}

TEST_F(RegistryTest, NonNumericIntegerReadsZero)
{
    kvtSetRtRegString("Window", "MainH", "tall");
    EXPECT_EQ(kvtQueryRtRegInt("Window", "MainH"), 0);
}

TEST_F(RegistryTest, GetIntFromRegWritesTheDefaultOnce)
{
    EXPECT_EQ(getIntFromReg("Print Options", "Top Margin"), 20);
    EXPECT_EQ(kvtQueryRtRegInt("Print Options", "Top Margin"), 20);
    kvtSetRtRegInt("Print Options", "Top Margin", 33);
    EXPECT_EQ(getIntFromReg("Print Options", "Top Margin"), 33);
    // A stored 0 is "not stored": the default comes back.
    kvtSetRtRegInt("Print Options", "Top Margin", 0);
    EXPECT_EQ(getIntFromReg("Print Options", "Top Margin"), 20);
    EXPECT_TRUE(mUi.boxes.empty());
}

TEST_F(RegistryTest, GetIntFromRegMatchesSectionAndNameExactly)
{
    EXPECT_EQ(getIntFromReg("print options", "Top Margin"), 0);
    ASSERT_EQ(mUi.boxes.size(), 1u);
    EXPECT_EQ(mUi.boxes[0].caption, "Error");
    EXPECT_EQ(mUi.boxes[0].text, "Quering: print options - Top Margin");
    EXPECT_EQ(kvtQueryRtRegInt("print options", "Top Margin"), 0);
}

TEST_F(RegistryTest, StartUpPassWritesEveryMissingDefault)
{
    kvtSetRtRegInt("View Options", "Width", 777);
    getIntFromReg("", "");

    int count = 0;
    const RegIntDefault *rows = regIntDefaults(&count);
    ASSERT_EQ(count, 27);
    QSettings ini(registryFilePath(), QSettings::IniFormat);
    int stored = 0;
    for (int i = 0; i < count; ++i) {
        const QString key = QString("%1/%2").arg(rows[i].section, rows[i].name);
        ASSERT_TRUE(ini.contains(key)) << qPrintable(key);
        ++stored;
        const int expected = QString(rows[i].name) == "Width" ? 777 : rows[i].value;
        EXPECT_EQ(ini.value(key).toInt(), expected) << qPrintable(key);
    }
    EXPECT_EQ(stored, 27);
    // "OriginX" defaults to 0, so it reads "not stored" and is written again at every start.
    EXPECT_EQ(kvtQueryRtRegInt("View Options", "OriginX"), 0);
    EXPECT_EQ(getIntFromReg("General Options", "Folders"), 1);
}

TEST_F(RegistryTest, UnreadableFileShowsTheMainKeyBoxAndGivesNeutralValues)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    kvtSetRtRegInt("Window", "MainX", 10);
    ::chmod(QFile::encodeName(registryFilePath()).constData(), 0);
    EXPECT_EQ(kvtQueryRtRegInt("Window", "MainX"), 0);
    ASSERT_FALSE(mUi.boxes.empty());
    EXPECT_EQ(mUi.boxes[0].caption, "Error creating - opening registry main key");
    ::chmod(QFile::encodeName(registryFilePath()).constData(), 0600);
}

TEST_F(RegistryTest, MissingFolderShowsTheMainKeyBox)
{
    // A home that is a file, not a folder: nothing can be created under it.
    const QString file = gbtest::makeTempDir("blocked") + "/plainfile";
    gbtest::writeFile(file, "x");
    qputenv("GLIMMERBOX_HOME", file.toUtf8());
    EXPECT_FALSE(kvtSetRtRegInt("Window", "MainX", 3));
    EXPECT_EQ(kvtQueryRtRegString("Last Used", "Archive"), "");
    ASSERT_GE(mUi.boxes.size(), 2u);
    EXPECT_EQ(mUi.boxes[0].caption, "Error creating - opening registry main key");
    EXPECT_EQ(mUi.boxes[0].type, gb::UiSeam::IconInformation);
}
