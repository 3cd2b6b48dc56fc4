#pragma once

#include <QString>

#include <algorithm>
#include <cstdint>

namespace gb {

// A colour number (red + green * 256 + blue * 65536) as six upper-case hexadecimal digits,
// red first, as HTML attributes take it.
inline QString galleryHexColor(uint32_t color)
{
    return QStringLiteral("%1%2%3")
        .arg(color & 255, 2, 16, QLatin1Char('0'))
        .arg((color >> 8) & 255, 2, 16, QLatin1Char('0'))
        .arg((color >> 16) & 255, 2, 16, QLatin1Char('0'))
        .toUpper();
}

// The width to which generated numbers are padded with "0": the stored width, but no more
// than 255, the longest file name; a damaged record is not bounded by the window's field.
inline int galleryPadWidth(int namePadChars)
{
    return std::min(namePadChars, 255);
}

// The file-name part of a path: the text after its last separator ("/", or "\" of settings
// written on another system), the whole text when it holds none.
inline QString galleryFileName(const QString &path)
{
    return path.mid(std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\'))) + 1);
}

} // namespace gb
