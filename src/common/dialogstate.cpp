#include "common/dialogstate.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QTimer>

namespace gb {

namespace {

constexpr Qt::WindowStates kNotForDialogs = Qt::WindowMinimized | Qt::WindowMaximized;

class DialogStateKeeper : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::WindowStateChange)
            return false;
        auto *dialog = qobject_cast<QDialog *>(watched);
        if (!dialog || !dialog->isWindow() || !(dialog->windowState() & kNotForDialogs))
            return false;
        // The window manager's change is undone after it has been delivered, not inside it.
        QTimer::singleShot(0, dialog, [dialog = QPointer<QDialog>(dialog)] {
            if (dialog)
                dialog->setWindowState(dialog->windowState() & ~kNotForDialogs);
        });
        return false;
    }
};

} // namespace

void keepDialogsNormal(QCoreApplication *app)
{
    app->installEventFilter(new DialogStateKeeper(app));
}

} // namespace gb
