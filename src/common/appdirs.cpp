#include "common/appdirs.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace gb {

namespace {

QString withSlash(QString path)
{
    if (!path.endsWith('/'))
        path += '/';
    return path;
}

QString ensured(const QString &path)
{
    QDir().mkpath(path);
    return withSlash(path);
}

QString home()
{
    return qEnvironmentVariable("GLIMMERBOX_HOME");
}

} // namespace

QString programDataDir()
{
    if (!home().isEmpty())
        return ensured(home());
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return ensured(base + QStringLiteral("/Glimmerbox"));
}

QString supportDir()
{
    if (!home().isEmpty()) {
        // Tests and portable set-ups may bring their own support files; fall back to the
        // ones beside the executable when the home folder has none.
        const QString own = withSlash(home()) + QStringLiteral("support/");
        if (QDir(own).exists())
            return own;
    }
    const QString appDir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                                        : QDir::currentPath();
    return withSlash(appDir) + QStringLiteral("support/");
}

QString tempDir()
{
    if (!home().isEmpty())
        return ensured(withSlash(home()) + QStringLiteral("tmp"));
    return ensured(QDir::tempPath() + QStringLiteral("/glimmerbox-") + qEnvironmentVariable("USER", "user"));
}

QString registryFilePath()
{
    if (!home().isEmpty())
        return ensured(home()) + QStringLiteral("registry.ini");
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.config");
    return ensured(base + QStringLiteral("/KVT/Glimmerbox/1.00")) + QStringLiteral("registry.ini");
}

} // namespace gb
