#pragma once

#include "catalog/archserver.h"

#include <memory>

class QWidget;

namespace gb {

// Opens the catalog stem + ".dbf" (stem: the catalog's path without extension), shared and
// writable. A missing file gives nothing, silently. A table whose field count or field
// names (blanks trimmed) differ from the catalog structure gives the error box "Not a valid
// archive database" and nothing; it is checked before anything in it is rebuilt or written.
// A valid catalog that lost its index file, or whose index holds other orders than ours (a
// catalog written when order 1 still sorted names by letter case), gets its three orders made
// again from its records.
std::unique_ptr<ArchServer> openArchive(QWidget *owner, const QString &stem);

// Creates a new, empty catalog with its three orders ("MEDIA + VLABEL + PATH +
// LOWER(FILENAME)", then "VOLUME" on VLABEL and "MEDIA" on MEDIA) and returns it open on
// order 1. An existing catalog is replaced only after confirmDelete() "File: <stem>.dbf
// exist. Overwrite ?" was answered Yes, and never while a catalog window shows it. Any
// failure gives nothing.
std::unique_ptr<ArchServer> createNewArchive(QWidget *owner, const QString &stem);

} // namespace gb
