#pragma once

#include "sheets/printhost.h"

namespace gb {

// The print host of the running program: print() asks for the printer with the print
// dialog (no page range or selection: a job prints all its pages) and runs the pages on
// it; preview() opens the print preview window, which runs the pages again whenever it
// renders. Qt can always print to a PDF file, so a printer is always available.
class PrintDialogHost : public PrintHost
{
public:
    bool isValid() override;
    bool print(RpPrinter &device, QWidget *owner, const QString &documentName) override;
    bool preview(RpPrinter &device, QWidget *owner, const QString &caption) override;
};

// Installs one PrintDialogHost for the whole run (called once at start-up).
void installPrintDialogHost();

} // namespace gb
