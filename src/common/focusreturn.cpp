#include "common/focusreturn.h"

#include <QApplication>

namespace gb {

FocusReturn::FocusReturn(QWidget *fallback)
    : mFocus(QApplication::focusWidget())
    , mFallback(fallback)
{
    // Keys in another window (a dialog that opened this one) are not ours to move.
    if (mFocus && fallback && mFocus->window() != fallback->window())
        mFocus = nullptr;
}

FocusReturn::~FocusReturn()
{
    QWidget *to = mFocus && mFocus->isVisible() ? mFocus.data() : mFallback.data();
    if (!to || !to->isVisible())
        return;
    to->window()->activateWindow();
    to->setFocus(Qt::ActiveWindowFocusReason);
}

} // namespace gb
