#include "common/drives.h"

#include "common/filedir.h"
#include "common/filepaths.h"
#include "common/registry.h"
#include "common/uiseam.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <blkid/blkid.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace gb {

static const QString kLabelSection = QStringLiteral("Volume Labels");

// Escaped bytes in system names: the mount table writes three octal digits after a "\"
// (\040 for a blank), /dev/disk names "\x" and two hexadecimal digits.
static QString decodeEscapes(const QString &text, const QByteArray &lead, int digits, int base)
{
    const QByteArray in = text.toUtf8();
    QByteArray out;
    for (int i = 0; i < in.size(); ++i) {
        const int start = i + 1 + int(lead.size());
        if (in[i] == '\\' && start + digits <= in.size() && in.mid(i + 1, lead.size()) == lead) {
            bool ok = false;
            const int v = in.mid(start, digits).toInt(&ok, base);
            if (ok) {
                out += char(v);
                i = start + digits - 1;
                continue;
            }
        }
        out += in[i];
    }
    return QString::fromUtf8(out);
}

static QString decodeOctal(const QString &text)
{
    return decodeEscapes(text, QByteArray(), 3, 8);
}

static QString decodeHex(const QString &text)
{
    return decodeEscapes(text, QByteArrayLiteral("x"), 2, 16);
}

