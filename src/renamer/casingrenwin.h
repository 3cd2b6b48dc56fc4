#pragma once

#include "renamer/renamedialogs.h"

namespace gb {

// The Casing command's dialog, captioned "Name Casing": upper case, lower case or a first
// capital letter for the base name. One slot (CasingRenameParams); Ok checks nothing.
class CasingRenWin : public RenameDialog
{
    Q_OBJECT
public:
    explicit CasingRenWin(QWidget *owner, const ValueArray &oldData = {});

    QRadioButton *upperButton() const { return mUpper; }
    QRadioButton *lowerButton() const { return mLower; }
    QRadioButton *capitalizeButton() const { return mCapitalize; }

protected:
    std::optional<ValueArray> collect() override;

private:
    QRadioButton *mUpper;
    QRadioButton *mLower;
    QRadioButton *mCapitalize;
};

} // namespace gb
