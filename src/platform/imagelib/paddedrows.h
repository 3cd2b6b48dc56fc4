#pragma once

#include "platform/imagelib/rgbimage.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace gb {

// The rows of an image around a current row, each copied with `pad` repeated pixels on
// both sides, for neighbourhood filters that repeat the image's outermost pixels at its
// edges. Rows are kept in a ring of 2 * reach + 1, so walking down the image copies each
// source row once. One per thread.
class PaddedRows
{
public:
    PaddedRows(const RgbImage &src, int reach, int pad)
        : mSrc(src), mReach(reach), mPad(pad), mRowBytes((size_t(src.width()) + 2 * size_t(pad)) * 3),
          mRing(size_t(2 * reach + 1) * mRowBytes), mHave(size_t(2 * reach + 1), -1)
    {
    }

    // Row y (clamped to the image) with its padding; index 0 of the result is the first
    // padding pixel, so the image's column x sits at (x + pad) * 3.
    const uint8_t *row(int y)
    {
        y = std::clamp(y, 0, mSrc.height() - 1);
        const size_t slot = size_t(y % int(mHave.size()));
        uint8_t *out = mRing.data() + slot * mRowBytes;
        if (mHave[slot] != y) {
            const uint8_t *s = mSrc.row(y);
            const size_t n = mSrc.stride();
            for (int k = 0; k < mPad; ++k) {
                std::memcpy(out + size_t(k) * 3, s, 3);
                std::memcpy(out + (size_t(mPad) + mSrc.width() + k) * 3, s + n - 3, 3);
            }
            std::memcpy(out + size_t(mPad) * 3, s, n);
            mHave[slot] = y;
        }
        return out;
    }

private:
    const RgbImage &mSrc;
    int mReach;
    int mPad;
    size_t mRowBytes;
    std::vector<uint8_t> mRing;
    std::vector<int> mHave;
};

} // namespace gb
