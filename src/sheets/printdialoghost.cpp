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
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&device, &dialog](QPrinter *target) {
        // A job may serve events while it makes the pages (its progress window with Abort):
        // meanwhile the preview's own controls take no input, so that no second rendering
        // starts inside this one. Once the preview is up it is modal, and a window of the
        // job's takes input only as its child.
        QList<QWidget *> controls;
        for (QWidget *child : dialog.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (!child->isWindow() && child->isEnabled())
                controls << child;
        for (QWidget *control : controls)
            control->setEnabled(false);
        device.run(*target, RpPrinter::Previewing, dialog.isVisible() ? &dialog : nullptr);
        for (QWidget *control : controls)
            control->setEnabled(true);
    });
    dialog.exec();
    return true;
}

void installPrintDialogHost()
{
    static PrintDialogHost host;
    setPrintHost(&host);
}

} // namespace gb
