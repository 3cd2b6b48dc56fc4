#include "renamer/saferename.h"

#include "common/safefile.h"
#include "renamer/renamer.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace gb {

namespace {

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

} // namespace

QString newNameProblem(const QString &oldPath, const QString &newPath)
{
    const QString folder = Renamer::extractPath(oldPath);
    const QString name = newPath.startsWith(folder) ? newPath.mid(folder.size()) : QString();
    if (!newPath.startsWith(folder) || name.contains(QLatin1Char('/')))
        return QStringLiteral("the new name would move the file to another folder");
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("the new name is not a valid file name");
    if (Renamer::fileWithoutExtension(name).isEmpty())
        return QStringLiteral("the new name has nothing before its extension and would hide the file");
    return QString();
}

bool renameNoReplace(const QString &oldPath, const QString &newPath, QString *error)
{
    const QString what = QStringLiteral("Cannot rename \"%1\" to \"%2\": ").arg(oldPath, newPath);
    const QString problem = newNameProblem(oldPath, newPath);
    if (!problem.isEmpty())
        return fail(error, what + problem + QLatin1Char('.'));

    const QByteArray from = QFile::encodeName(oldPath);
    const QByteArray to = QFile::encodeName(newPath);
    int rc = noReplaceRename(from, to);
    // The name exists: allowed only when it is this very file under the same name or one
    // that differs in letter case alone (two hard links of one file are not the same name).
    if (rc == EEXIST && oldPath.compare(newPath, Qt::CaseInsensitive) == 0 && sameFile(oldPath, newPath))
        rc = std::rename(from.constData(), to.constData()) == 0 ? 0 : errno;
    if (rc == EEXIST)
        return fail(error, what + QStringLiteral("a file of that name exists."));
    if (rc != 0)
        return fail(error, what + QString::fromLocal8Bit(std::strerror(rc)) + QLatin1Char('.'));
    return true;
}

QString RenameOutcome::message() const
{
    QString text = QStringLiteral("%1 file(s) proccessed.\r\n%2 file(s) renamed with success.").arg(processed).arg(succeeded);
    if (failed > 0)
        text += QStringLiteral("\r\n%1 file(s) failed to be renamed.").arg(failed);
    return text;
}

RenameOutcome renameAll(const QStringList &oldPaths, const QStringList &newPaths)
{
    RenameOutcome outcome;
    outcome.processed = int(newPaths.size());
    for (qsizetype i = 0; i < newPaths.size(); ++i) {
        QString error;
        if (i < oldPaths.size() && renameNoReplace(oldPaths[i], newPaths[i], &error)) {
            ++outcome.succeeded;
        } else {
            ++outcome.failed;
            outcome.errors.append(i < oldPaths.size() ? error : QString());
        }
    }
    return outcome;
}

} // namespace gb
