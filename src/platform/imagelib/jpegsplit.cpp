#include "platform/imagelib/jpegsplit.h"
#include "platform/imagelib/jpegstreams.h"
#include "platform/imagelib/jpegtrap.h"
#include "platform/imagelib/largememory.h"
#include "platform/imagelib/parallel.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

namespace gb {

namespace {

std::atomic<size_t> gThreshold{size_t(32) << 20};
std::atomic<size_t> gSplitDecodes{0};

// One component's decoded samples, its whole blocks at the scale it is decoded at.
struct Plane
{
    LargeBuffer samples;
    int width = 0, height = 0;

    bool allocate(int w, int h)
    {
        width = w;
        height = h;
        samples = LargeBuffer(size_t(w) * size_t(h));
        return bool(samples);
    }
    uint8_t *row(int y) { return samples.data() + size_t(y) * size_t(width); }
    const uint8_t *row(int y) const { return samples.data() + size_t(y) * size_t(width); }
};

// Decodes one component's stream as a greyscale picture at scaledSize/8, the size libjpeg
// gives that component's transform in the decode of the whole file.
bool decodePlane(const JpegComponentStreams::Stream &stream, const jpeg_decompress_struct &header, int scaledSize,
                 Plane &plane)
{
    jpeg_decompress_struct cinfo;
    JpegErrorTrap trap;
    installJpegTrap(reinterpret_cast<jpeg_common_struct *>(&cinfo), trap);
    if (setjmp(trap.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, stream.data, (unsigned long)stream.size);
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_GRAYSCALE;
    cinfo.scale_num = unsigned(scaledSize);
    cinfo.scale_denom = 8;
    cinfo.dct_method = header.dct_method;
    cinfo.do_block_smoothing = header.do_block_smoothing;
    jpeg_start_decompress(&cinfo);
    if (int(cinfo.output_width) != plane.width || int(cinfo.output_height) != plane.height
        || cinfo.output_components != 1) {
        jpeg_abort_decompress(&cinfo);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    JSAMPROW rows[16];
    while (cinfo.output_scanline < cinfo.output_height) {
        const int y = int(cinfo.output_scanline);
        const int n = std::min<int>(16, plane.height - y);
        for (int i = 0; i < n; ++i)
            rows[i] = plane.row(y + i);
        jpeg_read_scanlines(&cinfo, rows, JDIMENSION(n));
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

// libjpeg's YCbCr to RGB conversion (jdcolor.c, and its merged upsampler alike), in 16-bit
// fixed point:
//   R = Y + 1.40200 Cr,  G = Y - 0.34414 Cb - 0.71414 Cr,  B = Y + 1.77200 Cb
// with Cb and Cr centred on 128, each term rounded as libjpeg rounds it.
struct YccTables
{
    int crR[256], cbB[256];
    int32_t crG[256], cbG[256];

    YccTables()
    {
        constexpr int kScaleBits = 16;
        constexpr int32_t kOneHalf = int32_t(1) << (kScaleBits - 1);
        const auto fix = [](double x) { return int32_t(x * (1L << kScaleBits) + 0.5); };
        for (int i = 0; i < 256; ++i) {
            const int32_t x = i - 128;
            crR[i] = int((fix(1.40200) * x + kOneHalf) >> kScaleBits);
            cbB[i] = int((fix(1.77200) * x + kOneHalf) >> kScaleBits);
            crG[i] = -fix(0.71414) * x;
            cbG[i] = -fix(0.34414) * x + kOneHalf;
        }
    }
};

inline uint8_t clampSample(int v)
{
    return uint8_t(v < 0 ? 0 : v > 255 ? 255 : v);
}

// Pixel (x, y) takes luminance (x, y) and chroma (x >> chromaShiftX, y >> chromaShiftY): the
// plain replication libjpeg upsamples with when it is not asked to smooth.
void mergePlanes(const Plane *planes, int chromaShiftX, int chromaShiftY, RgbImage &img)
{
    static const YccTables t;
    const int width = img.width();
    parallelRanges(img.height(), 32, [&](int begin, int end) {
        for (int y = begin; y < end; ++y) {
            const uint8_t *ly = planes[0].row(y);
            const uint8_t *cb = planes[1].row(y >> chromaShiftY);
            const uint8_t *cr = planes[2].row(y >> chromaShiftY);
            uint8_t *out = img.row(y);
            for (int x = 0; x < width; ++x, out += 3) {
                const int l = ly[x], b = cb[x >> chromaShiftX], r = cr[x >> chromaShiftX];
                out[0] = clampSample(l + t.crR[r]);
                out[1] = clampSample(l + int((t.cbG[b] + t.crG[r]) >> 16));
                out[2] = clampSample(l + t.cbB[b]);
            }
        }
    });
}

// How much the decode of the whole file enlarges a component decoded at scaledSize: 1 or 2
// across and down, 0 for anything else.
int upsampling(int maxSamp, int minScaled, int samp, int scaledSize)
{
    const int num = maxSamp * minScaled, den = samp * scaledSize;
    if (den <= 0 || num % den != 0)
        return 0;
    const int ratio = num / den;
    return ratio == 1 || ratio == 2 ? ratio : 0;
}

} // namespace

void setJpegSplitThreshold(size_t coefficientBytes)
{
    gThreshold = coefficientBytes;
}

size_t jpegSplitThreshold()
{
    return gThreshold;
}

size_t jpegSplitDecodeCount()
{
    return gSplitDecodes;
}

bool decodeJpegSplit(ByteSpan file, const jpeg_decompress_struct &header, RgbImage &img)
{
    if (!header.progressive_mode || header.arith_code || header.data_precision != 8 || header.num_components != 3
        || header.jpeg_color_space != JCS_YCbCr || header.out_color_space != JCS_RGB || header.quantize_colors
        || header.CCIR601_sampling || header.out_color_components != 3)
        return false;
    const jpeg_component_info *comp = header.comp_info;
    if (comp[0].h_samp_factor > 2 || comp[0].v_samp_factor > 2)
        return false;
    for (int c = 1; c < 3; ++c)
        if (comp[c].h_samp_factor != 1 || comp[c].v_samp_factor != 1)
            return false;
    // Upsampling between sizes that differ is plain replication unless libjpeg is asked to
    // smooth it; the smoothed kinds are left to libjpeg.
    int hr[3], vr[3];
    for (int c = 0; c < 3; ++c) {
        hr[c] = upsampling(header.max_h_samp_factor, header.min_DCT_scaled_size, comp[c].h_samp_factor,
                           comp[c].DCT_scaled_size);
        vr[c] = upsampling(header.max_v_samp_factor, header.min_DCT_scaled_size, comp[c].v_samp_factor,
                           comp[c].DCT_scaled_size);
        if (!hr[c] || !vr[c] || ((hr[c] != 1 || vr[c] != 1) && header.do_fancy_upsampling))
            return false;
    }
    if (hr[0] != 1 || vr[0] != 1 || hr[1] != hr[2] || vr[1] != vr[2])
        return false;

    JpegComponentStreams streams;
    if (!streams.split(file))
        return false;
    Plane planes[3];
    for (int c = 0; c < 3; ++c) {
        const JpegComponentStreams::Stream &s = streams.stream(c);
        if (s.h != comp[c].h_samp_factor || s.v != comp[c].v_samp_factor
            || JDIMENSION(s.blocksW) != comp[c].width_in_blocks || JDIMENSION(s.blocksH) != comp[c].height_in_blocks)
            return false;
        if (!planes[c].allocate(s.blocksW * comp[c].DCT_scaled_size, s.blocksH * comp[c].DCT_scaled_size))
            return false;
    }
    const int width = int(header.output_width), height = int(header.output_height);
    if (width > planes[0].width || height > planes[0].height || (width - 1) / hr[1] >= planes[1].width
        || (height - 1) / vr[1] >= planes[1].height || (width - 1) / hr[2] >= planes[2].width
        || (height - 1) / vr[2] >= planes[2].height)
        return false;
    RgbImage out = RgbImage::create(width, height);
    if (out.isNull())
        return false;

    // The luminance, the largest part, on this thread.
    bool ok[3] = {false, false, false};
    std::vector<std::function<void()>> parts;
    for (int c = 0; c < 3; ++c)
        parts.push_back([&, c] { ok[c] = decodePlane(streams.stream(c), header, comp[c].DCT_scaled_size, planes[c]); });
    if (!runTogether(std::move(parts)) || !ok[0] || !ok[1] || !ok[2])
        return false;
    mergePlanes(planes, hr[1] == 2, vr[1] == 2, out);
    img = std::move(out);
    ++gSplitDecodes;
    return true;
}

} // namespace gb
