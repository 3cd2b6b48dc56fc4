#include "app/mainshellwindow.h"

#include "app/helpaboutwin.h"
#include "app/mdibackground.h"
#include "resources/resourceclasses.h"
#include "app/windowmenu.h"
#include "common/appdirs.h"
#include "common/helpdisplay.h"
#include "common/messages.h"
#include "common/registry.h"
#include "common/windowplacement.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHash>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>

namespace gb {

namespace {

QHash<QString, MainShellWindow::ToolOpener> &tools()
{
    static QHash<QString, MainShellWindow::ToolOpener> registry;
    return registry;
}

QHash<QString, MainShellWindow::CommandHook> &commands()
{
    static QHash<QString, MainShellWindow::CommandHook> registry;
    return registry;
}

const QString kWindow = QStringLiteral("Window");

// The commands that need a registered tool before they can run.
const QStringList kToolCommands = {
    QStringLiteral("HTMLCREATIONS"), QStringLiteral("BATCHPROCESSING"), QStringLiteral("IMAGECOMPOSER"),
    QStringLiteral("RENAMEFILES"),   QStringLiteral("PRINTIMAGEGALLERY"), QStringLiteral("BROWSEIMAGES"),
    QStringLiteral("IMAGESPLIT"),    QStringLiteral("OPENARCHIVE"),      QStringLiteral("NEWARCHIVE"),
    QStringLiteral("COMPACTARCHIVE"),
};

} // namespace

void MainShellWindow::registerTool(const QString &command, ToolOpener opener)
{
    tools().insert(command.toUpper(), std::move(opener));
}

void MainShellWindow::unregisterTool(const QString &command)
{
    tools().remove(command.toUpper());
    commands().remove(command.toUpper());
}

bool MainShellWindow::toolRegistered(const QString &command)
{
    return tools().contains(command.toUpper()) || commands().contains(command.toUpper());
}

void MainShellWindow::registerCommand(const QString &command, CommandHook hook)
{
    commands().insert(command.toUpper(), std::move(hook));
}

QString MainShellWindow::webAddress()
{
    return QStringLiteral("https://glimmerbox.example.org/");
}

MainShellWindow::MainShellWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainShellWindow"));
    setAcceptDrops(true);
    statusBar();

    mMdi = new MdiBackground(this);
    setCentralWidget(mMdi);

    mShellMenu = std::make_unique<WindowMenu>(emptyShellMenu(), this, this);
    addToolBar(mShellMenu->toolBar());
    connect(mMdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *sub) {
        showMenuOf(sub ? sub->widget() : nullptr);
    });
    showMenuOf(nullptr);

    setWindowIcon(AaProgramIcon());
    setWindowTitle(QStringLiteral("Glimmerbox"));
    withGradientFill(QStringLiteral("Glimmerbox"));
}

MainShellWindow::~MainShellWindow()
{
    // The MDI area outlives this body: closing its children activates others, and nothing of
    // this window may answer that any more.
    disconnect(mMdi, nullptr, this, nullptr);
    // The menus' actions may sit on this window; let them go before the window's widgets.
    for (QAction *a : actions())
        removeAction(a);
    menuBar()->clear();
    removeToolBar(mShellMenu->toolBar());
}

bool MainShellWindow::commandAvailable(const QString &command) const
{
    const QString upper = command.toUpper();
    if (!kToolCommands.contains(upper))
        return true;
    return toolRegistered(upper);
}

QMdiSubWindow *MainShellWindow::openInMdi(const QString &command, const QStringList &files)
{
    const ToolOpener opener = tools().value(command);
    if (!opener)
        return nullptr;
    // An opener that asks for something first (a catalog, an image) gives nothing when
    // cancelled or refused.
    QWidget *window = opener(this, files);
    if (!window)
        return nullptr;
    QMdiSubWindow *sub = addMdiChild(window);
    add2Child(window);
    return sub;
}

QWidget *MainShellWindow::openToolWithFiles(const QString &command, const QStringList &files)
{
    if (!tools().value(command))
        return nullptr;
    showMaximized();
    QMdiSubWindow *sub = openInMdi(command, files);
    if (!sub)
        return nullptr;
    sub->show();
    // The area places each new window below and right of the last one; a tall wizard
    // placed that way would open with its lower part out of sight.
    const QSize area = mMdi->viewport()->size();
    QRect place = sub->geometry();
    place.moveTo(std::max(0, std::min(place.x(), area.width() - place.width())),
                 std::max(0, std::min(place.y(), area.height() - place.height())));
    sub->setGeometry(place);
    return sub->widget();
}

