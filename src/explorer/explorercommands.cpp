// The explorer's commands on the selected image files: view, copy, move, rename, save in
// another format, properties, remove, and the image or its thumbnail to the clipboard.

#include "explorer/fileexplorer.h"

#include "common/messages.h"
#include "common/safefile.h"
#include "common/getnamewin.h"
#include "common/selectfolder.h"
#include "common/uiseam.h"
#include "explorer/filecommands.h"
#include "explorer/fileops.h"
#include "explorer/filepropertieswin.h"
#include "image/clipboard.h"
#include "image/imageload.h"
#include "image/imagesave.h"
#include "image/imagethumbswin.h"
#include "image/imagetypes.h"
#include "image/jpgsaveoptionswin.h"
#include "image/viewerwin.h"

#include <QFileInfo>
#include <QPointer>

namespace gb {

namespace {

// The save dialog's types, in the dialog's order: mask and label.
const std::pair<const char *, const char *> kSaveTypes[] = {
    {"*.bmp", "bmp: Windows Bitmap"},      {"*.emf", "emf: Windows enhaced metafile"},
    {"*.pcx", "pcx: Zsoft Paintbrush"},    {"*.gif", "gif: CompuServe GIF"},
    {"*.png", "png: PiNG"},                {"*.tif", "tif: Tagget Image Format"},
    {"*.jpg", "jpg: JPEG Compressed"},     {"*.tga", "tga: Targa True Vision"},
    {"*.wmf", "wmf: Windows Metafile"},
};

} // namespace

QString FileExplorer::firstSelected(const QString &noneText, const QString &severalText)
{
    const QStringList files = mThumbs->getSelectedFiles();
    if (files.isEmpty()) {
        infoMessage(this, noneText);
        return {};
    }
    if (files.size() > 1 && !severalText.isEmpty())
        warningMsg(this, severalText);
    return files.first();
}

void FileExplorer::editImage()
{
    const QString file = firstSelected(QStringLiteral("Select an image to view"),
                                       QStringLiteral("You select more than one images. You will view only the first one"));
    if (!file.isEmpty())
        new ViewerWin(mOwner ? mOwner : window(), file);
}

void FileExplorer::copyFile()
{
    const QStringList files = mThumbs->getSelectedFiles();
    if (files.isEmpty()) {
        infoMessage(this, QStringLiteral("Select files to copy"));
        return;
    }
    QString folder;
    if (!selectFolder(this, QStringLiteral("Select folder to copy selected file(s)"), QString(), 0, &folder))
        return;
    copyFilesInto(this, files, folder);
}

void FileExplorer::moveFile()
{
    const QStringList files = mThumbs->getSelectedFiles();
    if (files.isEmpty()) {
        infoMessage(this, QStringLiteral("Select files to move"));
        return;
    }
    QString folder;
    if (!selectFolder(this, QStringLiteral("Select folder to move selected file(s)"), QString(), 0, &folder))
        return;
    if (moveFilesInto(this, files, folder) > 0)
        refreshThumbnails();
}

void FileExplorer::renameFile()
{
    const QStringList files = mThumbs->getSelectedFiles();
    if (files.isEmpty()) {
        infoMessage(this, QStringLiteral("Select a file to rename"));
        return;
    }
    if (files.size() > 1) {
        if (commandAvailable(QStringLiteral("RENAMEFILES")))
            launchTool("renameFiles", files);
        else
            infoMessage(this, QStringLiteral("Renaming several files at once needs the batch renamer, which this program does not have."));
        return;
    }
    const QString oldPath = files.first();
    const int slash = oldPath.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return;
    QString name = oldPath.mid(slash + 1);
    if (!getName(this, QStringLiteral("Enter new file name ..."), &name))
        return;
    QString why;
    if (renameImageFile(oldPath, oldPath.left(slash + 1) + name, &why))
        refreshThumbnails();
    else
        errMessage(this, QStringLiteral("Unable to rename file ") + oldPath + errorSuffix(why));
}

void FileExplorer::saveAsFile()
{
    const QString file = firstSelected(
        QStringLiteral("Select at least one file to save in a different format"),
        QStringLiteral("You select more than one image. Only the first one will be saved to a new file. You can use "
                       "batch image editor to convert more than one images to a different format."));
    if (file.isEmpty())
        return;
    const int dot = file.lastIndexOf(QLatin1Char('.'));
    const QString mask = dot < 0 ? QString() : QStringLiteral("*.") + file.mid(dot + 1).toLower();
    QStringList filters;
    int index = 6; // "*.jpg"
    for (int i = 0; i < int(std::size(kSaveTypes)); ++i) {
        filters << QStringLiteral("%1 (%2)").arg(QLatin1String(kSaveTypes[i].second), QLatin1String(kSaveTypes[i].first));
        if (!mask.isEmpty() && mask == QLatin1String(kSaveTypes[i].first))
            index = i;
    }
    const QString newFile = ui().saveFileName(this, QStringLiteral("Save As"), QString(), filters, &index);
    if (newFile.isEmpty())
        return;
    if (QFileInfo::exists(newFile) && !confirmOverwrite(this, newFile))
        return;
    save2NewFile(file, newFile);
}

void FileExplorer::save2NewFile(const QString &file, const QString &newFile)
{
    const int type = guessFormatFromExtension(newFile);
    if (type == ImageTypeUnknown) {
        errorMsg(this, QStringLiteral("File extension is not assosiated with a supported graphics format"));
        return;
    }
    int width = 0, height = 0;
    QString error;
    const RgbImage img = createRgbFromFile(file, width, height, error);
    if (img.isNull()) {
        errorMsg(this, error);
        return;
    }
    int quality = 0, progressive = 0;
    if (type == ImageTypeJpg && !getJpgSaveOptions(this, quality, progressive))
        return;
    removeDeadLeftovers(QFileInfo(newFile).absolutePath(), Leftover::Write);
    if (!saveRgb2File(img, newFile, type, quality, progressive != 0, 0.0, 256)) {
        errorMsg(this, QStringLiteral("An error occured - file not saved"));
        return;
    }
    if (inSameDir(file, newFile))
        refreshThumbnails();
}

bool FileExplorer::inSameDir(const QString &fileA, const QString &fileB)
{
    const int a = fileA.lastIndexOf(QLatin1Char('/'));
    const int b = fileB.lastIndexOf(QLatin1Char('/'));
    if (a < 0 || b < 0)
        return false;
    return fileA.left(a).toUpper() == fileB.left(b).toUpper();
}

void FileExplorer::fileProperties()
{
    const QString file = firstSelected(
        QStringLiteral("Select the file to view properties"),
        QStringLiteral("You select more than one images. You will view properties only for the first one."));
    if (!file.isEmpty())
        gb::fileProperties(this, file);
}

void FileExplorer::removeFile()
{
    const QStringList files = mThumbs->getSelectedFiles();
    if (files.isEmpty()) {
        infoMessage(this, QStringLiteral("Select files to remove"));
        return;
    }
    if (!confirmDelete(this, QStringLiteral("Selected file(s) will be removed and they cannot be restored later.")))
        return;
    if (removeFilesNow(this, files) > 0)
        refreshThumbnails();
}

void FileExplorer::copyImage2Clipboard()
{
    const QString file = firstSelected(
        QStringLiteral("Select an image file to copy to clipboard"),
        QStringLiteral("You select more than one images. Only the first one will be copied to the clipboard"));
    if (!file.isEmpty())
        copyRgb2Clipboard(file);
}

void FileExplorer::copyThumbnail2Clipboard()
{
    const QString file = firstSelected(
        QStringLiteral("Select an image file to copy to clipboard"),
        QStringLiteral("You select more than one images. Only the first one thumbnail will be copied to the clipboard"));
    if (file.isEmpty())
        return;
    int width = 0, height = 0;
    const RgbImage copy = mThumbs->duplicateRgbThumbHandle(file, width, height);
    if (!copy.isNull())
        copyRgbPtr2Clipboard(copy, width, height);
}

} // namespace gb
