#pragma once

#include "batch/besiwin.h"
#include "batch/wizardwin.h"

namespace gb {

class RenamerJob;
class RenScriptWin;

// The renamer's source page: the shared source images page, under a name of its own.
class RenSiWin : public BeSiWin
{
public:
    using BeSiWin::BeSiWin;
};

// The batch renamer, "Rename Images": the wizard frame with the source page and the rename
// script page, a RenamerJob whose script is saved as the settings of kind "RENAME", and a
// Do It that renames the selected files in list order and tells how many were renamed and
// how many failed. No file is ever replaced by a rename.
class RenamerWin : public WizardWin
{
    Q_OBJECT
public:
    // files: the explorer's selection (may be empty), listed on the source page.
    RenamerWin(QWidget *owner, const QStringList &files = {});

    RenSiWin *sourceWin() const;
    RenScriptWin *scriptWin() const;
    RenamerJob *renamerJob() const;

public slots:
    void pbDoIt() override;

protected:
    // Coming to the script page shows the files now selected on the source page.
    void pageShown(int n) override;
};

} // namespace gb
