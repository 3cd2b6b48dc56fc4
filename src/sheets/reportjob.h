#pragma once

namespace gb {

class RpPrinter;

// The callbacks through which a printer device drives a print job, page by page.
//
// A job (the single-image report, the catalog thumbnails report, the thumbnail print job)
// creates one RpPrinter with itself as the job and starts print() or printPreview(); the
// device then calls printStart() once, and for every page printSetPage(), printPageHeader()
// and printPageBody(), until a body answers kLastPage; then printEnd(). A preview may run
// the whole sequence more than once, so printStart() must reset whatever the pages move.
// A body that answers kAborted ends the run there: no page follows, printEnd() is still
// called, and the run counts as not done (a file it was printing to is left as it was).
class ReportJob
{
public:
    // What printPageBody() answers.
    static constexpr int kMorePages = -1;
    static constexpr int kLastPage = -2;
    static constexpr int kAborted = -3;

    virtual ~ReportJob() = default;

    // Once, before the first page; -1.
    virtual int printStart(RpPrinter &device) = 0;
    // At the start of page pageNumber (1-based), after the device reset its cursor and font:
    // the number of the page that will be produced. A job may lower pageNumber.
    virtual int printSetPage(RpPrinter &device, int &pageNumber) = 0;
    // After printSetPage(); leaves the device's print row on the body's first row; -1.
    virtual int printPageHeader(RpPrinter &device) = 0;
    // After the header: kMorePages when another page follows, kLastPage on the last page,
    // kAborted when the user stopped the run.
    virtual int printPageBody(RpPrinter &device) = 0;
    // Once, after the last page; -1.
    virtual int printEnd() = 0;
};

} // namespace gb
