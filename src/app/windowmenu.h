#pragma once

#include "app/menudefs.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

class QAction;
class QMenu;
class QMenuBar;
class QToolBar;
class QWidget;

namespace gb {

// The Qt form of one menu class: its actions (one per item id, with captions, accelerator
// keys and, for toolbar items, an image and a tooltip), its popups and its toolbar.
//
// Choosing an item, pressing its key or clicking its toolbar button sends the item's command
// through CommandRouter, starting at the target window (the window that owns the menu). An
// item is enabled only while something in the target's owner chain handles its command, so
// the commands of tools that are not there stay greyed out.
class WindowMenu : public QObject
{
    Q_OBJECT

public:
    // target: the window that owns the menu; fallback: the last handler tried (main window).
    WindowMenu(const MenuDef &def, QWidget *target, QObject *fallback = nullptr, QObject *parent = nullptr);
    ~WindowMenu() override;

    const MenuDef &def() const { return mDef; }
    QWidget *target() const { return mTarget; }

    // The top-level popups, in menu-bar order.
    const QList<QMenu *> &popups() const { return mPopups; }
    // A context menu's popup: all items of the menu in one QMenu.
    QMenu *contextMenu() const;
    // The popup that lists the open MDI children, or null.
    QMenu *windowListPopup() const;
    // The toolbar (null for context menus); created without a parent.
    QToolBar *toolBar() const { return mToolBar; }

    QAction *action(int itemId) const { return mActions.value(itemId); }
    QList<QAction *> actions() const { return mActions.values(); }

    // Puts the popups on a menu bar (which it clears first).
    void fillMenuBar(QMenuBar *bar) const;
    // Re-evaluates which items are enabled.
    void updateEnabled();

signals:
    // An item was chosen whose command found no handler (kept for diagnostics and tests).
    void unhandled(const QString &command);

private:
    void build();
    void trigger(int itemId);

    const MenuDef &mDef;
    QPointer<QWidget> mTarget;
    QPointer<QObject> mFallback;
    QHash<int, QAction *> mActions;
    QList<QMenu *> mPopups;
    QMenu *mRoot = nullptr;
    QToolBar *mToolBar = nullptr;
};

// Gives a tool window its own window menu (with toolbar and keys), which the main window
// shows while that window is active. The menu is owned by the window.
WindowMenu *attachWindowMenu(QWidget *window, const MenuDef &def, QObject *fallback);

// Builds a context menu whose commands start at origin (a cell, a list, a tree); the caller
// pops it up with exec(). Owned by origin.
WindowMenu *attachContextMenu(QWidget *origin, const MenuDef &def, QObject *fallback = nullptr);

} // namespace gb
