#include "common/newkeywordwin.h"

#include <QLineEdit>
#include <QPushButton>

namespace gb {

NewKeywordWin::NewKeywordWin(QWidget *owner)
    : LinePromptWin(owner, QStringLiteral("Enter new keyword ..."),
                    {262, 43, QRect(6, 7, 244, 12), QRect(56, 25, 53, 12), QRect(154, 25, 53, 12), false},
                    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    keyEdit()->setObjectName(QStringLiteral("KEY"));
    okButton()->setObjectName(QStringLiteral("PBOK"));
    cancelButton()->setObjectName(QStringLiteral("PBCANCEL"));
}

} // namespace gb
