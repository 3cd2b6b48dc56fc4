#include "sheets/pdfprinthost.h"

#include "sheets/rpprinter.h"

#include <QPrinter>

namespace gb {

PdfPrintHost::PdfPrintHost(const QString &path) : pdfPath(path) {}

bool PdfPrintHost::isValid()
{
    return valid;
}

bool PdfPrintHost::render(RpPrinter &device, bool preview, Request &request)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    printer.setResolution(resolution);
    printer.setPageSize(pageSize);
    printer.setDocName(request.name);
    request.ran = device.run(printer, preview ? RpPrinter::Previewing : RpPrinter::Printing);
    request.pages = device.pageCount();
    return request.ran;
}

bool PdfPrintHost::print(RpPrinter &device, QWidget *owner, const QString &documentName)
{
    requests.push_back(Request{false, documentName, owner});
    return render(device, false, requests.back());
}

bool PdfPrintHost::preview(RpPrinter &device, QWidget *owner, const QString &caption)
{
    requests.push_back(Request{true, caption, owner});
    bool ok = true;
    for (int i = 0; i < std::max(previewRenders, 1); ++i)
        ok = render(device, true, requests.back()) && ok;
    return ok;
}

} // namespace gb
