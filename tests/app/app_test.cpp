#include "app/app.h"
#include "app/helpaboutwin.h"
#include "app/mainshellwindow.h"
#include "app/mdibackground.h"
#include "app/qtuiseam.h"
#include "app/tools.h"
#include "batch/besiwin.h"
#include "batch/bewin.h"
#include "common/globals.h"
#include "common/helpdisplay.h"
#include "common/registry.h"
#include "support/enterkey.h"
#include "support/fakebrowser.h"
#include "support/scriptedui.h"
#include "support/testutil.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTextEdit>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace gb;

namespace {

// Each test has its own empty home folder (registry, support files).
class AppTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        mOldHome = qgetenv("GLIMMERBOX_HOME");
        mHome = gbtest::makeTempDir("home");
        qputenv("GLIMMERBOX_HOME", mHome.toUtf8());
    }
    void TearDown() override
    {
        MainShellWindow::unregisterTool("RENAMEFILES");
        MainShellWindow::unregisterTool("BROWSEIMAGES");
        MainShellWindow::unregisterTool("BATCHPROCESSING");
        qputenv("GLIMMERBOX_HOME", mOldHome);
    }

    QByteArray mOldHome;
    QString mHome;
    gbtest::ScriptedUi mUi;
};

struct PlacementCase {
    const char *name;
    int x, y, w, h, zoomed, iconic;
    QRect expected; // the restore rectangle; null = left to the window system
};

} // namespace

TEST_F(AppTest, PlacementOfTheMainWindow)
{
    const PlacementCase cases[] = {
        {"first start", 0, 0, 0, 0, 0, 0, QRect(0, 0, 400, 400)},
        {"stored", 30, 40, 640, 480, 1, 1, QRect(30, 40, 640, 480)},
        {"width 0", 5, 6, 0, 300, 1, 1, QRect(5, 6, 400, 300)},
        {"iconic", 30, 40, 640, 480, 1, 2, QRect(0, 0, 400, 400)},
        {"zoomed", 30, 40, 640, 480, 2, 1, QRect()},
    };
    for (const PlacementCase &c : cases) {
        SCOPED_TRACE(c.name);
        qputenv("GLIMMERBOX_HOME", gbtest::makeTempDir("place").toUtf8());
        if (c.x || c.w) {
            kvtSetRtRegInt("Window", "MainX", c.x);
            kvtSetRtRegInt("Window", "MainY", c.y);
            kvtSetRtRegInt("Window", "MainW", c.w);
            kvtSetRtRegInt("Window", "MainH", c.h);
        }
        kvtSetRtRegInt("Window", "Zoomed", c.zoomed);
        kvtSetRtRegInt("Window", "Iconic", c.iconic);
        QMainWindow window;
        const QRect before = window.geometry();
        App::placeMainWindow(window);
        EXPECT_TRUE(window.isMaximized());
        if (c.expected.isNull())
            EXPECT_NE(window.normalGeometry(), QRect(30, 40, 640, 480));
        else
            EXPECT_EQ(window.normalGeometry(), c.expected) << "before " << before.width();
    }
}

TEST_F(AppTest, ClosingTheMainWindowSavesItsPlacement)
{
    {
        MainShellWindow main;
        main.setGeometry(-20, 50, 700, 500);
        main.show();
        main.close();
    }
    EXPECT_EQ(kvtQueryRtRegInt("Window", "MainX"), 0); // below 0 is stored as 0
    EXPECT_EQ(kvtQueryRtRegInt("Window", "MainY"), 50);
    EXPECT_EQ(kvtQueryRtRegInt("Window", "MainW"), 700);
    EXPECT_EQ(kvtQueryRtRegInt("Window", "MainH"), 500);
    EXPECT_EQ(kvtQueryRtRegInt("Window", "Zoomed"), kRegNo);
    EXPECT_EQ(kvtQueryRtRegInt("Window", "Iconic"), kRegNo);
}

TEST_F(AppTest, StartUpPassWritesDefaultsAndFoldersOption)
{
    App::writeDefaults();
    EXPECT_EQ(kvtQueryRtRegInt("Print Options", "Bottom Margin"), 25);
    EXPECT_TRUE(glFoldersOption);
    kvtSetRtRegInt("General Options", "Folders", 2);
    App::writeDefaults();
    EXPECT_FALSE(glFoldersOption);
    kvtSetRtRegInt("General Options", "Folders", 0);
    App::writeDefaults();
    EXPECT_TRUE(glFoldersOption);
    EXPECT_EQ(kvtQueryRtRegInt("General Options", "Folders"), 1);
}

