#include "app/windowmenu.h"

#include "app/commandrouter.h"
#include "resources/resourceclasses.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QShortcutEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace gb {

namespace {

// A button's picture, and for its disabled state the same picture in flat light grey: the
// style's own disabled picture keeps the dark outlines, so that a greyed-out button looked
// almost like an available one.
QIcon toolbarIcon(const QPixmap &picture)
{
    QIcon icon(picture);
    QImage grey = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const int v = 160 + qGray(line[x]) * 72 / 255;
            line[x] = qRgba(v, v, v, qAlpha(line[x]));
        }
    }
    icon.addPixmap(QPixmap::fromImage(grey), QIcon::Disabled);
    return icon;
}

} // namespace

WindowMenu::WindowMenu(const MenuDef &def, QWidget *target, QObject *fallback, QObject *parent)
    : QObject(parent)
    , mDef(def)
    , mTarget(target)
    , mFallback(fallback)
{
    build();
}

WindowMenu::~WindowMenu()
{
    delete mToolBar;
    delete mRoot;
}

void WindowMenu::build()
{
    // mRoot holds every popup, so one deletion frees the whole tree.
    mRoot = new QMenu;
    QList<QMenu *> stack{mRoot};
    for (const MenuRow &row : mDef.rows) {
        const int depth = qBound(0, row.depth, int(stack.size()) - 1);
        stack.resize(depth + 1);
        QMenu *into = stack.back();
        switch (row.kind) {
        case MenuRow::Popup: {
            QMenu *popup = into->addMenu(QString::fromUtf8(row.caption));
            popup->menuAction()->setData(row.id);
            if (depth == 0)
                mPopups << popup;
            stack << popup;
            break;
        }
        case MenuRow::Separator:
            into->addSeparator();
            break;
        case MenuRow::Item: {
            QAction *a = into->addAction(QString::fromUtf8(row.caption));
            a->setData(row.id);
            a->setObjectName(QString::fromLatin1(row.command));
            a->setIconVisibleInMenu(false);
            if (row.helpContext)
                a->setWhatsThis(QString::fromLatin1(row.helpContext));
            const int id = row.id;
            connect(a, &QAction::triggered, this, [this, id] { trigger(id); });
            connect(into, &QMenu::aboutToShow, this, &WindowMenu::updateEnabled, Qt::UniqueConnection);
            mActions.insert(id, a);
            break;
        }
        }
    }

    for (const Accelerator &acc : mDef.accelerators) {
        QAction *a = mActions.value(acc.itemId);
        if (!a)
            continue;
        QList<QKeySequence> keys;
        for (const int key : {acc.key, acc.altKey}) {
            // Under X11 the shortcut map drops the keypad flag before it matches, so a keypad
            // key never matched, and its plain form would also take the main keyboard's key.
            if (key & Qt::KeypadModifier)
                mKeypadKeys.insert(key, a);
            else if (key)
                keys << QKeySequence(key);
        }
        a->setShortcuts(keys);
        a->setShortcutContext(Qt::WindowShortcut);
        a->installEventFilter(this);
    }
    if (!mKeypadKeys.isEmpty())
        qApp->installEventFilter(this);

    if (mDef.strip) {
        mToolBar = new QToolBar(QString::fromLatin1(mDef.className));
        mToolBar->setObjectName(QString::fromLatin1(mDef.className) + QStringLiteral("Toolbar"));
        mToolBar->setIconSize(QSize(16, 16));
        mToolBar->setMovable(false);
        const QList<QPixmap> images = toolbarStrip(QString::fromLatin1(mDef.strip));
        for (const ToolbarButton &button : mDef.toolbar) {
            QAction *a = mActions.value(button.itemId);
            if (button.image == 0 || !a) {
                mToolBar->addSeparator();
                continue;
            }
            if (button.image - 1 < images.size())
                a->setIcon(toolbarIcon(images.at(button.image - 1)));
            a->setToolTip(QString::fromUtf8(button.tooltip));
            mToolBar->addAction(a);
        }
    }
    updateEnabled();
}

QMenu *WindowMenu::contextMenu() const
{
    // A context menu's resource holds one hidden popup; here the root stands for it.
    return mRoot;
}

QMenu *WindowMenu::windowListPopup() const
{
    return mDef.windowListPopup >= 0 && mDef.windowListPopup < mPopups.size() ? mPopups.at(mDef.windowListPopup)
                                                                              : nullptr;
}

void WindowMenu::fillMenuBar(QMenuBar *bar)
{
    bar->clear();
    for (QMenu *popup : mPopups)
        bar->addMenu(popup);
    bar->installEventFilter(this);
}

bool WindowMenu::keysLiveIn(const QAction *a, const QWidget *widget)
{
    // As Qt's window shortcuts: on a visible widget of that window; a popup is a window of
    // its own.
    for (QObject *o : a->associatedObjects()) {
        const auto *on = qobject_cast<QWidget *>(o);
        if (on && !qobject_cast<const QMenu *>(on) && on->isVisible() && on->window() == widget->window())
            return true;
    }
    return false;
}

QAction *WindowMenu::actionOfKey(const QKeySequence &key) const
{
    for (QAction *a : mActions)
        if (a->shortcuts().contains(key))
            return a;
    return nullptr;
}

bool WindowMenu::eventFilter(QObject *watched, QEvent *event)
{
    QAction *a = nullptr;
    if (event->type() == QEvent::KeyPress && !mKeypadKeys.isEmpty()) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const auto *widget = qobject_cast<QWidget *>(watched);
        a = mKeypadKeys.value(key->keyCombination().toCombined());
        // A field that takes text keeps the keypad's point and Delete.
        if (!a || !widget || widget->testAttribute(Qt::WA_InputMethodEnabled) || !keysLiveIn(a, widget))
            return false;
    } else if (event->type() == QEvent::Shortcut) {
        // A key that is also a popup's mnemonic reaches the item or the menu bar, flagged as
        // ambiguous; the item wins, as an accelerator goes before the menu.
        const auto *shortcut = static_cast<QShortcutEvent *>(event);
        if (!shortcut->isAmbiguous())
            return false;
        const auto *bar = qobject_cast<QMenuBar *>(watched);
        if (bar && (mPopups.isEmpty() || !bar->actions().contains(mPopups.first()->menuAction())))
            return false;
        a = actionOfKey(shortcut->key());
        if (!a)
            return false;
    } else {
        return false;
    }
    if (a->isEnabled())
        a->trigger();
    return true;
}

void WindowMenu::updateEnabled()
{
    for (QAction *a : std::as_const(mActions))
        a->setEnabled(CommandRouter::findHandler(mTarget, a->objectName(), mFallback) != nullptr);
}

WindowMenu *attachWindowMenu(QWidget *window, const MenuDef &def, QObject *fallback)
{
    auto *menu = new WindowMenu(def, window, fallback, window);
    window->setProperty("gbMenu", QVariant::fromValue(menu));
    return menu;
}

WindowMenu *attachContextMenu(QWidget *origin, const MenuDef &def, QObject *fallback)
{
    return new WindowMenu(def, origin, fallback, origin);
}

void WindowMenu::trigger(int itemId)
{
    QAction *a = mActions.value(itemId);
    if (!a)
        return;
    if (!CommandRouter::dispatch(mTarget, a->objectName(), mFallback))
        emit unhandled(a->objectName());
}

} // namespace gb
