#pragma once

#include "platform/imagelib/quantize.h"
#include "platform/imagelib/rgbimage.h"

#include <QByteArray>
#include <QString>

namespace gb {

// Writes img to fileName as the given image type (1..9; 0 takes it from the name's
// extension). The file is written to a temporary file beside the target and renamed over
// it only when complete, so a failed save leaves any old file as it was.
//   jpegQuality (1..100) and progressive: JPEG only.
//   pngValue: accepted for every caller's sake; PNG is always written losslessly.
//   colorCount: GIF is reduced to that many colours (0 or less: 256); TIFF is written with
//   an 8-bit palette of that many colours when it is 1..256, in 24 bits otherwise (and when
//   the reduction fails). Every other type is written in 24 bits.
// A type outside 1..9 (a ".jpeg" or ".psd" name with type 0, or type 10) writes nothing.
// Shows nothing; false on failure, with the reason in *errorText when given.
bool saveRgb2File(const RgbImage &img, const QString &fileName, int type, int jpegQuality,
                  bool progressive, double pngValue, int colorCount, QString *errorText = nullptr);

// The bytes saveRgb2File() would write, made in memory: runs over many files encode on
// their worker threads and write in list order. Same types, options and failures.
bool encodeRgb(const RgbImage &img, const QString &fileName, int type, int jpegQuality, bool progressive,
               int colorCount, QByteArray &bytes, QString *errorText = nullptr);
// The second half of saveRgb2File(): writes bytes that encodeRgb() made to fileName, through
// a temporary file beside it, with saveRgb2File()'s text for a failed write in *errorText.
// A run that encodes on a worker and checks for an abort before it writes uses the two halves.
bool saveEncodedImage(const QString &fileName, const QByteArray &bytes, QString *errorText = nullptr);

// Reduces img to an 8-bit image with a palette of at most colorCount colours (clamped to
// 2..256) through the image layer's one quantiser. A null result when img is null.
IndexedImage decreaseColorDepth(const RgbImage &img, int colorCount);

} // namespace gb
