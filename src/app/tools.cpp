#include "app/tools.h"

#include "app/mainshellwindow.h"
#include "batch/batchaction.h"
#include "catalog/archivestruct.h"
#include "catalog/repairarchwin.h"
#include "common/imagsysserver.h"
#include "common/messages.h"

namespace gb {

void initSharedTables()
{
    initArchiveStructure();
    initializeActions();
    // The settings database opens once, here; a failure is told once, and the tools then
    // find no saved settings and report their own failed saves.
    const ImagSysServer &settings = goSysServer();
    if (!settings.isValid())
        errorMsg(nullptr, QStringLiteral("The settings database could not be opened: ") + settings.lastErrorMessage());
}

void registerTools()
{
    MainShellWindow::registerCommand(QStringLiteral("COMPACTARCHIVE"),
                                     [](MainShellWindow *owner) { compactArchiveCommand(owner); });
}

} // namespace gb
