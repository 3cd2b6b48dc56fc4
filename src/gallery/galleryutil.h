#pragma once

#include <QString>

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

// The file-name part of a path: the text after its last separator ("/", or "\" of settings
// written on another system), the whole text when it holds none.
inline QString galleryFileName(const QString &path)
{
    return path.mid(std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\'))) + 1);
}

} // namespace gb
