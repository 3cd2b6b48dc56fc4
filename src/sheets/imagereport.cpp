#include "sheets/imagereport.h"

#include "common/messages.h"
#include "common/registry.h"
#include "image/imageload.h"
#include "image/thumbnail.h"
#include "platform/imagelib/rgbimage.h"
#include "sheets/rpprinter.h"

#include <algorithm>

namespace gb {

namespace {
const QString kPrintOptions = QStringLiteral("Print Options");
}

ImageReport::ImageReport(QWidget *owner, const QString &imagePath) : mOwner(owner), mImage(imagePath)
{
    readSettings();
}

ImageReport::ImageReport(QWidget *owner, const QByteArray &imageBytes)
    : mOwner(owner), mBytes(imageBytes), mFromBytes(true)
{
    readSettings();
}

void ImageReport::readSettings()
{
    mLogo = kvtQueryRtRegString(kPrintOptions, QStringLiteral("Company Logo"));
    // Positions are distances into the print area; a negative stored value counts as 0.
    mStartingRow = std::max(0, getIntFromReg(kPrintOptions, QStringLiteral("SI Starting Row")));
    mStartingCol = std::max(0, getIntFromReg(kPrintOptions, QStringLiteral("SI Starting Col")));
    mActualSize = getIntFromReg(kPrintOptions, QStringLiteral("SI Print Type")) == 1;
    mLandscape = getIntFromReg(kPrintOptions, QStringLiteral("Orientation")) != 1;
}

bool ImageReport::run(bool print)
{
    RpPrinter device(mOwner, this);
    if (!device.isValid()) {
        errorMsg(mOwner, QStringLiteral("Error initializing report resources"));
        return false;
    }
    device.setLandScape(mLandscape);
    return print ? device.print(mImage) : device.printPreview(mImage);
}

int ImageReport::printStart(RpPrinter &)
{
    return -1;
}

int ImageReport::printSetPage(RpPrinter &, int &)
{
    return 1;
}

int ImageReport::printPageHeader(RpPrinter &device)
{
    device.setUnitOfMeasure(RpPrinter::DevicePixel);
    device.setFont(QStringLiteral("Courier New"), 12, true);
    // Inside the top margin, 50 pixels above the print area.
    device.textOut(-50, 0, mLogo + QStringLiteral(" File: ") + mImage, 0);
    return -1;
}

int ImageReport::printPageBody(RpPrinter &device)
{
    int width = 0, height = 0;
    QString error;
    if (mActualSize) {
        const RgbImage image = mFromBytes ? createRgbFromString(mBytes, width, height, error)
                                          : createRgbFromFile(mImage, width, height, error);
        device.drawRgb(image, mStartingCol, mStartingRow, image.width(), image.height());
        return kLastPage;
    }
    // Fitted into the rest of the print area, never enlarged.
    const int boxWidth = int(device.printAreaWidth()) - mStartingCol;
    const int boxHeight = int(device.printAreaLength()) - mStartingRow;
    if (boxWidth < 1 || boxHeight < 1)
        return kLastPage;
    const RgbImage image = mFromBytes ? createFittedRgbFromString(mBytes, boxWidth, boxHeight, width, height, error)
                                      : createFittedRgbFromFile(mImage, boxWidth, boxHeight, width, height, error);
    device.drawRgb(image, mStartingCol, mStartingRow, image.width(), image.height());
    return kLastPage;
}

int ImageReport::printEnd()
{
    return -1;
}

} // namespace gb
