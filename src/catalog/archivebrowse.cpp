#include "catalog/archivebrowse.h"

#include "catalog/archivestruct.h"
#include "catalog/catalogpaths.h"
#include "common/drives.h"
#include "common/filedir.h"
#include "common/filepaths.h"
#include "common/uiseam.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>

namespace gb {

namespace {

const QString kFullPath = QStringLiteral("FULLPATH");

// Clears both scopes of order 1 when it goes out of scope, whichever way the walk ended.
struct ScopeGuard
{
    ArchServer &server;
    ~ScopeGuard()
    {
        server.orderScope(DbServer::ScopeTop);
        server.orderScope(DbServer::ScopeBottom);
    }
};

} // namespace

QString recordFolder(const QString &fullPath)
{
    return fullPath.contains(QLatin1Char('/')) ? folderOfPath(fullPath) : fullPath;
}

VolumeTable buildVolumeTable(ArchServer &server)
{
    VolumeTable table;
    // The grouping and sorting happen in memory, so the records are read in the table's own
    // order, many at a time, which costs no index look-up per record.
    const int fMedia = server.fieldPos(QStringLiteral("MEDIA")) - 1;
    const int fLabel = server.fieldPos(QStringLiteral("VLABEL")) - 1;
    const int fFullPath = server.fieldPos(kFullPath) - 1;
    if (std::min({fMedia, fLabel, fFullPath}) < 0) {
        server.setOrder(1);
        return table;
    }
    // Each media's volumes and their folders, kept sorted as they are gathered, ignoring
    // case as every listing of the program is.
    std::array<std::map<QString, std::set<QString, LessIgnoringCase>, LessIgnoringCase>, 4> grouped;
    DbServer::Scan scan(server);
    while (scan.next()) {
        const QString media = scan.fieldGet(fMedia).toString();
        const int m = media.size() == 1 ? media.at(0).digitValue() : -1;
        if (m < 1 || m > 4)
            continue;
        const QString label = scan.fieldGet(fLabel).toString().trimmed();
        grouped[size_t(m - 1)][label].insert(recordFolder(scan.fieldGet(fFullPath).toString()));
    }
    server.setOrder(1);
    // The server ends past the last record, as a walk through every record leaves it.
    server.goTo(0);
    for (size_t m = 0; m < grouped.size(); ++m)
        for (const auto &[label, folders] : grouped[m])
            table[m].push_back({label, QStringList(folders.begin(), folders.end())});
    return table;
}

std::vector<FolderImage> listFolderImages(ArchServer &server, const QString &media, const QString &label,
                                          const QString &folder)
{
    std::vector<FolderImage> images;
    // A blank media code starts no record's key: nothing chosen lists nothing.
    if (media.trimmed().isEmpty())
        return images;
    const QByteArray key = ArchServer::folderKey(media, label, folder);
    server.setOrder(1);
    ScopeGuard guard{server};
    server.orderScope(DbServer::ScopeTop, key);
    server.orderScope(DbServer::ScopeBottom, key);
    for (server.goTop(); !server.eof(); server.skip()) {
        const QString path = server.fieldGet(kFullPath).toString();
        if (folderOfPath(path) != folder)
            continue;
        images.push_back({extractFileName(path), server.fieldGet(QStringLiteral("RGB")).toBytes()});
    }
    return images;
}

QStringList keysOf(const Value &stored)
{
    QStringList keys;
    for (const Value &v : stored.array())
        if (v.isString())
            keys << v.toString();
    return keys;
}

static Value keysValue(const QStringList &keys)
{
    ValueArray array;
    for (const QString &k : keys)
        array.emplace_back(k);
    return Value(std::move(array));
}

ImageRecordInfo readRecordInfo(const ArchServer &server)
{
    ImageRecordInfo info;
    info.modified = server.fieldGet(QStringLiteral("MODDATE")).toDate();
    info.size = checkedInteger<qint64>(server.fieldGet(QStringLiteral("SIZE")).toNumber());
    info.width = server.fieldGet(QStringLiteral("WIDTH")).toInt();
    info.height = server.fieldGet(QStringLiteral("HEIGHT")).toInt();
    info.keywords = keysOf(server.fieldGet(QStringLiteral("KEYS")));
    info.comments = server.fieldGet(QStringLiteral("COMMENTS")).toString();
    info.thumbnail = server.fieldGet(QStringLiteral("RGB")).toBytes();
    return info;
}

InfoWrites storeRecordInfo(ArchServer &server, const ImageRecordInfo &before, const QStringList &keywords,
                           const QString &comments)
{
    InfoWrites writes;
    if (keywords != before.keywords) {
        server.fieldPut(QStringLiteral("KEYS"), keysValue(keywords));
        writes.keys = true;
    }
    if (comments != before.comments) {
        server.fieldPut(QStringLiteral("COMMENTS"), comments);
        writes.comments = true;
    }
    server.commit();
    return writes;
}

void addKeywordsToRecords(ArchServer &server, const QString &media, const QString &label, const QStringList &paths,
                          const QStringList &keywords, const std::function<void()> &progress)
{
    for (const QString &path : paths) {
        if (progress)
            progress();
        if (!server.locateRec(media, label, path))
            continue;
        QStringList keys = keysOf(server.fieldGet(QStringLiteral("KEYS")));
        for (const QString &k : keywords)
            if (!keys.contains(k))
                keys << k;
        server.fieldPut(QStringLiteral("KEYS"), keysValue(keys));
    }
    server.commit();
}

int removeRecords(ArchServer &server, const QString &media, const QString &label, const QStringList &paths)
{
    int failed = 0;
    for (const QString &path : paths)
        if (server.locateRec(media, label, path) && !server.deleteRecord())
            ++failed;
    server.commit();
    return failed;
}

QString getDriveFromVolume(QWidget *owner, const QString &label)
{
    for (;;) {
        for (const QString &drive : getValidDrives())
            if (getVolumeLabel(drive) == label)
                return drive;
        const QString text = QStringLiteral("Insert disk with label: ") + QStringLiteral("\n\r") + label
                             + QStringLiteral("\n\r") + QStringLiteral(" in any drive ...");
        if (ui().textBox(owner, QStringLiteral("Volume not present"), text, UiSeam::IconExclamation | 0x01)
            != UiSeam::ResultOk)
            return QString();
    }
}

} // namespace gb
