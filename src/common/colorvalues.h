#pragma once

#include <QString>

#include <cstdint>

class QWidget;

namespace gb {

// Colour numbers as every setting of the program holds them: red + green * 256 +
// blue * 65536 (bits 0-7 red, 8-15 green, 16-23 blue, top byte 0). Black is 0, white
// 16777215, pure red 255, pure blue 16711680.

// The colour number of three components; only the low eight bits of each count.
constexpr uint32_t makeColorRef(int red, int green, int blue)
{
    return uint32_t(red & 255) | (uint32_t(green & 255) << 8) | (uint32_t(blue & 255) << 16);
}

// The components of a colour number; the top byte is ignored.
constexpr int red(uint32_t color) { return int(color & 255); }
constexpr int green(uint32_t color) { return int((color >> 8) & 255); }
constexpr int blue(uint32_t color) { return int((color >> 16) & 255); }

// A component as decimal text without blanks ("0" to "255").
QString redFromRgb(uint32_t color);
QString greenFromRgb(uint32_t color);
QString blueFromRgb(uint32_t color);

// Exactly two upper-case hexadecimal digits of the byte's low eight bits: 10 gives "0A".
QString byte2Hex(int value);

// Six upper-case hexadecimal digits, red first, without "#", as HTML takes a colour:
// red 255, green 128, blue 0 gives "FF8000".
QString hexStrColor(uint32_t color);

// Asks the user for a colour, starting from color, and returns the colour chosen; a
// cancelled choice returns color itself.
uint32_t changeColor(QWidget *owner, uint32_t color);

} // namespace gb
