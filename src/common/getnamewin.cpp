#include "common/getnamewin.h"

namespace gb {

GetNameWin::GetNameWin(QWidget *owner)
    : LinePromptWin(owner, QStringLiteral("Dialog Caption"),
                    {262, 48, QRect(8, 9, 246, 12), QRect(54, 27, 53, 12), QRect(156, 27, 53, 12), true})
{
    setObjectName(QStringLiteral("_GetNameWin"));
}

bool getName(QWidget *owner, const QString &caption, QString *name)
{
    GetNameWin dialog(owner);
    dialog.setWindowTitle(caption);
    dialog.setTheName(*name);
    if (dialog.exec() != 1)
        return false;
    *name = dialog.theName();
    return true;
}

} // namespace gb
