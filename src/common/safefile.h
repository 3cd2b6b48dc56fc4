#pragma once

#include <QByteArray>
#include <QString>

namespace gb {

// Writes a whole file so that it is never half-written: the bytes go to a temporary file in
// the target's folder, which replaces the target only when everything was written and
// flushed. On failure the old target (if any) is untouched, the temporary file is removed,
// and *error (when given) names the failing step.
bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// True when both paths name one existing file (same device and inode), however spelled.
bool sameFile(const QString &a, const QString &b);

} // namespace gb
