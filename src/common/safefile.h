#pragma once

#include <QByteArray>
#include <QString>

namespace gb {

// Writes a whole file so that it is never half-written: the bytes go to a temporary file in
// the target's folder, which replaces the target only when everything was written and
// flushed. On failure the old target (if any) is untouched, the temporary file is removed,
// and *error (when given) names the failing step.
bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// Makes a file's contents last through a crash (fsync); false when it cannot be opened or synced.
bool syncFileToDisk(const QString &path);

// Makes the entries of the folder holding path (renames, new and removed files) last
// through a crash.
void syncFolderToDisk(const QString &path);

// True when both paths name one existing file (same device and inode), however spelled.
bool sameFile(const QString &a, const QString &b);

} // namespace gb
