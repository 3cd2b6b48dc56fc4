#pragma once

#include "platform/imagelib/logfont.h"
#include "platform/imagelib/rgbimage.h"

#include <cstdint>

namespace gb {

// Draws the text on one line into the image with its top-left corner at (x, y), in the
// font and the colour (red + green * 256 + blue * 65536), antialiased over the pixels
// below. Whatever falls outside the image at any edge is cut off. False for a null image.
bool isDrawTextOnRgb2(RgbImage &img, const QString &text, const LogFont &font, int x, int y, uint32_t color);

// Flags of isDrawTextOnRgbEx, as the program's callers combine them.
enum DrawTextFlag : unsigned {
    DrawTextCenter = 0x1,
    DrawTextRight = 0x2,
    DrawTextWordEllipsis = 0x40000,
};

// Draws one line of text in the face at `size` pixels of character height, its top at
// `top`, aligned between left and right: centred with DrawTextCenter, right-aligned with
// DrawTextRight, else left-aligned. With DrawTextWordEllipsis a line wider than
// right - left ends in "..." where it is cut. `bottom` is not used: the line is drawn
// whole, whatever the rectangle's height. False for a null image.
bool isDrawTextOnRgbEx(RgbImage &img, const QString &text, const QString &face, int size, int left, int top,
                       int right, int bottom, unsigned flags, uint32_t color);

} // namespace gb
