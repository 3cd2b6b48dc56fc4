// The batch job's settings, output naming and folder check.

#include "batch/be.h"
#include "batch/filenaming.h"

#include "support/scriptedui.h"
#include "support/testutil.h"

#include <QDir>

#include <gtest/gtest.h>

#include <climits>

using namespace gb;

TEST(BeSettings, NewJobHasTheDefaults)
{
    const Be job;
    const Value expected(ValueArray{3, "", 3, 1, "img", "img", "", 100, true, 3, 1, 4, Value(ValueArray()), false});
    EXPECT_EQ(job.aData(), expected);
    EXPECT_EQ(Be(nullptr, Value()).aData(), expected);
    EXPECT_TRUE(job.commands().empty());
}

TEST(BeSettings, StoredArraysArePaddedAndTypeChecked)
{
    // Short, with a text where FINALFORMAT's number belongs and a number for JPGPROG.
    const Be job(nullptr, Value(ValueArray{"jpg", "/out/", 4, 2, "s", "p", "n", 80, 1}));
    EXPECT_EQ(job.finalFormat(), 3);
    EXPECT_EQ(job.finalFolder(), "/out/");
    EXPECT_EQ(job.finalFormatRo(), 4);
    EXPECT_EQ(job.naming(), 2);
    EXPECT_EQ(job.jpgQuality(), 80);
    EXPECT_TRUE(job.jpgProg());
    EXPECT_EQ(job.overwrite(), 3);
    EXPECT_EQ(job.enumLength(), 4);
    EXPECT_EQ(job.aData().size(), Be::kSlotCount);

    // A script with one good command, one damaged and one that is no command.
    ValueArray data = Be().aData().array();
    data[12] = Value(ValueArray{Value(ValueArray{4, "Flip"}), Value(ValueArray{10, "Blur"}), Value("junk")});
    data.emplace_back("extra slot");
    const Be loaded(nullptr, Value(data));
    ASSERT_EQ(loaded.commands().size(), 2u);
    EXPECT_EQ(loaded.commands()[1].slotCount(), 3);
    EXPECT_EQ(loaded.aData().size(), Be::kSlotCount);
}

TEST(BeSettings, CommandsAccessGivesACopy)
{
    Be job;
    job.setCommands({BatchCommand::make(4, {})});
    std::vector<BatchCommand> copy = job.commands();
    copy.push_back(BatchCommand::make(5, {}));
    copy[0] = BatchCommand::make(19, {});
    ASSERT_EQ(job.commands().size(), 1u);
    EXPECT_EQ(job.commands()[0].id(), 4);
}

TEST(BeNaming, NamesFollowNamingAndFormat)
{
    struct Row {
        int naming;
        int format;
        QString source;
        QString expected;
    } rows[] = {
        {1, 3, "/pics/holiday.JPG", "/out/holiday.jpg"},
        {1, 0, "/pics/holiday.JPG", "/out/holiday.JPG"},
        {2, 4, "/pics/holiday.JPG", "/out/holiday_small.png"},
        {3, 3, "/pics/holiday.JPG", "/out/0003img.jpg"},
        {4, 3, "/pics/holiday.JPG", "/out/img0003.jpg"},
        {7, 3, "/pics/holiday.JPG", "/out/holiday.jpg"},        // unknown naming acts as 1
        {2, 6, "/pics/a.b.tif", "/out/a.b_small.tif"},          // base name up to the last dot
        {1, 0, "/pics/scan.psd", "/out/scan.png"},              // read-only source: FINALFORMATRO
        {1, 3, "/pics/scan.PSD", "/out/scan.jpg"},              // ... or the job's own format
        {1, 10, "/pics/holiday.JPG", ""},                       // no extension for the code
        {1, -1, "/pics/holiday.JPG", ""},
        {2, 3, "/my.pics/photo", "/out/photo_small.jpg"},       // dot in a folder, none in the name
        {2, 0, "/my.pics/photo", "/out/photo_small"},           // no trailing "."
        {1, 9, "/pics/.hidden", "/out/.tga"},
    };
    Be job;
    job.setFinalFolder("/out/");
    job.setFinalFormatRo(4);
    job.setStdName("_small");
    for (const Row &row : rows) {
        job.setNaming(row.naming);
        job.setFinalFormat(row.format);
        EXPECT_EQ(job.findNewName(row.source, 3), row.expected) << row.naming << " " << row.format << " "
                                                                << qPrintable(row.source);
    }
}