TEST_F(AppTest, ToolCommandsNeedTheirTool)
{
    MainShellWindow main;
    WindowMenu *menu = main.currentMenu();
    ASSERT_EQ(menu, main.shellMenu());
    EXPECT_FALSE(menu->action(15012)->isEnabled()); // "Rename images": no renamer yet
    EXPECT_TRUE(menu->action(15032)->isEnabled());  // About
    EXPECT_TRUE(menu->action(15016)->isEnabled());  // Exit

    QStringList received;
    MainShellWindow::registerTool("RENAMEFILES", [&](MainShellWindow *, const QStringList &files) {
        received = files;
        auto *w = new QLabel("renamer");
        w->setWindowTitle("Renamer");
        return w;
    });
    main.refreshCommands();
    EXPECT_TRUE(menu->action(15012)->isEnabled());

    main.show();
    main.renameFiles({"/a/1.jpg", "/a/2.jpg"});
    EXPECT_EQ(received, QStringList({"/a/1.jpg", "/a/2.jpg"}));
    EXPECT_TRUE(main.isMaximized());
    ASSERT_EQ(main.childList().size(), 1);
    EXPECT_EQ(main.mdiArea()->subWindowList().size(), 1);

    // From the menu the tool opens with no files.
    menu->action(15012)->trigger();
    EXPECT_TRUE(received.isEmpty());
    EXPECT_EQ(main.childList().size(), 2);
}

TEST_F(AppTest, CloseAllClosesNewestFirstAndEmptiesTheList)
{
    MainShellWindow main;
    QStringList closed;
    MainShellWindow::registerTool("RENAMEFILES", [&](MainShellWindow *, const QStringList &files) {
        auto *w = new QLabel(files.value(0));
        QObject::connect(w, &QObject::destroyed, [&closed, name = files.value(0)] { closed << name; });
        return w;
    });
    main.show();
    main.renameFiles({"one"});
    main.renameFiles({"two"});
    main.renameFiles({"three"});
    main.closeAll();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(closed, QStringList({"three", "two", "one"}));
    EXPECT_TRUE(main.childList().isEmpty());
    main.closeAll(); // nothing open: nothing happens
}

TEST_F(AppTest, ToolWindowsOpenInsideTheWorkArea)
{
    MainShellWindow main;
    MainShellWindow::registerTool("RENAMEFILES", [&](MainShellWindow *, const QStringList &) {
        auto *w = new QLabel("tall");
        w->setMinimumSize(500, 420);
        return w;
    });
    main.resize(900, 700);
    main.show();
    for (int i = 0; i < 8; ++i)
        main.renameFiles({});
    const QRect area(QPoint(0, 0), main.mdiArea()->viewport()->size());
    const auto subs = main.mdiArea()->subWindowList();
    ASSERT_EQ(subs.size(), 8);
    for (QMdiSubWindow *sub : subs)
        EXPECT_TRUE(area.contains(sub->geometry())) << sub->geometry().y() << " in " << area.height();
}

TEST_F(AppTest, ExplorerPlacementFromRegistryThenCascade)
{
    MainShellWindow main;
    main.resize(1000, 800);
    main.show();
    QLabel *made = nullptr;
    MainShellWindow::registerTool("BROWSEIMAGES", [&](MainShellWindow *, const QStringList &) {
        made = new QLabel("explorer");
        return made;
    });
    kvtSetRtRegInt("Window", "ExplorerX", 10);
    kvtSetRtRegInt("Window", "ExplorerY", 20);
    kvtSetRtRegInt("Window", "ExplorerW", 0);
    kvtSetRtRegInt("Window", "ExplorerH", 300);
    main.browseImages();
    ASSERT_NE(made, nullptr);
    EXPECT_FALSE(main.isMaximized()); // the explorer does not maximise the main window
    ASSERT_EQ(main.childList().size(), 1);
    auto *sub = qobject_cast<QMdiSubWindow *>(made->parentWidget());
    ASSERT_NE(sub, nullptr);
    EXPECT_TRUE(sub->isVisible());

    // A zoomed explorer is shown maximised, but the cascade that follows every opening wins.
    kvtSetRtRegInt("Window", "ExplorerZoomed", kRegYes);
    main.browseImages();
    const QList<QMdiSubWindow *> subs = main.mdiArea()->subWindowList();
    ASSERT_EQ(subs.size(), 2);
    EXPECT_FALSE(subs[1]->isMaximized());
    EXPECT_NE(subs[0]->pos(), subs[1]->pos());
}

