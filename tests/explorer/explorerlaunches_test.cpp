#include "explorerfixture.h"

#include "app/commandrouter.h"
#include "app/mainshellwindow.h"
#include "common/registry.h"
#include "image/imagesplitwin.h"
#include "image/imagethumbswin.h"
#include "sheets/pdfprinthost.h"
#include "support/scriptedui.h"
#include "support/testutil.h"

#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace gb;
using gbtest::explorerOn;
using gbtest::select;
using gbtest::whenModal;

namespace {

// The main window with every tool the explorer launches registered as a recorder.
struct Launches : ::testing::Test {
    MainShellWindow main;
    QMap<QString, QStringList> opened;
    QString dir;
    gbtest::ScriptedUi ui;

    void SetUp() override
    {
        for (const char *tool : {"BATCHPROCESSING", "HTMLCREATIONS", "IMAGECOMPOSER", "PRINTIMAGEGALLERY", "RENAMEFILES"})
            MainShellWindow::registerTool(tool, [this, tool](MainShellWindow *, const QStringList &files) -> QWidget * {
                opened[tool] = files;
                return nullptr;
            });
        dir = gbtest::makeTempDir("launch") + "/";
        for (const char *n : {"a.png", "b.png", "c.png"})
            ASSERT_TRUE(gbtest::writePng(dir + n));
    }
    void TearDown() override
    {
        for (const char *tool : {"BATCHPROCESSING", "HTMLCREATIONS", "IMAGECOMPOSER", "PRINTIMAGEGALLERY", "RENAMEFILES"})
            MainShellWindow::unregisterTool(tool);
    }
};

} // namespace

TEST_F(Launches, EachToolGetsTheSelectionWhenThereIsEnoughOfIt)
{
    struct Launch {
        void (FileExplorer::*command)();
        const char *tool;
        int needs;
        const char *refusal;
    } launches[] = {
        {&FileExplorer::batchEdit, "BATCHPROCESSING", 1, "Select at least one image file"},
        {&FileExplorer::htmlGenerate, "HTMLCREATIONS", 1, "Select at least one image file"},
        {&FileExplorer::createContactSheet, "IMAGECOMPOSER", 2, "Select at least two files for the contact sheet"},
        {&FileExplorer::previewFiles, "PRINTIMAGEGALLERY", 1, "Select at least one file for preview"},
        {&FileExplorer::printFiles, "PRINTIMAGEGALLERY", 1, "Select at least one file for print"},
    };
    for (const Launch &l : launches) {
        auto e = explorerOn(dir, &main);
        ui.boxes.clear();
        opened.clear();
        if (l.needs == 2) {
            select(*e, {"a.png"});
            (e.get()->*l.command)();
            EXPECT_EQ(ui.boxTexts(), QStringList{l.refusal});
            EXPECT_TRUE(opened.isEmpty());
            ui.boxes.clear();
            e->oThumbs()->unselectAll();
        }
        (e.get()->*l.command)();
        EXPECT_EQ(ui.boxTexts(), QStringList{l.refusal});
        EXPECT_TRUE(opened.isEmpty());
        // Three selected, clicked out of order: all go, in grid order, without a warning.
        select(*e, {"c.png", "a.png", "b.png"});
        (e.get()->*l.command)();
        EXPECT_EQ(ui.boxes.size(), 1u) << l.tool;
        EXPECT_EQ(opened.value(l.tool), QStringList({dir + "a.png", dir + "b.png", dir + "c.png"})) << l.tool;
        // The explorer keeps its selection.
        EXPECT_EQ(e->oThumbs()->selCount(), 3);
    }
}

TEST_F(Launches, RenamingSeveralFilesOpensTheRenamerWithoutAPrompt)
{
    auto e = explorerOn(dir, &main);
    select(*e, {"b.png", "c.png"});
    e->renameFile();
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(opened.value("RENAMEFILES"), QStringList({dir + "b.png", dir + "c.png"}));
}

TEST_F(Launches, LaunchesAreThereOnlyWhenTheMainWindowHasTheTool)
{
    auto e = explorerOn(dir, &main);
    for (const char *command : {"BATCHEDIT", "HTMLGENERATE", "CREATECONTACTSHEET", "PREVIEWFILES", "PRINTFILES"})
        EXPECT_EQ(CommandRouter::findHandler(e.get(), command, &main), e.get()) << command;
    MainShellWindow::unregisterTool("IMAGECOMPOSER");
    EXPECT_EQ(CommandRouter::findHandler(e.get(), "CREATECONTACTSHEET", &main), nullptr);
    EXPECT_FALSE(e->commandAvailable("CREATECONTACTSHEET"));
    // Commands that need no other tool are always there.
    for (const char *command : {"COPYFILE", "SPLITIMAGE", "SLIDESHOW", "FULLSCREEN", "FINDIMAGE", "PRINTORIGINAL"})
        EXPECT_EQ(CommandRouter::findHandler(e.get(), command, &main), e.get()) << command;
    // Without the renamer, several files cannot be renamed, and the user is told.
    MainShellWindow::unregisterTool("RENAMEFILES");
    select(*e, {"b.png", "c.png"});
    e->renameFile();
    EXPECT_EQ(ui.boxes.size(), 1u);
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(Launches, SingleImagePrintWarnsOnceAndPrintsTheFirst)
{
    const QString pdf = gbtest::makeTempDir("print") + "/out.pdf";
    PdfPrintHost host(pdf);
    setPrintHost(&host);
    auto e = explorerOn(dir, &main);
    e->printOriginal();
    e->previewOriginal();
    EXPECT_EQ(ui.boxTexts(), QStringList({"Select a file for print", "Select a file for preview"}));
    select(*e, {"a.png", "b.png", "c.png"});
    e->printOriginal();
    setPrintHost(nullptr);
    EXPECT_EQ(ui.boxTexts().last(), "You select more than one images. Only the first one will be printed");
    EXPECT_EQ(ui.boxes.size(), 3u);
    EXPECT_GT(QFileInfo(pdf).size(), 0);
}

TEST_F(Launches, SplitSlideShowFullScreenFindAndPageSetup)
{
    auto e = explorerOn(dir, &main);
    e->splitImage();
    e->slideShow();
    e->fullScreen();
    EXPECT_EQ(ui.boxTexts(), QStringList({"Select an image file to split", "Select files to slide show",
                                          "Select a file to view in full screen mode"}));
    // Page setup and find need no selection, in an empty folder too.
    auto empty = explorerOn(gbtest::makeTempDir("empty") + "/", &main);
    for (auto command : {&FileExplorer::pageSetup, &FileExplorer::findImage}) {
        QString title;
        whenModal([&](QDialog *d) {
            title = d->windowTitle();
            d->reject();
        });
        (empty.get()->*command)();
        EXPECT_FALSE(title.isEmpty());
    }
    ui.boxes.clear();
    select(*e, {"a.png", "b.png"});
    QString splitting;
    whenModal([&](QDialog *d) {
        splitting = qobject_cast<ImageSplitWin *>(d)->fNameFt()->text();
        d->reject();
    });
    e->splitImage();
    EXPECT_EQ(ui.boxTexts(), QStringList{"You select more than one images. Only the first will be splited"});
    EXPECT_EQ(splitting, dir + "a.png");
    // A cancelled order dialog starts no show and says nothing.
    ui.boxes.clear();
    whenModal([](QDialog *d) { d->reject(); });
    e->slideShow();
    EXPECT_TRUE(ui.boxes.empty());
}
