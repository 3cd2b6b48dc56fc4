#pragma once

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
// lies whole on the sheet. A layout whose pitches or inner box have no room (a setting
// that validation refuses) places nothing: columns, rows and sheets are then 0.
struct CompositeLayout
{
    int titleHeight = 0;  // Ht: the first sheet's title line, 0 without a title
    int titleReserve = 0; // R = Ht + Ht / 2
    int bandHeight = 0;   // Hb: one line per information code
    int cellWidth = 0, cellHeight = 0;
    int pitchW = 0, pitchH = 0;
    int columns = 0, rows = 0;
    int perSheet = 0;
    int sheets = 0;
    int x0 = 0, y0 = 0;
    int boxWidth = 0, boxHeight = 0; // the picture's room inside the frame

    // The layout for a file count, with the measured title and band heights.
    static CompositeLayout compute(const HComposite &job, int fileCount, int titleHeight, int bandHeight);
};

} // namespace gb