TEST(BeNaming, NumbersStartAndPad)
{
    struct Row {
        int start, length, index;
        QString expected;
    } rows[] = {{998, 2, 5, "1002"}, {1, 0, 5, "5"}, {1, 4, 1, "0001"}, {1, -3, 12, "12"}, {0, 3, 1, "000"},
                {-5, 4, 1, "-005"}, {7, 300, 1, QString(254, '0') + "7"}, {7, INT_MAX, 1, QString(254, '0') + "7"}};
    Be job;
    for (const Row &row : rows) {
        job.setEnumStart(row.start);
        job.setEnumLength(row.length);
        EXPECT_EQ(job.Enum(row.index), row.expected) << row.start << " " << row.length;
    }
}

TEST(BeNaming, ReadOnlyFilesAreThoseOfPhotoshop)
{
    EXPECT_TRUE(Be::isReadOnlyFile("/a/b.psd"));
    EXPECT_TRUE(Be::isReadOnlyFile("/a/b.PsD"));
    EXPECT_FALSE(Be::isReadOnlyFile("/a.psd/b"));
    EXPECT_FALSE(Be::isReadOnlyFile("/a/psd"));
    EXPECT_FALSE(Be::isReadOnlyFile("/a/b.jpg"));

    Be job;
    job.setFinalFormat(0);
    job.setFinalFormatRo(3);
    EXPECT_EQ(job.outputFormat("/a/b.psd"), 3);
    EXPECT_EQ(job.outputFormat("/a/b.png"), 0);
    job.setFinalFormat(4);
    EXPECT_EQ(job.outputFormat("/a/b.psd"), 4);
}

TEST(BeValidate, TrimsCompletesAndChecksTheFolder)
{
    gbtest::ScriptedUi ui;
    const QString dir = gbtest::makeTempDir("validate");
    Be job;
    job.setFinalFolder("  " + dir + "  ");
    EXPECT_TRUE(job.validate());
    EXPECT_EQ(job.finalFolder(), dir + "/");
    EXPECT_TRUE(ui.boxes.empty());

    job.setFinalFolder("   ");
    EXPECT_FALSE(job.validate());
    EXPECT_EQ(job.finalFolder(), "");
    job.setFinalFolder(dir + "/missing");
    EXPECT_FALSE(job.validate());
    EXPECT_EQ(job.finalFolder(), dir + "/missing/");
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[0].caption, "Info");
    EXPECT_EQ(ui.boxes[0].text, "Please define final images folder");
    EXPECT_EQ(ui.boxes[1].text, "Output folder does not exist");
}

TEST(FileNaming, OverwritePolicies)
{
    gbtest::ScriptedUi ui;
    const QString dir = gbtest::makeTempDir("overwrite");
    const QString there = dir + "/there.jpg";
    gbtest::writeFile(there, "x");
    const QString missing = dir + "/missing.jpg";

    for (int mode : {1, 2, 3, 0, 9})
        EXPECT_TRUE(mayOverwrite(mode, nullptr, missing)) << mode;
    EXPECT_TRUE(ui.boxes.empty());

    EXPECT_TRUE(mayOverwrite(1, nullptr, there));
    EXPECT_TRUE(mayOverwrite(7, nullptr, there));
    EXPECT_FALSE(mayOverwrite(2, nullptr, there));
    EXPECT_TRUE(ui.boxes.empty());

    ui.boxAnswers = {UiSeam::ResultYes, UiSeam::ResultNo};
    EXPECT_TRUE(mayOverwrite(3, nullptr, there));
    EXPECT_FALSE(mayOverwrite(3, nullptr, there));
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[0].caption, "Warning!");
    EXPECT_EQ(ui.boxes[0].text, "File: " + there + " exist and will be overwritten");
}

TEST(FileNaming, ClashesAreFoundBeforeWriting)
{
    const QString dir = gbtest::makeTempDir("clash");
    const QString a = dir + "/a.jpg", b = dir + "/sub/../b.jpg";
    QDir().mkpath(dir + "/sub");
    gbtest::writeFile(a, "a");
    gbtest::writeFile(dir + "/b.jpg", "b");

    EXPECT_EQ(findOutputClash({a, b}, {dir + "/out/a.jpg", dir + "/out/b.jpg"}), "");
    EXPECT_EQ(findOutputClash({a, b}, {"", ""}), "");
    // Written onto a source, however the path is spelled.
    EXPECT_NE(findOutputClash({a, b}, {dir + "/x.jpg", dir + "/b.jpg"}), "");
    EXPECT_NE(findOutputClash({a}, {dir + "/sub/../a.jpg"}), "");
    // Two sources onto one output.
    const QString twice = findOutputClash({a, b}, {dir + "/out/same.jpg", dir + "/out/same.jpg"});
    EXPECT_TRUE(twice.contains(dir + "/out/same.jpg"));
}
