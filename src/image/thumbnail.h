#pragma once

#include "platform/imagelib/rgbimage.h"

#include <QByteArray>
#include <QString>

namespace gb {

// The fast path for thumbnails, previews and catalog pictures: an image file loaded
// straight into a box.
//
//   int w, h;
//   QString error;
//   RgbImage thumb = createFittedRgbFromFile(path, 80, 80, w, h, error);
//
// gives the image fitted into boxW x boxH as calcNewDims() fits it (aspect ratio kept, never
// enlarged; the same size as loading the whole file and reducing it), while width and height
// receive the size of the whole image. A JPEG is decoded at the smallest of its reduced
// scales that keeps twice the fitted size, then averaged down over pixel areas; other
// formats (Photoshop files included) are decoded whole and averaged down. An image that
// already fits comes back as decoded. Failures are those of createRgbFromFile(), with the
// same texts.
RgbImage createFittedRgbFromFile(const QString &fileName, int boxW, int boxH, int &width, int &height,
                                 QString &errorText);

// As createFittedRgbFromFile() for a picture shown at about the box's size (the full-screen
// view): a JPEG is decoded at the smallest of its M/8 scales that still covers the fitted
// size, then averaged down to it, which costs little more than the decode at screen size.
RgbImage createScreenRgbFromFile(const QString &fileName, int boxW, int boxH, int &width, int &height,
                                 QString &errorText);
// The same for the bytes of a complete image file held in memory (catalog thumbnails).
RgbImage createFittedRgbFromString(const QByteArray &bytes, int boxW, int boxH, int &width,
                                   int &height, QString &errorText);

// Reduces src to newW x newH (each at most the source's side, at least 1) by averaging
// pixel areas: every target pixel is the mean of the source area it covers, source pixels
// on its border counting by the part they share. Integer arithmetic, exact rounding.
// A same-size request copies. A null image when src is null or the size is out of range.
RgbImage reduceToSize(const RgbImage &src, int newW, int newH);

} // namespace gb
