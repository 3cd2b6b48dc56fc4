// The contact-sheet run: the files laid out as framed, captioned thumbnails on sheet
// image files.
#include "sheets/compositelayout.h"
#include "sheets/hcomposite.h"

#include "actions/addborderbe.h"
#include "actions/textonrgb.h"
#include "batch/filenaming.h"
#include "common/batchprogress.h"
#include "common/colorvalues.h"
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

#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>
#include <memory>

namespace gb {

namespace {

// The nearest whole number, a half going away from zero.
int nearest(double v)
{
    return int(std::lround(v));
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
    l.titleHeight = titleHeight;
    l.titleReserve = titleHeight + titleHeight / 2;
    l.bandHeight = bandHeight;
    const int border = job.borderSize();
    l.cellWidth = job.thumbWidth() + 2 * border;
    l.cellHeight = job.thumbHeight() + 2 * border;
    l.pitchW = l.cellWidth + job.horSpacing();
    l.pitchH = l.cellHeight + job.verSpacing() + bandHeight;
    l.boxWidth = job.thumbWidth() - 2 * border;
    l.boxHeight = job.thumbHeight() - 2 * border;
    l.y0 = titleHeight + job.verSpacing();
    // Without a step from cell to cell, or room for a picture inside the frame, no cell fits.
    if (l.pitchW < 1 || l.pitchH < 1 || l.boxWidth < 1 || l.boxHeight < 1 || border < 0)
        return l;
    // Columns and rows are the quotients taken to the nearest whole number, but never more
    // than fit whole: rounding up may give a grid that the sheet's edges cut, and a cut
    // thumbnail is of no use on a contact sheet. A row fits when its thumbnails and their
    // information band end on the sheet; the columns fit when the centred grid,
    // n * Cw + (n - 1) * horSpacing wide, is no wider than the sheet, so X0 is never negative.
    const qint64 width = job.imageWidth();
    const qint64 height = job.imageHeight();
    const qint64 roomAcross = width + job.horSpacing();
    const qint64 roomDown = height - l.y0 - job.thumbHeight() - bandHeight;
    const qint64 fitColumns = roomAcross < 0 ? 0 : roomAcross / l.pitchW;
    const qint64 fitRows = roomDown < 0 ? 0 : roomDown / l.pitchH + 1;
    l.columns = int(std::clamp<qint64>(nearest(double(width) / l.pitchW), 0, fitColumns));
    l.rows = int(std::clamp<qint64>(nearest(double(height - l.titleReserve) / l.pitchH), 0, fitRows));
    l.perSheet = int(std::min<qint64>(qint64(l.columns) * l.rows, std::numeric_limits<int>::max()));
    l.sheets = l.perSheet >= 1 ? int((qint64(fileCount) + l.perSheet - 1) / l.perSheet) : 0;
    l.x0 = nearest((double(job.imageWidth()) - double(l.columns) * l.cellWidth
                    - double(l.columns - 1) * job.horSpacing()) / 2.0);
    return l;
}

bool HComposite::createSheet(QWidget *owner, const QStringList &fileList)
{
    mOwner = owner;
    // The run works on its own copy of the list, whatever the window does meanwhile.
    const QStringList files = fileList;
    const int fileCount = int(files.size());

    const FontData titleFontData = titleFont();
    const QString firstTitle = sheetTitle(*this, 1);
    const int titleHeight = firstTitle.isEmpty() ? 0 : titleWidthOrHeight(firstTitle, titleFontData, false);
    const std::vector<int> codes = info();
    const int bandHeight =
        codes.empty() ? 0 : calcTotalTextHeight(QStringList(qsizetype(codes.size()), QStringLiteral("Test")), infoFont(), 0).total;
    const CompositeLayout l = CompositeLayout::compute(*this, fileCount, titleHeight, bandHeight);

    // A run started without validate() still never writes outside its folder.
    const QString badPrefix = prefixProblem();
    if (!badPrefix.isEmpty()) {
        errorMsg(owner, badPrefix);
        return false;
    }
    const QString dir = folder();
    const QString extension = returnProperExt(saveAs());
    QStringList sheetPaths;
    for (int s = 1; s <= l.sheets; ++s)
        sheetPaths << dir + prefix() + QString::number(s) + QLatin1Char('.') + extension;
    // No sheet may replace one of the pictures it is made from: refuse before writing.
    const QString clash = findOutputClash(files, sheetPaths);
    if (!clash.isEmpty()) {
        errorMsg(owner, clash);
        return false;
    }

    // Sheets of a killed run were never moved into place; their temporary files go.
    removeDeadLeftovers(dir, Leftover::Write);
    std::unique_ptr<BatchProgress> progress = ui().batchProgress(owner);
    progress->setCaption(QStringLiteral("Create composite images ..."));
    progress->setRange(1, fileCount);
    progress->setPosition(0);
    progress->show();
    progress->setIdle(false);
    progress->showControls();

    // The thumbnails are decoded on the worker threads, handed out in list order; the sheets
    // are drawn and written here, in order, so any thread count gives the same sheets.
    // A sheet that is not written marks its pictures skipped, so the workers pass over
    // them instead of decoding thumbnails nobody draws.
    std::vector<RgbImage> thumbs(size_t(std::max(0, fileCount)));
    std::unique_ptr<std::atomic<bool>[]> skipped(new std::atomic<bool>[size_t(std::max(0, fileCount))]());
    OrderedWork pool(fileCount, workerThreads(), [&](int i) {
        if (skipped[size_t(i)])
            return;
        int fullWidth = 0, fullHeight = 0;
        QString error;
        thumbs[size_t(i)] = createFittedRgbFromFile(files[i], l.boxWidth, l.boxHeight, fullWidth, fullHeight, error);
    });
    pool.orderBy([&](int i) { return weightOfFile(files[i]); });
    pool.costsMemory([&](int i) { return memoryOfFile(files[i]); });
    pool.holdsBytes([&](int i) { return thumbs[size_t(i)].byteCount(); });

    bool placed = false;
    int failed = 0;
    const int width = imageWidth();
    const int height = imageHeight();
    const auto skipSheet = [&](int s) {
        const qint64 first = qint64(s - 1) * l.perSheet;
        const int end = int(std::min<qint64>(first + l.perSheet, fileCount));
        for (int i = int(std::min<qint64>(first, fileCount)); i < end; ++i)
            skipped[size_t(i)] = true;
        // Items already handed out finish; their thumbnails are dropped at once.
        for (int i = int(std::min<qint64>(first, fileCount)); i < end; ++i) {
            pool.take(i);
            thumbs[size_t(i)] = RgbImage();
        }
    };
    for (int s = 1; s <= l.sheets; ++s) {
        const QString title = sheetTitle(*this, s);
        const QString &path = sheetPaths[s - 1];
        if (!mayOverwrite(overwrite(), owner, path)) {
            progress->updateLog(path + QStringLiteral(" - image file exist and will not be replaced"));
            skipSheet(s);
            continue;
        }
        RgbImage sheet = RgbImage::create(width, height);
        if (sheet.isNull()) {
            ++failed;
            progress->updateLog(path + QStringLiteral(" - not enough memory for the sheet"));
            skipSheet(s);
            continue;
        }
        const uint32_t back = backColor();
        fillRgbSolidRect(sheet, 1, 1, width, height, red(back), green(back), blue(back));
        if (!title.isEmpty()) {
            FontData font = titleFontData;
            const int x = nearest((width - titleWidthOrHeight(title, font, true)) / 2.0);
            writeTextOnRgb(sheet, title, font, x, 1);
        }
        // Cells past the last file stay background: the walk stops at the first of them
        // rather than visiting every empty cell. Numbers are 64-bit, as a grid may hold more
        // cells than an int counts.
        const qint64 before = qint64(s - 1) * l.perSheet;
        for (int r = 1; r <= l.rows && before + qint64(r - 1) * l.columns < fileCount; ++r) {
            for (int c = 1; c <= l.columns; ++c) {
                const qint64 number = before + qint64(r - 1) * l.columns + c;
                if (number > fileCount)
                    break;
                const int i = int(number);
                progress->noOfFiles(i, fileCount);
                progress->setPosition(progress->position() + 1);
                progress->setFile(files[i - 1]);
                pool.take(i - 1);
                placed = drawCell(sheet, l, std::move(thumbs[size_t(i - 1)]), files[i - 1], l.x0 + (c - 1) * l.pitchW,
                                  l.y0 + (r - 1) * l.pitchH, *progress) || placed;
            }
        }
        QString error;
        if (!saveRgb2File(sheet, path, saveAs(), jpgQuality(), jpgProgressive(), 0.0, 256, &error)) {
            ++failed;
            progress->updateLog(path + QStringLiteral(" - ") + (error.isEmpty() ? QStringLiteral("not saved") : error));
        }
    }

    progress->setCurrentAction(QStringLiteral("Idle"));
    progress->setFile(QString());
    progress->endDialog(1);

    QString message = QStringLiteral("Procedure completed. \r\n\r\n") + QString::number(l.sheets - failed)
        + QStringLiteral(" composite image(s) were created at folder ") + dir;
    if (failed > 0)
        message += QStringLiteral("\r\n") + QString::number(failed) + QStringLiteral(" composite image(s) could not be saved.");
    infoMessage(owner, message);
    return placed;
}

// One file's cell: its thumbnail fitted and centred in a box of the thumbnail colour,
// framed, put on the sheet at (x, y), with the information lines under it. True when the
// framed thumbnail reached the sheet.
bool HComposite::drawCell(RgbImage &sheet, const CompositeLayout &l, RgbImage thumb, const QString &file, int x,
                          int y, BatchProgress &progress) const
{
    progress.setCurrentAction(QStringLiteral("Retrieve file ..."));
    if (thumb.isNull())
        return false;

    const uint32_t boxColour = thumbColor();
    RgbImage box = RgbImage::filled(l.boxWidth, l.boxHeight, red(boxColour), green(boxColour), blue(boxColour));
    if (box.isNull()
        || !isOverlayRgb(box, thumb, nearest((l.boxWidth - thumb.width()) / 2.0),
                         nearest((l.boxHeight - thumb.height()) / 2.0), 1.0))
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

    const std::vector<int> codes = info();
    if (!codes.empty()) {
        const QStringList lines = variableText(file);
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
