#pragma once

#include "platform/table/fieldspec.h"

#include <QString>

namespace gb {

// The structure of a catalog table (its CatalogTable fields), in field order: VLABEL C 11, MEDIA C 1, PATH C 50,
// FILENAME C 25, FULLPATH M, MODDATE D, SIZE N 9, WIDTH N 5, HEIGHT N 5, KEYS M,
// COMMENTS M, RGB M. Built once by initArchiveStructure() (start-up calls it) and only
// read afterwards: to create catalogs, check them, copy them field by field and find the
// widths of the key parts.
void initArchiveStructure();
const TableStructure &gaArchiveStruct();

// The width of a field of the catalog structure, looked up by name; 0 for an unknown name.
int archiveFieldWidth(const QString &name);

// True when the catalog (path without extension) is open in a catalog window. Catalogs are
// compared by their files' canonical paths, so another spelling of the same path matches.
bool isArchiveOpen(const QString &stem);

} // namespace gb
