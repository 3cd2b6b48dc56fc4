#include "renamer/deleterenwin.h"

#include "common/dialogunits.h"
#include "common/messages.h"
#include "renamer/renamecommand.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

namespace gb {

namespace {

const int kDeleteHeight = 172;

} // namespace

DeleteRenWin::DeleteRenWin(QWidget *owner, const ValueArray &oldData)
    : DeleteRenWin(owner,
                   Texts{QStringLiteral("Delete Characters"), QStringLiteral("Delete"),
                         QStringLiteral("Delete Some Characters"), QStringLiteral("Delete a String Pattern"),
                         QStringLiteral("Pattern to Delete:"),
                         QStringLiteral("Please define no of characters to delete, or select 'Till the end' option"),
                         QStringLiteral("Please define a pattern to delete")},
                   kDeleteHeight)
{
    const DialogUnits du(font());
    addOkCancel(du, kWidth, kDeleteHeight - 22);
    presetDelete(oldData);
    adjustControls();
}

DeleteRenWin::DeleteRenWin(QWidget *owner, const Texts &texts, int height)
    : RenameDialog(owner)
    , mTexts(texts)
    , mMode(new QButtonGroup(this))
    , mOccurrence(new QButtonGroup(this))
    , mCasing(new QButtonGroup(this))
{
    setWindowTitle(texts.caption);
    const DialogUnits du = DialogUnits::setUp(this, kWidth, height);

    renameFrame(this, texts.modeGroup, du.rect(7, 5, 92, 62));
    mAll = renameRadio(this, mMode, 1, QStringLiteral("All Characters"), du.rect(14, 18, 80, 10));
    mSome = renameRadio(this, mMode, 2, QStringLiteral("Some Characters"), du.rect(14, 33, 80, 10));
    mPattern = renameRadio(this, mMode, 3, QStringLiteral("A Pattern"), du.rect(14, 48, 80, 10));

    renameFrame(this, texts.someGroup, du.rect(105, 5, 149, 62));
    renameLabel(this, QStringLiteral("Starting Position:"), du.rect(112, 18, 66, 10));
    mStartPos = renameDigitsEdit(this, du.rect(180, 16, 26, 12), 2);
    renameLabel(this, QStringLiteral("No of chars:"), du.rect(112, 34, 66, 10));
    mNoOfChars = renameDigitsEdit(this, du.rect(180, 32, 26, 12), 2);
    mTillTheEnd = new QCheckBox(QStringLiteral("Till the end"), this);
    mTillTheEnd->setGeometry(du.rect(112, 50, 80, 10));

    renameFrame(this, texts.patternGroup, du.rect(7, 72, 247, 72));
    renameLabel(this, texts.patternLabel, du.rect(14, 86, 70, 10));
    mPattern2Delete = new QLineEdit(this);
    mPattern2Delete->setGeometry(du.rect(86, 84, 160, 12));
    renameFrame(this, QStringLiteral("Pattern Occurances"), du.rect(14, 101, 136, 36));
    mFirstOccur = renameRadio(this, mOccurrence, 1, QStringLiteral("Only First"), du.rect(20, 116, 46, 10));
    mAllOccur = renameRadio(this, mOccurrence, 2, QStringLiteral("All"), du.rect(68, 116, 28, 10));
    mLastOccur = renameRadio(this, mOccurrence, 3, QStringLiteral("Only Last"), du.rect(98, 116, 48, 10));
    renameFrame(this, QStringLiteral("Pattern Casing"), du.rect(156, 101, 90, 36));
    mIgnoreCasing = renameRadio(this, mCasing, 1, QStringLiteral("Ignore"), du.rect(162, 116, 36, 10));
    mRespectCasing = renameRadio(this, mCasing, 2, QStringLiteral("Respect"), du.rect(200, 116, 42, 10));

    connect(mMode, &QButtonGroup::buttonClicked, this, [this] { adjustControls(); });
    connect(mTillTheEnd, &QCheckBox::clicked, this, [this] { adjustControls(); });
}

void DeleteRenWin::presetDelete(const ValueArray &data)
{
    if (data.empty()) {
        mSome->setChecked(true);
        mFirstOccur->setChecked(true);
        mIgnoreCasing->setChecked(true);
        return;
    }
    const DeleteRenameParams p = DeleteRenameParams::fromData(data);
    (p.mode == 1 ? mAll : p.mode == 2 ? mSome : mPattern)->setChecked(true);
    mStartPos->setText(QString::number(p.startPos));
    mNoOfChars->setText(QString::number(p.count));
    mTillTheEnd->setChecked(p.tillTheEnd);
    mPattern2Delete->setText(p.pattern);
    // A button is on only when its slot holds its code.
    if (QAbstractButton *b = mOccurrence->button(p.occurrence))
        b->setChecked(true);
    if (QAbstractButton *b = mCasing->button(p.casing))
        b->setChecked(true);
}

void DeleteRenWin::adjustControls()
{
    const bool some = mSome->isChecked();
    const bool pattern = !some && !mAll->isChecked();
    mStartPos->setEnabled(some);
    mTillTheEnd->setEnabled(some);
    mNoOfChars->setEnabled(some && !mTillTheEnd->isChecked());
    mPattern2Delete->setEnabled(pattern);
    for (QAbstractButton *b : mOccurrence->buttons() + mCasing->buttons())
        b->setEnabled(pattern);
}

bool DeleteRenWin::checkDelete()
{
    if (mSome->isChecked()) {
        if (renameFieldNumber(mStartPos) == 0) {
            errorMsg(this, QStringLiteral("Please define a valid starting position"));
            return false;
        }
        if (renameFieldNumber(mNoOfChars) == 0 && !mTillTheEnd->isChecked()) {
            errorMsg(this, mTexts.noCount);
            return false;
        }
    } else if (mPattern->isChecked() && mPattern2Delete->text().trimmed().isEmpty()) {
        errorMsg(this, mTexts.noPattern);
        return false;
    }
    return true;
}

ValueArray DeleteRenWin::deleteSlots() const
{
    const int mode = mAll->isChecked() ? 1 : mSome->isChecked() ? 2 : 3;
    const int occurrence = mFirstOccur->isChecked() ? 1 : mAllOccur->isChecked() ? 2 : 3;
    const int casing = mIgnoreCasing->isChecked() ? 1 : 2;
    return {Value(mode),
            Value(renameFieldNumber(mStartPos)),
            Value(renameFieldNumber(mNoOfChars)),
            Value(mTillTheEnd->isChecked()),
            Value(mPattern2Delete->text().trimmed()),
            Value(occurrence),
            Value(casing)};
}

std::optional<ValueArray> DeleteRenWin::collect()
{
    if (!checkDelete())
        return std::nullopt;
    return deleteSlots();
}

} // namespace gb
