#pragma once

#include "platform/table/dbserver.h"

namespace gb {

// One open catalog table with its index file: a table server that also finds an image's
// record by media code, volume label and drive-less full path. Get one from openArchive()
// or createNewArchive(); the catalog window owns it and closes it.
class ArchServer : public DbServer
{
public:
    // The key of order 1 ("MEDIA + VLABEL + PATH + LOWER(FILENAME)", 87 characters): the
    // media code, then the label (trimmed), the folder and the file name, each blank-padded
    // or cut to its field's width, the file name case-folded.
    static QByteArray archiveKey(const QString &media, const QString &volumeLabel, const QString &folder,
                                 const QString &fileName);
    // Its first three parts: the key range of a folder's records.
    static QByteArray folderKey(const QString &media, const QString &volumeLabel, const QString &folder);

    // True when a live record of that media code, label and full path (folder with its
    // final "/" + file name) exists; it is then the current record, with no scope active.
    // The full path is compared exactly, letter case included, though the key is not.
    bool seek2Rec(const QString &media, const QString &volumeLabel, const QString &folder,
                  const QString &fileName, const QString &fullPath);
    // The same look-up from the full path alone, split at its last "/" (a path without one
    // is a file name in an empty folder).
    bool locateRec(const QString &media, const QString &volumeLabel, const QString &fullPath);
};

} // namespace gb
