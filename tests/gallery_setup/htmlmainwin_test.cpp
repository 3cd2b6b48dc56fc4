#include "common/imagsysserver.h"
#include "common/newkeywordwin.h"
#include "common/settingswin.h"
#include "../gallery/galleryfixture.h"
#include "gallery_setup/galleryjob.h"
#include "gallery_setup/hgcommentswin.h"
#include "gallery_setup/hgsiwin.h"
#include "gallery_setup/htmlmainwin.h"
#include "support/scriptedui.h"
#include "support/testutil.h"
#include "support/modal.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QProcess>
#include <QThread>
#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QUrl>

#include <functional>

using gb::HtmlMainWin;
using gb::ImagSysServer;

namespace {

struct FreshDatabase {
    ImagSysServer db{gbtest::makeTempDir()};
    FreshDatabase() { gb::setGoSysServer(&db); }
    ~FreshDatabase() { gb::setGoSysServer(nullptr); }
};

// Answers the "Settings Description ..." prompt with a text (Ok) .
void answerPrompt(const QString &text)
{
    gbtest::whenModal([text](QWidget *w) {
        auto *prompt = qobject_cast<gb::NewKeywordWin *>(w);
        ASSERT_NE(prompt, nullptr);
        EXPECT_EQ(prompt->windowTitle(), "Settings Description ...");
        prompt->keyEdit()->setText(text);
        prompt->okButton()->click();
    });
}

// Picks the one listed record in the "Saved Settings" picker and loads it.
void loadOnlyRecord()
{
    gbtest::whenModal([](QWidget *w) {
        auto *picker = qobject_cast<gb::SettingsWin *>(w);
        ASSERT_NE(picker, nullptr);
        ASSERT_EQ(picker->settings()->count(), 1);
        picker->settings()->setCurrentRow(0);
        picker->loadButton()->click();
    });
}

QStringList makePhotos(const QString &folder, int n)
{
    QStringList files;
    for (int i = 1; i <= n; ++i) {
        const QString path = folder + QStringLiteral("photo %1.jpg").arg(i);
        EXPECT_TRUE(gbtest::makeImage(path, 320 + 40 * i, 240));
        files << path;
    }
    return files;
}

template<class T>
T *control(QWidget *page, const char *name)
{
    T *w = page->findChild<T *>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

} // namespace

TEST(HtmlMainWin, OpensOnTheSourcePageWithTheFilesAndMovesBetweenSections)
{
    gbtest::ScriptedUi ui;
    HtmlMainWin win(nullptr, {"/p/a.jpg", "/p/b.jpg", "/p/c.jpg"});
    EXPECT_EQ(win.windowTitle(), "Generate HTML Image Gallery");
    EXPECT_EQ(win.siWin()->selectedFiles(), QStringList({"/p/a.jpg", "/p/b.jpg", "/p/c.jpg"}));
    EXPECT_EQ(win.activePage(), 1);
    EXPECT_EQ(win.sectionsLb()->count(), 15);
    EXPECT_EQ(win.sectionsLb()->currentRow(), 0);
    EXPECT_EQ(win.winCaption()->text(), "01/15 - Select Source Images");
    EXPECT_EQ(win.curSettings()->text(), "Unsaved");
    EXPECT_EQ(win.saveNewButton()->text(), "Save As New");

    win.prevButton()->click();
    EXPECT_EQ(win.activePage(), 1);
    for (int i = 0; i < 20; ++i)
        win.nextButton()->click();
    EXPECT_EQ(win.activePage(), 15);
    EXPECT_EQ(win.winCaption()->text(), "15/15 - Define General Options");

    // Going to page 2 rebuilds its list from the current selection.
    win.siWin()->loadFiles({"/p/d.jpg"});
    win.sectionsLb()->setCurrentRow(1);
    EXPECT_EQ(win.activePage(), 2);
    EXPECT_EQ(win.winCaption()->text(), "02/15 - Add Titles and Comments to Images");
    EXPECT_EQ(win.commentsWin()->selectedLb()->count(), 4);
}

TEST(HtmlMainWin, SaveAsNewSaveAndLoadKeepTheWholeSettings)
{
    gbtest::ScriptedUi ui;
    FreshDatabase fresh;
    HtmlMainWin win(nullptr);
    win.baseFolder()->setText("  /galleries/one/  ");
    control<QLineEdit>(win.page(15), "EXT")->setText(".html");

    // Save before any record asks for a description; an empty one would be refused by the
    // prompt, so the stored text is the one typed.
    answerPrompt("Holiday");
    win.saveButton()->click();
    const QString key = win.currentRecordKey();
    ASSERT_FALSE(key.isEmpty());
    EXPECT_EQ(win.curSettings()->text(), "Holiday");
    gb::HGallery saved(nullptr, fresh.db.getInfo(key));
    EXPECT_EQ(saved.baseFolder(), "/galleries/one/");
    EXPECT_EQ(saved.htmlExt(), ".html");

    // Save again writes the same record without asking.
    control<QLineEdit>(win.page(15), "EXT")->setText(".htm");
    win.saveButton()->click();
    EXPECT_EQ(win.currentRecordKey(), key);
    EXPECT_EQ(gb::HGallery(nullptr, fresh.db.getInfo(key)).htmlExt(), ".htm");

    // Load shows what the record holds, in the base folder and on the pages.
    win.baseFolder()->setText("/elsewhere/");
    control<QLineEdit>(win.page(15), "EXT")->setText(".xyz");
    loadOnlyRecord();
    win.loadButton()->click();
    EXPECT_EQ(win.baseFolder()->text(), "/galleries/one/");
    EXPECT_EQ(control<QLineEdit>(win.page(15), "EXT")->text(), ".htm");
    EXPECT_EQ(win.curSettings()->text(), "Holiday");
}

TEST(HtmlMainWin, LoadCompletesARecordOfTheOlderLength)
{
    gbtest::ScriptedUi ui;
    FreshDatabase fresh;
    gb::HGallery older;
    older.setNewWindow(true);
    older.setUseDefaultPageProperties(true);
    older.setSiteTitle("Old site");
    gb::ValueArray data = older.aData();
    data.resize(128);
    QString key;
    ASSERT_TRUE(fresh.db.appendNewHtml("old", data, key));

    HtmlMainWin win(nullptr);
    loadOnlyRecord();
    win.loadButton()->click();
    gb::HGallery &gallery = win.galleryJob()->gallery();
    EXPECT_EQ(gallery.aData().size(), 130u);
    EXPECT_FALSE(gallery.newWindow());
    EXPECT_FALSE(gallery.useDefaultPageProperties());
    EXPECT_FALSE(control<QCheckBox>(win.page(9), "OPENNEWWINDOW")->isChecked());
    EXPECT_EQ(control<QLineEdit>(win.page(14), "TITLE")->text(), "Old site");
}

TEST(HtmlMainWin, SaveToARemovedRecordSaysSo)
{
    gbtest::ScriptedUi ui;
    FreshDatabase fresh;
    HtmlMainWin win(nullptr);
    answerPrompt("Soon gone");
    win.saveNewButton()->click();
    const QString key = win.currentRecordKey();
    ASSERT_TRUE(fresh.db.removeRecord(key));

    win.saveButton()->click();
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_TRUE(ui.boxes[0].text.contains("no longer exist")) << ui.boxes[0].text.toStdString();
    EXPECT_TRUE(fresh.db.getAllHtmlDesc().empty());
}

TEST(HtmlMainWin, DoItWithoutImagesOnlyWarns)
{
    gbtest::ScriptedUi ui;
    const QString base = (gbtest::makeTempDir() + "/") + "gallery/";
    HtmlMainWin win(nullptr);
    win.baseFolder()->setText(base);
    win.doItButton()->click();
    EXPECT_EQ(ui.boxTexts(), QStringList({"Select at least one image for processing..."}));
    EXPECT_EQ(ui.boxes[0].caption, "Warning");
    EXPECT_TRUE(ui.errorLogs.empty());
    EXPECT_FALSE(QDir(base).exists());
}

TEST(HtmlMainWin, DoItValidatesTheTrimmedBaseFolderAndShowsTheProblems)
{
    gbtest::ScriptedUi ui;
    const QString folder = (gbtest::makeTempDir() + "/");
    const QStringList photos = makePhotos(folder, 1);
    HtmlMainWin win(nullptr, photos);
    win.baseFolder()->setText("  " + folder + "out  ");
    control<QLineEdit>(win.page(6), "TABLEROWS")->setText("0");
    win.doItButton()->click();
    ASSERT_EQ(ui.errorLogs.size(), 1u);
    EXPECT_TRUE(ui.errorLogs[0].join('\n').contains("[")) << ui.errorLogs[0].join('\n').toStdString();
    // The run validated a copy of the settings: the window's gallery holds the trimmed field.
    EXPECT_EQ(win.galleryJob()->gallery().baseFolder(), folder + "out");
    EXPECT_EQ(win.baseFolder()->text(), "  " + folder + "out  ");
    EXPECT_FALSE(QDir(folder + "out").exists());
}

// A damaged record (too short, values of the wrong kinds) loads as a whole gallery: what it
// holds of use is shown, every other setting takes its default.
TEST(HtmlMainWin, ADamagedRecordLoadsWithDefaults)
{
    gbtest::ScriptedUi ui;
    FreshDatabase fresh;
    const gb::ValueArray damaged = {gb::Value(QStringLiteral("not a number")), gb::Value(2), gb::Value(true)};
    QString key;
    ASSERT_TRUE(fresh.db.appendNewHtml("damaged", damaged, key));
    HtmlMainWin win(nullptr);
    loadOnlyRecord();
    win.loadButton()->click();
    const gb::HGallery defaults;
    EXPECT_EQ(win.galleryJob()->gallery().aData().size(), 130u);
    EXPECT_EQ(win.galleryJob()->gallery().thFormat(), defaults.thFormat());
    EXPECT_EQ(win.galleryJob()->gallery().thResize(), 2);
    EXPECT_EQ(control<QLineEdit>(win.page(3), "WIDTH")->text(), QString::number(defaults.thWidth()));
    EXPECT_EQ(control<QLineEdit>(win.page(15), "EXT")->text(), defaults.htmlExt());
}

// While a run lets events in, the window refuses another Do It, Load and Close, and a
// colour chosen meanwhile does not reach the running gallery.
TEST(HtmlMainWin, ARunIsNotDisturbedByTheWindow)
{
    gbtest::ScriptedUi ui;
    FreshDatabase fresh;
    const QString folder = gbtest::makeTempDir() + "/";
    const QStringList photos = makePhotos(folder, 2);
    const QString base = folder + "web/";
    ASSERT_TRUE(QDir().mkpath(base));
    HtmlMainWin win(nullptr, photos);
    win.baseFolder()->setText(base);
    control<QCheckBox>(win.page(15), "LAUNCHBROWSER")->setChecked(false);
    bool sawRun = false;
    QTimer::singleShot(0, [&] {
        sawRun = win.running();
        EXPECT_FALSE(win.doItButton()->isEnabled());
        win.pbDoIt();
        win.pbLoad();
        win.pbClose();
        ui.colorAnswers = {std::optional<uint32_t>(0x00FF00)};
        control<QPushButton>(win.page(14), "PBCHANGEBACKCOLOR")->click();
    });
    win.doItButton()->click();
    ASSERT_TRUE(sawRun);
    EXPECT_TRUE(win.galleryJob()->lastResult().completed());
    // Three refusals, nothing else asked.
    EXPECT_EQ(ui.boxes.size(), 3u);
    EXPECT_TRUE(ui.dialogs.size() == 1u && ui.dialogs[0].kind == "color");
    EXPECT_EQ(win.galleryJob()->gallery().backgroundColor(), 0x00FF00u);
    const QString first = QString::fromUtf8(gbtest::readFile(base + "thumb0001.htm"));
    ASSERT_FALSE(first.isEmpty());
    EXPECT_FALSE(first.contains("00FF00"));
}

// The links of every page of the gallery, resolved against the page's folder: each must
// name a file of the gallery.
static QStringList unresolvedLinks(const QString &base)
{
    QStringList missing;
    static const QRegularExpression link(QStringLiteral("(?:href|src|background)=\"([^\"]*)\""),
                                         QRegularExpression::CaseInsensitiveOption);
    QDirIterator pages(base, {"*.htm", "*.html"}, QDir::Files, QDirIterator::Subdirectories);
    while (pages.hasNext()) {
        const QString page = pages.next();
        const QString text = QString::fromUtf8(gbtest::readFile(page));
        auto it = link.globalMatch(text);
        while (it.hasNext()) {
            const QString target = it.next().captured(1);
            if (target.contains("://") || target.startsWith("mailto:"))
                continue;
            const QString local = QUrl::fromPercentEncoding(target.section('#', 0, 0).toUtf8());
            const QString path = QDir::cleanPath(QFileInfo(page).absolutePath() + "/" + local);
            if (!QFileInfo(path).isFile() || !path.startsWith(QDir::cleanPath(base)))
                missing << page + " -> " + target;
        }
    }
    return missing;
}

TEST(HtmlMainWin, AGalleryConfiguredThroughTheWindowIsValidAndItsLinksResolve)
{
    gbtest::ScriptedUi ui;
    FreshDatabase fresh;
    const QString folder = (gbtest::makeTempDir() + "/");
    const QStringList photos = makePhotos(folder, 5);
    const QString base = folder + "web/";
    ASSERT_TRUE(QDir().mkpath(base));
    HtmlMainWin win(nullptr, photos);

    win.baseFolder()->setText(base);
    // Titles and a comment of two lines for the second photo.
    win.changeActiveWin(2);
    gb::HgCommentsWin *comments = win.commentsWin();
    comments->selectedLb()->setCurrentRow(1);
    comments->titleEdit()->setText("Second <b>photo</b>");
    QApplication::sendEvent(comments->titleEdit(), new QFocusEvent(QEvent::FocusOut));
    comments->commentsEdit()->setPlainText("line one\nline two");
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(comments->commentsEdit(), &out);

    // Two rows of one column: three thumbnail pages; information items include the title.
    QWidget *arrange = win.page(6);
    control<QLineEdit>(arrange, "TABLEROWS")->setText("2");
    control<QLineEdit>(arrange, "TABLECOLS")->setText("1");
    QWidget *layout = win.page(5);
    control<QLineEdit>(layout, "TITLE")->setText("My thumbnails");
    auto *avail = control<QListWidget>(layout, "AVAILLB");
    for (int row : {6, 7}) { // "Title", "Comments"
        avail->setCurrentRow(row);
        control<QPushButton>(layout, "PBSELECT")->click();
    }
    QWidget *index = win.page(10);
    control<QCheckBox>(index, "MASTERINDEX")->setChecked(true);
    control<QLineEdit>(win.page(14), "TITLE")->setText("Holiday & friends");
    control<QCheckBox>(win.page(15), "LAUNCHBROWSER")->setChecked(true);

    win.doItButton()->click();
    EXPECT_TRUE(ui.errorLogs.empty()) << (ui.errorLogs.empty() ? "" : ui.errorLogs[0].join('\n').toStdString());
    EXPECT_TRUE(win.galleryJob()->lastResult().completed());

    QStringList pages;
    QDirIterator it(base, {"*.htm"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        pages << it.next();
    // Three thumbnail pages, five image pages and the master index.
    EXPECT_EQ(pages.size(), 9) << pages.join('\n').toStdString();
    for (const QString &page : pages)
        EXPECT_EQ(gbtest::tidyErrors(page), "") << page.toStdString();
    EXPECT_EQ(unresolvedLinks(base), QStringList());

    // The user's title is written as HTML, raw; the site title is escaped.
    QString all;
    for (const QString &page : pages)
        all += QString::fromUtf8(gbtest::readFile(page));
    EXPECT_TRUE(all.contains("Second <b>photo</b>"));
    EXPECT_TRUE(all.contains("line one\r\nline two"));
    EXPECT_TRUE(all.contains("My thumbnails"));
    EXPECT_TRUE(all.contains("Holiday & friends")); // titles are the user's HTML
    ASSERT_EQ(ui.urls.size(), 1);
    EXPECT_TRUE(ui.urls[0].contains(base)) << ui.urls[0].toStdString();
}

// With GB_GALLERY_SHOTS naming a folder, shows the window on the real display and leaves
// one screenshot of the whole screen per section there (section01.png ...), for looking at.
TEST(HtmlMainWin, ScreenshotsOfEverySection)
{
    const QString shots = qEnvironmentVariable("GB_GALLERY_SHOTS");
    if (shots.isEmpty() || QGuiApplication::platformName() == "offscreen")
        GTEST_SKIP() << "set GB_GALLERY_SHOTS and a display to take the screenshots";
    const QString folder = gbtest::makeTempDir() + "/";
    const QStringList photos = makePhotos(folder, 3);
    HtmlMainWin win(nullptr, photos);
    win.move(20, 20);
    win.show();
    const QString size = qEnvironmentVariable("GB_GALLERY_SHOTS_SIZE");
    for (int n = 1; n <= 15; ++n) {
        win.changeActiveWin(n);
        for (int i = 0; i < 20; ++i) {
            QApplication::processEvents();
            QThread::msleep(20);
        }
        const QString shot = shots + QStringLiteral("/section%1.png").arg(n, 2, 10, QLatin1Char('0'));
        EXPECT_EQ(QProcess::execute("import", {"-window", "root", shot}), 0) << n;
        EXPECT_GT(QFileInfo(shot).size(), 0) << shot.toStdString();
    }
}
