#pragma once

#include "platform/imagelib/codec.h"

namespace gb {

// JPEG through libjpeg-turbo.

// Decodes a baseline, progressive or arithmetic-coded JPEG (greyscale, YCbCr, RGB, CMYK or
// YCCK) into RGB. fitW x fitH (0 = none) is the box the caller will fit the image into:
// when the image is more than twice the box on both sides, the decoder's reduced scales
// (1/2, 1/4, 1/8) are used, never going below twice the fitted size, so the result is then
// smaller than the image's real size (readJpegDims() still gives the real one).
// A file that ends before its last scan is refused (ImgBadJpg), not shown half grey.
RgbImage readJpeg(ByteSpan file, int &error, int fitW = 0, int fitH = 0);

// Width, height and bits (8 for greyscale, 24 for colour, 32 for CMYK) from the header.
bool readJpegDims(ByteSpan file, int &width, int &height, int &bits, int &error);

// The memory a decode of the file at path holds for its whole run besides its output: the
// coefficients of a progressive file (0 for a single-scan file, or for one that is not a
// JPEG or cannot be read). Reads the header only.
size_t jpegCoefficientMemory(const char *path);

// Encodes with quality 1..100 (values outside are clamped; 0 counts as 1), 4:2:0 chroma,
// optionally progressive.
bool writeJpeg(const RgbImage &img, QByteArray &out, int &error, int quality, bool progressive);

// The scale denominator (1, 2, 4 or 8) readJpeg() uses for an image of width x height
// fitted into fitW x fitH: the largest whose scaled size stays at least twice the fitted
// size on both sides.
int jpegScaleDenominator(int width, int height, int fitW, int fitH);

// For pictures shown at about their fitted size (the full-screen view): decodes at the
// smallest of the decoder's scales M/8 (1 <= M <= 8) whose output still covers the image
// fitted into fitW x fitH, so the caller only averages it down a little. The decoder's
// scaled transform filters as it shrinks, so nothing aliases.
RgbImage readJpegCovering(ByteSpan file, int &error, int fitW, int fitH);
// The M of readJpegCovering() for an image of width x height (8: the full size).
int jpegCoverScale(int width, int height, int fitW, int fitH);

} // namespace gb
