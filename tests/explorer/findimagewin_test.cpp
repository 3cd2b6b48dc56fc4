#include "explorer/findimagewin.h"

#include "explorer/dialogfields.h"
#include "explorerfixture.h"
#include "image/previewft.h"
#include "support/enterkey.h"
#include "support/scriptedui.h"
#include "support/testutil.h"

#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <utime.h>

using namespace gb;
using gbtest::readFile;
using gbtest::writeFile;

namespace {

void setDay(const QString &path, const QDate &day)
{
    struct utimbuf times;
    times.actime = times.modtime = QDateTime(day, QTime(12, 0)).toSecsSinceEpoch();
    ::utime(QFile::encodeName(path).constData(), &times);
}

} // namespace

TEST(FindImageWin, OpensEmptyWithEveryTypeTicked)
{
    FindImageWin w(nullptr);
    EXPECT_EQ(w.windowTitle(), "Find Image File ...");
    EXPECT_TRUE(w.lookIn()->text().isEmpty());
    EXPECT_FALSE(w.searchSubfolders()->isChecked());
    for (const char *t : {"bmp", "emf", "gif", "jpg", "pcx", "png", "tga", "tif", "wmf", "psd"})
        EXPECT_TRUE(w.typeBox(t)->isChecked()) << t;
}

TEST(FindImageWin, EnterAfterTypingTheFolderSearchesIt)
{
    const QString dir = gbtest::makeTempDir("findenter") + "/";
    ASSERT_TRUE(writeFile(dir + "a.jpg", "x"));
    gbtest::ScriptedUi ui;
    FindImageWin w(nullptr);
    w.lookIn()->setText(dir);
    EXPECT_EQ(gbtest::buttonsPressedByEnter(w, w.lookIn()), QStringList{"Find"});
    EXPECT_EQ(w.results(), QStringList{dir + "a.jpg"});
    EXPECT_TRUE(ui.dialogs.empty());
}

TEST(FindImageWin, EveryFrameEndsInsideTheDialog)
{
    FindImageWin w(nullptr);
    for (const QGroupBox *frame : w.findChildren<QGroupBox *>()) {
        // A frame drawn on the last pixel column lies under the window's border.
        EXPECT_LT(frame->geometry().right(), w.width() - 2) << frame->title().toStdString();
        EXPECT_GT(frame->geometry().left(), 0);
    }
}

TEST(FindImageWin, RefusedSearchesKeepThePreviousResults)
{
    const QString dir = gbtest::makeTempDir("findv") + "/";
    ASSERT_TRUE(writeFile(dir + "a.jpg", "x"));
    gbtest::ScriptedUi ui;
    FindImageWin w(nullptr);
    w.lookIn()->setText(dir.chopped(1));
    w.pbFind();
    ASSERT_EQ(w.results(), QStringList{dir + "a.jpg"});
    EXPECT_EQ(w.criteria().lookInFolder, dir);

    struct Case {
        std::function<void()> set;
        const char *message;
    } cases[] = {
        {[&] { w.lookIn()->setText("  "); }, "Please define search starting folder"},
        {[&] { w.lookIn()->setText(dir + "none"); }, "Search starting folder does not exist"},
        {[&] {
             w.lookIn()->setText(dir);
             for (const char *t : {"bmp", "emf", "gif", "jpg", "pcx", "png", "tga", "tif", "wmf", "psd"})
                 w.typeBox(t)->setChecked(false);
         },
         "Please define at least one image type"},
        {[&] {
             w.typeBox("jpg")->setChecked(true);
             w.sizeGreaterEdit()->setText("10");
         },
         "Min file size must be less than Max file size"},
        {[&] {
             w.sizeGreaterEdit()->setText("30");
             w.sizeLessEdit()->setText("20");
         },
         "Min file size must be less than Max file size"},
        {[&] {
             w.sizeGreaterEdit()->clear();
             w.sizeLessEdit()->clear();
             w.modAfterEdit()->setText(dateToField(QDate(2001, 6, 1)));
             w.modBeforeEdit()->setText(dateToField(QDate(2001, 5, 1)));
         },
         "'Modifier after' date must be less than 'Modified before' date"},
    };
    for (const Case &c : cases) {
        ui.boxes.clear();
        c.set();
        w.pbFind();
        EXPECT_EQ(ui.boxTexts(), QStringList{c.message});
        EXPECT_EQ(ui.boxes[0].caption, "Error");
        EXPECT_EQ(w.results(), QStringList{dir + "a.jpg"});
    }
}

