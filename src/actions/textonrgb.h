#pragma once

#include "actions/fontdata.h"
#include "platform/imagelib/rgbimage.h"

#include <QList>
#include <QSize>
#include <QStringList>

namespace gb {

// The screen's logical pixels per inch, vertically (96 when there is no screen).
int iLogPixelsY();

// Screen pixels of a size in points: points * iLogPixelsY() / 72, rounded to the nearest
// whole number (at 96 per inch 10 points give 13, 12 give 16, 9 give 12).
int points2Pixels(int points);

// The size of the text written on one line in the face at `pixelHeight` pixels of
// character height: the advance of the whole text and the font's line height. The face
// is cut to its first 31 characters.
QSize calcTextSize(const QString &text, const QString &face, int pixelHeight, bool bold, bool italic,
                   bool underline);

// A block of lines measured in a font whose size is in points.
struct TotalTextHeight {
    int total = 0;          // sum over all lines of (line height + 1)
    QList<int> tops;        // top of each line: the total of the lines before it
    QList<int> widths;      // width of each line as finally kept
    QStringList lines;      // text of each line as finally kept
    int tallest = 0;        // height of the tallest line
};

// Measures the lines in the font (its size in points, turned into screen pixels). When
// maxWidth is above 0, a line wider than that loses its last character, then the blanks
// at both its ends, until it fits or is empty (width 0). Tops and the total count the
// full lines' heights, before any shortening. No lines give an all-empty result.
TotalTextHeight calcTotalTextHeight(const QStringList &lines, const FontData &font, int maxWidth);

// Draws the text into the image with its top-left corner at (x, y), counted from 0, in
// the record's face, colour, bold, italic and underline, its size taken as pixels of
// character height (as calcTextSize measures it). A face longer than 31 characters is cut
// to 31 in the caller's record itself. Parts outside the image are cut off.
void writeTextOnRgb(RgbImage &img, const QString &text, FontData &font, int x, int y);

} // namespace gb
