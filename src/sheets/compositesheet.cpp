// The contact-sheet run: the files laid out as framed, captioned thumbnails on sheet
// image files.
#include "sheets/compositelayout.h"
#include "sheets/hcomposite.h"
#include "sheets/variabletext.h"

#include "actions/addborderbe.h"
#include "actions/textonrgb.h"
#include "batch/filenaming.h"
#include "common/batchprogress.h"
#include "common/colorvalues.h"
#include "common/eventpacer.h"
#include "common/messages.h"
#include "common/orderedwork.h"
#include "common/safefile.h"
#include "common/uiseam.h"
#include "image/imageload.h"
#include "image/imagesave.h"
#include "image/imagetypes.h"
#include "image/rgbutils.h"
#include "image/thumbnail.h"
#include "platform/imagelib/drawtext.h"
#include "platform/imagelib/overlay.h"
#include "platform/imagelib/rgbimage.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <memory>

namespace gb {

namespace {

// The nearest whole number, a half going away from zero.
qint64 nearest(double v)
{
    return std::llround(v);
}

QString sheetTitle(const HComposite &job, int sheet)
{
    return job.appendPageNo() ? job.title() + QStringLiteral(" Page ") + QString::number(sheet) : job.title();
}

int titleWidthOrHeight(const QString &text, const FontData &font, bool width)
{
    const QSize size = calcTextSize(text, font.face, font.size, font.bold, font.italic, font.underline);
    return width ? size.width() : size.height();
}

} // namespace

CompositeLayout CompositeLayout::compute(const HComposite &job, int fileCount, int titleHeight, int bandHeight)
{
    CompositeLayout l;
    const qint64 thumbWidth = job.thumbWidth();
    const qint64 thumbHeight = job.thumbHeight();
    const qint64 border = job.borderSize();
    const qint64 horSpacing = job.horSpacing();
    const qint64 verSpacing = job.verSpacing();
    l.titleHeight = titleHeight;
    l.titleReserve = l.titleHeight + l.titleHeight / 2;
    l.bandHeight = bandHeight;
    l.cellWidth = thumbWidth + 2 * border;
    l.cellHeight = thumbHeight + 2 * border;
    l.pitchW = l.cellWidth + horSpacing;
    l.pitchH = l.cellHeight + verSpacing + l.bandHeight;
    l.boxWidth = thumbWidth - 2 * border;
    l.boxHeight = thumbHeight - 2 * border;
    l.y0 = l.titleHeight + verSpacing;
    // Without a step from cell to cell, or room for a picture inside the frame, no cell fits;
    // nor does a framed thumbnail that no image buffer could hold.
    if (l.pitchW < 1 || l.pitchH < 1 || l.boxWidth < 1 || l.boxHeight < 1 || border < 0
        || thumbWidth * thumbHeight > RgbImage::kMaxPixels)
        return l;
    // Columns and rows are the quotients taken to the nearest whole number, but never more
    // than fit whole: rounding up may give a grid that the sheet's edges cut, and a cut
    // thumbnail is of no use on a contact sheet. A row fits when its thumbnails and their
    // information band end on the sheet; the columns fit when the centred grid,
    // n * Cw + (n - 1) * horSpacing wide, is no wider than the sheet, so X0 is never negative.
    const qint64 width = job.imageWidth();
    const qint64 height = job.imageHeight();
    const qint64 roomAcross = width + horSpacing;
    const qint64 roomDown = height - l.y0 - thumbHeight - l.bandHeight;
    const qint64 fitColumns = roomAcross < 0 ? 0 : roomAcross / l.pitchW;
    const qint64 fitRows = roomDown < 0 ? 0 : roomDown / l.pitchH + 1;
    l.columns = std::clamp<qint64>(nearest(double(width) / double(l.pitchW)), 0, fitColumns);
    l.rows = std::clamp<qint64>(nearest(double(height - l.titleReserve) / double(l.pitchH)), 0, fitRows);
    l.perSheet = l.columns * l.rows;
    l.sheets = l.perSheet >= 1 ? (fileCount + l.perSheet - 1) / l.perSheet : 0;
    l.x0 = nearest((double(width) - double(l.columns) * double(l.cellWidth) - double(l.columns - 1) * double(horSpacing))
                   / 2.0);
    return l;
}

CompositeLayout HComposite::layout(int fileCount) const
{
    const QString firstTitle = sheetTitle(*this, 1);
    const int titleHeight = firstTitle.isEmpty() ? 0 : titleWidthOrHeight(firstTitle, titleFont(), false);
    const std::vector<int> codes = info();
    const int bandHeight =
        codes.empty() ? 0 : calcTotalTextHeight(QStringList(qsizetype(codes.size()), QStringLiteral("Test")), infoFont(), 0).total;
    return CompositeLayout::compute(*this, fileCount, titleHeight, bandHeight);
}

bool HComposite::createSheet(QWidget *owner, const QStringList &fileList)
{
    mOwner = owner;
    // The run works on its own copy of the list, whatever the window does meanwhile.
    const QStringList files = fileList;
    const int fileCount = int(files.size());

    const FontData titleFontData = titleFont();
    const CompositeLayout l = layout(fileCount);
    const int width = imageWidth();
    const int height = imageHeight();

    // A run started without validate() still never writes outside its folder.
    const QString badPrefix = prefixProblem();
    if (!badPrefix.isEmpty()) {
        errorMsg(owner, badPrefix);
        return false;
    }
    // A grid without one cell would make no sheet: that is no run to report as completed.
    if (fileCount > 0 && l.perSheet < 1) {
        errorMsg(owner, QStringLiteral("Not even one thumbnail fits on a composite image of %1 x %2 pixels: no "
                                       "composite image was created")
                            .arg(width)
                            .arg(height));
        return false;
    }
    const int sheetCount = int(l.sheets); // never more than the files
    const QString dir = folder();
    const QString extension = returnProperExt(saveAs());
    QStringList sheetPaths;
    for (int s = 1; s <= sheetCount; ++s)
        sheetPaths << dir + prefix() + QString::number(s) + QLatin1Char('.') + extension;
    // No sheet may replace one of the pictures it is made from: refuse before writing.
    const QString clash = findOutputClash(files, sheetPaths);
    if (!clash.isEmpty()) {
        errorMsg(owner, clash);
        return false;
    }

    // Sheets of a killed run were never moved into place; their temporary files go.
    removeDeadLeftovers(dir, Leftover::Write);
    glAbortBatch = false;
    std::unique_ptr<BatchProgress> progress = ui().batchProgress(owner);
    progress->setCaption(QStringLiteral("Create composite images ..."));
    progress->setRange(1, fileCount);
    progress->setPosition(0);
    progress->show();
    progress->setIdle(false);
    progress->showControls();

    // The thumbnails are decoded on the worker threads, handed out in list order, with the
    // information lines of the pictures that loaded (they read the file, its size in pixels
    // the whole of it); the sheets are drawn and written here, in order, so any thread count
    // gives the same sheets. A sheet that is not written marks its pictures skipped, so the
    // workers pass over them instead of decoding thumbnails nobody draws.
    struct Cell {
        RgbImage thumb;
        QStringList lines;
    };
    std::vector<Cell> cells(size_t(std::max(0, fileCount)));
    std::unique_ptr<std::atomic<bool>[]> skipped(new std::atomic<bool>[size_t(std::max(0, fileCount))]());
    const std::vector<int> codes = info();
    OrderedWork pool(fileCount, workerThreads(), [&](int i) {
        if (skipped[size_t(i)])
            return;
        int fullWidth = 0, fullHeight = 0;
        QString error;
        Cell &cell = cells[size_t(i)];
        cell.thumb =
            createFittedRgbFromFile(files[i], int(l.boxWidth), int(l.boxHeight), fullWidth, fullHeight, error);
        if (!cell.thumb.isNull())
            cell.lines = imageVariableText(files[i], codes);
    });
    pool.orderBy([&](int i) { return weightOfFile(files[i]); });
    pool.costsMemory([&](int i) { return memoryOfFile(files[i]); });
    pool.holdsBytes([&](int i) { return cells[size_t(i)].thumb.byteCount(); });

    bool placed = false;
    int failed = 0;
    const auto skipSheet = [&](int s) {
        const qint64 first = qint64(s - 1) * l.perSheet;
        const int end = int(std::min<qint64>(first + l.perSheet, fileCount));
        for (int i = int(std::min<qint64>(first, fileCount)); i < end; ++i)
            skipped[size_t(i)] = true;
        // Items already handed out finish; their thumbnails are dropped at once.
        for (int i = int(std::min<qint64>(first, fileCount)); i < end; ++i) {
            pool.take(i);
            cells[size_t(i)] = Cell();
        }
    };
    // The sheets are put together here and encoded on a worker while the window serves
    // events; the progress window's Abort is seen between thumbnails and between sheets, and
    // drops the sheet under way: a sheet is written whole or not at all.
    const int type = saveAs();
    const int quality = jpgQuality();
    const bool progressive = jpgProgressive();
    const uint32_t back = backColor();
    for (int s = 1; s <= sheetCount && !glAbortBatch; ++s) {
        const QString title = sheetTitle(*this, s);
        const QString &path = sheetPaths[s - 1];
        if (!mayOverwrite(overwrite(), owner, path)) {
            progress->updateLog(path + QStringLiteral(" - image file exist and will not be replaced"));
            skipSheet(s);
            continue;
        }
        // A sheet of the largest size takes long to clear.
        RgbImage sheet;
        runAside([&] {
            sheet = RgbImage::create(width, height);
            if (!sheet.isNull())
                fillRgbSolidRect(sheet, 1, 1, width, height, red(back), green(back), blue(back));
        });
        if (sheet.isNull()) {
            ++failed;
            progress->updateLog(path + QStringLiteral(" - not enough memory for the sheet"));
            skipSheet(s);
            continue;
        }
        if (!title.isEmpty()) {
            FontData font = titleFontData;
            const int x = int(nearest((width - titleWidthOrHeight(title, font, true)) / 2.0));
            writeTextOnRgb(sheet, title, font, x, 1);
        }
        // Cells past the last file stay background: the walk stops at the first of them
        // rather than visiting every empty cell. Numbers are 64-bit, as a grid may hold more
        // cells than an int counts.
        const qint64 before = qint64(s - 1) * l.perSheet;
        for (qint64 r = 1; r <= l.rows && before + (r - 1) * l.columns < fileCount && !glAbortBatch; ++r) {
            for (qint64 c = 1; c <= l.columns; ++c) {
                const qint64 number = before + (r - 1) * l.columns + c;
                if (number > fileCount)
                    break;
                const int i = int(number);
                progress->noOfFiles(i, fileCount);
                progress->setPosition(progress->position() + 1);
                progress->setFile(files[i - 1]);
                pool.take(i - 1);
                if (glAbortBatch)
                    break;
                // The cell lies whole on the sheet, so its corner is within an int.
                Cell cell = std::move(cells[size_t(i - 1)]);
                placed = drawCell(sheet, l, std::move(cell.thumb), cell.lines, int(l.x0 + (c - 1) * l.pitchW),
                                  int(l.y0 + (r - 1) * l.pitchH), *progress)
                    || placed;
            }
        }
        if (glAbortBatch)
            break;
        progress->setCurrentAction(QStringLiteral("Saving ..."));
        QByteArray bytes;
        QString error;
        bool saved = false;
        runAside([&] { saved = encodeRgb(sheet, path, type, quality, progressive, 256, bytes, &error); });
        if (glAbortBatch)
            break;
        if (saved)
            runAside([&] { saved = saveEncodedImage(path, bytes, &error); });
        if (!saved) {
            ++failed;
            progress->updateLog(path + QStringLiteral(" - ") + (error.isEmpty() ? QStringLiteral("not saved") : error));
        }
    }

    progress->setCurrentAction(QStringLiteral("Idle"));
    progress->setFile(QString());
    progress->endDialog(1);
    // An aborted run ends quietly, as batch runs do; the sheets written before stay.
    if (glAbortBatch)
        return placed;

    // A run whose every sheet failed made nothing: it ends in an error box, not in the
    // message of a completed run.
    const QString failures = failed > 0 ? QStringLiteral("\r\n") + QString::number(failed)
                                              + QStringLiteral(" composite image(s) could not be saved.")
                                        : QString();
    if (sheetCount > 0 && failed == sheetCount) {
        errorMsg(owner, QStringLiteral("No composite image was created at folder ") + dir + failures);
        return placed;
    }
    infoMessage(owner, QStringLiteral("Procedure completed. \r\n\r\n") + QString::number(sheetCount - failed)
                           + QStringLiteral(" composite image(s) were created at folder ") + dir + failures);
    return placed;
}

// One file's cell: its thumbnail fitted and centred in a box of the thumbnail colour,
// framed, put on the sheet at (x, y), with the information lines under it. True when the
// framed thumbnail reached the sheet.
bool HComposite::drawCell(RgbImage &sheet, const CompositeLayout &l, RgbImage thumb, const QStringList &lines, int x,
                          int y, BatchProgress &progress) const
{
    progress.setCurrentAction(QStringLiteral("Retrieve file ..."));
    if (thumb.isNull())
        return false;

    const uint32_t boxColour = thumbColor();
    RgbImage box =
        RgbImage::filled(int(l.boxWidth), int(l.boxHeight), red(boxColour), green(boxColour), blue(boxColour));
    if (box.isNull()
        || !isOverlayRgb(box, thumb, int(nearest(double(l.boxWidth - thumb.width()) / 2.0)),
                         int(nearest(double(l.boxHeight - thumb.height()) / 2.0)), 1.0))
        return false;
    const int border = borderSize();
    const uint32_t frameColour = borderColor();
    RgbImage framed = border > 0
        ? addBorder2Rgb(box, border, border, border, border, red(frameColour), green(frameColour), blue(frameColour))
        : std::move(box);
    if (framed.isNull())
        return false;

    progress.setCurrentAction(QStringLiteral("Overlay thumbnail to composite image ..."));
    const bool placed = isOverlayRgb(sheet, framed, x, y, 1.0);

    if (!info().empty()) {
        const FontData font = infoFont();
        const TotalTextHeight measured = calcTotalTextHeight(lines, font, 0);
        const int thumbHeightPx = thumbHeight();
        for (qsizetype k = 0; k < lines.size(); ++k) {
            const int top = y + thumbHeightPx + measured.tops.value(k);
            isDrawTextOnRgbEx(sheet, lines[k], font.face, font.size, x, top, x + thumbWidth(), top,
                              DrawTextCenter | DrawTextWordEllipsis, font.color);
        }
    }
    return placed;
}

} // namespace gb
