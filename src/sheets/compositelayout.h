#pragma once

#include <QtGlobal>

namespace gb {

class HComposite;

// The grid of one contact-sheet run, in sheet pixels, computed once before the sheets:
// the title reserve, the information band, the framed cells and their pitches, how many
// columns and rows fit and how many sheets the files fill, and where the grid starts.
//
// The cell of row r and column c (from 1) has its top-left corner at
// x = x0 + (c - 1) * pitchW, y = y0 + (r - 1) * pitchH; the framed thumbnail there is
// thumbWidth x thumbHeight with the information band directly under it. Columns and rows
// are imageWidth / pitchW and (imageHeight - titleReserve) / pitchH to the nearest whole
// number, lowered where that many would reach past the sheet's edges, so every cell placed
// lies whole on the sheet. A layout whose pitches or inner box have no room, or whose framed
// thumbnail is larger than any image may be (more than 2^31 pixels), places nothing:
// columns, rows and sheets are then 0.
//
// Every quantity is 64-bit, since the settings may hold any int (validation refuses what
// their pages cannot set, but the run may be started without it) and sums of them leave
// an int's range. Once a cell fits (perSheet >= 1), every size and position of a cell lies
// on the sheet, within an int.
struct CompositeLayout
{
    qint64 titleHeight = 0;  // Ht: the first sheet's title line, 0 without a title
    qint64 titleReserve = 0; // R = Ht + Ht / 2
    qint64 bandHeight = 0;   // Hb: one line per information code
    qint64 cellWidth = 0, cellHeight = 0;
    qint64 pitchW = 0, pitchH = 0;
    qint64 columns = 0, rows = 0;
    qint64 perSheet = 0;
    qint64 sheets = 0;
    qint64 x0 = 0, y0 = 0;
    qint64 boxWidth = 0, boxHeight = 0; // the picture's room inside the frame

    // The layout for a file count, with the measured title and band heights.
    static CompositeLayout compute(const HComposite &job, int fileCount, int titleHeight, int bandHeight);
};

} // namespace gb
