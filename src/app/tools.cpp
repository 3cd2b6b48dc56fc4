#include "app/tools.h"

#include "app/mainshellwindow.h"
#include "app/windowmenu.h"
#include "batch/batchaction.h"
#include "catalog/archivestruct.h"
#include "catalog/repairarchwin.h"
#include "common/imagsysserver.h"
#include "common/messages.h"
#include "common/filedialogs.h"
#include "explorer/fileexplorer.h"
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

// The splitter is modal: it asks for the image when given none, runs, and leaves no window.
QWidget *openSplitter(MainShellWindow *owner, const QStringList &files)
{
    const QString file = files.isEmpty() ? getOpenFileName(owner, QStringLiteral("Select an image to split..."), 1)
                                         : files.first();
    if (!file.isEmpty()) {
        ImageSplitWin splitter(owner, {file});
        splitter.exec();
    }
    return nullptr;
}

} // namespace

void registerTools()
{
    MainShellWindow::registerTool(QStringLiteral("BROWSEIMAGES"), openExplorer);
    MainShellWindow::registerTool(QStringLiteral("IMAGESPLIT"), openSplitter);
    MainShellWindow::registerCommand(QStringLiteral("COMPACTARCHIVE"),
                                     [](MainShellWindow *owner) { compactArchiveCommand(owner); });
}

} // namespace gb
