#include "common/browserlaunch.h"
#include "support/fakebrowser.h"
#include "support/testutil.h"

#include <QDir>
#include <QUrl>

#include <gtest/gtest.h>

using namespace gb;
using gbtest::ScopedEnv;

TEST(BrowserLaunch, CommandsFromBrowserElseXdgOpen)
{
    const QString a = "https://example.org/a b";
    const struct {
        const char *browser; // null: unset
        QList<QStringList> commands;
    } cases[] = {
        {nullptr, {{"xdg-open", a}}},
        {"", {{"xdg-open", a}}},
        {"::", {{"xdg-open", a}}},
        {"firefox", {{"firefox", a}}},
        {"chromium --new-window:lynx -dump %s", {{"chromium", "--new-window", a}, {"lynx", "-dump", a}}},
        {"\"/opt/my browser/run\" --url=%s --again=%s", {{"/opt/my browser/run", "--url=" + a, "--again=" + a}}},
        {"show 100%% %%s", {{"show", "100%", "%s", a}}},
    };
    for (const auto &c : cases) {
        ScopedEnv browser("BROWSER", c.browser ? QByteArray(c.browser) : QByteArray(), !c.browser);
        EXPECT_EQ(browserCommands(a), c.commands) << (c.browser ? c.browser : "(unset)");
    }
}

TEST(BrowserLaunch, LocalPagesAndTheirTopics)
{
    const QString dir = gbtest::makeTempDir("browser") + "/my pages";
    QDir().mkpath(dir);
    gbtest::writeFile(dir + "/index.htm", "<html></html>");
    EXPECT_EQ(browserAddress(dir + "/index.htm"), dir + "/index.htm");
    EXPECT_EQ(browserAddress(dir + "/index.htm#Viewer Explorer"),
              QUrl::fromLocalFile(dir + "/index.htm").toString(QUrl::FullyEncoded) + "#Viewer%20Explorer");
    EXPECT_EQ(browserAddress("https://example.org/#top"), "https://example.org/#top");
    EXPECT_EQ(browserAddress(dir + "/missing.htm#top"), dir + "/missing.htm#top");
}

// Each command is tried while the one before could not start or failed; the failure is told
// once, after the last.
TEST(BrowserLaunch, TriesEachCommandAndTellsTheFailureOfTheLast)
{
    const QString dir = gbtest::makeTempDir("browser");
    const QString failing = gbtest::fakeBrowser(dir, "failing", 4);
    const QString recorder = gbtest::fakeBrowser(dir, "recorder", 0);
    const QString page = dir + "/my page.htm";
    gbtest::writeFile(page, "<html></html>");
    {
        ScopedEnv browser("BROWSER", (dir + "/missing:" + failing + ":" + recorder).toUtf8());
        EXPECT_TRUE(browserFound());
        int failures = 0;
        launchBrowser(page, [&] { ++failures; });
        gbtest::waitForBrowserLaunches();
        EXPECT_EQ(failures, 0);
        EXPECT_EQ(gbtest::fakeBrowserArguments(failing), page.toUtf8() + "\n");
        EXPECT_EQ(gbtest::fakeBrowserArguments(recorder), page.toUtf8() + "\n");
    }
    {
        ScopedEnv browser("BROWSER", (dir + "/missing:" + failing).toUtf8());
        int failures = 0;
        launchBrowser("https://example.org/", [&] { ++failures; });
        gbtest::waitForBrowserLaunches();
        EXPECT_EQ(failures, 1);
        EXPECT_EQ(gbtest::fakeBrowserArguments(failing), "https://example.org/\n");
    }
    {
        ScopedEnv browser("BROWSER", (dir + "/missing:" + dir + "/gone").toUtf8());
        EXPECT_FALSE(browserFound());
        int failures = 0;
        launchBrowser("https://example.org/", [&] { ++failures; });
        gbtest::waitForBrowserLaunches();
        EXPECT_EQ(failures, 1);
    }
}
