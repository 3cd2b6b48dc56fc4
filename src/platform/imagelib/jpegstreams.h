#pragma once

#include "platform/imagelib/codec.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace gb {

// A progressive JPEG cut into one progressive stream per colour component, each a JPEG file
// of its own that libjpeg decodes as a greyscale picture. The AC scans of a progressive
// file hold one component each and are taken as they stand; its DC scans may interleave
// the components, and those are decoded and coded again for each component alone. A
// stream is a list of pieces, most of them in the file itself, so that it costs no copy of
// the file: only the re-coded DC scans are held here (a few bytes a block), and the file
// must stay while the streams are read. A component's stream declares its whole 8x8
// blocks as the picture (blocksW x blocksH), so its decode holds every sample the transform
// gives for the edge blocks, as the decode of the whole file does. Memory its lists cannot
// have throws std::bad_alloc out of split().
class JpegComponentStreams
{
public:
    struct Stream
    {
        int blocksW = 0, blocksH = 0; // the component's blocks across and down
        int h = 1, v = 1;             // its sampling factors in the file
        std::vector<ByteSpan> pieces; // its bytes, in order
    };

    JpegComponentStreams();
    ~JpegComponentStreams();
    JpegComponentStreams(const JpegComponentStreams &) = delete;
    JpegComponentStreams &operator=(const JpegComponentStreams &) = delete;

    // Reads the whole marker structure of a progressive (SOF2, Huffman-coded) 8-bit file of
    // three components and builds the streams. False, with nothing kept, on anything this
    // cannot carry over unchanged: another frame type, a table redefined after the first
    // scan, a scan of several components out of the frame's order, a scan cut short or
    // coded wrongly, restart markers out of sequence, a scan script that leaves coefficients
    // unfinished (libjpeg then smooths the blocks, and whether it does depends on every
    // component at once), a missing end marker. Such a file is left to the plain decode,
    // which reports its faults.
    bool split(ByteSpan file);

    // What the streams hold of their own (the re-coded scans), in bytes.
    size_t footprint() const;
    int count() const;
    const Stream &stream(int component) const;

private:
    struct Data;
    std::unique_ptr<Data> d;
};

} // namespace gb
