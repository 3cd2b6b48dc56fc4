#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace gb {

// One line of the mount table: where a file system is mounted, its type, the device or
// source it comes from and the device number "major:minor".
struct MountEntry
{
    QString mountPoint; // without a trailing "/" except for "/" itself
    QString fsType;
    QString source;
    QString device; // "major:minor"
};

// The mount table as /proc/self/mountinfo (or a file in its format) lists it, in its order;
// escaped characters in paths (\040 for a blank) are decoded. Empty when unreadable.
std::vector<MountEntry> readMountTable(const QString &mountInfoPath = QStringLiteral("/proc/self/mountinfo"));

// True for file-system types that hold no user files: proc, sysfs, devtmpfs, cgroup, tmpfs,
// container overlays, autofs and their kin.
bool isPseudoFsType(const QString &fsType);

// True when the folder is itself the mount point of a pseudo file system.
bool isPseudoFileSystem(const QString &folder);

// The drives a user can browse: the mount points of real file systems that the user may
// enter, each with a final "/", "/" always first and the rest in alphabetical order ignoring case. No
// message is shown for a file system that is not ready.
QStringList getValidDrives();

// The drive of a path: its longest mount-point prefix among getValidDrives(), with a final
// "/"; "/" when nothing longer matches.
QString driveOfPath(const QString &path);

// The volume label of a drive root: the label the user gave it (registry section
// "Volume Labels", keyed by the file system's UUID or else its device), else the label on
// the file system (/dev/disk/by-label or libblkid). A file system without a label gives the
// empty text silently. A root that is no mounted file system shows an error box whose text
// is sdkErrString() and gives the empty text.
QString getVolumeLabel(const QString &driveRoot);

// Keeps a label for the volume mounted at the root, read back by getVolumeLabel(); writing
// the label onto the disk itself needs rights a user does not have. The label is trimmed;
// an empty one removes the kept label. False when the root is no mounted file system.
bool setVolumeLabel(const QString &driveRoot, const QString &label);

// The key under which a volume's own label is kept: its UUID, else its device.
QString volumeKey(const QString &driveRoot);

// The media kind of a drive root: "2" network, "3" CD-ROM, "4" removable, "1" any other
// block device, "x" anything else (no such mount, a virtual file system).
QString getMediaType(const QString &driveRoot);

// The media kind of one mount-table entry, reading the block-device facts under sysRoot.
QString classifyMedia(const MountEntry &entry, const QString &sysRoot = QStringLiteral("/sys"));

} // namespace gb