void MainShellWindow::htmlCreations() { htmlCreations({}); }
void MainShellWindow::htmlCreations(const QStringList &files) { openToolWithFiles(QStringLiteral("HTMLCREATIONS"), files); }
void MainShellWindow::batchProcessing() { batchProcessing({}); }
void MainShellWindow::batchProcessing(const QStringList &files) { openToolWithFiles(QStringLiteral("BATCHPROCESSING"), files); }
void MainShellWindow::imageComposer() { imageComposer({}); }
void MainShellWindow::imageComposer(const QStringList &files) { openToolWithFiles(QStringLiteral("IMAGECOMPOSER"), files); }
void MainShellWindow::renameFiles() { renameFiles({}); }
void MainShellWindow::renameFiles(const QStringList &files) { openToolWithFiles(QStringLiteral("RENAMEFILES"), files); }
void MainShellWindow::printImageGallery() { printImageGallery({}); }
void MainShellWindow::printImageGallery(const QStringList &files) { openToolWithFiles(QStringLiteral("PRINTIMAGEGALLERY"), files); }

QMdiSubWindow *MainShellWindow::addMdiChild(QWidget *window)
{
    QMdiSubWindow *sub = mMdi->addSubWindow(window);
    sub->setWindowIcon(window->windowIcon());
    sub->resize(window->sizeHint().expandedTo(QSize(200, 150)) + QSize(8, 30));
    return sub;
}

void MainShellWindow::placeFromRegistry(QMdiSubWindow *sub, const QString &prefix)
{
    if (kvtQueryRtRegInt(kWindow, prefix + QStringLiteral("Zoomed")) == kRegYes) {
        sub->showMaximized();
        return;
    }
    if (kvtQueryRtRegInt(kWindow, prefix + QStringLiteral("Iconic")) != kRegYes) {
        const int x = kvtQueryRtRegInt(kWindow, prefix + QStringLiteral("X"));
        const int y = kvtQueryRtRegInt(kWindow, prefix + QStringLiteral("Y"));
        int w = kvtQueryRtRegInt(kWindow, prefix + QStringLiteral("W"));
        int h = kvtQueryRtRegInt(kWindow, prefix + QStringLiteral("H"));
        sub->setGeometry(x, y, w == 0 ? 400 : w, h == 0 ? 400 : h);
    }
    sub->show();
}

void MainShellWindow::browseImages()
{
    QMdiSubWindow *sub = openInMdi(QStringLiteral("BROWSEIMAGES"), {});
    if (!sub)
        return;
    placeFromRegistry(sub, QStringLiteral("Explorer"));
    // The new explorer is the one the user works in: in front, at the end of the cascade.
    mMdi->setActiveSubWindow(sub);
    windowCascade();
}

void MainShellWindow::imageSplit()
{
    if (QMdiSubWindow *sub = openInMdi(QStringLiteral("IMAGESPLIT"), {}))
        sub->show();
}

void MainShellWindow::compactArchive()
{
    if (const CommandHook hook = commands().value(QStringLiteral("COMPACTARCHIVE")))
        hook(this);
}

void MainShellWindow::openArchive() { openArchive({}); }
void MainShellWindow::openArchive(const QStringList &files) { openCatalogWindow(QStringLiteral("OPENARCHIVE"), files); }
void MainShellWindow::newArchive() { openCatalogWindow(QStringLiteral("NEWARCHIVE"), {}); }

void MainShellWindow::openCatalogWindow(const QString &command, const QStringList &files)
{
    QMdiSubWindow *sub = openInMdi(command, files);
    if (!sub)
        return;
    placeFromRegistry(sub, QStringLiteral("Archive"));
    windowCascade();
}

void MainShellWindow::exitApplication()
{
    close();
}

void MainShellWindow::arrangeHorizontal()
{
    // Full-width windows stacked from top to bottom.
    const QList<QMdiSubWindow *> subs = mMdi->subWindowList();
    const QList<QMdiSubWindow *> shown = [&] {
        QList<QMdiSubWindow *> list;
        for (QMdiSubWindow *s : subs)
            if (!s->isHidden() && !s->isMinimized())
                list << s;
        return list;
    }();
    if (shown.isEmpty())
        return;
    const QRect area = mMdi->viewport()->rect();
    const int h = std::max(1, area.height() / int(shown.size()));
    for (int i = 0; i < shown.size(); ++i) {
        shown[i]->showNormal();
        if (MdiBackground::isSizable(shown[i]))
            shown[i]->setGeometry(0, i * h, area.width(), h);
        else
            shown[i]->move(0, i * h);
    }
}

void MainShellWindow::windowCascade()
{
    mMdi->cascade();
}

void MainShellWindow::windowTile()
{
    mMdi->tile();
}

