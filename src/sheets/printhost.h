#pragma once

#include <QString>

class QPrinter;
class QWidget;

namespace gb {

class RpPrinter;

// Where a print run goes: the printer, the print preview, or a PDF file.
//
// The program installs the host of the window library (printdialoghost.h), which asks for a
// printer with the print dialog and shows the preview window. Tests install a PdfPrintHost,
// which writes every run to a PDF file. Without one installed, a headless host answers that
// no printer can be set up.
class PrintHost
{
public:
    virtual ~PrintHost() = default;

    // False when no usable printer can be set up; jobs then show their own error message.
    virtual bool isValid() = 0;
    // Runs the device's pages on the printer (RpPrinter::run()); false when the user
    // cancelled or the output could not be opened.
    virtual bool print(RpPrinter &device, QWidget *owner, const QString &documentName) = 0;
    // Shows the pages on screen; the preview may call RpPrinter::run() several times.
    virtual bool preview(RpPrinter &device, QWidget *owner, const QString &caption) = 0;
};

// The installed host; a headless one when none is installed.
PrintHost &printHost();
// Installs a host (not owned); null restores the headless one.
void setPrintHost(PrintHost *host);

} // namespace gb
