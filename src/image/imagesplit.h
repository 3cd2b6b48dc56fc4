#pragma once

#include "platform/imagelib/rgbimage.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace gb {

class BatchProgress;

// Cutting one image into a grid of rows x columns tiles, each saved as an image file, for
// the image splitter. The window (ImageSplitWin) collects the request; splitImage() does the
// work and says what failed; the HTML table that lays the tiles out again is createSplitTable()
// (splittable.h).
//
// Tile sizes: every tile but those of the last column and row is W div columns wide and
// H div rows high; the last column and row also take the remainder. A grid finer than the
// image (more columns than pixels across, or more rows than down) would give empty tiles and
// is refused.

// One tile: its pixels and its place in the source (1-based left and top).
struct SplitTile
{
    RgbImage image;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};
// Tiles by column, then row: tiles[c][r].
using SplitTiles = std::vector<std::vector<SplitTile>>;

// Cuts the image into tiles; the source is not changed. Empty when columns x rows <= 1, when
// the grid is finer than the image, or when memory for the tiles cannot be had.
SplitTiles split(const RgbImage &img, int columns, int rows);
// The size and place of tile (column c, row r), 1-based, in a W x H image; false when the
// grid is refused (see above).
bool splitTileRect(int64_t width, int64_t height, int columns, int rows, int c, int r, SplitTile &tile);

// A tile's file name: the base with "_" + two-digit row + two-digit column put before its
// last "." ("beach.jpg", 1, 2 gives "beach_0102.jpg"); without a "." the four digits are
// appended, without "_".
QString getPartialName(const QString &base, int row, int column);
// The base of the tile names: folder (ending in "/") + the source's name without its
// extension + "." + the format's extension; the source path itself when its name has no ".".
QString splitTileBase(const QString &sourcePath, const QString &folder, int format);

// One cell of the HTML table: the tile's file path, its size and the ALT text.
struct SplitCell
{
    QString path;
    int width = 0;
    int height = 0;
    QString alt;
    bool operator==(const SplitCell &) const = default;
};
// Rows of cells: table[r][c].
using SplitTable = std::vector<std::vector<SplitCell>>;

struct SplitRequest
{
    QString sourcePath;
    const RgbImage *source = nullptr; // used instead of the file when given
    int columns = 2;
    int rows = 2;
    QString base;                     // splitTileBase()
    int format = 3;                   // an image type code, 1..9
    QString alt;
    int jpegQuality = 0;
    int jpegProgressive = 0;
    int threads = 0;                  // worker threads; 0: workerThreads()
};

struct SplitResult
{
    bool obtained = false; // the image was loaded (or copied)
    int tilesWritten = 0;
    SplitTable table;      // filled whenever tiles were cut, failed ones included
    QStringList errors;    // one sentence per failure, in order
    bool aborted = false;  // Abort was pressed: the tiles not yet begun were not written
};

// Loads the image, cuts it and saves every tile (each file written whole or not at all).
// A tile that cannot be saved is named in errors and the others are still written.
//
// The loading and the tiles are made on the worker threads (the tiles side by side, each
// written by the thread that encodes it) while this thread serves events and shows the run
// in progress: the source, then "File n of m" with each tile's name. An Abort there (the
// batch runs' glAbortBatch) ends the run once the tiles under way are written; the flag is
// as it was before the run afterwards. The tiles are the same bytes with any thread count;
// with one thread everything runs here, serving events between the steps.
SplitResult splitImage(const SplitRequest &request, BatchProgress &progress);

} // namespace gb