static QString withoutSlash(QString path)
{
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

static QString withSlash(const QString &path)
{
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

std::vector<MountEntry> readMountTable(const QString &mountInfoPath)
{
    std::vector<MountEntry> table;
    QFile file(mountInfoPath);
    if (!file.open(QIODevice::ReadOnly))
        return table;
    // /proc files report no size: read line by line until the end.
    for (QByteArray line = file.readLine(); !line.isEmpty(); line = file.readLine()) {
        const QStringList fields = QString::fromUtf8(line).trimmed().split(QLatin1Char(' '));
        const int dash = fields.indexOf(QStringLiteral("-"));
        if (dash < 6 || dash + 2 >= fields.size())
            continue;
        MountEntry e;
        e.device = fields[2];
        e.mountPoint = withoutSlash(decodeOctal(fields[4]));
        e.fsType = fields[dash + 1];
        e.source = decodeOctal(fields[dash + 2]);
        table.push_back(e);
    }
    return table;
}

bool isPseudoFsType(const QString &fsType)
{
    static const QSet<QString> pseudo = {
        "proc", "sysfs", "devtmpfs", "devpts", "devfs", "cgroup", "cgroup2", "tmpfs", "ramfs", "overlay",
        "autofs", "securityfs", "debugfs", "tracefs", "pstore", "bpf", "mqueue", "hugetlbfs", "configfs",
        "fusectl", "binfmt_misc", "rpc_pipefs", "nsfs", "efivarfs", "selinuxfs", "squashfs", "nfsd",
        "fuse.gvfsd-fuse", "fuse.portal", "fuse.lxcfs", "none"};
    return pseudo.contains(fsType);
}

bool isPseudoFileSystem(const QString &folder)
{
    const QString path = withoutSlash(QDir::cleanPath(folder));
    // The last entry for a mount point is the one in effect.
    const std::vector<MountEntry> table = readMountTable();
    for (auto it = table.rbegin(); it != table.rend(); ++it)
        if (it->mountPoint == path)
            return isPseudoFsType(it->fsType);
    return false;
}

// The mount-table entry in effect at a mount point, or null.
static const MountEntry *entryAt(const std::vector<MountEntry> &table, const QString &root)
{
    const QString path = withoutSlash(QDir::cleanPath(root));
    for (auto it = table.rbegin(); it != table.rend(); ++it)
        if (it->mountPoint == path)
            return &*it;
    return nullptr;
}

QStringList getValidDrives()
{
    const std::vector<MountEntry> table = readMountTable();
    QStringList drives;
    for (const MountEntry &e : table) {
        if (e.mountPoint == QLatin1String("/"))
            continue;
        const MountEntry *effective = entryAt(table, e.mountPoint);
        if (effective != &e || isPseudoFsType(e.fsType))
            continue;
        // Containers bind single files (/etc/hosts) onto real file systems: only folders count.
        const QByteArray local = QFile::encodeName(e.mountPoint);
        struct stat st;
        if (::stat(local.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || ::access(local.constData(), R_OK | X_OK) != 0)
            continue;
        drives << withSlash(e.mountPoint);
    }
    drives.removeDuplicates();
    std::sort(drives.begin(), drives.end(), lessIgnoringCase);
    drives.prepend(QStringLiteral("/"));
    return drives;
}

QString driveOfPath(const QString &path)
{
    const QString clean = withSlash(QDir::cleanPath(path));
    QString best = QStringLiteral("/");
    for (const QString &drive : getValidDrives())
        if (clean.startsWith(drive) && drive.size() > best.size())
            best = drive;
    return best;
}

// A tag (LABEL, UUID) of a block device: the /dev/disk/by-* links first, readable by every
// user, then libblkid's cache.
static QString deviceTag(const QString &device, const char *tag, const QString &byFolder)
{
    if (!device.startsWith(QLatin1String("/dev/")))
        return QString();
    const QString canonical = QFileInfo(device).canonicalFilePath();
    const QDir dir(byFolder);
    for (const QFileInfo &link : dir.entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot))
        if (!canonical.isEmpty() && link.canonicalFilePath() == canonical)
            return decodeHex(link.fileName());
    QString value;
    blkid_cache cache = nullptr;
    if (blkid_get_cache(&cache, nullptr) == 0) {
        const QByteArray dev = QFile::encodeName(device);
        if (char *v = blkid_get_tag_value(cache, tag, dev.constData())) {
            value = QString::fromUtf8(v);
            free(v);
        }
        blkid_put_cache(cache);
    }
    return value;
}

QString volumeKey(const QString &driveRoot)
{
    const std::vector<MountEntry> table = readMountTable();
    const MountEntry *e = entryAt(table, driveRoot);
    if (!e)
        return QString();
    const QString uuid = deviceTag(e->source, "UUID", QStringLiteral("/dev/disk/by-uuid"));
    return uuid.isEmpty() ? e->source + QLatin1Char('@') + e->device : uuid;
}

QString getVolumeLabel(const QString &driveRoot)
{
    const std::vector<MountEntry> table = readMountTable();
    const MountEntry *e = entryAt(table, driveRoot);
    if (!e) {
        errno = ENOENT;
        ui().errorBox(nullptr, sdkErrString());
        return QString();
    }
    const QString kept = kvtQueryRtRegString(kLabelSection, volumeKey(driveRoot));
    if (!kept.isEmpty())
        return kept;
    return deviceTag(e->source, "LABEL", QStringLiteral("/dev/disk/by-label"));
}

bool setVolumeLabel(const QString &driveRoot, const QString &label)
{
    const QString key = volumeKey(driveRoot);
    if (key.isEmpty())
        return false;
    return kvtSetRtRegString(kLabelSection, key, label.trimmed());
}

QString classifyMedia(const MountEntry &entry, const QString &sysRoot)
{
    static const QSet<QString> network = {"nfs", "nfs4", "cifs", "smb3", "smbfs", "fuse.sshfs", "sshfs",
                                          "davfs", "fuse.davfs", "9p", "afs", "ceph", "glusterfs"};
    if (network.contains(entry.fsType))
        return QStringLiteral("2");
    if (entry.fsType == QLatin1String("iso9660") || entry.fsType == QLatin1String("udf")
        || entry.source.startsWith(QLatin1String("/dev/sr")))
        return QStringLiteral("3");
    if (isPseudoFsType(entry.fsType) || !entry.source.startsWith(QLatin1String("/dev/")))
        return QStringLiteral("x");
    // The disk behind the device: a partition's "removable" flag sits on its parent disk.
    const QString blockDir = QFileInfo(sysRoot + QStringLiteral("/dev/block/") + entry.device).canonicalFilePath();
    if (blockDir.isEmpty())
        return QStringLiteral("1");
    for (QString dir = blockDir; dir.size() > sysRoot.size(); dir = QFileInfo(dir).path()) {
        QFile flag(dir + QStringLiteral("/removable"));
        if (flag.open(QIODevice::ReadOnly))
            return flag.readAll().trimmed() == "1" ? QStringLiteral("4")
                   : blockDir.contains(QLatin1String("/usb")) ? QStringLiteral("4")
                                                              : QStringLiteral("1");
    }
    return blockDir.contains(QLatin1String("/usb")) ? QStringLiteral("4") : QStringLiteral("1");
}

QString getMediaType(const QString &driveRoot)
{
    const std::vector<MountEntry> table = readMountTable();
    const MountEntry *e = entryAt(table, driveRoot);
    return e ? classifyMedia(*e) : QStringLiteral("x");
}

} // namespace gb
