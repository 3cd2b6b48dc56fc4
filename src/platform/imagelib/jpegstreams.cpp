#include "platform/imagelib/jpegstreams.h"
#include "platform/imagelib/largememory.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <deque>
#include <vector>

namespace gb {

namespace {

constexpr int kSOF2 = 0xC2, kDHT = 0xC4, kRST0 = 0xD0, kSOI = 0xD8, kEOI = 0xD9, kSOS = 0xDA,
              kDQT = 0xDB, kDRI = 0xDD, kAPP0 = 0xE0, kAPP15 = 0xEF, kCOM = 0xFE;
// libjpeg refuses pictures past this side, and a component's stream declares its whole blocks.
constexpr int kMaxSide = 65500;

struct HuffTable
{
    bool defined = false;
    std::array<uint8_t, 16> bits{}; // how many codes of each length, 1 to 16
    std::array<uint8_t, 256> vals{};
    int count = 0;
};

// Annex K.3's table for luminance DC differences, which codes categories 0 to 11: every
// difference of two DC values of 8-bit samples.
HuffTable standardDcTable()
{
    HuffTable t;
    t.defined = true;
    t.bits = {0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0};
    t.count = 12;
    for (int i = 0; i < 12; ++i)
        t.vals[size_t(i)] = uint8_t(i);
    return t;
}

// Reads entropy-coded bytes of one restart interval, whose end is the marker that follows it;
// a stuffed 0xFF 0x00 (after any fill bytes) is one 0xFF of data. Reading past the end is a
// fault here: libjpeg would go on with zero bits, which only a damaged file asks for.
class BitReader
{
public:
    BitReader(const uint8_t *p, const uint8_t *end) : mP(p), mEnd(end) {}

    bool bits(int n, int &value)
    {
        while (mCount < n) {
            if (mP >= mEnd)
                return false;
            const uint8_t c = *mP++;
            if (c == 0xFF) {
                while (*mP == 0xFF)
                    ++mP;
                ++mP; // the stuffed zero, which the interval's bounds guarantee
            }
            mBuffer = (mBuffer << 8) | c;
            mCount += 8;
        }
        mCount -= n;
        value = int((mBuffer >> mCount) & ((1u << n) - 1));
        return true;
    }

private:
    const uint8_t *mP, *mEnd;
    uint64_t mBuffer = 0;
    int mCount = 0;
};

// Canonical Huffman decoding the simple way (F.2.2.3): the DC scans decoded here are a small
// part of a file. build() refuses what libjpeg refuses when it builds its own tables.
class HuffDecoder
{
public:
    bool build(const HuffTable &t, bool dc)
    {
        if (!t.defined)
            return false;
        mTable = &t;
        int32_t code = 0;
        int p = 0;
        for (int l = 1; l <= 16; ++l) {
            const int n = t.bits[size_t(l - 1)];
            mValOffset[l] = p - code;
            mMaxCode[l] = n ? code + n - 1 : -1;
            p += n;
            code += n;
            if (code >= (int32_t(1) << l))
                return false;
            code <<= 1;
        }
        if (dc)
            for (int i = 0; i < t.count; ++i)
                if (t.vals[size_t(i)] > 15)
                    return false;
        return true;
    }

    bool decode(BitReader &br, int &symbol) const
    {
        int32_t code = 0;
        for (int l = 1; l <= 16; ++l) {
            int b = 0;
            if (!br.bits(1, b))
                return false;
            code = (code << 1) | b;
            if (code <= mMaxCode[l]) {
                symbol = mTable->vals[size_t(code + mValOffset[l])];
                return true;
            }
        }
        return false;
    }

private:
    const HuffTable *mTable = nullptr;
    int32_t mMaxCode[17] = {};
    int32_t mValOffset[17] = {};
};

// Writes entropy-coded bytes: 0xFF is stuffed, the last byte is padded with 1-bits.
class BitWriter
{
public:
    explicit BitWriter(std::vector<uint8_t> &out) : mOut(out) {}

