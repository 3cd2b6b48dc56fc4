#pragma once

#include "sheets/reportjob.h"

#include <QByteArray>
#include <QString>

class QWidget;

namespace gb {

// Prints or previews one image on one page: a header line with the company logo text and
// the file name, and below it the image at its actual size (one image pixel per printer
// pixel) or fitted into the rest of the print area, as the "Print Options" of the page
// setup say ("SI Print Type", "SI Starting Row", "SI Starting Col", "Company Logo",
// "Orientation", read when the report is made).
//
//   ImageReport(owner, path).run(print);
//
// The page uses the device's own margins. An image that cannot be loaded still gives the
// page with its header line; nothing is reported then.
class ImageReport : public ReportJob
{
public:
    // The report of an image file.
    ImageReport(QWidget *owner, const QString &imagePath);
    // The report of the bytes of an image file held in memory (a stored thumbnail).
    ImageReport(QWidget *owner, const QByteArray &imageBytes);

    // Prints (true) or previews (false) the page. False, after the error box "Error
    // initializing report resources", when no printer can be set up, and when the run did
    // not take place (cancelled).
    bool run(bool print);

    int printStart(RpPrinter &device) override;
    int printSetPage(RpPrinter &device, int &pageNumber) override;
    int printPageHeader(RpPrinter &device) override;
    int printPageBody(RpPrinter &device) override;
    int printEnd() override;

private:
    void readSettings();

    QWidget *mOwner = nullptr;
    QString mImage;
    QByteArray mBytes;
    bool mFromBytes = false;
    QString mLogo;
    int mStartingRow = 40;
    int mStartingCol = 10;
    bool mActualSize = false;
    bool mLandscape = false;
};

} // namespace gb
