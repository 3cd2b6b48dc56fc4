#include "catalog/enterlabelwin.h"

#include "common/drives.h"
#include "common/messages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace gb {

EnterLabelWin::EnterLabelWin(QWidget *owner, const QString &driveRoot) : QDialog(owner), mRoot(driveRoot)
{
    setWindowTitle(QStringLiteral("Media without label found ..."));
    auto *prompt = new QLabel(QStringLiteral("Media has no label. Please enter a label for this disk..."), this);
    mEdit = new QLineEdit(this);
    auto *ok = new QPushButton(QStringLiteral("Ok"), this);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    ok->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(mEdit);
    layout->addLayout(buttons);
    // Wide enough for the caption the adding step gives it, which names the drive.
    setMinimumWidth(480);
    connect(ok, &QPushButton::clicked, this, &EnterLabelWin::pbOk);
    connect(cancel, &QPushButton::clicked, this, &EnterLabelWin::pbCancel);
}

void EnterLabelWin::pbOk()
{
    const QString label = mEdit->text().left(11).trimmed();
    if (label.isEmpty()) {
        errorMsg(this, QStringLiteral("Please enter a label"));
        return;
    }
    if (!setVolumeLabel(mRoot, label)) {
        errorMsg(this, QStringLiteral("\r\nError: ") + QStringLiteral("The label cannot be kept for ") + mRoot);
        return;
    }
    mLabel = label;
    done(1);
}

void EnterLabelWin::pbCancel()
{
    done(-1);
}

} // namespace gb
