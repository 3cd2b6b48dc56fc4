#pragma once

#include <QByteArray>
#include <QString>

namespace gbtest {

// The fresh folder this test process uses as GLIMMERBOX_HOME (made by the test main).
QString homeDir();

// A fresh, empty folder under the test process's temporary root; removed at exit.
QString makeTempDir(const QString &name = QString());

// Whole-file helpers for fixtures.
bool writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);

} // namespace gbtest