TEST_F(AppTest, HelpAndContactCommands)
{
    MainShellWindow main;
    initHelpDisplay();
    main.helpIndex(); // no help file: nothing
    EXPECT_TRUE(mUi.urls.isEmpty());
    EXPECT_TRUE(mUi.boxes.empty());

    main.contactKvt();
    ASSERT_EQ(mUi.boxes.size(), 1u);
    EXPECT_EQ(mUi.boxes[0].text, "File not found - check Help About for contact information");

    QDir().mkpath(mHome + "/support/help");
    gbtest::writeFile(mHome + "/support/help/index.html", "<html></html>");
    gbtest::writeFile(mHome + "/support/contactkvt.htm", "<html></html>");
    initHelpDisplay();
    main.helpIndex();
    main.contactKvt();
    main.kvtWeb();
    ASSERT_EQ(mUi.urls.size(), 3);
    EXPECT_TRUE(mUi.urls[0].endsWith("/support/help/index.html#HelpIndex"));
    EXPECT_TRUE(mUi.urls[1].endsWith("/support/contactkvt.htm"));
    EXPECT_EQ(mUi.urls[2], MainShellWindow::webAddress());
    QFile::remove(mHome + "/support/help/index.html");
    initHelpDisplay();
}

// The program's own seam, browser launch and all, with its boxes written down instead of shown.
struct BrowserUi : gb::QtUiSeam {
    UiSeam *previous = &gb::ui();
    QStringList errors;
    BrowserUi() { gb::setUi(this); }
    ~BrowserUi() override { gb::setUi(previous); }
    void errorBox(QWidget *, const QString &text) override { errors << text; }
};

// Help's web-site command starts $BROWSER, else xdg-open, on the address, and tells the user
// when no browser could be started or the one started failed.
TEST_F(AppTest, TheWebSiteCommandStartsTheUsersBrowserAndTellsWhenItFails)
{
    using gbtest::fakeBrowser;
    using gbtest::fakeBrowserArguments;
    using gbtest::ScopedEnv;
    MainShellWindow main;
    BrowserUi ui;
    const QString dir = gbtest::makeTempDir("browser");
    const QString recorder = fakeBrowser(dir, "recorder", 0);
    const QString failing = fakeBrowser(dir, "failing", 1);
    const QByteArray address = MainShellWindow::webAddress().toUtf8() + "\n";
    QAction *webSite = main.shellMenu()->action(15029);
    ASSERT_NE(webSite, nullptr);
    const auto visit = [&] {
        webSite->trigger();
        gbtest::waitForBrowserLaunches();
    };
    {
        ScopedEnv browser("BROWSER", recorder.toUtf8());
        visit();
        EXPECT_EQ(fakeBrowserArguments(recorder), address);
        EXPECT_TRUE(ui.errors.isEmpty()) << ui.errors.join('|').toStdString();
    }
    {
        ScopedEnv browser("BROWSER", failing.toUtf8());
        visit();
        EXPECT_EQ(fakeBrowserArguments(failing), address);
        EXPECT_EQ(ui.errors, QStringList{"Web page not opened - URL failed"});
    }
    {
        // Without $BROWSER: xdg-open, whose browser did not start.
        const QString bin = gbtest::makeTempDir("bin");
        const QString xdgOpen = fakeBrowser(bin, "xdg-open", 3);
        ScopedEnv browser("BROWSER", {}, true);
        ScopedEnv path("PATH", bin.toUtf8());
        visit();
        EXPECT_EQ(fakeBrowserArguments(xdgOpen), address);
        EXPECT_EQ(ui.errors.size(), 2);
        EXPECT_EQ(ui.errors.last(), "Web page not opened - URL failed");
    }
    {
        ScopedEnv browser("BROWSER", (dir + "/no-such-browser").toUtf8());
        visit();
        EXPECT_EQ(ui.errors.size(), 3);
        EXPECT_EQ(ui.errors.last(), "Default internet browser not found!");
    }
}

