#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

#include <sys/types.h>

namespace gbtest {

// The fresh folder this test process uses as GLIMMERBOX_HOME (made by the test main).
QString homeDir();

// A fresh, empty folder under the test process's temporary root; removed at exit.
QString makeTempDir(const QString &name = QString());

// Whole-file helpers for fixtures.
bool writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);

// Runs work in a forked child whose files may not grow past limit bytes: the first write
// beyond it kills the child (SIGXFSZ) in the middle of that write, as a kill of the program
// would. Returns the dead child's process id, or 0 when work ended without being so killed.
pid_t killedAtFileSize(qint64 limit, const std::function<void()> &work);

} // namespace gbtest
