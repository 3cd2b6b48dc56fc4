#pragma once

#include "renamer/deleterenwin.h"

#include <memory>

namespace gb {

// The Replace command's dialog, captioned "Replace Characters": the Delete dialog with its
// own texts, and below it the "Replace with" group (a standard text or a running number of
// a start and a length). Its eleven slots are those of ReplaceRenameParams. Ok checks the
// Delete fields and, independently, that a standard text is given, so up to two boxes may
// come one after the other.
class ReplaceRenWin : public DeleteRenWin
{
    Q_OBJECT
public:
    explicit ReplaceRenWin(QWidget *owner, const ValueArray &oldData = {});
    ~ReplaceRenWin() override;

    RenameWithGroup &withGroup() const { return *mWith; }

protected:
    std::optional<ValueArray> collect() override;
    void adjustControls() override;

private:
    std::unique_ptr<RenameWithGroup> mWith;
};

} // namespace gb
