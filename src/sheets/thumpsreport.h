#pragma once

#include "sheets/reportjob.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

namespace gb {

// Prints or previews a set of images as a grid of framed cells, each image fitted and
// centred in its cell with its file name centred in a framed caption strip below, under a
// header line on every page. The catalog window prints the thumbnails it stores with it.
//
//   ThumpsReport(owner, names, storedThumbnails, header).run(print);
//
// The grid comes from the "Print Options" of the registry ("Starting Col", "Image Width",
// "Image Height", "Images Per Column", "Horizontal Spacing", "Vertical Spacing",
// "Orientation", read when the report is made; the margins, read on every page). All sizes
// are printer pixels. Pages follow one another from the next image to place; every run
// (a preview renders more than once) starts again from the first image.
class ThumpsReport : public ReportJob
{
public:
    static constexpr int kCaptionHeight = 15;
    // The grid's top, below the print area's origin, on every page.
    static constexpr int kGridTop = 45;

    // Images as the bytes of image files (the catalog's stored thumbnails).
    ThumpsReport(QWidget *owner, const QStringList &names, const QList<QByteArray> &images,
                 const QString &headerText = QString());
    // Images as paths of image files.
    ThumpsReport(QWidget *owner, const QStringList &names, const QStringList &imagePaths,
                 const QString &headerText = QString());

    // Prints (true) or previews (false). False, after the error box "Error initializing
    // printer resource", when no printer can be set up, and when the run did not take place.
    bool run(bool print);

    int printStart(RpPrinter &device) override;
    int printSetPage(RpPrinter &device, int &pageNumber) override;
    int printPageHeader(RpPrinter &device) override;
    int printPageBody(RpPrinter &device) override;
    int printEnd() override;

    // Draws the next image into the cell of the 1-based line and column below top.
    void image2Printer(int top, int line, int column, RpPrinter &device);

private:
    void readSettings();
    int rowPitch() const;

    QWidget *mOwner = nullptr;
    QStringList mNames;
    QList<QByteArray> mImages;
    QStringList mPaths;
    bool mStored = false;
    QString mHeaderText;
    int mStartingCol = 10;
    int mCellWidth = 200;
    int mCellHeight = 200;
    int mImagesPerRow = 3;
    int mHorSpacing = 10;
    int mVerSpacing = 10;
    bool mLandscape = false;
    int mCount = 0;
    int mNextImage = 1;
};

} // namespace gb
