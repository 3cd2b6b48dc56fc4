#include "platform/imagelib/metafilecodec.h"

#include "platform/imagelib/bmpcodec.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <vector>

namespace gb {

namespace {

int16_t les16(const uint8_t *p) { return int16_t(le16(p)); }
int32_t les32(const uint8_t *p) { return int32_t(le32(p)); }

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr uint32_t kEmfSignature = 0x464D4520; // " EMF"
constexpr uint32_t kSrcCopy = 0x00CC0020;
constexpr size_t kPlaceableSize = 22;
constexpr size_t kWmfHeaderSize = 18;
constexpr size_t kEmfHeaderSize = 88;
// The bitmaps of a file together may cover its canvas this many times over (banded files
// cover it once); more is taken as a damaged file rather than drawn for minutes.
constexpr int64_t kMaxOverdraw = 16;

// WMF record functions and EMF record types that carry bitmaps.
enum : uint16_t {
    MetaEof = 0x0000,
    MetaSetWindowOrg = 0x020B,
    MetaSetWindowExt = 0x020C,
    MetaDibBitBlt = 0x0940,
    MetaDibStretchBlt = 0x0B41,
    MetaSetDibToDev = 0x0D33,
    MetaStretchDib = 0x0F43,
};
enum : uint32_t {
    EmrHeader = 1,
    EmrEof = 14,
    EmrBitBlt = 76,
    EmrStretchBlt = 77,
    EmrSetDiBitsToDevice = 80,
    EmrStretchDiBits = 81,
};

struct Rect {
    int64_t x = 0, y = 0, w = 0, h = 0; // w, h may be negative (mirrored)
};

// One bitmap drawn by a record: where it lands in logical units, which part of the DIB
// it takes (y counted from the DIB's first stored row when sourceFromBottom is set, as
// the DIB calls do, else from its top), and the DIB itself.
struct BitmapDraw {
    Rect dest;
    Rect source;
    bool sourceFromBottom = true;
    ByteSpan info;
    std::optional<ByteSpan> bits; // absent: a packed DIB in info
};

struct Picture {
    std::vector<BitmapDraw> draws;
    std::optional<Rect> frame; // logical units
    double pixelsPerUnit = 1.0;
};

ByteSpan sub(ByteSpan s, size_t at, size_t n) { return ByteSpan{s.data + at, n}; }

// --- WMF -------------------------------------------------------------------------------

bool parseWmf(ByteSpan file, Picture &pic)
{
    size_t at = 0;
    if (file.size >= kPlaceableSize && le32(file.data) == kPlaceableKey) {
        const uint8_t *p = file.data;
        const int64_t left = les16(p + 6), top = les16(p + 8), right = les16(p + 10), bottom = les16(p + 12);
        const int inch = le16(p + 14);
        if (right != left && bottom != top)
            pic.frame = Rect{left, top, right - left, bottom - top};
        if (inch > 0)
            pic.pixelsPerUnit = 96.0 / inch;
        at = kPlaceableSize;
    }
    if (file.size < at + kWmfHeaderSize)
        return false;
    const uint8_t *h = file.data + at;
    if ((le16(h) != 1 && le16(h) != 2) || le16(h + 2) != 9)
        return false;
    at += kWmfHeaderSize;

    std::optional<std::pair<int64_t, int64_t>> windowOrg, windowExt;
    while (at + 6 <= file.size) {
        const uint8_t *r = file.data + at;
        const uint64_t bytes = uint64_t(le32(r)) * 2;
        const uint16_t function = le16(r + 4);
        if (function == MetaEof)
            break;
        if (bytes < 6 || bytes > file.size - at)
            return false;
        const ByteSpan rec{r, size_t(bytes)};
        auto need = [&](size_t n) { return rec.size >= n; };
        auto s16 = [&](size_t off) { return int64_t(les16(r + off)); };
        BitmapDraw d;
        size_t dibAt = 0;
        switch (function) {
        case MetaSetWindowOrg:
            if (need(10) && !windowOrg)
                windowOrg = std::make_pair(s16(8), s16(6));
            break;
        case MetaSetWindowExt:
            if (need(10) && !windowExt)
                windowExt = std::make_pair(s16(8), s16(6));
            break;
        case MetaStretchDib:
            if (!need(28))
                return false;
            d.source = {s16(18), s16(16), s16(14), s16(12)};
            d.dest = {s16(26), s16(24), s16(22), s16(20)};
            dibAt = 28;
            break;
        case MetaDibStretchBlt:
            if (rec.size == ((function >> 8) + 3u) * 2) // no bitmap: a pattern fill
                break;
            if (!need(26))
                return false;
            d.source = {s16(16), s16(14), s16(12), s16(10)};
            d.dest = {s16(24), s16(22), s16(20), s16(18)};
            d.sourceFromBottom = false;
            dibAt = 26;
            break;
        case MetaDibBitBlt:
            if (rec.size == ((function >> 8) + 3u) * 2)
                break;
            if (!need(22))
                return false;
            d.source = {s16(12), s16(10), s16(16), s16(14)};
            d.dest = {s16(20), s16(18), s16(16), s16(14)};
            d.sourceFromBottom = false;
            dibAt = 22;
            break;
        case MetaSetDibToDev:
            if (!need(24))
                return false;
            d.source = {s16(14), s16(12), s16(18), s16(16)};
            d.dest = {s16(22), s16(20), s16(18), s16(16)};
            dibAt = 24;
            break;
        default:
            break;
        }
        if (dibAt) {
            d.info = sub(rec, dibAt, rec.size - dibAt);
            pic.draws.push_back(d);
        }
        at += size_t(bytes);
    }
    if (!pic.frame && windowExt && windowExt->first != 0 && windowExt->second != 0) {
        const auto org = windowOrg.value_or(std::make_pair(int64_t(0), int64_t(0)));
        pic.frame = Rect{org.first, org.second, windowExt->first, windowExt->second};
    }
    return true;
}

// --- EMF -------------------------------------------------------------------------------

bool isEmf(ByteSpan file)
{
    return file.size >= kEmfHeaderSize && le32(file.data) == EmrHeader && le32(file.data + 40) == kEmfSignature;
}

// The DIB of an EMF bitmap record: header and bits at offsets within the record.
bool emfDib(ByteSpan rec, size_t fieldAt, BitmapDraw &d)
{
    const uint32_t offBmi = le32(rec.data + fieldAt), cbBmi = le32(rec.data + fieldAt + 4);
    const uint32_t offBits = le32(rec.data + fieldAt + 8), cbBits = le32(rec.data + fieldAt + 12);
    if (uint64_t(offBmi) + cbBmi > rec.size || uint64_t(offBits) + cbBits > rec.size)
        return false;
    d.info = sub(rec, offBmi, cbBmi);
    d.bits = sub(rec, offBits, cbBits);
    return true;
}

bool parseEmf(ByteSpan file, Picture &pic)
{
    const uint32_t headerBytes = le32(file.data + 4);
    if (headerBytes < kEmfHeaderSize || headerBytes > file.size)
        return false;
    const int64_t left = les32(file.data + 8), top = les32(file.data + 12);
    const int64_t right = les32(file.data + 16), bottom = les32(file.data + 20);
    if (right >= left && bottom >= top)
        pic.frame = Rect{left, top, right - left + 1, bottom - top + 1};
    size_t at = headerBytes;
    while (at + 8 <= file.size) {
        const uint8_t *r = file.data + at;
        const uint32_t type = le32(r), bytes = le32(r + 4);
        if (type == EmrEof)
            break;
        if (bytes < 8 || bytes > file.size - at)
            return false;
        const ByteSpan rec{r, bytes};
        auto s32 = [&](size_t off) { return int64_t(les32(r + off)); };
        BitmapDraw d;
        bool drawn = false;
        switch (type) {
        case EmrBitBlt:
        case EmrStretchBlt: {
            const size_t size = type == EmrBitBlt ? 100 : 108;
            if (bytes < size)
                return false;
            if (le32(r + 88) == 0) // no source bitmap: a pattern fill
                break;
            d.dest = {s32(24), s32(28), s32(32), s32(36)};
            d.source = {s32(44), s32(48), d.dest.w, d.dest.h};
            if (type == EmrStretchBlt)
                d.source.w = s32(100), d.source.h = s32(104);
            d.sourceFromBottom = false;
            drawn = emfDib(rec, 84, d);
            if (!drawn)
                return false;
            break;
        }
        case EmrSetDiBitsToDevice:
        case EmrStretchDiBits: {
            if (bytes < (type == EmrStretchDiBits ? 80u : 76u))
                return false;
            d.source = {s32(32), s32(36), s32(40), s32(44)};
            d.dest = {s32(24), s32(28), s32(40), s32(44)};
            if (type == EmrStretchDiBits)
                d.dest.w = s32(72), d.dest.h = s32(76);
            drawn = emfDib(rec, 48, d);
            if (!drawn)
                return false;
            break;
        }
        default:
            break;
        }
        if (drawn)
            pic.draws.push_back(d);
        at += bytes;
    }
    return true;
}

// --- Rendering -------------------------------------------------------------------------

Rect normalized(const Rect &r)
{
    Rect n = r;
    if (n.w < 0)
        n.x += n.w, n.w = -n.w;
    if (n.h < 0)
        n.y += n.h, n.h = -n.h;
    return n;
}

Rect coveredArea(const std::vector<BitmapDraw> &draws)
{
    int64_t x0 = INT64_MAX, y0 = INT64_MAX, x1 = INT64_MIN, y1 = INT64_MIN;
    for (const BitmapDraw &d : draws) {
        const Rect r = normalized(d.dest);
        x0 = std::min(x0, r.x);
        y0 = std::min(y0, r.y);
        x1 = std::max(x1, r.x + r.w);
        y1 = std::max(y1, r.y + r.h);
    }
    return Rect{x0, y0, x1 - x0, y1 - y0};
}

// Draws one bitmap: every canvas pixel inside the destination takes the source pixel
// under its centre. budget is the number of pixels all draws together may still paint;
// a file that would paint the canvas over and over without end is refused.
bool drawBitmap(RgbImage &canvas, const BitmapDraw &d, const Rect &frame, double scaleX, double scaleY,
                int64_t &budget)
{
    int error = 0;
    const RgbImage dib = decodeDib(d.info, d.bits ? &*d.bits : nullptr, error);
    if (dib.isNull())
        return false;
    // The DIB's rows as stored run bottom-up unless its header height is negative.
    const bool storedTopDown = d.info.size >= 12 && le32(d.info.data) >= 16 && les32(d.info.data + 8) < 0;
    Rect src = normalized(d.source);
    if (d.sourceFromBottom && !storedTopDown)
        src.y = dib.height() - src.y - src.h;
    const int64_t sx0 = std::max<int64_t>(src.x, 0), sy0 = std::max<int64_t>(src.y, 0);
    const int64_t sx1 = std::min<int64_t>(src.x + src.w, dib.width());
    const int64_t sy1 = std::min<int64_t>(src.y + src.h, dib.height());
    if (sx1 <= sx0 || sy1 <= sy0 || d.dest.w == 0 || d.dest.h == 0)
        return true;

    // Canvas position of a logical point (may lie outside the canvas; clipped below).
    const double px0 = (d.dest.x - frame.x) * scaleX, px1 = (d.dest.x + d.dest.w - frame.x) * scaleX;
    const double py0 = (d.dest.y - frame.y) * scaleY, py1 = (d.dest.y + d.dest.h - frame.y) * scaleY;
    const int64_t cx0 = std::max<int64_t>(0, std::llround(std::min(px0, px1)));
    const int64_t cx1 = std::min<int64_t>(canvas.width(), std::llround(std::max(px0, px1)));
    const int64_t cy0 = std::max<int64_t>(0, std::llround(std::min(py0, py1)));
    const int64_t cy1 = std::min<int64_t>(canvas.height(), std::llround(std::max(py0, py1)));
    // A bitmap wholly off the canvas paints nothing; no canvas address is taken for it.
    if (cx1 <= cx0 || cy1 <= cy0)
        return true;
    budget -= (cx1 - cx0) * (cy1 - cy0);
    if (budget < 0)
        return false;
    // Source column of every canvas column, worked out once for all rows.
    std::vector<int> columns(size_t(cx1 - cx0));
    for (int64_t cx = cx0; cx < cx1; ++cx) {
        const double fx = (cx + 0.5 - px0) / (px1 - px0); // 0..1 along the destination
        columns[size_t(cx - cx0)] = int(std::clamp<int64_t>(src.x + int64_t(std::floor(fx * src.w)), sx0, sx1 - 1));
    }
    for (int64_t cy = cy0; cy < cy1; ++cy) {
        const double fy = (cy + 0.5 - py0) / (py1 - py0);
        const int sy = int(std::clamp<int64_t>(src.y + int64_t(std::floor(fy * src.h)), sy0, sy1 - 1));
        uint8_t *out = canvas.pixel(int(cx0), int(cy));
        const uint8_t *in = dib.row(sy);
        for (int sx : columns) {
            std::memcpy(out, in + size_t(sx) * 3, 3);
            out += 3;
        }
    }
    return true;
}

RgbImage render(const Picture &pic, int &error, int maxWidth, int maxHeight, uint32_t background)
{
    error = ImgBadMetafile;
    if (pic.draws.empty())
        return RgbImage();
    const Rect frame = pic.frame ? *pic.frame : coveredArea(pic.draws);
    // Canvas size in pixels, then fitted into the box.
    double w = std::abs(double(frame.w)) * pic.pixelsPerUnit, h = std::abs(double(frame.h)) * pic.pixelsPerUnit;
    if (!(w >= 0.5 && h >= 0.5))
        return RgbImage();
    const double fit = std::min({1.0, std::max(1, maxWidth) / w, std::max(1, maxHeight) / h});
    const int64_t cw = std::max<int64_t>(1, std::llround(w * fit)), ch = std::max<int64_t>(1, std::llround(h * fit));
    if (!pixelCountAllowed(cw, ch)) {
        error = ImgOutOfMemory;
        return RgbImage();
    }
    RgbImage canvas = RgbImage::filled(cw, ch, uint8_t(background), uint8_t(background >> 8),
                                       uint8_t(background >> 16));
    if (canvas.isNull()) {
        error = ImgOutOfMemory;
        return canvas;
    }
    // A frame with a negative extent runs the other way; its origin is then its far edge.
    const Rect origin = normalized(frame);
    const double scaleX = cw / double(origin.w), scaleY = ch / double(origin.h);
    int64_t budget = cw * ch * kMaxOverdraw;
    for (const BitmapDraw &d : pic.draws)
        if (!drawBitmap(canvas, d, origin, scaleX, scaleY, budget))
            return RgbImage();
    error = ImgOk;
    return canvas;
}

// --- Writing ---------------------------------------------------------------------------

void putLe16(QByteArray &out, int v)
{
    out.append(char(v & 255));
    out.append(char((v >> 8) & 255));
}
void putLe32(QByteArray &out, int64_t v)
{
    putLe16(out, int(v & 0xFFFF));
    putLe16(out, int((v >> 16) & 0xFFFF));
}

} // namespace

RgbImage readMetafile(ByteSpan file, int &error, int maxWidth, int maxHeight, uint32_t background)
{
    Picture pic;
    error = ImgBadMetafile;
    if (!file.data)
        return RgbImage();
    if (!(isEmf(file) ? parseEmf(file, pic) : parseWmf(file, pic)))
        return RgbImage();
    return render(pic, error, maxWidth, maxHeight, background);
}

RgbImage readWmf(ByteSpan file, int &error) { return readMetafile(file, error, 5000, 5000, 0xFFFFFF); }
RgbImage readEmf(ByteSpan file, int &error) { return readMetafile(file, error, 5000, 5000, 0xFFFFFF); }

bool writeWmf(const RgbImage &img, QByteArray &out, int &error)
{
    out.clear();
    if (img.isNull() || img.width() > 32767 || img.height() > 32767) {
        error = ImgBadParameter;
        return false;
    }
    const QByteArray dib = encodeDib(img);
    const int64_t dibRecordWords = (28 + dib.size() + 1) / 2;
    const int64_t totalWords = kWmfHeaderSize / 2 + 5 + 5 + dibRecordWords + 3;
    if (dibRecordWords > 0xFFFFFFFFll || totalWords > 0xFFFFFFFFll) {
        error = ImgBadParameter;
        return false;
    }
    const int w = img.width(), h = img.height();
    // Placeable header: bounding box in pixels at 96 units per inch; the checksum is the
    // XOR of its first ten 16-bit words.
    putLe32(out, kPlaceableKey);
    putLe16(out, 0);
    putLe16(out, 0);
    putLe16(out, 0);
    putLe16(out, w);
    putLe16(out, h);
    putLe16(out, 96);
    putLe32(out, 0);
    uint16_t checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= le16(reinterpret_cast<const uint8_t *>(out.constData()) + 2 * i);
    putLe16(out, checksum);

    putLe16(out, 1); // in memory
    putLe16(out, 9);
    putLe16(out, 0x0300);
    putLe32(out, totalWords);
    putLe16(out, 0);
    putLe32(out, dibRecordWords);
    putLe16(out, 0);

    putLe32(out, 5);
    putLe16(out, MetaSetWindowOrg);
    putLe16(out, 0);
    putLe16(out, 0);
    putLe32(out, 5);
    putLe16(out, MetaSetWindowExt);
    putLe16(out, h);
    putLe16(out, w);

    putLe32(out, dibRecordWords);
    putLe16(out, MetaStretchDib);
    putLe32(out, kSrcCopy);
    putLe16(out, 0); // colours are RGB values
    for (int v : {h, w, 0, 0, h, w, 0, 0}) // source then destination, y before x
        putLe16(out, v);
    out.append(dib);
    if (dib.size() % 2)
        out.append('\0');

    putLe32(out, 3);
    putLe16(out, MetaEof);
    error = ImgOk;
    return true;
}

bool writeEmf(const RgbImage &img, QByteArray &out, int &error)
{
    out.clear();
    const QByteArray dib = img.isNull() ? QByteArray() : encodeDib(img);
    const int64_t recordBytes = 80 + ((dib.size() + 3) & ~qsizetype(3));
    const int64_t total = int64_t(kEmfHeaderSize) + recordBytes + 20;
    if (img.isNull() || total > 0xFFFFFFFFll) {
        error = ImgBadParameter;
        return false;
    }
    const int w = img.width(), h = img.height();
    putLe32(out, EmrHeader);
    putLe32(out, kEmfHeaderSize);
    for (int64_t v : {0, 0, w - 1, h - 1}) // bounds in pixels
        putLe32(out, v);
    for (int64_t v : {int64_t(0), int64_t(0), int64_t(w) * 2540 / 96 - 1, int64_t(h) * 2540 / 96 - 1})
        putLe32(out, v); // frame in 0.01 mm at 96 dots per inch
    putLe32(out, kEmfSignature);
    putLe32(out, 0x10000);
    putLe32(out, total);
    putLe32(out, 3); // records
    putLe16(out, 1); // handles
    putLe16(out, 0);
    putLe32(out, 0); // description
    putLe32(out, 0);
    putLe32(out, 0); // palette entries
    putLe32(out, 1920); // reference device: 1920 x 1080 pixels, 508 x 286 mm
    putLe32(out, 1080);
    putLe32(out, 508);
    putLe32(out, 286);

    putLe32(out, EmrStretchDiBits);
    putLe32(out, recordBytes);
    for (int64_t v : {0, 0, w - 1, h - 1})
        putLe32(out, v);
    for (int64_t v : {0, 0, 0, 0, w, h}) // xDest, yDest, xSrc, ySrc, cxSrc, cySrc
        putLe32(out, v);
    putLe32(out, 80);
    putLe32(out, 40);
    putLe32(out, 120);
    putLe32(out, dib.size() - 40);
    putLe32(out, 0);
    putLe32(out, kSrcCopy);
    putLe32(out, w);
    putLe32(out, h);
    out.append(dib);
    out.append(QByteArray(qsizetype(recordBytes - 80) - dib.size(), '\0'));

    putLe32(out, EmrEof);
    putLe32(out, 20);
    putLe32(out, 0);
    putLe32(out, 16);
    putLe32(out, 20);
    error = ImgOk;
    return true;
}

} // namespace gb
