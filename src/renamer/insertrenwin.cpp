#include "renamer/insertrenwin.h"

#include "common/dialogunits.h"
#include "common/messages.h"
#include "renamer/renamecommand.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLineEdit>
#include <QRadioButton>

namespace gb {

namespace {

const int kWidth = 261;
const int kHeight = 128;

} // namespace

InsertRenWin::InsertRenWin(QWidget *owner, const ValueArray &oldData)
    : RenameDialog(owner)
    , mWhere(new QButtonGroup(this))
{
    setWindowTitle(QStringLiteral("Insert Characters"));
    const DialogUnits du = DialogUnits::setUp(this, kWidth, kHeight);
    renameFrame(this, QStringLiteral("Insert At"), du.rect(7, 5, 247, 42));
    mStart = renameRadio(this, mWhere, 1, QStringLiteral("Start"), du.rect(14, 18, 50, 10));
    mEnd = renameRadio(this, mWhere, 2, QStringLiteral("End"), du.rect(70, 18, 50, 10));
    mCertainPosition = renameRadio(this, mWhere, 3, QStringLiteral("Certain Position"), du.rect(14, 32, 74, 10));
    mPosition = renameDigitsEdit(this, du.rect(90, 30, 26, 12), 2);
    mWhat = std::make_unique<RenameWithGroup>(this, du, QStringLiteral("What to insert"), 7, 54);
    addOkCancel(du, kWidth, kHeight - 22);
    connect(mWhere, &QButtonGroup::buttonClicked, this, [this] { adjustControls(); });
    connect(mWhat->buttons(), &QButtonGroup::buttonClicked, this, [this] { adjustControls(); });

    if (oldData.empty()) {
        mEnd->setChecked(true);
        mWhat->preset(2, QString(), 1, 4);
    } else {
        const InsertRenameParams p = InsertRenameParams::fromData(oldData);
        (p.where == 1 ? mStart : p.where == 2 ? mEnd : mCertainPosition)->setChecked(true);
        mPosition->setText(QString::number(p.position));
        mWhat->preset(p.what, p.text, p.numberStart, p.numberLength);
    }
    adjustControls();
}

InsertRenWin::~InsertRenWin() = default;

void InsertRenWin::adjustControls()
{
    mPosition->setEnabled(mCertainPosition->isChecked());
    mWhat->adjustControls();
}

std::optional<ValueArray> InsertRenWin::collect()
{
    bool ok = true;
    if (mCertainPosition->isChecked() && renameFieldNumber(mPosition) == 0) {
        errorMsg(this, QStringLiteral("Please define a valid position"));
        ok = false;
    }
    if (mWhat->standardText() && mWhat->trimmedText().isEmpty()) {
        errorMsg(this, QStringLiteral("Please define a standard text to replace with"));
        ok = false;
    }
    if (!ok)
        return std::nullopt;
    const int where = mStart->isChecked() ? 1 : mEnd->isChecked() ? 2 : 3;
    return ValueArray{Value(where),
                      Value(renameFieldNumber(mPosition)),
                      Value(mWhat->standardText() ? 1 : 2),
                      Value(mWhat->trimmedText()),
                      Value(mWhat->numberStart()),
                      Value(mWhat->numberLength())};
}

} // namespace gb
