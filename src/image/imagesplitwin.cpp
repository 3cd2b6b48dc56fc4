#include "image/imagesplitwin.h"

#include "common/batchprogress.h"
#include "common/dialogunits.h"
#include "common/filepaths.h"
#include "common/messages.h"
#include "common/registry.h"
#include "common/selectfolder.h"
#include "common/uiseam.h"
#include "image/imagesplit.h"
#include "image/imagetypes.h"
#include "image/jpgsaveoptionswin.h"
#include "image/previewft.h"
#include "image/splittable.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

#include <algorithm>
#include <memory>

namespace gb {

namespace {

const QString kLastUsed = QStringLiteral("Last Used");
const QString kSplitDirectory = QStringLiteral("Split Directory");

QLabel *label(QWidget *parent, const QString &text, const QRect &rect)
{
    auto *l = new QLabel(text, parent);
    l->setGeometry(rect);
    return l;
}

QLineEdit *edit(QWidget *parent, const QRect &rect)
{
    auto *e = new QLineEdit(parent);
    e->setGeometry(rect);
    return e;
}

} // namespace

ImageSplitWin::ImageSplitWin(QWidget *owner, const SplitSource &source)
    : QDialog(owner)
    , mSource(source)
{
    setWindowTitle(QStringLiteral("Split Image"));
    const DialogUnits du = DialogUnits::setUp(this, 270, 223);

    label(this, QStringLiteral("File:"), du.rect(8, 9, 16, 12));
    mFNameFt = label(this, QString(), du.rect(26, 8, 238, 12));
    mFNameFt->setFrameStyle(QFrame::Box | QFrame::Plain);
    auto *splitIn = new QGroupBox(QStringLiteral("Split in"), this);
    splitIn->setGeometry(du.rect(8, 23, 160, 31));
    label(this, QStringLiteral("Rows:"), du.rect(18, 36, 22, 12));
    mRows = edit(this, du.rect(40, 35, 35, 12));
    label(this, QStringLiteral("Columns:"), du.rect(85, 36, 31, 12));
    mCols = edit(this, du.rect(116, 35, 35, 12));
    for (QLineEdit *e : {mRows, mCols})
        e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,2}")), e));
    label(this, QStringLiteral("Save as:"), du.rect(8, 61, 31, 12));
    mImageType = new QComboBox(this);
    mImageType->setGeometry(du.rect(39, 60, 135, 12));
    std::vector<FileTypeEntry> types = fileTypes();
    std::sort(types.begin(), types.end(), [](const FileTypeEntry &a, const FileTypeEntry &b) { return a.label < b.label; });
    for (const FileTypeEntry &t : types)
        mImageType->addItem(t.label, t.code);
    label(this, QStringLiteral("In Folder:"), du.rect(8, 80, 30, 12));
    mFolderName = edit(this, du.rect(38, 79, 93, 12));
    mBrowse = new QPushButton(QStringLiteral("..."), this);
    mBrowse->setGeometry(du.rect(135, 79, 13, 12));
    mCreateHtml = new QCheckBox(QStringLiteral("Create HTML code"), this);
    mCreateHtml->setGeometry(du.rect(8, 100, 80, 11));
    auto *putTo = new QGroupBox(QStringLiteral("Put html code to:"), this);
    putTo->setGeometry(du.rect(8, 117, 236, 34));
    mHtmlFile = new QRadioButton(QStringLiteral("HTML file"), this);
    mHtmlFile->setGeometry(du.rect(12, 131, 46, 11));
    mTextFile = new QRadioButton(QStringLiteral("Text file"), this);
    mTextFile->setGeometry(du.rect(89, 131, 40, 11));
    mClipboard = new QRadioButton(QStringLiteral("Windows Clipboard"), this);
    mClipboard->setGeometry(du.rect(159, 131, 80, 11));
    auto *group = new QButtonGroup(this);
    for (QRadioButton *b : {mHtmlFile, mTextFile, mClipboard})
        group->addButton(b);
    label(this, QStringLiteral("File Name:"), du.rect(8, 160, 36, 12));
    mFileName = edit(this, du.rect(46, 159, 103, 12));
    label(this, QStringLiteral("ALT TAG:"), du.rect(8, 180, 36, 12));
    mAltTag = edit(this, du.rect(47, 178, 201, 12));
    mPreview = new PreviewFt(this);
    mPreview->setGeometry(du.rect(190, 27, 73, 67));
    mPreview->setFrameStyle(QFrame::Box | QFrame::Plain);
    mOk = new QPushButton(QStringLiteral("Ok"), this);
    mOk->setGeometry(du.rect(54, 200, 53, 12));
    mCancel = new QPushButton(QStringLiteral("Cancel"), this);
    mCancel->setGeometry(du.rect(155, 200, 54, 12));

    connect(mOk, &QPushButton::clicked, this, &ImageSplitWin::pbOk);
    connect(mCancel, &QPushButton::clicked, this, &ImageSplitWin::pbCancel);
    connect(mBrowse, &QPushButton::clicked, this, &ImageSplitWin::pbBrowseFolders);
    makeEnterButton(mOk);
    for (QAbstractButton *b : {static_cast<QAbstractButton *>(mCreateHtml), static_cast<QAbstractButton *>(mHtmlFile),
                               static_cast<QAbstractButton *>(mTextFile), static_cast<QAbstractButton *>(mClipboard)})
        connect(b, &QAbstractButton::clicked, this, &ImageSplitWin::buttonClick);

