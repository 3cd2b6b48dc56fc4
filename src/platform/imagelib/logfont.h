#pragma once

#include <QFont>
#include <QSize>
#include <QString>

namespace gb {

// The font description that text drawing and measuring take, laid out as the program's
// callers fill it: a negative height asks for that many pixels of character height
// (without internal leading), a positive one for that cell height; weight 400 is normal
// and 700 bold; the face name holds at most 31 characters.
struct LogFont {
    int height = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    QString faceName;
};

// A description for a text of `size` pixels of character height (height = -size), weight
// 700 when bold else 400, the face cut to its first 31 characters.
LogFont makeLogFont(const QString &face, int size, bool bold, bool italic, bool underline);

// The installed face that stands for a face name of the program's settings: "Arial",
// "Times New Roman" and "Courier New" are the Liberation Sans, Serif and Mono faces,
// "Verdana" and "MS Sans Serif" DejaVu Sans (letter case ignored); any other name is
// itself.
QString mapFontFace(const QString &face);

// The Qt font for a description, face mapped as above; pixel sizes, never points, so
// sizes do not depend on the screen. A height of 0 gives 12 pixels, one past 16384 pixels
// gives 16384.
QFont toQFont(const LogFont &font);

// Width and height in pixels of the text drawn on one line in the font: the advance of
// the whole text and the font's line height (ascent + descent).
QSize textExtent(const QString &text, const LogFont &font);

} // namespace gb
