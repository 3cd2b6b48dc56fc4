#include "platform/imagelib/quantize.h"

#include <algorithm>
#include <array>

namespace gb {

namespace {

uint32_t colourAt(const uint8_t *p)
{
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16);
}

// A small open-addressing set of colour numbers, used to find out whether an image has
// few enough colours to be kept exactly. It holds at most 256 + 1 colours, so 1024 slots
// keep probes short.
class SmallColourSet
{
public:
    static constexpr uint32_t kEmpty = 0xFFFFFFFFu; // no 24-bit colour has this number
    static constexpr int kSlots = 1024;

    SmallColourSet() { mSlots.fill(kEmpty); }

    // Adds a colour; returns the slot that holds it.
    int insert(uint32_t c)
    {
        int i = slotOf(c);
        while (mSlots[i] != kEmpty && mSlots[i] != c)
            i = (i + 1) & (kSlots - 1);
        if (mSlots[i] == kEmpty) {
            mSlots[i] = c;
            ++mCount;
        }
        return i;
    }
    int count() const { return mCount; }
    const std::array<uint32_t, kSlots> &slots() const { return mSlots; }

private:
    static int slotOf(uint32_t c) { return int((c * 2654435761u) >> 22); }

    std::array<uint32_t, kSlots> mSlots;
    int mCount = 0;
};

// Exact path: every distinct colour becomes a palette entry. Returns false (and leaves
// result alone) as soon as the image turns out to hold more than maxColors colours.
bool quantizeExact(const RgbImage &image, int maxColors, IndexedImage &result)
{
    SmallColourSet set;
    const uint8_t *p = image.data();
    const size_t n = image.pixelCount();
    uint32_t last = SmallColourSet::kEmpty;
    for (size_t i = 0; i < n; ++i, p += 3) {
        const uint32_t c = colourAt(p);
        if (c == last)
            continue;
        last = c;
        set.insert(c);
        if (set.count() > maxColors)
            return false;
    }

    std::vector<uint32_t> palette;
    for (uint32_t c : set.slots())
        if (c != SmallColourSet::kEmpty)
            palette.push_back(c);
    std::sort(palette.begin(), palette.end());
    std::array<uint8_t, SmallColourSet::kSlots> indexOfSlot{};
    SmallColourSet lookup; // same insertion gives the same slots; map slot -> palette index
    for (size_t i = 0; i < palette.size(); ++i)
        indexOfSlot[lookup.insert(palette[i])] = uint8_t(i);

    result.palette = std::move(palette);
    result.indices.resize(n);
    p = image.data();
    last = SmallColourSet::kEmpty;
    uint8_t lastIndex = 0;
    for (size_t i = 0; i < n; ++i, p += 3) {
        const uint32_t c = colourAt(p);
        if (c != last) {
            last = c;
            lastIndex = indexOfSlot[lookup.insert(c)];
        }
        result.indices[i] = lastIndex;
    }
    return true;
}

// Histogram precision: 6 bits per channel keeps colours apart well enough for 256 entries
// while the whole histogram (2^18 bins) stays a few megabytes.
constexpr int kBits = 6;
constexpr int kShift = 8 - kBits;
constexpr int kSide = 1 << kBits;
constexpr int kBins = kSide * kSide * kSide;

int binOf(const uint8_t *p)
{
    return ((p[0] >> kShift) << (2 * kBits)) | ((p[1] >> kShift) << kBits) | (p[2] >> kShift);
}

struct Bin {
    uint64_t count = 0;
    uint64_t sum[3] = {0, 0, 0};
};

// One occupied histogram bin, as the median cut sorts and splits them.
struct Cell {
    uint8_t pos[3];
    uint64_t count;
    int bin;
};

struct Box {
    size_t begin, end; // range of cells
    uint64_t count = 0;
    uint8_t lo[3], hi[3];

