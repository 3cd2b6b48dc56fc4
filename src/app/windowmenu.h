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
//
// A key works while its action sits on a visible window (the main window while this menu is
// on its menu bar) and the keys go to that window. Keys of the numeric keypad are matched on
// the key press itself, except in a field that takes text. An Alt+letter key that is also the
// mnemonic of one of the menu's popups runs its item; the popup still opens from the bar.
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
    void fillMenuBar(QMenuBar *bar);
    // Re-evaluates which items are enabled.
    void updateEnabled();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    // An item was chosen whose command found no handler (kept for diagnostics and tests).
    void unhandled(const QString &command);

private:
    void build();
    void trigger(int itemId);
    // Whether the action's keys work in the window that holds widget.
    static bool keysLiveIn(const QAction *a, const QWidget *widget);
    // The item whose key (other than a keypad key) this is, or null.
    QAction *actionOfKey(const QKeySequence &key) const;

    const MenuDef &mDef;
    QPointer<QWidget> mTarget;
    QPointer<QObject> mFallback;
    QHash<int, QAction *> mActions;
    QHash<int, QAction *> mKeypadKeys; // by key combination, keypad flag included
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
