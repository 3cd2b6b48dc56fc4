#include "catalog/catalogpaths.h"

#include "common/drives.h"
#include "common/filepaths.h"

namespace gb {

CatalogFile splitCatalogFile(const QString &fullPath)
{
    return splitCatalogFile(fullPath, getValidDrives());
}

CatalogFile splitCatalogFile(const QString &fullPath, const QStringList &drives)
{
    CatalogFile f;
    f.drive = QStringLiteral("/");
    for (const QString &drive : drives)
        if (fullPath.startsWith(drive) && drive.size() > f.drive.size())
            f.drive = drive;
    // The drive root keeps its final "/" and the folder begins with it.
    const QString rest = fullPath.mid(f.drive.size() - 1);
    f.folder = folderOfPath(rest);
    f.fileName = extractFileName(rest);
    return f;
}

QString folderOfPath(const QString &path)
{
    return path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString catalogStem(const QString &file)
{
    const int dot = file.lastIndexOf(QLatin1Char('.'));
    return dot > file.lastIndexOf(QLatin1Char('/')) ? file.left(dot) : file;
}

QString driveName(const QString &driveRoot)
{
    if (driveRoot.size() > 1 && driveRoot.endsWith(QLatin1Char('/')))
        return driveRoot.left(driveRoot.size() - 1);
    return driveRoot;
}

QString joinDrivePath(const QString &driveRoot, const QString &drivelessPath)
{
    const QString root = driveRoot == QLatin1String("/") ? QString() : driveName(driveRoot);
    return root + drivelessPath;
}

} // namespace gb
