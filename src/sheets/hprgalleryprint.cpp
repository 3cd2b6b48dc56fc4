// The printing of the thumbnail print job: the run and the page callbacks.
#include "sheets/hprgallery.h"

#include "actions/textonrgb.h"
#include "common/batchprogress.h"
#include "common/eventpacer.h"
#include "common/messages.h"
#include "common/uiseam.h"
#include "platform/imagelib/rgbimage.h"
#include "sheets/printpictures.h"
#include "sheets/rpprinter.h"

#include <algorithm>

namespace gb {

namespace {

constexpr qint64 kReach = qint64(1) << 30;

// The height of a block of n lines "Test" in the font: n x (line height + 1).
int bandHeight(int lines, const FontData &font)
{
    if (lines <= 0)
        return 0;
    return calcTotalTextHeight(QStringList(lines, QStringLiteral("Test")), font, 0).total;
}

} // namespace

HPrGallery::~HPrGallery() = default;

bool HPrGallery::doPrint(QWidget *owner, const QStringList &files, bool print)
{
    RpPrinter device(owner, this);
    if (!device.isValid()) {
        errorMsg(owner, QStringLiteral("Error initializing printer resource"));
        return false;
    }
    device.setLandScape(!portrait());
    device.setUnitOfMeasure(RpPrinter::DevicePixel);
    device.setLeftMargin(leftMargin());
    device.setRightMargin(rightMargin());
    device.setTopMargin(topMargin());
    device.setBottomMargin(bottomMargin());
    mFiles = files;
    return print ? device.print(QStringLiteral("Print")) : device.printPreview(QStringLiteral("Preview"));
}

qint64 HPrGallery::pitch() const
{
    return qint64(thumbHeight()) + verSpacing() + mBandHeight;
}

// The grid is centred across the printable width; one as wide as the page or wider starts
// at column 1.
int HPrGallery::printStart(RpPrinter &device)
{
    mNextFile = 1;
    const int columns = thumbPerCol();
    const qint64 freeWidth =
        qint64(device.printAreaWidth()) - qint64(thumbWidth()) * columns - qint64(horSpacing()) * (columns - 1);
    mLeftOffset = freeWidth > 0 ? int(freeWidth / 2) : 1;
    mBandHeight = bandHeight(int(imageInfo().size()), imageInfoFont());

    // Every run of the pages is one run over the files, with its own progress and Abort.
    glAbortBatch = false;
    mPictures = std::make_unique<PrintPictures>(mFiles, thumbWidth(), thumbHeight(), imageInfo());
    mPacer = std::make_unique<EventPacer>();
    mProgress = ui().batchProgress(device.runWindow());
    mProgress->setCaption(device.isPreviewing() ? QStringLiteral("Preview images ...")
                                                : QStringLiteral("Print images ..."));
    mProgress->setIdle(false);
    mProgress->setRange(1, int(mFiles.size()));
    mProgress->setPosition(0);
    mProgress->show();
    mProgress->showControls();
    return -1;
}

// Rows per page are counted below startRow(), which holds the grid top of the last header
// drawn (the stored value before the first one), with the body's own test.
int HPrGallery::printSetPage(RpPrinter &device, int &pageNumber)
{
    const qint64 step = pitch();
    const qint64 length = qint64(device.printAreaLength());
    // The rows k >= 1 with startRow + k * step < length, counted without a walk: a stored
    // start row far above the page would otherwise take billions of steps.
    const qint64 rows = step > 0 ? std::max<qint64>(0, (length - startRow() - 1) / step) : 0;
    const qint64 perPage = rows * std::max(thumbPerCol(), 0);
    if (perPage != 0) {
        const qint64 pages = std::max<qint64>(1, (mFiles.size() + perPage - 1) / perPage);
        if (pageNumber > pages)
            pageNumber = int(pages);
        mNextFile = int((pageNumber - 1) * perPage + 1);
    }
    return pageNumber;
}

int HPrGallery::printPageHeader(RpPrinter &device)
{
    device.setFont(QStringLiteral("Arial"), 9, true);
    const FontData logoFont{QStringLiteral("Arial"), 10, true, false, false, 0};
    const int logoHeight = calcTotalTextHeight(QStringList{logo()}, logoFont, 0).total;
    device.drawText(0, 1, logo().trimmed(), logoHeight, device.printAreaWidth(), 0);
    if (appendPageNo())
        device.drawText(0, 1, QStringLiteral("Page: ") + QString::number(device.currentPageNumber()), logoHeight,
                        device.printAreaWidth(), 2);
    int row = logoHeight;
    const QString heading = title();
    if (!heading.isEmpty()) {
        const FontData font = titleFont();
        device.setFont(font.face, font.size, font.bold, font.italic, font.underline);
        const int titleHeight = calcTotalTextHeight(QStringList{heading}, font, 0).total;
        device.drawText(row, 1, heading.trimmed(), titleHeight, device.printAreaWidth(), 1);
        row += titleHeight;
    }
    const int gridTop = row + 10;
    device.setPRow(gridTop);
    setStartRow(gridTop);
    return -1;
}

int HPrGallery::printPageBody(RpPrinter &device)
{
    device.setFont(QStringLiteral("Arial"), 8);
    const int top = int(device.pRow());
    const int count = int(mFiles.size());
    const int first = mNextFile;
    bool more = true;
    // Without a column or a row step nothing can ever be placed: the run ends here.
    if (thumbPerCol() < 1 || pitch() < 1)
        return kLastPage;
    for (int row = 1; count > 0 && mNextFile <= count && more; ++row) {
        more = qint64(top) + qint64(row) * pitch() < qint64(device.printAreaLength());
        if (!more)
            break;
        // Past the last file the row has nothing more to place: a stored column count of
        // billions would otherwise count on for ever.
        for (int column = 1; column <= thumbPerCol() && mNextFile <= count; ++column) {
            image2Printer(top, row, column, device);
            ++mNextFile;
            if (mPacer)
                mPacer->serve();
        }
    }
    // An Abort seen while the page was drawn ends the run with it.
    if (glAbortBatch)
        return kAborted;
    // A page on which not even one row fits would repeat without end.
    if (!more && mNextFile == first)
        return kLastPage;
    return more ? kLastPage : kMorePages;
}

int HPrGallery::printEnd()
{
    // Pictures still being made for pages that will not come are waited for here.
    mPictures.reset();
    mPacer.reset();
    if (mProgress) {
        mProgress->setCurrentAction(QStringLiteral("Idle"));
        mProgress->setFile(QString());
        mProgress->endDialog(1);
        mProgress.reset();
    }
    return -1;
}

void HPrGallery::image2Printer(int gridTop, int row, int column, RpPrinter &device)
{
    const FontData infoFont = imageInfoFont();
    device.setFont(infoFont.face, infoFont.size, infoFont.bold, infoFont.italic, infoFont.underline);
    const int width = thumbWidth();
    const int height = thumbHeight();
    const qint64 cellX = mLeftOffset + qint64(column - 1) * (qint64(width) + horSpacing());
    const qint64 cellY = gridTop + qint64(row - 1) * pitch();
    const qint64 cellX2 = cellX + width - 1;
    const qint64 cellY2 = cellY + height - 1;
    // A cell that reaches 2^30 pixels from the page's corner lies far beyond any page, where
    // nothing of it would show; the device, which adds margins and rounds on the way, gets
    // only coordinates well within an int.
    const auto inReach = [](qint64 v) { return v > -kReach && v < kReach; };
    if (!inReach(cellX) || !inReach(cellY) || !inReach(cellX2) || !inReach(cellY2)
        || !inReach(cellY2 + mBandHeight + 2) || !inReach(cellX2 - cellX))
        return;
    const int x = int(cellX);
    const int y = int(cellY);
    const int x2 = int(cellX2);
    const int y2 = int(cellY2);
    const QString file = mFiles.value(mNextFile - 1);
    if (mProgress) {
        mProgress->noOfFiles(mNextFile, int(mFiles.size()));
        mProgress->setPosition(mProgress->position() + 1);
        mProgress->setFile(file);
    }

    // The picture and its lines were made on a worker ahead of the page; the wait for one
    // still in the making serves events.
    const PrintPicture made = mPictures ? mPictures->take(mNextFile - 1) : PrintPicture();
    const RgbImage &thumb = made.image;
    if (!thumb.isNull())
        device.drawRgb(thumb, x + (width - thumb.width()) / 2, y + (height - thumb.height()) / 2, thumb.width(),
                       thumb.height());
    if (drawBorder())
        device.drawRectangle(y, x, y2, x2);

    if (imageInfo().empty())
        return;
    const QStringList &lines = made.lines;
    const TotalTextHeight measured = calcTotalTextHeight(lines, infoFont, width);
    // A line wider than the cell is cut with an ellipsis, as on contact sheets: a long file
    // name cannot be wrapped and would run into the neighbouring cell.
    for (qsizetype i = 0; i < lines.size(); ++i)
        device.drawText(y2 + measured.tops.value(i), x, device.elidedText(lines[i], x2 - x), measured.tallest, x2 - x,
                        1);
    device.drawRectangle(y2 + 2, x, y2 + mBandHeight + 2, x2);
}

} // namespace gb
