// The explorer hands its selection to the other tools (through the main window's commands),
// prints single images, and opens the splitter, the slide show, the full-screen view and
// the find dialog.

#include "explorer/fileexplorer.h"

#include "common/focusreturn.h"
#include "common/messages.h"
#include "explorer/defineorderwin.h"
#include "explorer/findimagewin.h"
#include "explorer/fullscreenshowwin.h"
#include "image/imagesplitwin.h"
#include "image/imagethumbswin.h"
#include "sheets/imagereport.h"

#include <QHash>

namespace gb {

namespace {

// The explorer's launch commands and the main-window command that opens each tool.
const QHash<QString, QString> &launchedTools()
{
    static const QHash<QString, QString> tools = {
        {QStringLiteral("BATCHEDIT"), QStringLiteral("BATCHPROCESSING")},
        {QStringLiteral("HTMLGENERATE"), QStringLiteral("HTMLCREATIONS")},
        {QStringLiteral("CREATECONTACTSHEET"), QStringLiteral("IMAGECOMPOSER")},
        {QStringLiteral("PREVIEWFILES"), QStringLiteral("PRINTIMAGEGALLERY")},
        {QStringLiteral("PRINTFILES"), QStringLiteral("PRINTIMAGEGALLERY")},
        {QStringLiteral("RENAMEFILES"), QStringLiteral("RENAMEFILES")},
    };
    return tools;
}

} // namespace

bool FileExplorer::commandAvailable(const QString &command) const
{
    const QString tool = launchedTools().value(command.toUpper());
    if (tool.isEmpty())
        return true;
    bool available = false;
    if (mOwner && mOwner->metaObject()->indexOfMethod("commandAvailable(QString)") >= 0)
        QMetaObject::invokeMethod(mOwner, "commandAvailable", Q_RETURN_ARG(bool, available), Q_ARG(QString, tool));
    return available;
}

void FileExplorer::launchTool(const char *method, const QStringList &files)
{
    if (mOwner)
        QMetaObject::invokeMethod(mOwner, method, Q_ARG(QStringList, files));
}

void FileExplorer::batchEdit()
{
    const QStringList files = mThumbs->getSelectedFiles();
    if (files.isEmpty())
        infoMessage(this, QStringLiteral("Select at least one image file"));
    else
        launchTool("batchProcessing", files);
}

void FileExplorer::htmlGenerate()
{
    const QStringList files = mThumbs->getSelectedFiles();
    if (files.isEmpty())
        infoMessage(this, QStringLiteral("Select at least one image file"));
    else
        launchTool("htmlCreations", files);
}

void FileExplorer::createContactSheet()
{
    const QStringList files = mThumbs->getSelectedFiles();
    if (files.size() < 2)
        infoMessage(this, QStringLiteral("Select at least two files for the contact sheet"));
    else
        launchTool("imageComposer", files);
}

void FileExplorer::printPreview(bool print)
{
    const QStringList files = mThumbs->getSelectedFiles();
    if (files.isEmpty())
        infoMessage(this, QStringLiteral("Select at least one file for ") + (print ? QStringLiteral("print") : QStringLiteral("preview")));
    else
        launchTool("printImageGallery", files);
}

void FileExplorer::previewFiles()
{
    printPreview(false);
}

void FileExplorer::printFiles()
{
    printPreview(true);
}

void FileExplorer::printPreviewOriginal(bool print)
{
    const QString word = print ? QStringLiteral("print") : QStringLiteral("preview");
    const QString done = print ? QStringLiteral("printed") : QStringLiteral("previewed");
    const QString file = firstSelected(QStringLiteral("Select a file for ") + word,
                                       QStringLiteral("You select more than one images. Only the first one will be ") + done);
    if (!file.isEmpty())
        ImageReport(mOwner ? mOwner : this, file).run(print);
}

void FileExplorer::previewOriginal()
{
    printPreviewOriginal(false);
}

void FileExplorer::printOriginal()
{
    printPreviewOriginal(true);
}

void FileExplorer::splitImage()
{
    const QString file = firstSelected(QStringLiteral("Select an image file to split"),
                                       QStringLiteral("You select more than one images. Only the first will be splited"));
    if (file.isEmpty())
        return;
    // The splitter closes itself once its tiles are written; the keys come back here.
    FocusReturn back(this);
    ImageSplitWin dialog(this, {file});
    dialog.exec();
}

void FileExplorer::slideShow()
{
    const QStringList files = mThumbs->getSelectedFiles();
    if (files.isEmpty()) {
        infoMessage(this, QStringLiteral("Select files to slide show"));
        return;
    }
    const QStringList order = defineSequence(this, files, QStringLiteral("Define images slide show sequence"));
    if (!order.isEmpty())
        gb::slideShow(this, order);
}

void FileExplorer::fullScreen()
{
    const QString file = firstSelected(
        QStringLiteral("Select a file to view in full screen mode"),
        QStringLiteral("You select more than one images. You will see a full screen view only for the first one."));
    if (!file.isEmpty())
        gb::showFullScreen(this, file);
}

void FileExplorer::findImage()
{
    FindImageWin dialog(this);
    dialog.exec();
}

} // namespace gb
