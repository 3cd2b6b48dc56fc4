#pragma once

#include "sheets/printhost.h"

#include <QPageSize>
#include <QString>

#include <vector>

namespace gb {

// A print host that writes every run to one PDF file instead of a printer or a window:
// print and preview alike, on A4 paper unless told otherwise. A preview draws its pages
// previewRenders times (a preview window renders again whenever it repaints), each run
// replacing the file, so what the file holds is the last rendering.
//
// Installed by tests (setPrintHost()); it also records what the jobs asked for.
class PdfPrintHost : public PrintHost
{
public:
    struct Request
    {
        bool preview = false;
        QString name;
        QWidget *owner = nullptr;
        int pages = 0; // of the last run of the request
        bool ran = false;
    };

    explicit PdfPrintHost(const QString &pdfPath);

    QString pdfPath;
    bool valid = true;
    int previewRenders = 2;
    QPageSize pageSize = QPageSize(QPageSize::A4);
    int resolution = 600;
    std::vector<Request> requests;

    bool isValid() override;
    bool print(RpPrinter &device, QWidget *owner, const QString &documentName) override;
    bool preview(RpPrinter &device, QWidget *owner, const QString &caption) override;

private:
    bool render(RpPrinter &device, bool preview, Request &request);
};

} // namespace gb
