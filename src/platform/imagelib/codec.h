#pragma once

// The contract every codec of the image layer keeps. Each format lives in its own
// xxxcodec.h/.cpp and offers, in namespace gb:
//
//   RgbImage readXxx(ByteSpan file, int &error);
//       Decodes the first image of the file into a 24-bit RGB buffer. On failure returns a
//       null image and sets error to an ImgLibError code; on success sets error to ImgOk.
//       Readers take the whole file in memory, check every offset and count against
//       file.size, and refuse (before allocating) an image over kMaxReadPixels or one whose
//       header claims more pixels than the file can hold (ImgOutOfMemory for the former,
//       the format's "bad file" code for the latter).
//       A reader that can decode at a reduced scale takes an extra "fit box" hint:
//           RgbImage readXxx(ByteSpan file, int &error, int fitW, int fitH);
//       0 = no hint. The hint only allows a smaller decode, never one smaller than twice
//       the box on either side; callers still fit the result themselves.
//
//   bool readXxxDims(ByteSpan file, int &width, int &height, int &bits, int &error);
//       Reads only the header (where the format has one): full-image width and height, and
//       bits per pixel as stored (1, 4, 8, 16, 24, 32). Same error rules as the reader.
//
//   bool writeXxx(const RgbImage &img, QByteArray &out, int &error /*, format options */);
//       Encodes into out (replaced). Returns false and sets error on failure; out is then
//       unspecified. Writers never touch files: image/ writes the bytes to a temporary
//       file beside the target and renames it over the target only on success.
//
// imagelib.h dispatches on the file type: guessFileType() by content signature, and
// read/dims/write by type. Nothing outside src/platform/imagelib/ calls a codec library.

#include "platform/imagelib/imglibtypes.h"
#include "platform/imagelib/rgbimage.h"

#include <QByteArray>

namespace gb {

// A view of a QByteArray as reader input (no copy; the array must outlive the span).
inline ByteSpan byteSpan(const QByteArray &bytes)
{
    return ByteSpan{reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size())};
}

// The little-endian numbers of the Windows formats, from bytes the caller has checked are there.
inline uint16_t le16(const uint8_t *p) { return uint16_t(p[0] | (p[1] << 8)); }
inline uint32_t le32(const uint8_t *p)
{
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

// True when a header's width x height (each positive) is allowed to be allocated.
inline bool pixelCountAllowed(int64_t width, int64_t height)
{
    return width > 0 && height > 0 && width <= kMaxReadPixels && height <= kMaxReadPixels
        && width * height <= kMaxReadPixels;
}

} // namespace gb
