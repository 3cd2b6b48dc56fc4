#include "support/testutil.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <atomic>
#include <csignal>
#include <memory>

#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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

pid_t killedAtFileSize(qint64 limit, const std::function<void()> &work)
{
    const pid_t child = ::fork();
    if (child < 0)
        return 0;
    if (child == 0) {
        // The kill is meant: no core file of it.
        ::prctl(PR_SET_DUMPABLE, 0);
        const rlimit noCore{0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        const rlimit size{rlim_t(limit), rlim_t(limit)};
        ::setrlimit(RLIMIT_FSIZE, &size);
        ::signal(SIGXFSZ, SIG_DFL);
        work();
        ::_exit(0);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child)
        return 0;
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ ? child : 0;
}

} // namespace gbtest
