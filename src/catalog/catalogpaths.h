#pragma once

#include <QString>

namespace gb {

// A full file path taken apart the way a catalog stores it: the drive (the mount point that
// holds the file, with a final "/"), the folder on that drive (beginning and ending with
// "/", "/" for the drive's root) and the file name.
struct CatalogFile
{
    QString drive;
    QString folder;
    QString fileName;
    QString drivelessPath() const { return folder + fileName; }
};

// Splits a full path with driveOfPath(); a path outside every mounted drive falls under "/".
CatalogFile splitCatalogFile(const QString &fullPath);
// The same among known drive roots (getValidDrives()), for a run over many files.
CatalogFile splitCatalogFile(const QString &fullPath, const QStringList &drives);

// The folder of a drive-less path: everything up to and including its last "/" (empty
// when it holds none).
QString folderOfPath(const QString &path);
// The stem of a catalog file: the name without its extension (a "." in a folder name is no
// extension).
QString catalogStem(const QString &file);

// A drive root as messages name it: the mount point without its final "/", "/" itself for
// the root file system.
QString driveName(const QString &driveRoot);

// The full path of a drive-less path on a drive root.
QString joinDrivePath(const QString &driveRoot, const QString &drivelessPath);

} // namespace gb
