#include "catalog/archiveexplorer.h"

#include "resources/resourceclasses.h"
#include "catalog/addimageswin.h"
#include "image/clipboard.h"
#include "catalog/archivebrowse.h"
#include "catalog/archivestruct.h"
#include "catalog/archivethumbswin.h"
#include "catalog/batchaddkeywordswin.h"
#include "catalog/catalogpaths.h"
#include "catalog/enterlabelwin.h"
#include "catalog/findinarchivewin.h"
#include "catalog/openarchive.h"
#include "catalog/physicalinfowin.h"
#include "catalog/repairarchwin.h"
#include "catalog/showerrorswin.h"
#include "catalog/thumbdatawin.h"
#include "catalog/voltree.h"
#include "common/collectdatawin.h"
#include "common/filepaths.h"
#include "common/globals.h"
#include "common/inputonlyto.h"
#include "common/messages.h"
#include "common/registry.h"
#include "common/windowplacement.h"
#include "common/uiseam.h"
#include "explorer/optionswin.h"
#include "explorer/spacingwin.h"
#include "image/viewerwin.h"
#include "sheets/thumpsreport.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QSplitter>
#include <QStatusBar>

namespace gb {

namespace {

// The adding run's progress window with its Abort button, and the label question.
class WindowAddHost : public AddImagesHost
{
public:
    explicit WindowAddHost(QWidget *owner)
        : mOwner(owner), mProgress(owner, QStringLiteral("Creating thumbnails ..."), true)
    {
    }
    void start(int files) override { mProgress.start(files); }
    void advance() override { mProgress.advance(); }
    void finish() override { mProgress.finish(); }
    QString askLabel(const QString &driveRoot) override
    {
        EnterLabelWin dialog(mOwner, driveRoot);
        dialog.setWindowTitle(QStringLiteral("Media label not found for drive ") + driveName(driveRoot));
        return dialog.exec() == 1 ? dialog.newLabel() : QString();
    }
    // Only the progress window takes input (its Abort button): the catalog and the other
    // windows take no command while the run writes the catalog.
    void idle() override
    {
        const InputOnlyTo only(mProgress.window());
        QCoreApplication::processEvents();
    }

private:
    QWidget *mOwner;
    CompactProgressWin mProgress;
};

} // namespace

ArchiveExplorer::ArchiveExplorer(QWidget *owner, std::unique_ptr<ArchServer> server, const QString &stem)
    : QMainWindow(nullptr), mOwner(owner), mServer(std::move(server)), mStem(stem)
{
    // Commands the catalog window does not handle go on to the main window.
    setProperty("gbOwner", QVariant::fromValue<QObject *>(owner));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(ArchiveIcon());
    gaOpenArchives << mStem;
    setWindowTitle(QStringLiteral("Image Catalog: ") + mStem);
    resize(800, 560);
    // The window has no dock areas; its layout needs no animations.
    setAnimated(false);

    mSplitter = new QSplitter(Qt::Horizontal, this);
    setCentralWidget(mSplitter);
    mNoOfFiles = new QLabel(this);
    mSelFiles = new QLabel(this);
    const QFontMetrics fm(font());
    mNoOfFiles->setMinimumWidth(fm.horizontalAdvance(QStringLiteral("Files: 000000")));
    mSelFiles->setMinimumWidth(fm.horizontalAdvance(QStringLiteral("Selected: 000000")));
    // The counts sit on the right, leaving the left of the bar to the grid's progress bar.
    statusBar()->addPermanentWidget(mNoOfFiles);
    statusBar()->addPermanentWidget(mSelFiles);
    statusBar()->setSizeGripEnabled(false);

    ui().pleaseWaitShow(owner, QStringLiteral("Building Archive Tree"));
    mTree = new VolTree(mSplitter, *mServer);
    ui().pleaseWaitClose();

    mBusy = true;
    mGrid = new ArchiveThumbsWin(mSplitter);
    mGrid->setStatusBar(statusBar());
    mSplitter->addWidget(mTree);
    mSplitter->addWidget(mGrid);
    mSplitter->setStretchFactor(0, 3);
    mSplitter->setStretchFactor(1, 7);
    mSplitter->setSizes({int(0.3 * width()), int(0.7 * width())});
    connect(mGrid, &ImageThumbsWin::selectedCountReported, this, &ArchiveExplorer::reportSelected);
    connect(mGrid, &ArchiveThumbsWin::imageClicked, this, &ArchiveExplorer::clickOnImage);
    connect(mTree, &QTreeWidget::currentItemChanged, this, &ArchiveExplorer::treeSelectionChanged);
    updateToolbar();
    mBusy = false;
}

ArchiveExplorer::~ArchiveExplorer()
{
    gaOpenArchives.removeOne(mStem);
}

QStringList ArchiveExplorer::statusTexts() const
{
    return {mNoOfFiles->text(), mSelFiles->text()};
}

void ArchiveExplorer::updateToolbar()
{
    mNoOfFiles->setText(QStringLiteral("Files: ") + QString::number(mFileCount));
    mSelFiles->setText(QStringLiteral("Selected: ") + QString::number(mSelectedCount));
}

void ArchiveExplorer::reportSelected(int count)
{
    mSelectedCount = count;
    updateToolbar();
}

void ArchiveExplorer::treeSelectionChanged(QTreeWidgetItem *item)
{
    const QStringList value = VolTree::itemValue(item);
    if (value.size() == 4 && value.at(0) == QLatin1String("F"))
        newPathSelected(value.at(1), value.at(2), value.at(3));
}

void ArchiveExplorer::newPathSelected(const QString &label, const QString &folder, const QString &media)
{
    if (mBusy)
        return;
    mMedia = media;
    mLabel = label;
    mFolder = folder;
    std::vector<ArchiveThumbsWin::Record> records;
    for (FolderImage &image : listFolderImages(*mServer, media, label, folder))
        records.push_back({folder, image.fileName, false, std::move(image.thumbnail)});
    mFileCount = int(records.size());
    mSelectedCount = 0;
    mGrid->changeRecords(records);
    updateToolbar();
}

void ArchiveExplorer::rebuildTree()
{
    ui().pleaseWaitShow(this, QStringLiteral("Rebuilding Archive Tree"));
    mBusy = true;
    mTree->buildInitialTree();
    ui().pleaseWaitClose();
    mBusy = false;
    newPathSelected(QString(), QString(), QString());
}

void ArchiveExplorer::closeArchive()
{
    closeWindowFrame(this);
}

void ArchiveExplorer::pageSetup()
{
    OptionsWin dialog(this);
    dialog.exec();
}

void ArchiveExplorer::addGroupOfImages()
{
    AddImagesWin dialog(this);
    dialog.loadFiles(mFilesToAdd);
    mFilesToAdd.clear();
    if (dialog.exec() != 1)
        return;
    addImages(dialog.selectedFiles(), dialog.overwrite());
}

AddImagesResult ArchiveExplorer::addImages(const QStringList &files, bool refresh)
{
    WindowAddHost host(this);
    mAdding = true;
    const AddImagesResult result = gb::addGroupOfImages(this, *mServer, files, refresh, host, mAddThreads);
    mAdding = false;
    const QString summary = addImagesSummary(result);
    if (!summary.isEmpty())
        infoMessage(this, summary);
    if (!result.errors.isEmpty()) {
        ShowErrorsWin errors(this, result.errors);
        errors.exec();
    }
    if (result.added > 0)
        rebuildTree();
    return result;
}

QStringList ArchiveExplorer::selectedOrSay(const QString &noneText)
{
    const QStringList paths = mGrid->getSelectedFiles();
    if (paths.isEmpty())
        infoMessage(this, noneText);
    return paths;
}

void ArchiveExplorer::editData()
{
    const QStringList paths = selectedOrSay(QStringLiteral("Select image to view/edit info"));
    if (paths.isEmpty())
        return;
    if (paths.size() > 1)
        warningMsg(this, QStringLiteral("More than one images selected. You will edit info only for the first one"));
    clickOnImage(paths.first());
}

void ArchiveExplorer::clickOnImage(const QString &path)
{
    if (!mServer->locateRec(mMedia, mLabel, path))
        return;
    const ImageRecordInfo before = readRecordInfo(*mServer);
    ThumbDataWin dialog(this);
    dialog.setWindowTitle(path);
    PhysicalInfoWin *page = dialog.firstTab();
    page->setMedia(mMedia);
    page->setVolume(mLabel);
    page->setFolder(mFolder);
    page->setFileName(extractFileName(path));
    page->setModified(before.modified);
    page->setFileSize(before.size);
    page->setWidth(before.width);
    page->setHeight(before.height);
    page->setRgb(before.thumbnail);
    dialog.keywordsWin()->setKeywords(before.keywords);
    dialog.commentsWin()->setComments(before.comments);
    if (dialog.exec() != 1)
        return;
    // The dialog ran modally; the record is found again before it is written.
    if (mServer->locateRec(mMedia, mLabel, path))
        storeRecordInfo(*mServer, before, dialog.keywords(), dialog.comments());
}

void ArchiveExplorer::addKeywords()
{
    const QStringList paths = selectedOrSay(QStringLiteral("Select image(s) to add keywords"));
    if (paths.isEmpty())
        return;
    BatchAddKeywordsWin dialog(this);
    if (dialog.exec() != 1)
        return;
    CompactProgressWin progress(this, QStringLiteral("Updating thumbnails records ..."));
    progress.start(int(paths.size()));
    addKeywordsToRecords(*mServer, mMedia, mLabel, paths, dialog.keywords(), [&] { progress.advance(); });
    progress.finish();
}

QString ArchiveExplorer::driveOfCurrentVolume()
{
    const QString drive = getDriveFromVolume(this, mLabel);
    if (drive.isEmpty())
        errorMsg(this, QStringLiteral("Procedure aborted"));
    return drive;
}

void ArchiveExplorer::viewOriginalImage()
{
    const QStringList paths = selectedOrSay(QStringLiteral("Select image to edit"));
    if (paths.isEmpty())
        return;
    for (const QString &path : paths) {
        const QString drive = driveOfCurrentVolume();
        if (drive.isEmpty())
            return;
        const QString file = joinDrivePath(drive, path);
        if (QFileInfo::exists(file))
            new ViewerWin(mOwner, file);
        else
            errorMsg(this, QStringLiteral("File :") + file + QStringLiteral(" does not exist at volume: ") + mLabel);
    }
}

void ArchiveExplorer::copy2Clipboard()
{
    const QStringList paths = selectedOrSay(QStringLiteral("Select an image file to copy to clipboard"));
    if (paths.isEmpty())
        return;
    if (paths.size() > 1)
        warningMsg(this, QStringLiteral(
                             "You select more than one images. Only the first one image will be copied to the clipboard"));
    const QString drive = driveOfCurrentVolume();
    if (drive.isEmpty())
        return;
    const QString file = joinDrivePath(drive, paths.first());
    if (QFileInfo::exists(file))
        copyRgb2Clipboard(file);
    else
        errorMsg(this, QStringLiteral("File :") + file + QStringLiteral(" does not exist at volume: ") + mLabel);
}

void ArchiveExplorer::copyThumbnail2Clipboard()
{
    const QStringList paths = selectedOrSay(QStringLiteral("Select an image file to copy to clipboard"));
    if (paths.isEmpty())
        return;
    if (paths.size() > 1)
        warningMsg(this, QStringLiteral("You select more than one images. Only the first one thumbnail will be "
                                        "copied to the clipboard"));
    int w = 0, h = 0;
    const RgbImage copy = mGrid->duplicateRgbThumbHandle(paths.first(), w, h);
    if (!copy.isNull())
        copyRgbPtr2Clipboard(copy, copy.width(), copy.height());
}

void ArchiveExplorer::removeThumbnails()
{
    const QStringList paths = selectedOrSay(QStringLiteral("Select thumbnail(s) to remove"));
    if (paths.isEmpty())
        return;
    if (!confirmDelete(this, QStringLiteral("Selected thumbnail(s) will be removed from the archive.")))
        return;
    const int failed = removeRecords(*mServer, mMedia, mLabel, paths);
    for (int i = 0; i < failed; ++i)
        errorMsg(this, QStringLiteral("Fail to delete record"));
    rebuildTree();
}

void ArchiveExplorer::previewThumbs()
{
    printPreview(false);
}

void ArchiveExplorer::printThumbs()
{
    printPreview(true);
}

void ArchiveExplorer::printPreview(bool print)
{
    const QStringList paths = selectedOrSay(QStringLiteral("Select at least one image for ") + (print ? "print" : "preview"));
    if (paths.isEmpty())
        return;
    QStringList captions;
    QList<QByteArray> thumbnails;
    for (const QString &path : paths) {
        if (!mServer->locateRec(mMedia, mLabel, path))
            continue;
        captions << extractFileName(path);
        thumbnails << mServer->fieldGet(QStringLiteral("RGB")).toBytes();
    }
    if (captions.isEmpty())
        return;
    ThumpsReport(mOwner, captions, thumbnails, mLabel + QLatin1Char(' ') + mFolder).run(print);
}

void ArchiveExplorer::findImage()
{
    FindInArchiveWin dialog(this, *mServer);
    connect(&dialog, &FindInArchiveWin::imageOpened, this,
            [this, &dialog](const QString &media, const QString &volume, const QString &fullPath) {
                // Shows the image's folder with the image selected, and leaves the search open.
                if (QTreeWidgetItem *item = mTree->findFolder(media, volume, folderOfPath(fullPath))) {
                    mTree->setCurrentItem(item);
                    mGrid->mouseClickOnCaptionSingle(extractFileName(fullPath));
                }
            });
    dialog.exec();
}

void ArchiveExplorer::selectAll() { mGrid->selectAll(); }
void ArchiveExplorer::invertSelection() { mGrid->invertSelection(); }
void ArchiveExplorer::unselectAll() { mGrid->unselectAll(); }
void ArchiveExplorer::previousPage() { mGrid->thumbsUp(); }
void ArchiveExplorer::nextPage() { mGrid->thumbsDown(); }

void ArchiveExplorer::thumbnailsSpacing()
{
    SpacingWin dialog(this);
    dialog.setRoom(mGrid->largestSpacing());
    dialog.setHorSpacing(mGrid->hSpacing());
    dialog.setVerSpacing(mGrid->vSpacing());
    if (dialog.exec() != 1)
        return;
    if (dialog.horSpacing() > 0 && dialog.verSpacing() > 0)
        mGrid->changeThumbsSpacing(dialog.verSpacing(), dialog.horSpacing());
}

void ArchiveExplorer::closeEvent(QCloseEvent *event)
{
    // The adding run writes through the server while it serves events.
    if (mAdding) {
        event->ignore();
        return;
    }
    saveWindowPlacement(this, QStringLiteral("Archive"));
    mGrid->close();
    gaOpenArchives.removeOne(mStem);
    mServer->close();
    QMainWindow::closeEvent(event);
}

ArchiveExplorer *openArchiveCommand(QWidget *owner)
{
    const QString last = kvtQueryRtRegString(QStringLiteral("Last Used"), QStringLiteral("Archive"));
    const QString start = !last.isEmpty() && QFileInfo::exists(last + QStringLiteral(".dbf"))
                              ? last + QStringLiteral(".dbf")
                              : QString();
    const QStringList chosen = ui().openFileNames(owner, QStringLiteral("Open image catalog"), start,
                                                  {QStringLiteral("image catalogs (*.dbf)")}, nullptr, false);
    if (chosen.isEmpty())
        return nullptr;
    const QString stem = catalogStem(chosen.first());
    if (isArchiveOpen(stem)) {
        warningMsg(owner, QStringLiteral("This catalog is already opened"));
        return nullptr;
    }
    std::unique_ptr<ArchServer> server = openArchive(owner, stem);
    if (!server)
        return nullptr;
    kvtSetRtRegString(QStringLiteral("Last Used"), QStringLiteral("Archive"), stem);
    return new ArchiveExplorer(owner, std::move(server), stem);
}

ArchiveExplorer *newArchiveCommand(QWidget *owner)
{
    const QString chosen = ui().saveFileName(owner, QStringLiteral("Create a new image catalog"), QString(),
                                             {QStringLiteral("image catalogs (*.dbf)")}, nullptr);
    if (chosen.isEmpty())
        return nullptr;
    const QString stem = catalogStem(chosen);
    std::unique_ptr<ArchServer> server = createNewArchive(owner, stem);
    if (!server) {
        errorMsg(owner, QStringLiteral("Failed to create new image catalog"));
        return nullptr;
    }
    return new ArchiveExplorer(owner, std::move(server), stem);
}

} // namespace gb
