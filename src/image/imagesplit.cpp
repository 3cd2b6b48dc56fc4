#include "image/imagesplit.h"

#include "common/batchprogress.h"
#include "common/orderedwork.h"
#include "common/safefile.h"
#include "image/imageload.h"
#include "image/imagesave.h"
#include "image/imagetypes.h"

#include <QFileInfo>

#include <algorithm>
#include <climits>
#include <cstring>
#include <utility>

namespace gb {

bool splitTileRect(int64_t width, int64_t height, int columns, int rows, int c, int r, SplitTile &tile)
{
    if (columns < 1 || rows < 1 || int64_t(columns) * rows <= 1 || columns > width || rows > height)
        return false;
    const int64_t tileW = width / columns;
    const int64_t tileH = height / rows;
    tile.left = int(1 + (c - 1) * tileW);
    tile.top = int(1 + (r - 1) * tileH);
    tile.width = int(c == columns ? tileW + width % columns : tileW);
    tile.height = int(r == rows ? tileH + height % rows : tileH);
    return true;
}

namespace {

bool cutTile(const RgbImage &img, int columns, int rows, int c, int r, SplitTile &tile)
{
    if (!splitTileRect(img.width(), img.height(), columns, rows, c, r, tile))
        return false;
    tile.image = RgbImage::create(tile.width, tile.height);
    if (tile.image.isNull())
        return false;
    const size_t rowBytes = size_t(tile.width) * 3;
    for (int k = 0; k < tile.height; ++k)
        std::memcpy(tile.image.row(k), img.pixel(tile.left - 1, tile.top - 1 + k), rowBytes);
    return true;
}

QString twoDigits(int n)
{
    return n < 10 ? QStringLiteral("0") + QString::number(n) : QString::number(n);
}

} // namespace

SplitTiles split(const RgbImage &img, int columns, int rows)
{
    SplitTiles tiles;
    SplitTile probe;
    if (img.isNull() || !splitTileRect(img.width(), img.height(), columns, rows, 1, 1, probe))
        return tiles;
    tiles.resize(size_t(columns));
    for (int c = 1; c <= columns; ++c) {
        tiles[size_t(c - 1)].resize(size_t(rows));
        for (int r = 1; r <= rows; ++r)
            if (!cutTile(img, columns, rows, c, r, tiles[size_t(c - 1)][size_t(r - 1)]))
                return {};
    }
    return tiles;
}

QString getPartialName(const QString &base, int row, int column)
{
    const QString number = twoDigits(row) + twoDigits(column);
    const int dot = base.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return base + number;
    return base.left(dot) + QLatin1Char('_') + number + base.mid(dot);
}

QString splitTileBase(const QString &sourcePath, const QString &folder, int format)
{
    const int slash = sourcePath.lastIndexOf(QLatin1Char('/'));
    const int dot = sourcePath.lastIndexOf(QLatin1Char('.'));
    if (slash < 0 || dot < slash)
        return sourcePath;
    return folder + sourcePath.mid(slash + 1, dot - slash - 1) + QLatin1Char('.') + returnProperExt(format);
}

SplitResult splitImage(const SplitRequest &request, BatchProgress &progress)
{
    SplitResult result;
    const int threads = request.threads > 0 ? request.threads : workerThreads();
    // The run has its own abort; an outer run's flag is given back at the end.
    const bool outerAbort = std::exchange(glAbortBatch, false);
    progress.setCaption(QStringLiteral("Split Image"));
    progress.setIdle(false);
    const int tiles = int(std::clamp<int64_t>(int64_t(request.columns) * request.rows, 1, INT_MAX));
    progress.setRange(1, tiles);
    progress.setPosition(0);
    progress.show();
    progress.showControls();
    progress.noOfFiles(0, tiles);
    progress.setFile(request.sourcePath);
    progress.setCurrentAction(QStringLiteral("Retrieve file ..."));
    const auto finish = [&] {
        progress.setCurrentAction(QStringLiteral("Idle"));
        progress.setFile(QString());
        progress.endDialog(1);
        glAbortBatch = outerAbort;
        return result;
    };

    // A large photo takes a good part of a second to decode.
    RgbImage loaded;
    int width = 0, height = 0;
    {
        OrderedWork load(1, threads, [&](int) {
            if (request.source) {
                loaded = request.source->clone();
                width = loaded.width();
                height = loaded.height();
            } else {
                QString error;
                loaded = createRgbFromFile(request.sourcePath, width, height, error);
            }
        });
        load.take(0);
    }
    result.aborted = glAbortBatch;
    if (result.aborted || loaded.isNull())
        return finish();
    result.obtained = true;

    SplitTile probe;
    if (!splitTileRect(width, height, request.columns, request.rows, 1, 1, probe)) {
        result.errors << QStringLiteral("The image (%1 x %2 pixels) is too small to split into %3 rows and %4 columns.")
                             .arg(width).arg(height).arg(request.rows).arg(request.columns);
        return finish();
    }
    result.table.assign(size_t(request.rows), std::vector<SplitCell>(size_t(request.columns)));
    // Tiles of a killed run were never moved into place; their temporary files go.
    removeDeadLeftovers(QFileInfo(request.base).absolutePath(), Leftover::Write);

    // Tiles by column, then row. Each is cut, encoded and written by the worker that makes
    // it, which holds that one tile meanwhile; this thread takes them in order and counts.
    const int count = tiles;
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << getPartialName(request.base, i % request.rows + 1, i / request.rows + 1);
    struct Outcome
    {
        bool saved = false;
        QString error;
    };
    std::vector<Outcome> made(static_cast<size_t>(count));
    OrderedWork pool(count, threads, [&](int i) {
        SplitTile tile;
        Outcome &out = made[size_t(i)];
        out.error = QStringLiteral("not enough memory for the tile");
        out.saved = cutTile(loaded, request.columns, request.rows, i / request.rows + 1, i % request.rows + 1, tile)
                    && saveRgb2File(tile.image, names.at(i), request.format, request.jpegQuality,
                                    request.jpegProgressive != 0, 0.0, 256, &out.error);
    });
    for (int i = 0; i < count; ++i) {
        if (glAbortBatch) {
            result.aborted = true;
            break;
        }
        const int c = i / request.rows + 1;
        const int r = i % request.rows + 1;
        progress.noOfFiles(i + 1, count);
        progress.setPosition(i + 1);
        progress.setFile(names.at(i));
        progress.setCurrentAction(QStringLiteral("Saving ..."));
        pool.take(i);
        const Outcome &out = made[size_t(i)];
        if (out.saved)
            ++result.tilesWritten;
        else
            result.errors << QStringLiteral("Tile %1 not saved: %2").arg(names.at(i), out.error);
        SplitTile tile;
        splitTileRect(width, height, request.columns, request.rows, c, r, tile);
        result.table[size_t(r - 1)][size_t(c - 1)] = {names.at(i), tile.width, tile.height, request.alt};
    }
    return finish();
}

} // namespace gb