    void put(uint32_t value, int n)
    {
        mBuffer = (mBuffer << n) | (value & ((uint32_t(1) << n) - 1));
        mCount += n;
        while (mCount >= 8) {
            mCount -= 8;
            const uint8_t byte = uint8_t(mBuffer >> mCount);
            mOut.push_back(byte);
            if (byte == 0xFF)
                mOut.push_back(0);
        }
    }

    void flush()
    {
        if (mCount > 0)
            put(0xFF, 8 - mCount);
    }

private:
    std::vector<uint8_t> &mOut;
    uint64_t mBuffer = 0;
    int mCount = 0;
};

// The codes of a table for writing, by symbol.
struct HuffEncoder
{
    std::array<uint16_t, 256> code{};
    std::array<uint8_t, 256> length{};

    explicit HuffEncoder(const HuffTable &t)
    {
        uint32_t c = 0;
        int p = 0;
        for (int l = 1; l <= 16; ++l) {
            for (int i = 0; i < t.bits[size_t(l - 1)]; ++i, ++p, ++c) {
                code[t.vals[size_t(p)]] = uint16_t(c);
                length[t.vals[size_t(p)]] = uint8_t(l);
            }
            c <<= 1;
        }
    }
};

struct Component
{
    int id = 0, h = 1, v = 1, tq = 0;
    int blocksW = 0, blocksH = 0;
    // What libjpeg calls coef_bits: the point transform still owed on each coefficient,
    // -1 before its first scan.
    std::array<int, 64> owed;
};

struct Restart
{
    size_t markerAt; // the first 0xFF before the marker
    size_t after;    // the first byte after it
};

void appendMarker(std::vector<uint8_t> &out, int marker, size_t length)
{
    out.push_back(0xFF);
    out.push_back(uint8_t(marker));
    out.push_back(uint8_t(length >> 8));
    out.push_back(uint8_t(length));
}

void appendDht(std::vector<uint8_t> &out, const HuffTable &t, int slot)
{
    appendMarker(out, kDHT, 2 + 1 + 16 + size_t(t.count));
    out.push_back(uint8_t(slot));
    out.insert(out.end(), t.bits.begin(), t.bits.end());
    out.insert(out.end(), t.vals.begin(), t.vals.begin() + t.count);
}

int category(int32_t diff)
{
    uint32_t a = uint32_t(diff < 0 ? -int64_t(diff) : diff);
    int n = 0;
    for (; a; a >>= 1)
        ++n;
    return n;
}

// The whole walk over one file; split() keeps its streams.
class Splitter
{
public:
    explicit Splitter(ByteSpan file) : f(file.data), size(file.size) {}

    bool run();
    // The pieces of component c's stream, in order: SOI, the quantisation tables, a frame of
    // this component alone over its whole blocks (written into sof), then its scans with the
    // file's Huffman tables and restart intervals, EOI.
    std::vector<ByteSpan> streamOf(int c, uint8_t (&sof)[13]) const;

    std::vector<Component> comps;
    std::vector<ByteSpan> tables[3], body[3];
    std::deque<std::vector<uint8_t>> made; // re-coded scans and tables the pieces point into

private:
    bool readDht(const uint8_t *seg, size_t len);
    bool readSof(const uint8_t *seg, size_t len);
    bool readScan(size_t markerAt, const uint8_t *seg, size_t len, size_t &pos);
    bool recodeDcScan(const int *scanComps, const int *dcSlots, int ns, int ah, int al, size_t dataStart, size_t dataEnd,
                      const std::vector<Restart> &restarts);

