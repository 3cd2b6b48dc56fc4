#include "common/drives.h"

#include "support/scriptedui.h"
#include "support/testutil.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace gb;

TEST(MountTable, ParsesEntriesAndDecodesBlanks)
{
    const QString dir = gbtest::makeTempDir();
    gbtest::writeFile(dir + "/mountinfo",
                      "22 28 0:21 / /proc rw,relatime - proc proc rw\n"
                      "28 1 254:0 / / rw,relatime - ext4 /dev/vda rw\n"
                      "40 28 8:17 / /media/My\\040Stick rw shared:1 - vfat /dev/sdb1 rw\n"
                      "garbage line\n");
    const std::vector<MountEntry> table = readMountTable(dir + "/mountinfo");
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[1].mountPoint, "/");
    EXPECT_EQ(table[1].fsType, "ext4");
    EXPECT_EQ(table[2].mountPoint, "/media/My Stick");
    EXPECT_EQ(table[2].source, "/dev/sdb1");
    EXPECT_EQ(table[2].device, "8:17");
    EXPECT_TRUE(readMountTable(dir + "/none").empty());
}

TEST(MediaKinds, FromFileSystemTypeAndBlockDevice)
{
    // A miniature /sys: one fixed disk, one USB stick with a partition.
    const QString sys = gbtest::makeTempDir("sys");
    QDir().mkpath(sys + "/devices/pci/block/vda");
    gbtest::writeFile(sys + "/devices/pci/block/vda/removable", "0\n");
    QDir().mkpath(sys + "/devices/pci/usb1/block/sdb/sdb1");
    gbtest::writeFile(sys + "/devices/pci/usb1/block/sdb/removable", "1\n");
    QDir().mkpath(sys + "/dev/block");
    QFile::link(sys + "/devices/pci/block/vda", sys + "/dev/block/254:0");
    QFile::link(sys + "/devices/pci/usb1/block/sdb/sdb1", sys + "/dev/block/8:17");

    const struct { MountEntry e; const char *kind; } cases[] = {
        {{"/", "ext4", "/dev/vda", "254:0"}, "1"},
        {{"/media/stick", "vfat", "/dev/sdb1", "8:17"}, "4"},
        {{"/net", "nfs4", "server:/export", "0:50"}, "2"},
        {{"/mnt/share", "cifs", "//host/share", "0:51"}, "2"},
        {{"/media/cd", "iso9660", "/dev/sr0", "11:0"}, "3"},
        {{"/media/dvd", "udf", "/dev/sr1", "11:1"}, "3"},
        {{"/run", "tmpfs", "tmpfs", "0:24"}, "x"},
        {{"/proc", "proc", "proc", "0:21"}, "x"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(classifyMedia(c.e, sys), c.kind) << c.e.mountPoint.toStdString();
}

TEST(Drives, RootIsAlwaysADriveAndPseudoSystemsNever)
{
    const QStringList drives = getValidDrives();
    ASSERT_FALSE(drives.isEmpty());
    EXPECT_EQ(drives.first(), "/");
    EXPECT_FALSE(drives.contains("/proc/"));
    EXPECT_FALSE(drives.contains("/sys/"));
    for (const QString &d : drives)
        EXPECT_TRUE(d.endsWith('/'));
    EXPECT_EQ(driveOfPath("/"), "/");
    EXPECT_TRUE(isPseudoFileSystem("/proc"));
    EXPECT_FALSE(isPseudoFileSystem(gbtest::makeTempDir()));
}

TEST(Drives, LabelsKeptByTheUserAndUnreadableRoots)
{
    gbtest::ScriptedUi ui;
    // The root file system: no message for a missing label.
    getVolumeLabel("/");
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_TRUE(setVolumeLabel("/", "  Holiday 2002 "));
    EXPECT_EQ(getVolumeLabel("/"), "Holiday 2002");
    EXPECT_FALSE(volumeKey("/").isEmpty());

    EXPECT_EQ(getVolumeLabel("/no/such/mount/"), "");
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_TRUE(ui.boxes[0].text.startsWith("\r\nError: "));
    EXPECT_FALSE(setVolumeLabel("/no/such/mount/", "x"));
    EXPECT_EQ(getMediaType("/no/such/mount/"), "x");
}