TEST_F(AppTest, AboutWindow)
{
    HelpAboutWin about(nullptr);
    EXPECT_TRUE(about.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(about.versionFt()->text(), "Version: 2.1.7");
    EXPECT_EQ(about.releaseFt()->text(), "Release Date: Jan 10, 2002");
    EXPECT_TRUE(about.webSiteFt()->text().startsWith("Web Site: "));
    EXPECT_TRUE(about.emalFt()->text().startsWith("Email: "));
    EXPECT_TRUE(about.info()->isReadOnly());
    EXPECT_TRUE(about.info()->toPlainText().contains("Glimmerbox"));
    // The close button is its bitmap alone, named "x" but not showing it.
    EXPECT_EQ(about.closeButton()->accessibleName(), "x");
    EXPECT_TRUE(about.closeButton()->text().isEmpty());
    EXPECT_TRUE(about.closeButton()->isFlat());

    // Enter closes the window; it never opens the web site.
    gbtest::buttonsPressedByEnter(about);
    EXPECT_TRUE(mUi.urls.isEmpty());
    EXPECT_EQ(about.result(), 1);

    about.show();
    about.visitButton()->click();
    EXPECT_TRUE(about.isVisible()); // the web button leaves the window open
    EXPECT_EQ(mUi.urls.size(), 1);
    about.closeButton()->click();
    EXPECT_EQ(about.result(), 1);
    EXPECT_FALSE(about.isVisible());
}

TEST_F(AppTest, BackgroundGradientRows)
{
    EXPECT_EQ(MdiBackground::gradientRow(1, 1000), QColor(0, 254, 254)); // v = max(0, 1)
    EXPECT_EQ(MdiBackground::gradientRow(500, 1000), QColor(0, 128, 128));
    EXPECT_EQ(MdiBackground::gradientRow(1000, 1000), QColor(0, 0, 0));

    MainShellWindow main;
    EXPECT_TRUE(main.mdiArea()->gradientOn());
    EXPECT_EQ(main.mdiArea()->caption(), "Glimmerbox");
    EXPECT_EQ(main.windowTitle(), "Glimmerbox");
    main.resize(500, 400);
    main.show();
    const QImage shot = main.mdiArea()->viewport()->grab().toImage();
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.pixelColor(2, 0), MdiBackground::gradientRow(1, shot.height()));
    EXPECT_EQ(shot.pixelColor(2, shot.height() - 1), QColor(0, 0, 0));
}

TEST_F(AppTest, ChildMenusReplaceTheShellMenuWhileActive)
{
    MainShellWindow main;
    main.show();
    auto *child = new QWidget;
    WindowMenu *own = attachWindowMenu(child, explorerMenu(), &main);
    QMdiSubWindow *sub = main.addMdiChild(child);
    sub->show();
    main.mdiArea()->setActiveSubWindow(sub);
    EXPECT_EQ(main.currentMenu(), own);
    EXPECT_EQ(main.menuBar()->actions().size(), 6);
    // "E&xit Application" is not the explorer's own: it reaches the main window.
    EXPECT_TRUE(own->action(15166)->isEnabled());
    EXPECT_FALSE(own->action(15150)->isEnabled()); // COPYFILE: this plain window has none
    sub->close();
    delete sub;
    EXPECT_EQ(main.currentMenu(), main.shellMenu());
    EXPECT_EQ(main.menuBar()->actions().size(), 3);
}

TEST_F(AppTest, CompactCommandComesWithTheCatalogs)
{
    MainShellWindow main;
    EXPECT_FALSE(main.shellMenu()->action(15008)->isEnabled());
    registerTools();
    main.refreshCommands();
    EXPECT_TRUE(main.shellMenu()->action(15008)->isEnabled());
    main.shellMenu()->action(15008)->trigger();
    ASSERT_EQ(mUi.dialogs.size(), 1u);
    EXPECT_EQ(mUi.dialogs[0].caption, "Compact archive database");
    EXPECT_TRUE(mUi.boxes.empty()); // cancelled: nothing more
    MainShellWindow::unregisterTool("COMPACTARCHIVE");
}

TEST_F(AppTest, BatchEditorOpensWithTheExplorersSelection)
{
    MainShellWindow main;
    EXPECT_FALSE(main.shellMenu()->action(15001)->isEnabled());
    registerTools();
    main.refreshCommands();
    EXPECT_TRUE(main.shellMenu()->action(15001)->isEnabled());
    main.batchProcessing({"/photos/a.jpg", "/photos/b.jpg"});
    ASSERT_FALSE(main.childList().isEmpty());
    auto *editor = qobject_cast<BeWin *>(main.childList().last().data());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->siWin()->selectedFiles(), QStringList({"/photos/a.jpg", "/photos/b.jpg"}));
    main.shellMenu()->action(15001)->trigger();
    auto *empty = qobject_cast<BeWin *>(main.childList().last().data());
    ASSERT_NE(empty, nullptr);
    EXPECT_NE(empty, editor);
    EXPECT_TRUE(empty->siWin()->selectedFiles().isEmpty());
    MainShellWindow::unregisterTool("COMPACTARCHIVE");
}
