#pragma once

#include "common/datetext.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <vector>

namespace gb {

// The information lines written under a thumbnail on contact sheets and printed pages:
// one text per IMAGEVARCODE of codes, in their order. 1 the file name without folder and
// extension, 2 the size in kilobytes + " kb", 3 the size in bytes + " bytes", 4 width
// " x " height, 5 "Width: " + width, 6 "Height: " + height, 7 today's date, 8 the time of
// day (hh:mm:ss), 9 the file name with its extension. Codes 4 to 6 give an empty text when
// the header gives no dimensions; a file that cannot be opened has the size 0. Any other
// code (10, 11, ...) adds no element.
QStringList imageVariableText(const QString &file, const std::vector<int> &codes);

} // namespace gb
