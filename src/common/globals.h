#pragma once

#include <QString>
#include <QStringList>

namespace gb {

// Process-wide values shared by the tools.

// A carriage return and line feed, for every multi-line text the program builds.
inline const QString gcCrLf = QStringLiteral("\r\n");

// True when the "General Options" "Folders" value is 1 (its default): folder trees then read
// one level at a time. Set at start-up.
extern bool glFoldersOption;

// Folders the user browsed to on the tools' source pages during this run.
extern QStringList gaRecentFolders;

// The catalogs open in catalog windows (paths without extension).
extern QStringList gaOpenArchives;

} // namespace gb
