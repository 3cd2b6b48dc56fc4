#pragma once

#include "renamer/renamedialogs.h"

#include <memory>

namespace gb {

// The Insert command's dialog, captioned "Insert Characters": insert a standard text or a
// running number at the start, at the end or at a position of the base name. Its six slots
// are those of InsertRenameParams. Ok refuses a position of 0 with "Certain Position" and,
// independently, an empty standard text.
class InsertRenWin : public RenameDialog
{
    Q_OBJECT
public:
    explicit InsertRenWin(QWidget *owner, const ValueArray &oldData = {});
    ~InsertRenWin() override;

    QRadioButton *startButton() const { return mStart; }
    QRadioButton *endButton() const { return mEnd; }
    QRadioButton *certainPosition() const { return mCertainPosition; }
    QLineEdit *position() const { return mPosition; }
    RenameWithGroup &whatGroup() const { return *mWhat; }

protected:
    std::optional<ValueArray> collect() override;
    void adjustControls() override;

private:
    QButtonGroup *mWhere;
    QRadioButton *mStart;
    QRadioButton *mEnd;
    QRadioButton *mCertainPosition;
    QLineEdit *mPosition;
    std::unique_ptr<RenameWithGroup> mWhat;
};

} // namespace gb
