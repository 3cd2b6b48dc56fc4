#pragma once

#include <QPointer>
#include <QWidget>

namespace gb {

// Gives the keys back, when it goes, to the widget that had them when it was made (or, when
// that widget is gone or was none, to the fallback window), and makes its window the active
// one again. Make one on the stack around a modal dialog: a dialog that closes itself after
// its own message box can leave no window active, and the keys then reach nothing until the
// user clicks.
//
//   FocusReturn back(this);
//   dialog.exec();
class FocusReturn
{
public:
    explicit FocusReturn(QWidget *fallback);
    ~FocusReturn();
    FocusReturn(const FocusReturn &) = delete;
    FocusReturn &operator=(const FocusReturn &) = delete;

private:
    QPointer<QWidget> mFocus;
    QPointer<QWidget> mFallback;
};

} // namespace gb