    int longestAxis() const
    {
        int axis = 0;
        for (int a = 1; a < 3; ++a)
            if (hi[a] - lo[a] > hi[axis] - lo[axis])
                axis = a;
        return axis;
    }
    int extent() const { return hi[longestAxis()] - lo[longestAxis()]; }
};

Box makeBox(const std::vector<Cell> &cells, size_t begin, size_t end)
{
    Box b{begin, end, 0, {255, 255, 255}, {0, 0, 0}};
    for (size_t i = begin; i < end; ++i) {
        b.count += cells[i].count;
        for (int a = 0; a < 3; ++a) {
            b.lo[a] = std::min(b.lo[a], cells[i].pos[a]);
            b.hi[a] = std::max(b.hi[a], cells[i].pos[a]);
        }
    }
    return b;
}

// Splits the box in two along its longest side, at the median of its pixel population.
std::pair<Box, Box> splitBox(std::vector<Cell> &cells, const Box &box)
{
    const int axis = box.longestAxis();
    std::sort(cells.begin() + box.begin, cells.begin() + box.end,
              [axis](const Cell &x, const Cell &y) { return x.pos[axis] < y.pos[axis]; });
    uint64_t acc = 0;
    size_t cut = box.begin + 1;
    for (size_t i = box.begin; i < box.end - 1; ++i) {
        acc += cells[i].count;
        cut = i + 1;
        if (acc * 2 >= box.count)
            break;
    }
    return {makeBox(cells, box.begin, cut), makeBox(cells, cut, box.end)};
}

void quantizeMedianCut(const RgbImage &image, int maxColors, IndexedImage &result)
{
    std::vector<Bin> bins(kBins);
    const uint8_t *p = image.data();
    const size_t n = image.pixelCount();
    for (size_t i = 0; i < n; ++i, p += 3) {
        Bin &b = bins[binOf(p)];
        ++b.count;
        b.sum[0] += p[0];
        b.sum[1] += p[1];
        b.sum[2] += p[2];
    }

    std::vector<Cell> cells;
    for (int i = 0; i < kBins; ++i) {
        if (bins[i].count)
            cells.push_back({{uint8_t(i >> (2 * kBits)), uint8_t((i >> kBits) & (kSide - 1)),
                              uint8_t(i & (kSide - 1))},
                             bins[i].count, i});
    }

    // Split the box that has the most pixels spread over the widest range, until there
    // are maxColors boxes or no box has two cells left.
    std::vector<Box> boxes{makeBox(cells, 0, cells.size())};
    while (int(boxes.size()) < maxColors) {
        int best = -1;
        uint64_t bestScore = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].end - boxes[i].begin < 2)
                continue;
            const uint64_t score = boxes[i].count * uint64_t(boxes[i].extent() + 1);
            if (best < 0 || score > bestScore) {
                best = int(i);
                bestScore = score;
            }
        }
        if (best < 0)
            break;
        auto halves = splitBox(cells, boxes[best]);
        boxes[best] = halves.first;
        boxes.push_back(halves.second);
    }

    // Each palette entry is the mean colour of the pixels in its box.
    std::vector<std::array<int, 3>> rgb;
    for (const Box &box : boxes) {
        uint64_t sum[3] = {0, 0, 0};
        for (size_t i = box.begin; i < box.end; ++i)
            for (int a = 0; a < 3; ++a)
                sum[a] += bins[cells[i].bin].sum[a];
        std::array<int, 3> c;
        for (int a = 0; a < 3; ++a)
            c[a] = int((sum[a] + box.count / 2) / box.count);
        rgb.push_back(c);
        result.palette.push_back(uint32_t(c[0]) | (uint32_t(c[1]) << 8) | (uint32_t(c[2]) << 16));
    }

    // Every occupied bin maps to the palette entry nearest its own mean colour, which is
    // closer than the entry of the box it fell into when a box is long and thin.
    std::vector<uint8_t> lut(kBins, 0);
    for (const Cell &cell : cells) {
        const Bin &b = bins[cell.bin];
        int mean[3];
        for (int a = 0; a < 3; ++a)
            mean[a] = int((b.sum[a] + b.count / 2) / b.count);
        int bestIndex = 0;
        int bestDist = INT32_MAX;
        for (size_t k = 0; k < rgb.size(); ++k) {
            const int dr = mean[0] - rgb[k][0], dg = mean[1] - rgb[k][1], db = mean[2] - rgb[k][2];
            const int d = dr * dr + dg * dg + db * db;
            if (d < bestDist) {
                bestDist = d;
                bestIndex = int(k);
            }
        }
        lut[cell.bin] = uint8_t(bestIndex);
    }

    result.indices.resize(n);
    p = image.data();
    for (size_t i = 0; i < n; ++i, p += 3)
        result.indices[i] = lut[binOf(p)];
}

} // namespace

IndexedImage quantize(const RgbImage &image, int maxColors)
{
    IndexedImage result;
    if (image.isNull())
        return result;
    maxColors = std::clamp(maxColors, 1, 256);
    result.width = image.width();
    result.height = image.height();
    if (!quantizeExact(image, maxColors, result))
        quantizeMedianCut(image, maxColors, result);
    return result;
}

RgbImage expand(const IndexedImage &image)
{
    if (image.isNull() || image.indices.size() < size_t(image.width) * size_t(image.height))
        return RgbImage();
    RgbImage out = RgbImage::create(image.width, image.height);
    if (out.isNull())
        return out;
    std::array<uint32_t, 256> colours{}; // entries past the palette stay black
    std::copy_n(image.palette.begin(), std::min<size_t>(image.palette.size(), 256), colours.begin());
    uint8_t *p = out.data();
    const size_t n = out.pixelCount();
    for (size_t i = 0; i < n; ++i, p += 3) {
        const uint32_t c = colours[image.indices[i]];
        p[0] = uint8_t(c);
        p[1] = uint8_t(c >> 8);
        p[2] = uint8_t(c >> 16);
    }
    return out;
}

} // namespace gb
