#include "platform/imagelib/jpegsplit.h"
#include "platform/imagelib/jpegstreams.h"
#include "platform/imagelib/jpegtrap.h"
#include "platform/imagelib/largememory.h"
#include "platform/imagelib/parallel.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <new>
#include <vector>

namespace gb {

namespace {

std::atomic<size_t> gThreshold{size_t(32) << 20};
std::atomic<size_t> gSplitDecodes{0};

// One component's decoded samples, its whole blocks at the scale it is decoded at, in a
// share of one buffer for all three.
struct Plane
{
    uint8_t *samples = nullptr;
    int width = 0, height = 0;

    size_t bytes() const { return size_t(width) * size_t(height); }
    uint8_t *row(int y) { return samples + size_t(y) * size_t(width); }
    const uint8_t *row(int y) const { return samples + size_t(y) * size_t(width); }
};

// Feeds libjpeg a stream held in pieces, one after the other, as jpeg_mem_src() feeds one
// block: past the last piece it gives an end marker with libjpeg's warning for a file cut
// short, which the trap turns into an error.
struct PiecesSource
{
    jpeg_source_mgr mgr; // first, so that libjpeg's pointer to it is one to the whole
    const ByteSpan *next = nullptr, *end = nullptr;

    explicit PiecesSource(const std::vector<ByteSpan> &pieces)
        : next(pieces.data())
        , end(pieces.data() + pieces.size())
    {
        mgr.next_input_byte = nullptr;
        mgr.bytes_in_buffer = 0;
        mgr.init_source = [](j_decompress_ptr) {};
        mgr.fill_input_buffer = fill;
        mgr.skip_input_data = [](j_decompress_ptr cinfo, long count) {
            if (count <= 0)
                return;
            jpeg_source_mgr *src = cinfo->src;
            while (size_t(count) > src->bytes_in_buffer) {
                count -= long(src->bytes_in_buffer);
                fill(cinfo);
            }
            src->next_input_byte += count;
            src->bytes_in_buffer -= size_t(count);
        };
        mgr.resync_to_restart = jpeg_resync_to_restart;
        mgr.term_source = [](j_decompress_ptr) {};
    }

    static boolean fill(j_decompress_ptr cinfo)
    {
        static const JOCTET eoi[2] = {0xFF, JPEG_EOI};
        auto *self = reinterpret_cast<PiecesSource *>(cinfo->src);
        while (self->next != self->end && self->next->size == 0)
            ++self->next;
        if (self->next == self->end) {
            WARNMS(cinfo, JWRN_JPEG_EOF);
            self->mgr.next_input_byte = eoi;
            self->mgr.bytes_in_buffer = 2;
            return TRUE;
        }
        self->mgr.next_input_byte = self->next->data;
        self->mgr.bytes_in_buffer = self->next->size;
        ++self->next;
        return TRUE;
    }
};

// Decodes one component's stream as a greyscale picture at scaledSize/8, the size libjpeg
// gives that component's transform in the decode of the whole file.
bool decodePlane(const JpegComponentStreams::Stream &stream, const jpeg_decompress_struct &header, int scaledSize,
                 Plane &plane)
{
    allocationCheckpoint(); // a part that fails leaves the others and the merge undone
    PiecesSource source(stream.pieces);
    JpegDecompressor dec;
    jpeg_decompress_struct &cinfo = dec.cinfo;
    bool fits = false;
    const bool decoded = dec.ok() && trapped(dec.trap, [&] {
        cinfo.src = &source.mgr;
        jpeg_read_header(&cinfo, TRUE);
        cinfo.out_color_space = JCS_GRAYSCALE;
        cinfo.scale_num = unsigned(scaledSize);
        cinfo.scale_denom = 8;
        cinfo.dct_method = header.dct_method;
        cinfo.do_block_smoothing = header.do_block_smoothing;
        jpeg_start_decompress(&cinfo);
        fits = int(cinfo.output_width) == plane.width && int(cinfo.output_height) == plane.height
            && cinfo.output_components == 1;
        if (!fits)
            return;
        JSAMPROW rows[16];
        while (cinfo.output_scanline < cinfo.output_height) {
            const int y = int(cinfo.output_scanline);
            const int n = std::min<int>(16, plane.height - y);
            for (int i = 0; i < n; ++i)
                rows[i] = plane.row(y + i);
            jpeg_read_scanlines(&cinfo, rows, JDIMENSION(n));
        }
        jpeg_finish_decompress(&cinfo);
    });
    return decoded && fits;
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

namespace {

bool splitDecode(ByteSpan file, const jpeg_decompress_struct &header, RgbImage &img)
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

    // Cutting the file takes a few bytes a block for a moment, while the coefficients the
    // caller's reservation stands for are not yet allocated.
    JpegComponentStreams streams;
    if (!streams.split(file))
        return false;
    Plane planes[3];
    size_t planeBytes = 0;
    for (int c = 0; c < 3; ++c) {
        const JpegComponentStreams::Stream &s = streams.stream(c);
        if (s.h != comp[c].h_samp_factor || s.v != comp[c].v_samp_factor
            || JDIMENSION(s.blocksW) != comp[c].width_in_blocks || JDIMENSION(s.blocksH) != comp[c].height_in_blocks)
            return false;
        planes[c].width = s.blocksW * comp[c].DCT_scaled_size;
        planes[c].height = s.blocksH * comp[c].DCT_scaled_size;
        planeBytes += planes[c].bytes();
    }
    const int width = int(header.output_width), height = int(header.output_height);
    if (width > planes[0].width || height > planes[0].height || (width - 1) / hr[1] >= planes[1].width
        || (height - 1) / vr[1] >= planes[1].height || (width - 1) / hr[2] >= planes[2].width
        || (height - 1) / vr[2] >= planes[2].height)
        return false;
    // The caller's reservation stands for the file, the coefficients and the picture, as in
    // the plain decode; the re-coded scans and the planes come on top. Room for them is taken
    // only where there is some now: a decode that holds memory already must not wait for more.
    DecodeMemoryReservation reserved;
    if (!reserved.tryMore(streams.footprint() + largeFootprint(planeBytes)))
        return false;
    // One buffer for the three planes: a large photo's are mapped whole and go back to the
    // system at once, where three smaller ones would stay in this thread's heap.
    LargeBuffer planeMemory(planeBytes);
    if (!planeMemory)
        return false;
    planes[0].samples = planeMemory.data();
    planes[1].samples = planes[0].samples + planes[0].bytes();
    planes[2].samples = planes[1].samples + planes[1].bytes();
    RgbImage out = RgbImage::create(width, height);
    if (out.isNull())
        return false;

    // The luminance, the largest part, on this thread.
    bool ok[3] = {false, false, false};
    std::vector<std::function<void()>> parts;
    for (int c = 0; c < 3; ++c) {
        allocationCheckpoint();
        parts.push_back([&, c] { ok[c] = decodePlane(streams.stream(c), header, comp[c].DCT_scaled_size, planes[c]); });
    }
    if (!runTogether(std::move(parts)) || !ok[0] || !ok[1] || !ok[2])
        return false;
    mergePlanes(planes, hr[1] == 2, vr[1] == 2, out);
    img = std::move(out);
    ++gSplitDecodes;
    return true;
}

} // namespace

bool decodeJpegSplit(ByteSpan file, const jpeg_decompress_struct &header, RgbImage &img)
{
    // What the split holds has owners, so that a failed allocation anywhere in it leaves
    // nothing behind, and the plain decode can have a go.
    try {
        return splitDecode(file, header, img);
    } catch (const std::bad_alloc &) {
        return false;
    }
}

} // namespace gb
