#pragma once

#include "batch/besiwin.h"
#include "batch/wizardwin.h"

namespace gb {

class ComFiWin;
class ComLWin;
class CompositeJob;

// The composer's source page: the shared source images page, under a name of its own.
class ComSiWin : public BeSiWin
{
public:
    using BeSiWin::BeSiWin;
};

// The contact-sheet composer, "Generate Contact Sheets": the wizard frame with the source
// page, the sheet size and output page and the sheet layout page, a CompositeJob whose 22
// settings are saved as the settings of kind "COMP", and a Do It that checks the settings
// (all problems together in the error list) and makes the sheets with progress.
class ComWin : public WizardWin
{
    Q_OBJECT
public:
    ComWin(QWidget *owner, const QStringList &files = {});

    ComSiWin *sourceWin() const;
    ComFiWin *sizeWin() const;
    ComLWin *layoutWin() const;
    CompositeJob *compositeJob() const;
};

} // namespace gb