    const uint8_t *f;
    size_t size;
    bool sawFrame = false;
    int scans = 0;
    int restartInterval = 0;
    int maxH = 1, maxV = 1;
    int mcusX = 0, mcusY = 0; // of a scan of several components
    HuffTable dc[4], ac[4];
};

bool Splitter::run()
{
    if (size < 4 || f[0] != 0xFF || f[1] != kSOI)
        return false;
    size_t pos = 2;
    for (;;) {
        if (pos >= size || f[pos] != 0xFF)
            return false;
        while (pos < size && f[pos] == 0xFF)
            ++pos;
        if (pos >= size)
            return false;
        const size_t markerAt = pos - 1;
        const int marker = f[pos++];
        if (marker == kEOI)
            break;
        if (pos + 2 > size)
            return false;
        const size_t len = size_t(f[pos]) << 8 | f[pos + 1];
        if (len < 2 || len > size - pos)
            return false;
        const uint8_t *seg = f + pos + 2;
        const size_t segLen = len - 2;
        const ByteSpan whole{f + markerAt, pos + len - markerAt};
        pos += len;
        allocationCheckpoint(); // the lists of pieces grow
        if (marker == kDQT) {
            // A component's tables are fixed at its first scan; the streams give them all first.
            if (scans > 0)
                return false;
            for (auto &t : tables)
                t.push_back(whole);
        } else if (marker == kDHT || marker == kDRI) {
            if (marker == kDHT && !readDht(seg, segLen))
                return false;
            if (marker == kDRI) {
                if (segLen != 2)
                    return false;
                restartInterval = seg[0] << 8 | seg[1];
            }
            for (auto &b : body)
                b.push_back(whole);
        } else if (marker == kSOF2) {
            if (sawFrame || !readSof(seg, segLen))
                return false;
            sawFrame = true;
        } else if (marker == kSOS) {
            if (!sawFrame || !readScan(markerAt, seg, segLen, pos))
                return false;
            ++scans;
        } else if (!((marker >= kAPP0 && marker <= kAPP15) || marker == kCOM)) {
            // Another frame type, arithmetic coding, DNL, a restart outside a scan, a marker
            // libjpeg does not know: the plain decode deals with them.
            return false;
        }
    }
    if (!sawFrame || scans == 0)
        return false;
    for (const Component &c : comps)
        for (int owed : c.owed)
            if (owed != 0)
                return false;
    return true;
}

bool Splitter::readDht(const uint8_t *seg, size_t len)
{
    while (len > 0) {
        if (len < 17)
            return false;
        int index = seg[0];
        const bool isAc = index & 0x10;
        index -= isAc ? 0x10 : 0;
        if (index < 0 || index >= 4)
            return false;
        HuffTable t;
        t.defined = true;
        for (int i = 0; i < 16; ++i) {
            t.bits[size_t(i)] = seg[1 + i];
            t.count += seg[1 + i];
        }
        if (t.count > 256 || size_t(t.count) > len - 17)
            return false;
        memcpy(t.vals.data(), seg + 17, size_t(t.count));
        (isAc ? ac : dc)[index] = t;
        seg += 17 + t.count;
        len -= 17 + size_t(t.count);
    }
    return true;
}

bool Splitter::readSof(const uint8_t *seg, size_t len)
{
    if (len != 6 + 3 * 3 || seg[0] != 8 || seg[5] != 3)
        return false;
    const int height = seg[1] << 8 | seg[2], width = seg[3] << 8 | seg[4];
    if (height == 0 || width == 0) // a height given by DNL
        return false;
    for (int i = 0; i < 3; ++i) {
        Component c;
        c.id = seg[6 + 3 * i];
        c.h = seg[7 + 3 * i] >> 4;
        c.v = seg[7 + 3 * i] & 15;
        c.tq = seg[8 + 3 * i];
        c.owed.fill(-1);
        if (c.h < 1 || c.h > 4 || c.v < 1 || c.v > 4 || c.tq > 3)
            return false;
        for (const Component &o : comps)
            if (o.id == c.id)
                return false;
        maxH = std::max(maxH, c.h);
        maxV = std::max(maxV, c.v);
        comps.push_back(c);
    }
    for (Component &c : comps) {
        const int64_t w = (int64_t(width) * c.h + maxH - 1) / maxH, h = (int64_t(height) * c.v + maxV - 1) / maxV;
        c.blocksW = int((w + 7) / 8);
        c.blocksH = int((h + 7) / 8);
        if (c.blocksW * 8 > kMaxSide || c.blocksH * 8 > kMaxSide)
            return false;
    }
    mcusX = (width + 8 * maxH - 1) / (8 * maxH);
    mcusY = (height + 8 * maxV - 1) / (8 * maxV);
    return true;
}

bool Splitter::readScan(size_t markerAt, const uint8_t *seg, size_t len, size_t &pos)
{
    if (len < 1)
        return false;
    const int ns = seg[0];
    if (ns < 1 || ns > 3 || len != size_t(1 + 2 * ns + 3))
        return false;
    int scanComps[3] = {}, dcSlots[3] = {}, acSlots[3] = {};
    for (int i = 0; i < ns; ++i) {
        int k = 0;
        while (k < 3 && comps[size_t(k)].id != seg[1 + 2 * i])
            ++k;
        // The components of a scan of several come in the frame's order. libjpeg refuses
        // most other orders ("Invalid component ID"), and the plain decode has the last word on
        // those; repeats are refused with them.
        if (k == 3 || (i > 0 && k <= scanComps[i - 1]))
            return false;
        scanComps[i] = k;
        dcSlots[i] = seg[2 + 2 * i] >> 4;
        acSlots[i] = seg[2 + 2 * i] & 15;
    }
    const int ss = seg[1 + 2 * ns], se = seg[2 + 2 * ns], ah = seg[3 + 2 * ns] >> 4, al = seg[3 + 2 * ns] & 15;
    // libjpeg's checks of a progressive scan; the ones it only warns about count here too,
    // as do the tables a scan needs, which libjpeg would make up when none was given.
    const bool dcBand = ss == 0;
    if ((dcBand && se != 0) || (!dcBand && (ss > se || se > 63 || ns != 1)) || (ah != 0 && al != ah - 1) || al > 13)
        return false;
    for (int i = 0; i < ns; ++i) {
        std::array<int, 64> &owed = comps[size_t(scanComps[i])].owed;
        if (!dcBand && owed[0] < 0)
            return false;
        for (int k = ss; k <= se; ++k) {
            if (ah != std::max(0, owed[size_t(k)]))
                return false;
            owed[size_t(k)] = al;
        }
        if (dcBand && ah == 0 && (dcSlots[i] > 3 || !dc[dcSlots[i]].defined))
            return false;
        if (!dcBand && (acSlots[i] > 3 || !ac[acSlots[i]].defined))
            return false;
    }
    int blocksPerMcu = 0;
    for (int i = 0; i < ns; ++i)
        blocksPerMcu += comps[size_t(scanComps[i])].h * comps[size_t(scanComps[i])].v;
    if (ns > 1 && blocksPerMcu > 10)
        return false;

    // The entropy-coded data runs to the first marker other than a restart.
    const size_t dataStart = pos;
    std::vector<Restart> restarts;
    size_t dataEnd = 0;
    for (;;) {
        const void *ff = memchr(f + pos, 0xFF, size - pos);
        if (!ff)
            return false;
        const size_t at = size_t(static_cast<const uint8_t *>(ff) - f);
        size_t next = at + 1;
        while (next < size && f[next] == 0xFF)
            ++next;
        if (next >= size)
            return false;
        const int c = f[next];
        if (c == 0) {
            pos = next + 1;
        } else if (c >= kRST0 && c <= kRST0 + 7) {
            if (c != kRST0 + int(restarts.size() % 8))
                return false;
            restarts.push_back({at, next + 1});
            pos = next + 1;
        } else {
            dataEnd = at;
            pos = at;
            break;
        }
    }
    const int64_t mcus = ns == 1 ? int64_t(comps[size_t(scanComps[0])].blocksW) * comps[size_t(scanComps[0])].blocksH
                                 : int64_t(mcusX) * mcusY;
    const int64_t intervals = restartInterval ? (mcus + restartInterval - 1) / restartInterval : 1;
    if (int64_t(restarts.size()) != intervals - 1)
        return false;

    if (ns == 1) {
        body[scanComps[0]].push_back({f + markerAt, dataEnd - markerAt});
        return true;
    }
    return recodeDcScan(scanComps, dcSlots, ns, ah, al, dataStart, dataEnd, restarts);
}

// Decodes a DC scan of several components in its order (MCU by MCU, each MCU holding h x v
// blocks of every component, padding blocks past a component's edge included), then codes
// each component's blocks alone in raster order, as a scan of that component only.
bool Splitter::recodeDcScan(const int *scanComps, const int *dcSlots, int ns, int ah, int al, size_t dataStart,
                            size_t dataEnd, const std::vector<Restart> &restarts)
{
    HuffDecoder decoders[3];
    if (ah == 0)
        for (int i = 0; i < ns; ++i)
            if (!decoders[i].build(dc[dcSlots[i]], true))
                return false;
    // Each component's DC values in raster order, in one zeroed buffer for all (the padding
    // blocks of an MCU past a component's edge are not kept). A large photo's are mapped
    // whole and go back to the system at once, where smaller ones would stay in this
    // thread's heap.
    size_t counts[3] = {};
    size_t total = 0;
    for (int i = 0; i < ns; ++i) {
        const Component &c = comps[size_t(scanComps[i])];
        counts[i] = size_t(c.blocksW) * size_t(c.blocksH);
        total += counts[i];
    }
    LargeBuffer valueMemory(total * sizeof(int32_t));
    if (!valueMemory)
        return false;
    memset(valueMemory.data(), 0, valueMemory.size());
    int32_t *values[3] = {};
    for (int i = 0; i < ns; ++i)
        values[i] = i == 0 ? reinterpret_cast<int32_t *>(valueMemory.data()) : values[i - 1] + counts[i - 1];

    const int64_t mcus = int64_t(mcusX) * mcusY;
    int64_t pred[3] = {};
    BitReader br(f + dataStart, f + (restarts.empty() ? dataEnd : restarts[0].markerAt));
    for (int64_t m = 0; m < mcus; ++m) {
        if (restartInterval && m > 0 && m % restartInterval == 0) {
            const size_t k = size_t(m / restartInterval);
            br = BitReader(f + restarts[k - 1].after, f + (k < restarts.size() ? restarts[k].markerAt : dataEnd));
            pred[0] = pred[1] = pred[2] = 0;
        }
        const int64_t mx = m % mcusX, my = m / mcusX;
        for (int i = 0; i < ns; ++i) {
            const Component &c = comps[size_t(scanComps[i])];
            for (int by = 0; by < c.v; ++by) {
                for (int bx = 0; bx < c.h; ++bx) {
                    int value = 0;
                    if (ah == 0) {
                        int s = 0;
                        if (!decoders[i].decode(br, s))
                            return false;
                        int32_t diff = 0;
                        if (s) {
                            int r = 0;
                            if (!br.bits(s, r))
                                return false;
                            diff = r < (1 << (s - 1)) ? r - (1 << s) + 1 : r;
                        }
                        pred[i] += diff;
                        // libjpeg refuses a value past an int
                        if (pred[i] > INT32_MAX || pred[i] < INT32_MIN)
                            return false;
                        value = int(pred[i]);
                    } else if (!br.bits(1, value)) {
                        return false;
                    }
                    const int64_t col = mx * c.h + bx, row = my * c.v + by;
                    if (col < c.blocksW && row < c.blocksH)
                        values[i][size_t(row * c.blocksW + col)] = value;
                }
            }
        }
    }

    static const HuffTable kTable = standardDcTable();
    static const HuffEncoder kCodes(kTable);
    for (int i = 0; i < ns; ++i) {
        const Component &c = comps[size_t(scanComps[i])];
        allocationCheckpoint();
        std::vector<uint8_t> &out = made.emplace_back();
        out.reserve(counts[i] + 64);
        // The scan's own table goes into DC slot 0 and the file's is put back after it:
        // later first DC scans copied from the file may use that slot.
        if (ah == 0)
            appendDht(out, kTable, 0);
        appendMarker(out, kSOS, 8);
        out.insert(out.end(), {1, uint8_t(c.id), 0x00, 0, 0, uint8_t(ah << 4 | al)});
        BitWriter bw(out);
        int32_t last = 0;
        int restartsMade = 0;
        const size_t n = counts[i];
        for (size_t b = 0; b < n; ++b) {
            if (restartInterval && b > 0 && b % size_t(restartInterval) == 0) {
                bw.flush();
                out.push_back(0xFF);
                out.push_back(uint8_t(kRST0 + restartsMade++ % 8));
                last = 0;
            }
            const int32_t value = values[i][b];
            if (ah != 0) {
                bw.put(uint32_t(value), 1);
                continue;
            }
            const int32_t diff = value - last;
            last = value;
            const int cat = category(diff);
            if (cat > 11)
                return false;
            bw.put(kCodes.code[size_t(cat)], kCodes.length[size_t(cat)]);
            if (cat)
                bw.put(uint32_t(diff < 0 ? diff - 1 : diff), cat);
        }
        bw.flush();
        if (ah == 0 && dc[0].defined)
            appendDht(out, dc[0], 0);
        body[scanComps[i]].push_back({out.data(), out.size()});
    }
    return true;
}

std::vector<ByteSpan> Splitter::streamOf(int c, uint8_t (&sof)[13]) const
{
    static const uint8_t soi[] = {0xFF, uint8_t(kSOI)}, eoi[] = {0xFF, uint8_t(kEOI)};
    const Component &comp = comps[size_t(c)];
    const uint8_t frame[13] = {0xFF,
                               uint8_t(kSOF2),
                               0,
                               11,
                               8,
                               uint8_t(comp.blocksH * 8 >> 8),
                               uint8_t(comp.blocksH * 8),
                               uint8_t(comp.blocksW * 8 >> 8),
                               uint8_t(comp.blocksW * 8),
                               1,
                               uint8_t(comp.id),
                               0x11,
                               uint8_t(comp.tq)};
    std::copy(std::begin(frame), std::end(frame), sof);
    allocationCheckpoint();
    std::vector<ByteSpan> pieces{{soi, 2}};
    pieces.insert(pieces.end(), tables[c].begin(), tables[c].end());
    pieces.push_back({sof, sizeof sof});
    pieces.insert(pieces.end(), body[c].begin(), body[c].end());
    pieces.push_back({eoi, 2});
    return pieces;
}

} // namespace

struct JpegComponentStreams::Data
{
    explicit Data(ByteSpan file) : plan(file) {}