void MainShellWindow::closeAll()
{
    for (int i = int(mChildren.size()) - 1; i >= 0; --i) {
        QPointer<QWidget> child = mChildren.at(i);
        if (child) {
            QWidget *frame = windowFrame(child);
            frame->close();
            if (child)
                child->deleteLater();
            if (frame != child.data())
                frame->deleteLater();
        }
    }
    mChildren.clear();
}

void MainShellWindow::helpIndex()
{
    showHelpTopic(QStringLiteral("HelpIndex"));
}

void MainShellWindow::showHelpTopic(const QString &topic)
{
    if (HelpDisplay *help = goHelpDisplay())
        help->show(topic);
}

void MainShellWindow::kvtWeb()
{
    go2Url(this, webAddress());
}

void MainShellWindow::contactKvt()
{
    const QString path = supportDir() + QStringLiteral("contactkvt.htm");
    if (QFileInfo::exists(path))
        go2Url(this, path);
    else
        errorMsg(this, QStringLiteral("File not found - check Help About for contact information"));
}

void MainShellWindow::helpAbout()
{
    HelpAboutWin about(this);
    about.exec();
}

void MainShellWindow::add2Child(QWidget *window)
{
    mChildren << QPointer<QWidget>(window);
}

void MainShellWindow::withGradientFill(const QString &caption)
{
    mMdi->withGradientFill(caption);
}

void MainShellWindow::refreshCommands()
{
    mShellMenu->updateEnabled();
    if (mCurrentMenu)
        mCurrentMenu->updateEnabled();
}

void MainShellWindow::showMenuOf(QWidget *child)
{
    // A child with a menu of its own ("gbMenu" property holding its WindowMenu) brings it,
    // with its toolbar and keys; otherwise the shell's menu is shown.
    WindowMenu *menu = child ? child->property("gbMenu").value<WindowMenu *>() : nullptr;
    if (!menu)
        menu = mShellMenu.get();
    if (menu == mCurrentMenu)
        return;
    if (mCurrentMenu) {
        for (QAction *a : mCurrentMenu->actions())
            removeAction(a);
        if (QToolBar *bar = mCurrentMenu->toolBar())
            bar->hide();
    }
    mCurrentMenu = menu;
    menu->fillMenuBar(menuBar());
    // Keys work while the frame is active whichever popup is on the bar.
    addActions(menu->actions());
    if (QToolBar *bar = menu->toolBar()) {
        if (bar->parentWidget() != this)
            addToolBar(bar);
        bar->show();
    }
    if (QMenu *list = menu->windowListPopup())
        connect(list, &QMenu::aboutToShow, this, &MainShellWindow::fillWindowList, Qt::UniqueConnection);
    menu->updateEnabled();
}

void MainShellWindow::fillWindowList()
{
    auto *list = qobject_cast<QMenu *>(sender());
    if (!list)
        return;
    for (QAction *a : list->actions()) {
        if (a->property("gbWindowEntry").toBool())
            list->removeAction(a), a->deleteLater();
    }
    const QList<QMdiSubWindow *> subs = mMdi->subWindowList();
    if (subs.isEmpty())
        return;
    QAction *sep = list->addSeparator();
    sep->setProperty("gbWindowEntry", true);
    int n = 1;
    for (QMdiSubWindow *sub : subs) {
        QAction *a = list->addAction(QStringLiteral("&%1 %2").arg(n++).arg(sub->windowTitle()));
        a->setProperty("gbWindowEntry", true);
        a->setCheckable(true);
        a->setChecked(sub == mMdi->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, sub = QPointer<QMdiSubWindow>(sub)] {
            if (sub)
                mMdi->setActiveSubWindow(sub);
        });
    }
}

void MainShellWindow::closeEvent(QCloseEvent *event)
{
    // The restore rectangle is what the next start places the window at.
    const QRect r = normalGeometry().isValid() ? normalGeometry() : geometry();
    kvtSetRtRegInt(kWindow, QStringLiteral("MainX"), std::max(0, r.x()));
    kvtSetRtRegInt(kWindow, QStringLiteral("MainY"), std::max(0, r.y()));
    kvtSetRtRegInt(kWindow, QStringLiteral("MainW"), r.width());
    kvtSetRtRegInt(kWindow, QStringLiteral("MainH"), r.height());
    kvtSetRtRegInt(kWindow, QStringLiteral("Zoomed"), isMaximized() ? kRegYes : kRegNo);
    kvtSetRtRegInt(kWindow, QStringLiteral("Iconic"), isMinimized() ? kRegYes : kRegNo);
    // Children close with the frame; give each the chance to save its own state first.
    mMdi->closeAllSubWindows();
    if (!mMdi->subWindowList().isEmpty()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void MainShellWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainShellWindow::dropEvent(QDropEvent *event)
{
    // The main window takes drops so that dragging over it shows no refusal, but a drop
    // opens nothing.
    event->acceptProposedAction();
}

} // namespace gb
