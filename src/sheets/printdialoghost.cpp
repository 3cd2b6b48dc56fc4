#include "sheets/printdialoghost.h"

#include "sheets/rpprinter.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace gb {

bool PrintDialogHost::isValid()
{
    return true;
}

bool PrintDialogHost::print(RpPrinter &device, QWidget *owner, const QString &documentName)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    printer.setPageOrientation(device.landScape() ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPrintDialog dialog(&printer, owner);
    dialog.setOptions(dialog.options() & ~(QAbstractPrintDialog::PrintSelection | QAbstractPrintDialog::PrintPageRange
                                           | QAbstractPrintDialog::PrintCurrentPage));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return device.run(printer, RpPrinter::Printing);
}

bool PrintDialogHost::preview(RpPrinter &device, QWidget *owner, const QString &caption)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(caption);
    printer.setPageOrientation(device.landScape() ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPrintPreviewDialog dialog(&printer, owner);
    dialog.setWindowTitle(caption);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&device](QPrinter *target) { device.run(*target, RpPrinter::Previewing); });
    dialog.exec();
    return true;
}

void installPrintDialogHost()
{
    static PrintDialogHost host;
    setPrintHost(&host);
}

} // namespace gb
