#include "app/app.h"

#include "app/mainshellwindow.h"
#include "app/qtuiseam.h"
#include "app/splashscreen.h"
#include "app/tools.h"
#include "app/windowmenu.h"
#include "common/contextmenus.h"
#include "common/dialogstate.h"
#include "common/globals.h"
#include "common/helpdisplay.h"
#include "common/orderedwork.h"
#include "common/registry.h"
#include "platform/imagelib/parallel.h"

#include <QApplication>

namespace gb {

void App::placeMainWindow(QMainWindow &window)
{
    const QString section = QStringLiteral("Window");
    if (kvtQueryRtRegInt(section, QStringLiteral("Zoomed")) != kRegYes) {
        int x = 0, y = 0, w = 400, h = 400;
        if (kvtQueryRtRegInt(section, QStringLiteral("Iconic")) != kRegYes) {
            x = kvtQueryRtRegInt(section, QStringLiteral("MainX"));
            y = kvtQueryRtRegInt(section, QStringLiteral("MainY"));
            w = kvtQueryRtRegInt(section, QStringLiteral("MainW"));
            h = kvtQueryRtRegInt(section, QStringLiteral("MainH"));
            if (w == 0)
                w = 400;
            if (h == 0)
                h = 400;
        }
        window.setGeometry(x, y, w, h);
    }
    window.showMaximized();
}

void App::writeDefaults()
{
    getIntFromReg(QString(), QString());
    glFoldersOption = getIntFromReg(QStringLiteral("General Options"), QStringLiteral("Folders")) == 1;
}

int App::start(QApplication &app)
{
    static QtUiSeam seam;
    setUi(&seam);
    keepDialogsNormal(&app);

    initHelpDisplay();
    initSharedTables();

    MainShellWindow main;
    setContextMenuMaker([&main](const QString &menuClass, QWidget *target) -> QMenu * {
        const MenuDef *def = menuDefByName(menuClass);
        return def ? attachContextMenu(target, *def, &main)->contextMenu() : nullptr;
    });
    registerTools();
    main.refreshCommands();

    auto *splash = new SplashScreen(&main);
    splash->show(1000);

    placeMainWindow(main);
    writeDefaults();
    // The worker threads are started while the splash screen shows, not when the first
    // page of thumbnails is wanted.
    startWorkerThreads(workerThreads());
    return app.exec();
}

} // namespace gb
