#pragma once

#include <QImage>
#include <QString>

namespace gbtest {

// Reading printed PDF files back with poppler-utils.

// The number of pages pdfinfo reports; -1 when it cannot read the file.
int pdfPageCount(const QString &pdf);
// The text of one page (1-based), as pdftotext extracts it in reading order.
QString pdfText(const QString &pdf, int page);
// One page rendered at 96 dpi without anti-aliasing, so one pixel of the image is one
// pixel of the printers' logical page; a null image on failure.
QImage pdfPageImage(const QString &pdf, int page);

// True when the pixel is close to the colour (each channel within tolerance).
bool pixelNear(const QImage &image, int x, int y, QRgb colour, int tolerance = 40);

} // namespace gbtest
