#pragma once

#include "gallery/hgallery.h"

#include <QString>
#include <QStringList>

namespace gbtest {

// Writes a plain image of the given size; the format follows the extension (BMP files of
// 24 bits have a size that tests can state: 54 + rows padded to 4 bytes).
bool makeImage(const QString &path, int width, int height);

// Source photos "photo 1.jpg" ... of width x height in a folder of their own.
QStringList makeSources(int count, int width = 400, int height = 300);

// A fresh base folder (ending in "/") for one gallery.
QString makeBaseFolder();

// Runs Debian's tidy over a page and returns its error report (empty when tidy found no
// error). Warnings are not errors: HTML of this age carries many.
QString tidyErrors(const QString &path);

// The text of a file with its CR LF line ends kept.
QString pageText(const QString &path);

// A gallery with its defaults, text links only (no button images), the given base folder
// and no browser launch.
gb::HGallery textLinkGallery(const QString &baseFolder);

} // namespace gbtest
