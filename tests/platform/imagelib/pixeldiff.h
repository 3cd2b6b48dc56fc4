#pragma once

#include "platform/imagelib/rgbimage.h"

#include <algorithm>
#include <cstdlib>

namespace gbtest {

// The largest difference of any one byte between two images; 999 when their sizes differ.
inline int maxDiff(const gb::RgbImage &a, const gb::RgbImage &b)
{
    if (a.width() != b.width() || a.height() != b.height())
        return 999;
    int d = 0;
    for (size_t i = 0; i < a.byteCount(); ++i)
        d = std::max(d, std::abs(int(a.data()[i]) - int(b.data()[i])));
    return d;
}

} // namespace gbtest
