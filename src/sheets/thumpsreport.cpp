#include "sheets/thumpsreport.h"

#include "common/messages.h"
#include "common/registry.h"
#include "image/thumbnail.h"
#include "platform/imagelib/rgbimage.h"
#include "sheets/rpprinter.h"

#include <algorithm>

namespace gb {

namespace {

const QString kPrintOptions = QStringLiteral("Print Options");

int option(const char *name)
{
    return getIntFromReg(kPrintOptions, QString::fromLatin1(name));
}

} // namespace

ThumpsReport::ThumpsReport(QWidget *owner, const QStringList &names, const QList<QByteArray> &images,
                           const QString &headerText)
    : mOwner(owner), mNames(names), mImages(images), mStored(true), mHeaderText(headerText),
      mCount(int(images.size()))
{
    readSettings();
}

ThumpsReport::ThumpsReport(QWidget *owner, const QStringList &names, const QStringList &imagePaths,
                           const QString &headerText)
    : mOwner(owner), mNames(names), mPaths(imagePaths), mHeaderText(headerText), mCount(int(imagePaths.size()))
{
    readSettings();
}

// The grid values have no editor; a stored value below 1 (0 reads as the default) would
// leave no room for a cell, so it counts as 1, and a negative gap as none.
void ThumpsReport::readSettings()
{
    mStartingCol = std::max(0, option("Starting Col"));
    mCellWidth = std::max(1, option("Image Width"));
    mCellHeight = std::max(1, option("Image Height"));
    mImagesPerRow = std::max(1, option("Images Per Column"));
    mHorSpacing = std::max(0, option("Horizontal Spacing"));
    mVerSpacing = std::max(0, option("Vertical Spacing"));
    mLandscape = option("Orientation") != 1;
}

bool ThumpsReport::run(bool print)
{
    RpPrinter device(mOwner, this);
    if (!device.isValid()) {
        errorMsg(mOwner, QStringLiteral("Error initializing printer resource"));
        return false;
    }
    device.setLandScape(mLandscape);
    return print ? device.print(QStringLiteral("Print")) : device.printPreview(QStringLiteral("Preview"));
}

int ThumpsReport::rowPitch() const
{
    return mCellHeight + mVerSpacing + kCaptionHeight;
}

// Every run starts with the first image, so a preview that renders again shows them all.
int ThumpsReport::printStart(RpPrinter &)
{
    mNextImage = 1;
    return -1;
}

int ThumpsReport::printSetPage(RpPrinter &, int &pageNumber)
{
    return pageNumber;
}

int ThumpsReport::printPageHeader(RpPrinter &device)
{
    device.setUnitOfMeasure(RpPrinter::DevicePixel);
    device.setLeftMargin(option("Left Margin"));
    device.setRightMargin(option("Right Margin"));
    device.setTopMargin(option("Top Margin"));
    device.setBottomMargin(option("Bottom Margin"));
    device.setFont(QStringLiteral("Courier New"), 10, true);
    device.drawText(20, mStartingCol, mHeaderText.trimmed(), 20, device.printAreaWidth(), 0);
    device.setPRow(kGridTop);
    return -1;
}

int ThumpsReport::printPageBody(RpPrinter &device)
{
    device.setFont(QStringLiteral("Arial"), 8);
    const int top = int(device.pRow());
    const int pitch = rowPitch();
    const int first = mNextImage;
    int line = 1;
    bool fits = true;
    while (mNextImage <= mCount && fits) {
        // The row's bottom, spacing and caption included, must lie above the print area's end.
        fits = qint64(top) + qint64(pitch) * line < qint64(device.printAreaLength());
        if (fits) {
            for (int column = 1; column <= mImagesPerRow && mNextImage <= mCount; ++column) {
                image2Printer(top, line, column, device);
                ++mNextImage;
            }
        }
        ++line;
    }
    // A page too short for even one row would repeat itself without end: the run stops.
    if (!fits && mNextImage == first)
        return kLastPage;
    return fits ? kLastPage : kMorePages;
}

int ThumpsReport::printEnd()
{
    return -1;
}

void ThumpsReport::image2Printer(int top, int line, int column, RpPrinter &device)
{
    const int left = mStartingCol + (column - 1) * (mCellWidth + mHorSpacing);
    const int cellTop = top + (line - 1) * rowPitch();
    const int right = left + mCellWidth - 1;
    const int bottom = cellTop + mCellHeight - 1;
    const int index = mNextImage - 1;

    int width = 0, height = 0;
    QString error;
    const RgbImage image = mStored ? createFittedRgbFromString(mImages.value(index), mCellWidth, mCellHeight, width,
                                                               height, error)
                                   : createFittedRgbFromFile(mPaths.value(index), mCellWidth, mCellHeight, width,
                                                             height, error);
    if (!image.isNull())
        device.drawRgb(image, left + (mCellWidth - image.width()) / 2, cellTop + (mCellHeight - image.height()) / 2,
                       image.width(), image.height());
    device.drawRectangle(cellTop, left, bottom, right);

    QString name = mNames.value(index).trimmed();
    name = name.mid(name.lastIndexOf(QLatin1Char('/')) + 1);
    device.drawText(bottom + 3, left, device.elidedText(name, right - left), kCaptionHeight - 3, right - left, 1);
    device.drawRectangle(bottom + 2, left, bottom + kCaptionHeight, right);
}

} // namespace gb
