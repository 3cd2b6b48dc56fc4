#include "app/windowmenu.h"

#include "app/commandrouter.h"
#include "resources/resourceclasses.h"

#include <QAction>
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
        if (QAction *a = mActions.value(acc.itemId)) {
            QList<QKeySequence> keys{QKeySequence(acc.key)};
            if (acc.altKey)
                keys << QKeySequence(acc.altKey);
            a->setShortcuts(keys);
            a->setShortcutContext(Qt::WindowShortcut);
        }
    }

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

void WindowMenu::fillMenuBar(QMenuBar *bar) const
{
    bar->clear();
    for (QMenu *popup : mPopups)
        bar->addMenu(popup);
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