    Splitter plan; // holds the re-coded scans the streams point into
    uint8_t sof[3][13];
    Stream streams[3];
};

JpegComponentStreams::JpegComponentStreams() = default;
JpegComponentStreams::~JpegComponentStreams() = default;

int JpegComponentStreams::count() const
{
    return d ? 3 : 0;
}

const JpegComponentStreams::Stream &JpegComponentStreams::stream(int component) const
{
    return d->streams[component];
}

size_t JpegComponentStreams::footprint() const
{
    size_t bytes = 0;
    if (d)
        for (const std::vector<uint8_t> &made : d->plan.made)
            bytes += made.capacity();
    return bytes;
}

bool JpegComponentStreams::split(ByteSpan file)
{
    d.reset();
    if (!file.data)
        return false;
    allocationCheckpoint();
    auto data = std::make_unique<Data>(file);
    if (!data->plan.run())
        return false;
    for (int c = 0; c < 3; ++c) {
        const Component &comp = data->plan.comps[size_t(c)];
        Stream &s = data->streams[c];
        s.blocksW = comp.blocksW;
        s.blocksH = comp.blocksH;
        s.h = comp.h;
        s.v = comp.v;
        s.pieces = data->plan.streamOf(c, data->sof[c]);
    }
    d = std::move(data);
    return true;
}

} // namespace gb
