#pragma once

#include "platform/imagelib/rgbimage.h"

#include <QByteArray>
#include <QString>

namespace gb {

// Loading image files into RGB buffers. None of these functions shows a message: a failure
// gives a null image (or false) and leaves the text to show in errorText.
//
// The format is decided by the file's content; only a file whose content the image layer
// does not recognise is named by its extension (which is how Photoshop files are found).
// A Photoshop file named otherwise therefore fails with the text of the reader its
// extension picks.

// Loads a whole image file. On success width and height hold its size. On failure the
// error text is getErrorMsg() of the failing step's code (a missing file: "Error on file
// open"; content and name both unknown: "Unrecognized image format"); width and height are
// then unspecified.
RgbImage createRgbFromFile(const QString &fileName, int &width, int &height, QString &errorText);

// As createRgbFromFile() for the bytes of a complete image file held in memory (the
// catalog's stored thumbnails). Nothing is written to disk. Bytes whose content is not
// recognised are read as JPEG, as a file of the catalog's thumbnail name would be.
RgbImage createRgbFromString(const QByteArray &bytes, int &width, int &height, QString &errorText);

// Width, height and bits per pixel from the header alone, for BMP, GIF, JPEG, PNG, PCX,
// TIFF and Photoshop files. False for metafiles, Targa files, unknown and unreadable files
// (width and height are then left as they were) with the error text set.
bool getImageDims(const QString &fileName, int &width, int &height, int &bits, QString &errorText);

// The text of an image-layer error code: 1..36 from the layer's table, 0 "Unrecognized
// image format", anything else "Unknown error with error code " + the code.
QString getErrorMsg(int code);

} // namespace gb
