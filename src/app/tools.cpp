#include "app/tools.h"

#include "app/mainshellwindow.h"
#include "app/windowmenu.h"
#include "batch/batchaction.h"
#include "batch/bewin.h"
#include "catalog/archiveexplorer.h"
#include "catalog/archivestruct.h"
#include "catalog/repairarchwin.h"
#include "common/focusreturn.h"
#include "common/imagsysserver.h"
#include "common/messages.h"
#include "common/filedialogs.h"
#include "explorer/fileexplorer.h"
#include "gallery_setup/htmlmainwin.h"
#include "renamer/renamerwin.h"
#include "sheets/comwin.h"
#include "sheets/printwin.h"
#include "image/imagesplitwin.h"
#include "sheets/printdialoghost.h"

#include <QAction>

namespace gb {

void initSharedTables()
{
    // Printing and print preview go through the print dialogs of the desktop.
    installPrintDialogHost();
    initArchiveStructure();
    initializeActions();
    // The settings database opens once, here; a failure is told once, and the tools then
    // find no saved settings and report their own failed saves.
    const ImagSysServer &settings = goSysServer();
    if (!settings.isValid())
        errorMsg(nullptr, QStringLiteral("The settings database could not be opened: ") + settings.lastErrorMessage());
}

namespace {

// The explorer with its own menu, toolbar and keys; the menu's check marks follow the
// explorer's size, sort key and direction.
QWidget *openExplorer(MainShellWindow *owner, const QStringList &)
{
    auto *explorer = new FileExplorer(owner);
    WindowMenu *menu = attachWindowMenu(explorer, explorerMenu(), owner);
    explorer->connectMenuChecks([menu](int itemId, bool checked) {
        if (QAction *a = menu->action(itemId)) {
            a->setCheckable(true);
            a->setChecked(checked);
        }
    });
    return explorer;
}

// A catalog window with its own menu, toolbar and keys; files handed over by the explorer
// are offered in its first add-images dialog.
QWidget *withCatalogMenu(ArchiveExplorer *catalog, MainShellWindow *owner, const QStringList &files)
{
    if (!catalog)
        return nullptr;
    attachWindowMenu(catalog, archivesMenu(), owner);
    catalog->setFilesToAdd(files);
    return catalog;
}

// The splitter is modal: it asks for the image when given none, runs, and leaves no window.
QWidget *openSplitter(MainShellWindow *owner, const QStringList &files)
{
    const QString file = files.isEmpty() ? getOpenFileName(owner, QStringLiteral("Select an image to split..."), 1)
                                         : files.first();
    if (!file.isEmpty()) {
        FocusReturn back(owner);
        ImageSplitWin splitter(owner, {file});
        splitter.exec();
    }
    return nullptr;
}

} // namespace

void registerTools()
{
    MainShellWindow::registerTool(QStringLiteral("BROWSEIMAGES"), openExplorer);
    MainShellWindow::registerTool(QStringLiteral("BATCHPROCESSING"),
                                  [](MainShellWindow *owner, const QStringList &files) { return new BeWin(owner, files); });
    MainShellWindow::registerTool(QStringLiteral("HTMLCREATIONS"), [](MainShellWindow *owner, const QStringList &files) {
        return new HtmlMainWin(owner, files);
    });
    MainShellWindow::registerTool(QStringLiteral("RENAMEFILES"), [](MainShellWindow *owner, const QStringList &files) -> QWidget * {
        return new RenamerWin(owner, files);
    });
    MainShellWindow::registerTool(QStringLiteral("IMAGECOMPOSER"), [](MainShellWindow *owner, const QStringList &files) -> QWidget * {
        return new ComWin(owner, files);
    });
    MainShellWindow::registerTool(QStringLiteral("PRINTIMAGEGALLERY"), [](MainShellWindow *owner, const QStringList &files) -> QWidget * {
        return new PrintWin(owner, files);
    });
    MainShellWindow::registerTool(QStringLiteral("IMAGESPLIT"), openSplitter);
    MainShellWindow::registerCommand(QStringLiteral("COMPACTARCHIVE"),
                                     [](MainShellWindow *owner) { compactArchiveCommand(owner); });
    MainShellWindow::registerTool(QStringLiteral("OPENARCHIVE"), [](MainShellWindow *owner, const QStringList &files) {
        return withCatalogMenu(openArchiveCommand(owner), owner, files);
    });
    MainShellWindow::registerTool(QStringLiteral("NEWARCHIVE"), [](MainShellWindow *owner, const QStringList &files) {
        return withCatalogMenu(newArchiveCommand(owner), owner, files);
    });
}

} // namespace gb
