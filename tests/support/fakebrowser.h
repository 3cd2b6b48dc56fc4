#pragma once

#include "common/browserlaunch.h"
#include "support/testutil.h"

#include <QCoreApplication>
#include <QFile>

namespace gbtest {

// An environment variable set (or, with unset, removed) for the lifetime of the object.
class ScopedEnv
{
public:
    ScopedEnv(const char *name, const QByteArray &value, bool unset = false)
        : mName(name)
        , mHad(qEnvironmentVariableIsSet(name))
        , mOld(qgetenv(name))
    {
        if (unset)
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedEnv()
    {
        if (mHad)
            qputenv(mName, mOld);
        else
            qunsetenv(mName);
    }

private:
    const char *mName;
    bool mHad;
    QByteArray mOld;
};

// A browser for tests: a shell script in dir that writes its arguments, one a line, to
// dir/<name>.args and ends with exitStatus. Returns the script's path.
inline QString fakeBrowser(const QString &dir, const QString &name, int exitStatus)
{
    const QString path = dir + QLatin1Char('/') + name;
    writeFile(path, "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args\"\nexit " + QByteArray::number(exitStatus) + "\n");
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
    return path;
}

// What the fake browser at path was started with, one argument a line; empty when it never ran.
inline QByteArray fakeBrowserArguments(const QString &path)
{
    return readFile(path + QStringLiteral(".args"));
}

// Serves events until every browser command started has ended (and its failure, if any, was
// told).
inline void waitForBrowserLaunches()
{
    while (gb::browserLaunchesRunning() > 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace gbtest
