#pragma once

#include "platform/imagelib/rgbimage.h"

#include <cstdint>
#include <vector>

namespace gb {

// An image of at most 256 colours: one palette index per pixel, rows from the top down.
// Palette entries are colour numbers, red + green * 256 + blue * 65536.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> palette;
    std::vector<uint8_t> indices;

    bool isNull() const { return width <= 0 || height <= 0; }
};

// Reduces an RGB image to at most maxColors colours (clamped to 1..256) by median cut over
// the image's colour histogram. An image with no more distinct colours than that is kept
// exactly: its palette holds those colours (ascending by colour number) and expand() gives
// the same pixels back. The palette never holds more than maxColors entries, and may hold
// fewer. A null image gives a null result.
IndexedImage quantize(const RgbImage &image, int maxColors);

// The RGB image an indexed image stands for. An index past the end of the palette reads
// as black, so a damaged indexed image never reads out of range. A null or inconsistent
// indexed image (too few indices) gives a null image.
RgbImage expand(const IndexedImage &image);

} // namespace gb
