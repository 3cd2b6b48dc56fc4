#pragma once

namespace gb {

// The size rule of the bevel and the glass frame: a size over half the width or half the
// height (each rounded down) becomes half the smaller side, rounded down, which keeps every
// ring and band inside the image. Callers refuse sizes of 0 or less before.
inline int frameSize(int size, int width, int height)
{
    if (size > width / 2 || size > height / 2)
        return (width < height ? width : height) / 2;
    return size;
}

} // namespace gb
