#pragma once

#include "platform/imagelib/codec.h"

#include <cstddef>

struct jpeg_decompress_struct;

namespace gb {

// Decodes a large progressive YCbCr JPEG with its colour components side by side: each
// component's scans become a stream of their own (JpegComponentStreams), decoded by its
// own libjpeg decompressor on an idle worker where there is one (runTogether), and the
// planes are merged and converted to RGB with libjpeg's own arithmetic. The result is the
// very bytes libjpeg gives for the whole file.
//
// header is a decompressor that has read the file's header, with the output colour space,
// scale and upsampling chosen and jpeg_calc_output_dimensions() called; it is only read.
// Returns true with img set to its output_width x output_height picture, as stored (not
// turned upright). False, with img untouched, for a file this does not take (baseline,
// arithmetic-coded, not YCbCr, subsampling other than luminance-only up to 2x2, smoothed
// chroma upsampling between sizes that differ, a marker structure it does not carry over,
// a scan the plain decode would refuse), when a part fails, or when memory fails anywhere
// in it (nothing is thrown): the caller then decodes the plain way, which reports any fault.
//
// The caller holds the decode memory of the file, the coefficients and the picture, which
// the parts share out between them. What the split holds besides (the component planes and
// the re-coded DC scans; the streams are read from the file where they lie) is reserved
// here too, but only when there is room for it at once; otherwise the file goes the plain
// way.
bool decodeJpegSplit(ByteSpan file, const jpeg_decompress_struct &header, RgbImage &img);

// The decoders use this way for progressive files whose coefficients take at least this
// many bytes (32 MB unless set: about a 10-megapixel 4:4:4 or 16-megapixel 4:2:0 photo);
// below it the split (about 10 ms of copying and merging) costs more than it gains. Tests
// set 0 to send every file this way.
void setJpegSplitThreshold(size_t coefficientBytes);
size_t jpegSplitThreshold();
// How many decodes went this way since the process started (for tests).
size_t jpegSplitDecodeCount();

} // namespace gb
