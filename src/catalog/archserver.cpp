#include "catalog/archserver.h"

#include "catalog/archivestruct.h"

namespace gb {

QByteArray ArchServer::folderKey(const QString &media, const QString &volumeLabel, const QString &folder)
{
    return fitToWidth(media, archiveFieldWidth(QStringLiteral("MEDIA")))
           + fitToWidth(volumeLabel.trimmed(), archiveFieldWidth(QStringLiteral("VLABEL")))
           + fitToWidth(folder, archiveFieldWidth(QStringLiteral("PATH")));
}

QByteArray ArchServer::archiveKey(const QString &media, const QString &volumeLabel, const QString &folder,
                                  const QString &fileName)
{
    return folderKey(media, volumeLabel, folder) + foldToWidth(fileName, archiveFieldWidth(QStringLiteral("FILENAME")));
}

bool ArchServer::seek2Rec(const QString &media, const QString &volumeLabel, const QString &folder,
                          const QString &fileName, const QString &fullPath)
{
    const QByteArray key = archiveKey(media, volumeLabel, folder, fileName);
    setOrder(1);
    orderScope(ScopeTop, key);
    orderScope(ScopeBottom, key);
    uint32_t found = 0;
    // The key range holds the records whose cut folder and file name agree; the full path
    // tells them apart.
    for (goTop(); !eof(); skip()) {
        if (fieldGet(QStringLiteral("FULLPATH")).toString() == fullPath) {
            found = recNo();
            break;
        }
    }
    orderScope(ScopeTop);
    orderScope(ScopeBottom);
    return found && goTo(found);
}

bool ArchServer::locateRec(const QString &media, const QString &volumeLabel, const QString &fullPath)
{
    const int slash = fullPath.lastIndexOf(QLatin1Char('/'));
    return seek2Rec(media, volumeLabel, fullPath.left(slash + 1), fullPath.mid(slash + 1), fullPath);
}

} // namespace gb
