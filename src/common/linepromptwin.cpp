#include "common/linepromptwin.h"

#include "common/dialogunits.h"

#include <QLineEdit>
#include <QPushButton>

namespace gb {

LinePromptWin::LinePromptWin(QWidget *owner, const QString &caption, const Layout &layout, Qt::WindowFlags flags)
    : QDialog(owner, flags)
    , mAcceptsEmpty(layout.acceptsEmpty)
{
    setWindowTitle(caption);
    const DialogUnits du = DialogUnits::setUp(this, layout.width, layout.height);
    mEdit = new QLineEdit(this);
    mEdit->setGeometry(du.rect(layout.edit));
    mOk = new QPushButton(QStringLiteral("Ok"), this);
    mOk->setGeometry(du.rect(layout.ok));
    mCancel = new QPushButton(QStringLiteral("Cancel"), this);
    mCancel->setGeometry(du.rect(layout.cancel));
    connect(mOk, &QPushButton::clicked, this, &LinePromptWin::pbOk);
    connect(mCancel, &QPushButton::clicked, this, &LinePromptWin::pbCancel);
    makeEnterButton(mOk);
}

void LinePromptWin::setText(const QString &text)
{
    mEdit->setText(text);
}

void LinePromptWin::pbOk()
{
    const QString text = mEdit->text().trimmed();
    if (text.isEmpty() && !mAcceptsEmpty)
        return;
    // An accepted empty answer is an empty, not a null, text.
    mAnswer = text.isNull() ? QStringLiteral("") : text;
    done(1);
}

void LinePromptWin::pbCancel()
{
    done(-1);
}

} // namespace gb
