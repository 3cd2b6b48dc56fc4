#include "common/inputonlyto.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace gb {

InputOnlyTo::InputOnlyTo(QWidget *window) : mWindow(window)
{
    qApp->installEventFilter(this);
}

InputOnlyTo::~InputOnlyTo()
{
    qApp->removeEventFilter(this);
}

bool InputOnlyTo::takesInput(const QWidget *widget) const
{
    const QWidget *top = widget ? widget->window() : nullptr;
    return top && (top == mWindow || top->isModal());
}

bool InputOnlyTo::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return watched->isWidgetType() && !takesInput(static_cast<QWidget *>(watched));
    case QEvent::Shortcut:
        // Shortcuts go to actions, which belong to no one window: the window they were
        // typed in is the active one.
        return !takesInput(QApplication::activeWindow());
    case QEvent::Close:
        // A close event that is not delivered counts as accepted: it is refused outright.
        if (!event->spontaneous() || !watched->isWidgetType() || takesInput(static_cast<QWidget *>(watched)))
            return false;
        event->ignore();
        return true;
    default:
        return false;
    }
}

} // namespace gb
