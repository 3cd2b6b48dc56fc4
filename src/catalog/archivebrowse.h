#pragma once

#include "catalog/archserver.h"

#include <QDate>
#include <QStringList>

#include <array>
#include <functional>
#include <vector>

class QWidget;

namespace gb {

// The catalog read the way its window shows it: volumes and folders per media kind, the
// images of one folder, one image's record, and the changes made on selected images. Every
// function takes the window's open server and leaves no scope behind. Stored values are
// untrusted: a damaged memo reads as empty.

// One volume of a media kind with its folders, each folder with its final "/".
struct VolumeEntry
{
    QString label;
    QStringList folders;
};
// Index 0..3: media codes "1".."4". Labels and each volume's folders sorted ascending.
using VolumeTable = std::array<std::vector<VolumeEntry>, 4>;

// One pass over the table in order 1: labels trimmed on both ends and compared exactly,
// folders as recordFolder() gives them. Records of an unknown media code are
// left out.
VolumeTable buildVolumeTable(ArchServer &server);

// The folder of a record: the part of its FULLPATH up to the last "/" (all of it without
// one). Always from FULLPATH: PATH is cut to 50 bytes and blank-padded, and since names may
// hold blanks, no stored PATH shows whether it was cut.
QString recordFolder(const QString &fullPath);

// One image of a folder listing.
struct FolderImage
{
    QString fileName;
    QByteArray thumbnail;
};

// The images of exactly that folder of a volume, in key order; records of other folders that
// agree in their first 50 characters are left out. Empty texts list nothing.
std::vector<FolderImage> listFolderImages(ArchServer &server, const QString &media, const QString &label,
                                          const QString &folder);

// The KEYS memo as texts; anything that is not an array of texts gives what texts it holds.
QStringList keysOf(const Value &stored);

// What the information dialog shows of one record.
struct ImageRecordInfo
{
    QDate modified;
    qint64 size = 0;
    int width = 0;
    int height = 0;
    QStringList keywords;
    QString comments;
    QByteArray thumbnail;
};
// Reads the current record.
ImageRecordInfo readRecordInfo(const ArchServer &server);

// Stores edited keywords and comment on the current record, each only when it changed
// (keywords: another length or an element not exactly equal; comment: exact comparison).
// Returns which fields were written.
struct InfoWrites { bool keys = false; bool comments = false; };
InfoWrites storeRecordInfo(ArchServer &server, const ImageRecordInfo &before, const QStringList &keywords,
                           const QString &comments);

// Appends to the keywords of every image (drive-less paths of the volume) each new keyword
// it does not hold yet (exact comparison, letter case counts), in the order given. Paths
// without a record are passed over. progress, when given, runs once per path.
void addKeywordsToRecords(ArchServer &server, const QString &media, const QString &label, const QStringList &paths,
                          const QStringList &keywords, const std::function<void()> &progress = {});

// Marks the records of the paths deleted; returns how many deletes failed.
int removeRecords(ArchServer &server, const QString &media, const QString &label, const QStringList &paths);

// The drive root that holds the volume with that label, or empty. When no drive has it, asks
// through the UI seam ("Volume not present": "Insert disk with label: " ... " in any drive
// ...", OK and Cancel) and looks again after OK, until the volume is found or the user
// cancels.
QString getDriveFromVolume(QWidget *owner, const QString &label);

} // namespace gb
