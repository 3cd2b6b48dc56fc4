#include "explorer/filecommands.h"

#include "common/messages.h"
#include "common/safefile.h"
#include "explorer/fileops.h"

#include <QFileInfo>

namespace gb {

namespace {

bool targetExists(const QString &target)
{
    const QFileInfo info(target);
    return info.exists() || info.isSymLink();
}

void copyFailed(QWidget *owner, const QString &source, const QString &target, const QString &why)
{
    errMessage(owner, QStringLiteral("Unable to copy file ") + source + QStringLiteral(" to ") + target + errorSuffix(why));
}

} // namespace

bool confirmOverwrite(QWidget *owner, const QString &target)
{
    return confirmDelete(owner, QStringLiteral("File : ") + target + QStringLiteral(" exist and will be overwritten."));
}

int copyFilesInto(QWidget *owner, const QStringList &files, const QString &folder)
{
    removeDeadLeftovers(folder, Leftover::Copy);
    int copied = 0;
    for (const QString &source : files) {
        const QString target = targetInFolder(source, folder);
        QString why;
        // A file copied into its own folder would be its own target: no question can help.
        if (isSameFile(source, target, &why)) {
            copyFailed(owner, source, target, why);
            continue;
        }
        const bool exists = targetExists(target);
        if (exists && !confirmOverwrite(owner, target))
            continue;
        if (copyImageFile(source, target, exists, &why))
            ++copied;
        else
            copyFailed(owner, source, target, why);
    }
    return copied;
}

int moveFilesInto(QWidget *owner, const QStringList &files, const QString &folder)
{
    removeDeadLeftovers(folder, Leftover::Copy);
    int moved = 0;
    for (const QString &source : files) {
        const QString target = targetInFolder(source, folder);
        QString why;
        // A file moved into its own folder takes the way of a new target, where the move
        // refuses it without asking to replace it.
        if (isSameFile(source, target, &why) || !targetExists(target)) {
            const MoveOutcome outcome = moveImageFile(source, target, &why);
            if (outcome == MoveOutcome::Moved)
                ++moved;
            else if (outcome == MoveOutcome::SourceKept)
                errMessage(owner, QStringLiteral("Unable to delete file ") + source
                                      + QStringLiteral(" from original location ") + errorSuffix(why));
            else
                errMessage(owner, QStringLiteral("Unable to move file ") + source + QStringLiteral(" to ") + folder
                                      + errorSuffix(why));
            continue;
        }
        if (!confirmOverwrite(owner, target))
            continue;
        if (!copyImageFile(source, target, true, &why)) {
            copyFailed(owner, source, target, why);
            continue;
        }
        if (removeImageFile(source, &why))
            ++moved;
        else
            errMessage(owner, QStringLiteral("Unable to delete file ") + source + QStringLiteral(" from original location ")
                                  + errorSuffix(why));
    }
    return moved;
}

int removeFilesNow(QWidget *owner, const QStringList &files)
{
    int removed = 0;
    for (const QString &path : files) {
        QString why;
        if (removeImageFile(path, &why))
            ++removed;
        else
            errMessage(owner, QStringLiteral("Unable to delete file ") + path + errorSuffix(why));
    }
    return removed;
}

} // namespace gb
