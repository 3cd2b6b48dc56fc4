#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace gb {

// While it lives, user input (mouse, keys, wheel, touch, context menus, shortcuts, and the
// window manager's close button) reaches only the given window and modal dialogs; input for
// every other window is dropped, as a modal window drops it. For a run that serves events so
// that its progress window repaints and its Abort button can be pressed, while the windows
// whose data the run works on must take no command meanwhile. Timers, posted events and
// paints are left alone, and so is a close that the program itself asks for.
//
//   InputOnlyTo only(progressWindow);
//   QCoreApplication::processEvents();
class InputOnlyTo : public QObject
{
public:
    // A null window lets input reach modal dialogs only.
    explicit InputOnlyTo(QWidget *window);
    ~InputOnlyTo() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool takesInput(const QWidget *widget) const;

    QPointer<QWidget> mWindow;
};

} // namespace gb
