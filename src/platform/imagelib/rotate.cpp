#include "platform/imagelib/rotate.h"

#include "platform/imagelib/colorref.h"
#include "platform/imagelib/parallel.h"

#include <cmath>
#include <cstring>
#include <numbers>

namespace gb {

namespace {

// A quarter turn: to the left destination (x, y) takes source (W - 1 - y, x), to the right
// source (y, H - 1 - x). Done in square tiles so that both the reads and the writes stay
// in cache.
RgbImage quarterTurn(const RgbImage &src, bool left)
{
    RgbImage dst = RgbImage::create(src.height(), src.width());
    if (dst.isNull())
        return dst;
    const int W = src.width(), H = src.height();
    const ptrdiff_t step = left ? ptrdiff_t(src.stride()) : -ptrdiff_t(src.stride());
    constexpr int T = 64;
    parallelRanges((dst.height() + T - 1) / T, 1, [&](int tb, int te) {
        for (int ty = tb * T; ty < std::min(te * T, dst.height()); ty += T)
            for (int tx = 0; tx < dst.width(); tx += T) {
                const int ye = std::min(ty + T, dst.height()), xe = std::min(tx + T, dst.width());
                for (int y = ty; y < ye; ++y) {
                    uint8_t *o = dst.pixel(tx, y);
                    const uint8_t *s = left ? src.pixel(W - 1 - y, tx) : src.pixel(y, H - 1 - tx);
                    for (int x = tx; x < xe; ++x, o += 3, s += step) {
                        o[0] = s[0];
                        o[1] = s[1];
                        o[2] = s[2];
                    }
                }
            }
    });
    return dst;
}

// A half turn: destination (x, y) takes source (W - 1 - x, H - 1 - y).
RgbImage halfTurn(const RgbImage &src)
{
    RgbImage dst = RgbImage::create(src.width(), src.height());
    if (dst.isNull())
        return dst;
    const int W = src.width(), H = src.height();
    parallelRanges(H, 64, [&](int b, int e) {
        for (int y = b; y < e; ++y) {
            const uint8_t *s = src.pixel(W - 1, H - 1 - y);
            uint8_t *o = dst.row(y);
            for (int x = 0; x < W; ++x, o += 3, s -= 3) {
                o[0] = s[0];
                o[1] = s[1];
                o[2] = s[2];
            }
        }
    });
    return dst;
}

// Any other angle. Destination pixel centre (u, v), measured from the destination's
// centre, samples the source at
//   sx = u cos a - v sin a + W / 2 - 0.5,   sy = u sin a + v cos a + H / 2 - 0.5
// bilinearly with the weights of isResizeRgb(), positions stepped along each row in 16.16
// fixed point, outside samples counting as the background.
RgbImage anyAngle(const RgbImage &src, double a, uint32_t background)
{
    const double c = std::cos(a), s = std::sin(a);
    const int W = src.width(), H = src.height();
    const int64_t nw = std::max<int64_t>(1, std::llround(W * std::fabs(c) + H * std::fabs(s)));
    const int64_t nh = std::max<int64_t>(1, std::llround(W * std::fabs(s) + H * std::fabs(c)));
    RgbImage dst = RgbImage::create(nw, nh);
    if (dst.isNull())
        return dst;
    const uint8_t bg[3] = {colorRefRed(background), colorRefGreen(background), colorRefBlue(background)};
    constexpr double one = 65536.0;
    const int64_t stepX = std::llround(c * one), stepY = std::llround(s * one);

    parallelRanges(int(nh), 16, [&](int b, int e) {
        for (int y = b; y < e; ++y) {
            const double u0 = 0.5 - double(nw) / 2.0, v = y + 0.5 - double(nh) / 2.0;
            int64_t fx = std::llround((u0 * c - v * s + W / 2.0 - 0.5) * one);
            int64_t fy = std::llround((u0 * s + v * c + H / 2.0 - 0.5) * one);
            uint8_t *o = dst.row(y);
            for (int64_t x = 0; x < nw; ++x, o += 3, fx += stepX, fy += stepY) {
                const int64_t x0 = fx >> 16, y0 = fy >> 16;
                const uint32_t ax = uint32_t((fx >> 8) & 255), ay = uint32_t((fy >> 8) & 255);
                if (x0 >= 0 && y0 >= 0 && x0 + 1 < W && y0 + 1 < H) {
                    const uint8_t *p = src.pixel(int(x0), int(y0));
                    const uint8_t *q = p + src.stride();
                    const uint32_t bx = 256 - ax, by = 256 - ay;
                    for (int k = 0; k < 3; ++k) {
                        const uint32_t top = p[k] * bx + p[k + 3] * ax;
                        const uint32_t bot = q[k] * bx + q[k + 3] * ax;
                        o[k] = uint8_t((top * by + bot * ay + 32768) >> 16);
                    }
                } else if (x0 < -1 || y0 < -1 || x0 >= W || y0 >= H) {
                    o[0] = bg[0];
                    o[1] = bg[1];
                    o[2] = bg[2];
                } else {
                    // On the image's rim: take each of the four samples or the background.
                    auto at = [&](int64_t sx, int64_t sy) -> const uint8_t * {
                        return (sx >= 0 && sy >= 0 && sx < W && sy < H) ? src.pixel(int(sx), int(sy)) : bg;
                    };
                    const uint8_t *p00 = at(x0, y0), *p01 = at(x0 + 1, y0);
                    const uint8_t *p10 = at(x0, y0 + 1), *p11 = at(x0 + 1, y0 + 1);
                    const uint32_t bx = 256 - ax, by = 256 - ay;
                    for (int k = 0; k < 3; ++k) {
                        const uint32_t top = p00[k] * bx + p01[k] * ax;
                        const uint32_t bot = p10[k] * bx + p11[k] * ax;
                        o[k] = uint8_t((top * by + bot * ay + 32768) >> 16);
                    }
                }
            }
        }
    });
    return dst;
}

} // namespace

RgbImage isRotateRgb(const RgbImage &src, double radians, uint32_t background)
{
    if (src.isNull() || !std::isfinite(radians))
        return RgbImage();
    const double quarters = radians / (std::numbers::pi / 2.0);
    const double nearest = std::round(quarters);
    if (std::fabs(quarters - nearest) < 1e-9 && std::fabs(nearest) < 1e15) {
        switch (((int64_t(nearest) % 4) + 4) % 4) {
        case 0:
            return src.clone();
        case 1:
            return quarterTurn(src, true);
        case 2:
            return halfTurn(src);
        default:
            return quarterTurn(src, false);
        }
    }
    return anyAngle(src, radians, background);
}

} // namespace gb
