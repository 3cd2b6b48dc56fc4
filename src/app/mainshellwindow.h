#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include "app/windowmenu.h"

#include <functional>
#include <memory>

class QMdiSubWindow;

namespace gb {

class MdiBackground;


// The program's main window: an MDI frame in which every tool opens as a child window.
//
// It owns the shell menu with its toolbar and accelerators (shown while no child with a menu
// of its own is active), a status bar, the painted background, and the list of tool windows
// opened through it (for Close All). Its public slots are the commands of the shell menu;
// commands of child windows that the child does not handle itself reach these slots through
// the command routing. Closing it saves its placement in the "Window" section.
class MainShellWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainShellWindow(QWidget *parent = nullptr);
    ~MainShellWindow() override;

    MdiBackground *mdiArea() const { return mMdi; }
    // The tool windows opened through the shell, in opening order (closed ones are null).
    QList<QPointer<QWidget>> childList() const { return mChildren; }
    // The menu currently on the menu bar (the shell's, or the active child's).
    WindowMenu *currentMenu() const { return mCurrentMenu; }
    WindowMenu *shellMenu() const { return mShellMenu.get(); }

    // Opens a window as an MDI child, sized to its own size hint; returns its sub-window.
    QMdiSubWindow *addMdiChild(QWidget *window);
    // Places a child from the "Window" values with this prefix ("Explorer", "Archive"):
    // maximised when <prefix>Zoomed is yes; else, unless <prefix>Iconic is yes, at the stored
    // origin and size (a width or height of 0 becoming 400); then shows it.
    void placeFromRegistry(QMdiSubWindow *sub, const QString &prefix);

    // Tools register how they open, so that the shell does not depend on every tool and a
    // command whose tool is not in the program stays disabled. The opener creates the tool
    // window (files: the selection handed over, possibly empty); the shell places it.
    using ToolOpener = std::function<QWidget *(MainShellWindow *owner, const QStringList &files)>;
    static void registerTool(const QString &command, ToolOpener opener);
    static void unregisterTool(const QString &command);
    static bool toolRegistered(const QString &command);

    // Commands whose work lives with their tool (the catalog commands) register it here;
    // the shell's slot runs it with the main window as owner.
    using CommandHook = std::function<void(MainShellWindow *owner)>;
    static void registerCommand(const QString &command, CommandHook hook);

    // Whether a command of this window can run now (tool commands need their tool).
    Q_INVOKABLE bool commandAvailable(const QString &command) const;

    // The address of the maker's web site.
    static QString webAddress();

public slots:
    // Tools opened with files: show the main window maximised, create the tool, add it to the
    // child list and show it. The image explorer calls the forms with files.
    void htmlCreations();
    void htmlCreations(const QStringList &files);
    void batchProcessing();
    void batchProcessing(const QStringList &files);
    void imageComposer();
    void imageComposer(const QStringList &files);
    void renameFiles();
    void renameFiles(const QStringList &files);
    void printImageGallery();
    void printImageGallery(const QStringList &files);

    void browseImages();
    void imageSplit();
    void compactArchive();
    // The catalog commands: the registered opener asks for the catalog; the window opened is
    // placed from the "Archive" values. The explorer hands its selection to openArchive().
    void openArchive();
    void openArchive(const QStringList &files);
    void newArchive();
    void exitApplication();
    void arrangeHorizontal();
    void windowCascade();
    void windowTile();
    void closeAll();
    void helpIndex();
    void showHelpTopic(const QString &topic);
    void kvtWeb();
    void contactKvt();
    void helpAbout();
    void add2Child(QWidget *window);
    void withGradientFill(const QString &caption);

    // Re-reads which commands can run and refreshes the menus.
    void refreshCommands();

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    QWidget *openToolWithFiles(const QString &command, const QStringList &files);
    // The window of a registered opener in a new MDI child, listed among the children; null
    // when there is no opener or it gave no window.
    QMdiSubWindow *openInMdi(const QString &command, const QStringList &files);
    void openCatalogWindow(const QString &command, const QStringList &files);
    void showMenuOf(QWidget *child);
    void fillWindowList();

    MdiBackground *mMdi = nullptr;
    std::unique_ptr<WindowMenu> mShellMenu;
    QPointer<WindowMenu> mCurrentMenu;
    QList<QPointer<QWidget>> mChildren;
};

} // namespace gb
