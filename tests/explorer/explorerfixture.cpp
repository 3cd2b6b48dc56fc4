#include "explorerfixture.h"

#include "image/imagesave.h"
#include "image/imagethumbswin.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QTimer>

#include "support/testutil.h"

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gbtest {

bool writePng(const QString &path, int width, int height)
{
    return gb::saveRgb2File(gb::RgbImage::filled(width, height, 200, 40, 40), path, 4, 90, false, 0, 0);
}

QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        QFile f(QDir(folder).filePath(name));
        if (f.open(QIODevice::ReadOnly))
            files.insert(name, f.readAll());
    }
    return files;
}

std::unique_ptr<gb::FileExplorer> explorerOn(const QString &folder, QWidget *owner)
{
    auto e = std::make_unique<gb::FileExplorer>(owner);
    e->setAttribute(Qt::WA_DeleteOnClose, false);
    e->resize(900, 600);
    e->show();
    // The folder tree picks its first folder once shown; the test's folder comes after it.
    QCoreApplication::processEvents();
    e->setCurrentDir(folder);
    e->newPathSelected(folder);
    return e;
}

void select(gb::FileExplorer &explorer, const QStringList &captions)
{
    for (const QString &c : captions)
        explorer.oThumbs()->mouseClickOnCaption(c);
}

ReadOnlyFolder::ReadOnlyFolder(const QMap<QString, QByteArray> &files)
{
    mPath = makeTempDir("readonly") + "/";
    const QByteArray dir = QFile::encodeName(mPath);
    if (::geteuid() == 0) {
        mMounted = ::mount("none", dir.constData(), "tmpfs", 0, "size=4m") == 0;
        if (!mMounted)
            return;
    }
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        if (!writeFile(mPath + it.key(), it.value()))
            return;
    mOk = mMounted ? ::mount("none", dir.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0
                   : ::chmod(dir.constData(), 0555) == 0;
}

ReadOnlyFolder::~ReadOnlyFolder()
{
    const QByteArray dir = QFile::encodeName(mPath);
    if (mMounted)
        ::umount2(dir.constData(), MNT_DETACH);
    else
        ::chmod(dir.constData(), 0755);
}

} // namespace gbtest