    // Opening values.
    mFNameFt->setText(mSource.path);
    mImageType->setCurrentIndex(mImageType->findData(int(ImageTypeJpg)));
    mRows->setText(QStringLiteral("2"));
    mCols->setText(QStringLiteral("2"));
    const QString stored = kvtQueryRtRegString(kLastUsed, kSplitDirectory);
    mFolderName->setText(stored.isEmpty() || !dirExist(stored) ? getTemporaryDir() : stored);
    if (mSource.image)
        previewImage(mPreview, &mPreviewImage, *mSource.image);
    else
        previewFileOnWorker(this, mPreview, &mPreviewImage, mSource.path);
    mCreateHtml->setChecked(false);
    mHtmlFile->setChecked(true);
    mFileName->setText(QStringLiteral("TMPIMAGE"));
    buttonClick();
}

ImageSplitWin::~ImageSplitWin()
{
    // The pane must not draw the preview after it is gone.
    mPreview->update(nullptr, 0, 0, QString());
}

int ImageSplitWin::theRow() const
{
    return mRows->text().trimmed().toInt();
}

int ImageSplitWin::theCol() const
{
    return mCols->text().trimmed().toInt();
}

int ImageSplitWin::imageFormat() const
{
    return mImageType->currentIndex() < 0 ? 0 : mImageType->currentData().toInt();
}

QString ImageSplitWin::theFolder() const
{
    return mFolderName->text().trimmed();
}

bool ImageSplitWin::createHtml() const
{
    return mCreateHtml->isChecked();
}

int ImageSplitWin::saveHtmlAs() const
{
    return mHtmlFile->isChecked() ? SplitTableHtmlFile : mTextFile->isChecked() ? SplitTableTextFile : SplitTableClipboard;
}

QString ImageSplitWin::fileName() const
{
    return mFileName->text().trimmed();
}

QString ImageSplitWin::altTag() const
{
    return mAltTag->text().trimmed();
}

void ImageSplitWin::buttonClick()
{
    const bool html = mCreateHtml->isChecked();
    for (QWidget *w : {static_cast<QWidget *>(mHtmlFile), static_cast<QWidget *>(mTextFile),
                       static_cast<QWidget *>(mClipboard), static_cast<QWidget *>(mAltTag)})
        w->setEnabled(html);
    mFileName->setEnabled(html && !mClipboard->isChecked());
}

void ImageSplitWin::pbBrowseFolders()
{
    QString folder;
    if (selectFolder(this, QStringLiteral("Select folder to place splited images"), QString(), 0, &folder))
        mFolderName->setText(folder);
}

void ImageSplitWin::pbOk()
{
    if (mRunning)
        return;
    const int rows = theRow();
    const int columns = theCol();
    const int format = imageFormat();
    int quality = 0, progressive = 0;
    if (format == ImageTypeJpg && !getJpgSaveOptions(this, quality, progressive))
        return;
    QString folder = theFolder();
    const bool html = createHtml();
    const int target = saveHtmlAs();
    const QString name = fileName();
    const QString alt = altTag();

    if (int64_t(rows) * columns <= 1) {
        errorMsg(this, QStringLiteral("At least one from rows or columns must be greater than 1"));
        return;
    }
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    if (folder.isEmpty() || !folderExist(folder)) {
        errorMsg(this, QStringLiteral("Folder ") + folder + QStringLiteral(" does not exist"));
        return;
    }
    if (html && target != SplitTableClipboard && name.isEmpty()) {
        errorMsg(this, QStringLiteral("Define html or text file name"));
        return;
    }
    if (html && target != SplitTableClipboard && leavesItsFolder(name)) {
        errorMsg(this, QStringLiteral("The html or text file name \"") + name
                           + QStringLiteral("\" must not hold \"/\" or \"..\": the file stays in the folder"));
        return;
    }
    kvtSetRtRegString(kLastUsed, kSplitDirectory, folder);

    SplitRequest request;
    request.sourcePath = mSource.path;
    request.source = mSource.image;
    request.columns = columns;
    request.rows = rows;
    request.base = splitTileBase(mSource.path, folder, format);
    request.format = format;
    request.alt = alt;
    request.jpegQuality = quality;
    request.jpegProgressive = progressive;
    std::unique_ptr<BatchProgress> progress = ui().batchProgress(this);
    mRunning = true;
    SplitResult result = splitImage(request, *progress);
    mRunning = false;
    if (!result.obtained && !result.aborted) {
        errorMsg(nullptr, QStringLiteral("Unsufficient system memory to complete the operation"));
    } else {
        QString error;
        // An aborted run writes no table: its tiles are not all there.
        if (html && !result.aborted && !result.table.empty()
            && !createSplitTable(result.table, folder, name, target, &error))
            result.errors << QStringLiteral("HTML code not written: ") + error;
        if (!result.errors.isEmpty())
            ui().reportErrors(this, result.errors);
        else if (!result.aborted)
            infoMessage(this, QStringLiteral("Procedure finished."));
    }
    done(1);
}

void ImageSplitWin::pbCancel()
{
    done(-1);
}

void ImageSplitWin::done(int result)
{
    if (!mRunning)
        QDialog::done(result);
}

} // namespace gb
