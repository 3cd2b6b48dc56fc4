#pragma once

#include "platform/imagelib/rgbimage.h"

#include <cstdint>

namespace gb {

// Small operations on RGB buffers shared by the image operations, the sheets and every
// thumbnail and preview routine. x and y count from 1: (1, 1) is the top-left pixel.

// Fills the rectangle of rectW x rectH pixels whose top-left pixel is (x, y) with one
// colour. The rectangle is cut to the image at all four edges (one that starts left of or
// above the image is cut there too), so nothing outside the buffer is ever written.
// True unless the image is null; a rectangle wholly outside fills nothing.
bool fillRgbSolidRect(RgbImage &img, int x, int y, int rectW, int rectH, uint8_t red, uint8_t green,
                      uint8_t blue);

// Blends the rectangle halfway towards the grey level: every byte becomes
// (byte + level) / 2, rounded down. The rectangle is cut to the image at all four edges.
// False (nothing changed) when the rectangle lies wholly outside the image; true otherwise,
// also for an empty rectangle, which changes nothing.
bool averageRgb(RgbImage &img, int x, int y, int rectW, int rectH, uint8_t level);

// Fits width x height into boxW x boxH keeping the aspect ratio and never enlarging.
// When both sides fit, newW x newH is the size itself and the result is false. Otherwise
// f = min(boxW / width, boxH / height) and each side is side x f rounded to the nearest
// whole number (a half going up), computed in 64 bits; a side that would be 0 becomes 1;
// the result is true. A width or height of 0 or less is copied as it is (false).
bool calcNewDims(int64_t width, int64_t height, int64_t boxW, int64_t boxH, int &newW, int &newH);

} // namespace gb