TEST(FindImageWin, FindsByEveryCriterionAndListsTheMatchesSorted)
{
    const QString dir = gbtest::makeTempDir("findc") + "/";
    QDir(dir).mkpath("sub");
    const struct {
        const char *name;
        int bytes;
        QDate day;
    } files[] = {
        {"Holiday.jpg", 20480, {2001, 5, 31}}, {"holiday.jpg", 20480, {2001, 5, 20}},
        {"tmp1.jpg", 15000, {2001, 5, 20}},    {"big.JPG", 30000, {2001, 5, 20}},
        {"sub/Hols.jpg", 12000, {2001, 5, 2}}, {"sub/Holland.png", 12000, {2001, 5, 1}},
        {"movie.jpeg", 15000, {2001, 5, 20}},
    };
    for (const auto &f : files) {
        ASSERT_TRUE(writeFile(dir + f.name, QByteArray(f.bytes, 'x')));
        setDay(dir + f.name, f.day);
    }
    gbtest::ScriptedUi ui;
    FindImageWin w(nullptr);
    w.lookIn()->setText(dir);
    w.pbFind();
    EXPECT_EQ(w.results(), QStringList({dir + "big.JPG", dir + "Holiday.jpg", dir + "holiday.jpg", dir + "tmp1.jpg"}));
    // . .. big.JPG Holiday.jpg holiday.jpg movie.jpeg sub tmp1.jpg
    EXPECT_EQ(w.searchedLabel()->text(), "8");
    EXPECT_EQ(w.foundLabel()->text(), "4");
    EXPECT_EQ(w.searchIn()->text(), "");

    w.searchSubfolders()->setChecked(true);
    w.includeEdit()->setText("Hol");
    w.excludeEdit()->setText("land");
    w.sizeGreaterEdit()->setText("10");
    w.sizeLessEdit()->setText("20");
    w.modAfterEdit()->setText(dateToField(QDate(2001, 5, 1)));
    w.modBeforeEdit()->setText(dateToField(QDate(2001, 5, 31)));
    w.pbFind();
    EXPECT_EQ(w.results(), QStringList({dir + "Holiday.jpg", dir + "sub/Hols.jpg"}));
    // and in sub: . .. Holland.png Hols.jpg
    EXPECT_EQ(w.searchedLabel()->text(), "12");
    EXPECT_EQ(w.criteria().imageTypes.size(), 10);
    EXPECT_EQ(w.criteria().minFileSize, 10);

    w.includeEdit()->setText("nothing like it");
    w.pbFind();
    EXPECT_TRUE(w.results().isEmpty());
    EXPECT_EQ(w.foundLabel()->text(), "");
    EXPECT_TRUE(ui.boxes.empty());
}

TEST(FindImageWin, ContextCommandsActOnTheSelectedMatch)
{
    const QString dir = gbtest::makeTempDir("findm") + "/";
    const QString to = gbtest::makeTempDir("findto") + "/";
    ASSERT_TRUE(gbtest::writePng(dir + "a.png"));
    ASSERT_TRUE(gbtest::writePng(dir + "b.png", 40, 30));
    ASSERT_TRUE(writeFile(dir + "c.png", "c"));
    ASSERT_TRUE(writeFile(to + "b.png", "older"));
    const auto before = gbtest::snapshot(dir);
    gbtest::ScriptedUi ui;
    FindImageWin w(nullptr);
    w.lookIn()->setText(dir);
    w.pbFind();
    ASSERT_EQ(w.results().size(), 3);

    // Nothing selected: nothing happens.
    w.copyFile();
    w.removeFile();
    EXPECT_TRUE(ui.dialogs.empty());
    EXPECT_TRUE(ui.boxes.empty());

    w.selectResult(0);
    EXPECT_NE(w.preview()->image(), nullptr);
    ui.folderAnswers = {to};
    w.copyFile();
    EXPECT_EQ(ui.dialogs.back().caption, "Select folder to copy selected file");
    EXPECT_EQ(readFile(to + "a.png"), before["a.png"]);
    EXPECT_EQ(w.results().size(), 3);

    // Moving onto an existing file asks; No keeps everything, Yes copies then deletes.
    w.selectResult(1);
    ui.folderAnswers = {to, to};
    ui.boxAnswers = {UiSeam::ResultNo, UiSeam::ResultYes};
    w.moveFile();
    EXPECT_EQ(ui.boxTexts(), QStringList{"File : " + to + "b.png exist and will be overwritten."});
    EXPECT_EQ(w.results().size(), 3);
    w.moveFile();
    EXPECT_EQ(readFile(to + "b.png"), before["b.png"]);
    EXPECT_FALSE(QFile::exists(dir + "b.png"));
    EXPECT_EQ(w.results(), QStringList({dir + "a.png", dir + "c.png"}));

    // Remove asks; a failure keeps the entry.
    w.selectResult(1);
    ui.boxes.clear();
    ui.boxAnswers = {UiSeam::ResultYes, UiSeam::ResultOk, UiSeam::ResultYes};
    QFile::remove(dir + "c.png");
    w.removeFile();
    EXPECT_EQ(ui.boxTexts().value(1), "Unable to delete file " + dir + "c.png\r\nError: No such file or directory\r\n");
    EXPECT_EQ(w.results().size(), 2);
    w.selectResult(0);
    w.removeFile();
    EXPECT_EQ(w.results(), QStringList{dir + "c.png"});
    EXPECT_FALSE(QFile::exists(dir + "a.png"));

    // Properties open on the selected match.
    w.selectResult(0);
    QString title;
    gbtest::whenModal([&](QDialog *d) {
        title = d->windowTitle();
        d->reject();
    });
    w.fileProperties();
    EXPECT_EQ(title, "File Properties");
}

TEST(FindImageWin, CloseDuringASearchStopsIt)
{
    const QString dir = gbtest::makeTempDir("findstop") + "/";
    for (int d = 0; d < 40; ++d) {
        QDir(dir).mkpath(QString("f%1").arg(d));
        for (int i = 0; i < 100; ++i)
            writeFile(dir + QString("f%1/%2.jpg").arg(d).arg(i), "");
    }
    FindImageWin w(nullptr);
    w.show();
    w.lookIn()->setText(dir);
    w.searchSubfolders()->setChecked(true);
    bool wasSearching = false;
    // The first event served during the search presses Close.
    QTimer::singleShot(0, &w, [&] {
        wasSearching = w.searching();
        w.closeButton()->click();
    });
    w.pbFind();
    EXPECT_TRUE(wasSearching);
    EXPECT_FALSE(w.searching());
    EXPECT_EQ(w.result(), -1);
}
