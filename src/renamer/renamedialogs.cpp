#include "renamer/renamedialogs.h"

#include "common/dialogunits.h"
#include "renamer/casingrenwin.h"
#include "renamer/deleterenwin.h"
#include "renamer/insertrenwin.h"
#include "renamer/renamecommand.h"
#include "renamer/replacerenwin.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include <memory>

namespace gb {

void RenameDialog::pbOk()
{
    if (std::optional<ValueArray> data = collect()) {
        mData = std::move(*data);
        done(1);
    }
}

void RenameDialog::pbCancel()
{
    done(-1);
}

void RenameDialog::addOkCancel(const DialogUnits &du, int width, int y)
{
    mOk = new QPushButton(QStringLiteral("Ok"), this);
    mOk->setGeometry(du.rect(width / 2 - 58, y, 50, 14));
    mCancel = new QPushButton(QStringLiteral("Cancel"), this);
    mCancel->setGeometry(du.rect(width / 2 + 8, y, 50, 14));
    connect(mOk, &QPushButton::clicked, this, &RenameDialog::pbOk);
    connect(mCancel, &QPushButton::clicked, this, &RenameDialog::pbCancel);
    makeEnterButton(mOk);
}

QLineEdit *renameDigitsEdit(QWidget *parent, const QRect &rect, int digits)
{
    auto *edit = new QLineEdit(parent);
    edit->setGeometry(rect);
    edit->setMaxLength(digits);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,%1}").arg(digits)), edit));
    return edit;
}

int renameFieldNumber(const QLineEdit *edit)
{
    bool ok = false;
    const int v = edit->text().trimmed().toInt(&ok);
    return ok ? v : 0;
}

QRadioButton *renameRadio(QWidget *parent, QButtonGroup *group, int code, const QString &text, const QRect &rect)
{
    auto *button = new QRadioButton(text, parent);
    button->setGeometry(rect);
    group->addButton(button, code);
    return button;
}

QLabel *renameLabel(QWidget *parent, const QString &text, const QRect &rect)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(rect);
    return label;
}

QGroupBox *renameFrame(QWidget *parent, const QString &caption, const QRect &rect)
{
    auto *box = new QGroupBox(caption, parent);
    box->setGeometry(rect);
    box->lower();
    return box;
}

RenameWithGroup::RenameWithGroup(QWidget *dialog, const DialogUnits &du, const QString &caption, int x, int y)
    : mButtons(new QButtonGroup(dialog))
{
    renameFrame(dialog, caption, du.rect(x, y, 247, 45));
    mStdText = renameRadio(dialog, mButtons, 1, QStringLiteral("Standard Text"), du.rect(x + 7, y + 13, 70, 10));
    mReplaceText = new QLineEdit(dialog);
    mReplaceText->setGeometry(du.rect(x + 80, y + 11, 158, 12));
    mEnumeration = renameRadio(dialog, mButtons, 2, QStringLiteral("Auto Enumeration"), du.rect(x + 7, y + 29, 72, 10));
    renameLabel(dialog, QStringLiteral("Starting at:"), du.rect(x + 82, y + 29, 42, 10));
    mEnumStart = renameDigitsEdit(dialog, du.rect(x + 124, y + 27, 30, 12), 4);
    renameLabel(dialog, QStringLiteral("with length:"), du.rect(x + 162, y + 29, 44, 10));
    mEnumLength = renameDigitsEdit(dialog, du.rect(x + 206, y + 27, 30, 12), 4);
}

void RenameWithGroup::preset(int with, const QString &text, int numberStart, int numberLength)
{
    (with == 1 ? mStdText : mEnumeration)->setChecked(true);
    mReplaceText->setText(text);
    mEnumStart->setText(QString::number(numberStart));
    mEnumLength->setText(QString::number(numberLength));
}

void RenameWithGroup::adjustControls()
{
    const bool text = standardText();
    mReplaceText->setEnabled(text);
    mEnumStart->setEnabled(!text);
    mEnumLength->setEnabled(!text);
}

bool RenameWithGroup::standardText() const
{
    return mStdText->isChecked();
}

QString RenameWithGroup::trimmedText() const
{
    return mReplaceText->text().trimmed();
}

int RenameWithGroup::numberStart() const
{
    return renameFieldNumber(mEnumStart);
}

int RenameWithGroup::numberLength() const
{
    return renameFieldNumber(mEnumLength);
}

std::optional<ValueArray> editRenameCommand(QWidget *owner, int kind, const ValueArray &oldData)
{
    std::unique_ptr<RenameDialog> dialog;
    switch (kind) {
    case RenameInsert:
        dialog = std::make_unique<InsertRenWin>(owner, oldData);
        break;
    case RenameDelete:
        dialog = std::make_unique<DeleteRenWin>(owner, oldData);
        break;
    case RenameReplace:
        dialog = std::make_unique<ReplaceRenWin>(owner, oldData);
        break;
    case RenameCasing:
        dialog = std::make_unique<CasingRenWin>(owner, oldData);
        break;
    default:
        return std::nullopt;
    }
    if (dialog->exec() != 1)
        return std::nullopt;
    return dialog->data();
}

} // namespace gb
