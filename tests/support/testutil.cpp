#include "support/testutil.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <atomic>
#include <memory>

namespace gbtest {

namespace {
QTemporaryDir &root()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/glimmerbox-test-XXXXXX"));
    return dir;
}
std::atomic<int> gCounter{0};
} // namespace

QString homeDir()
{
    const QString home = root().path() + QStringLiteral("/home");
    QDir().mkpath(home);
    return home;
}

QString makeTempDir(const QString &name)
{
    const QString path = root().path() + QStringLiteral("/t%1%2").arg(++gCounter).arg(name.isEmpty() ? QString() : "-" + name);
    QDir(path).removeRecursively();
    QDir().mkpath(path);
    return path;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

} // namespace gbtest
