#pragma once

#include "image/imagesplit.h"

#include <QStringList>

namespace gb {

// The HTML table that lays split tiles out again in their rows and columns, so the split
// image can stand on a web page as one picture.

// Where the table goes: a whole page (folder + name + ".htm"), a text file with the table
// alone (folder + name + ".txt"), or the clipboard as text.
enum SplitTableTarget { SplitTableHtmlFile = 1, SplitTableTextFile = 2, SplitTableClipboard = 3 };

// The table's lines: the table line, then per row "<tr>", a line per cell and "</tr>", then
// "</table>". Each cell's width share is 100 div columns, the last of a row taking the rest
// so a row adds up to 100. The lines are pure ASCII: the tile's file name is percent-encoded
// in its link and the ALT text HTML-escaped, other characters above 127 as references.
QStringList splitTableLines(const SplitTable &table);

// Writes the table to its target, every line ending in CR LF. ".htm" or ".txt" is always
// appended to the name. A file is written whole or not at all. False, with the reason in
// *error, when the file could not be written or the clipboard could not be reached.
bool createSplitTable(const SplitTable &table, const QString &folder, const QString &name, int target,
                      QString *error = nullptr);

} // namespace gb
