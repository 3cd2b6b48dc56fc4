#include "renamer/casingrenwin.h"

#include "common/dialogunits.h"
#include "renamer/renamecommand.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QRadioButton>

namespace gb {

CasingRenWin::CasingRenWin(QWidget *owner, const ValueArray &oldData)
    : RenameDialog(owner)
{
    setWindowTitle(QStringLiteral("Name Casing"));
    const DialogUnits du = DialogUnits::setUp(this, 160, 92);
    auto *group = new QButtonGroup(this);
    renameFrame(this, QStringLiteral("File Name Casing"), du.rect(7, 5, 146, 58));
    mUpper = renameRadio(this, group, 2, QStringLiteral("Upper"), du.rect(16, 18, 120, 10));
    mLower = renameRadio(this, group, 1, QStringLiteral("Lower"), du.rect(16, 32, 120, 10));
    mCapitalize = renameRadio(this, group, 3, QStringLiteral("Capitalize First Letter"), du.rect(16, 46, 120, 10));
    addOkCancel(du, 160, 70);

    const int casing = oldData.empty() ? 3 : CasingRenameParams::fromData(oldData).casing;
    (casing == 2 ? mUpper : casing == 1 ? mLower : mCapitalize)->setChecked(true);
}

std::optional<ValueArray> CasingRenWin::collect()
{
    return ValueArray{Value(mUpper->isChecked() ? 2 : mLower->isChecked() ? 1 : 3)};
}

} // namespace gb
