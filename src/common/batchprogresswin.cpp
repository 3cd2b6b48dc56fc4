#include "common/batchprogresswin.h"

#include "common/dialogunits.h"
#include "common/messages.h"

#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <malloc.h>

namespace gb {

// Paints the preview buffer centred on white; shows nothing for a null buffer.
class BatchProgressWin::PreviewPane : public QFrame
{
public:
    PreviewPane(QWidget *parent, const RgbImage &image) : QFrame(parent), mImage(image)
    {
        setFrameShape(QFrame::Box);
        setAutoFillBackground(true);
        QPalette pal = palette();
        pal.setColor(QPalette::Window, Qt::white);
        setPalette(pal);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QFrame::paintEvent(event);
        if (mImage.isNull())
            return;
        const QImage view(mImage.data(), mImage.width(), mImage.height(), int(mImage.stride()),
                          QImage::Format_RGB888);
        QPainter painter(this);
        painter.drawImage((width() - mImage.width()) / 2, (height() - mImage.height()) / 2, view);
    }

private:
    const RgbImage &mImage;
};

// The log. A run over thousands of files adds thousands of lines, and the list lays out all
// of its lines again after each one: every line takes the size of the widest line so far,
// measured once as it comes, so that a layout measures no text and stays cheap however long
// the log grows. The list shows its last line once events are next served, rather than
// laying itself out and painting at every line.
class BatchProgressWin::LogList : public QListWidget
{
public:
    explicit LogList(QWidget *parent) : QListWidget(parent), mSizes(new LineSizes(this))
    {
        setUniformItemSizes(true);
        setItemDelegate(mSizes);
    }

    void insertLine(int row, const QString &text)
    {
        insertItem(row, text);
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        mSizes->widest = mSizes->widest.expandedTo(mSizes->QStyledItemDelegate::sizeHint(option, model()->index(row, 0)));
        if (mScrollPending)
            return;
        mScrollPending = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                mScrollPending = false;
                scrollToBottom();
            },
            Qt::QueuedConnection);
    }

private:
    // Draws as the standard delegate does; measures every line as the widest.
    struct LineSizes : QStyledItemDelegate
    {
        using QStyledItemDelegate::QStyledItemDelegate;
        QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override { return widest; }
        QSize widest;
    };

    LineSizes *mSizes;
    bool mScrollPending = false;
};

namespace {

QLabel *whiteField(QWidget *parent, const QRect &geometry)
{
    auto *label = new QLabel(parent);
    label->setGeometry(geometry);
    label->setAutoFillBackground(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, Qt::white);
    label->setPalette(pal);
    return label;
}

QLabel *fixedText(QWidget *parent, const QString &text, int x, int y, const DialogUnits &du)
{
    auto *label = new QLabel(text, parent);
    label->move(du.x(x), du.y(y));
    label->adjustSize();
    return label;
}

// Heap in use by the program, as the allocator counts it.
qint64 dynamicMemoryUsed()
{
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks) + qint64(info.hblkhd);
}

} // namespace

BatchProgressWin::BatchProgressWin(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(QStringLiteral("Batch Editing in Progress ..."));
    const DialogUnits du = DialogUnits::setUp(this, 335, 188);

    mPb = new QProgressBar(this);
    mPb->setGeometry(du.rect(4, 20, 326, 8));
    mPb->setTextVisible(false);
    mFileLabel = fixedText(this, QStringLiteral("Current File:"), 4, 35, du);
    mCurrentFile = whiteField(this, du.rect(55, 35, 220, 17));
    mCurrentFile->setWordWrap(true);
    mActionLabel = fixedText(this, QStringLiteral("Current Action:"), 4, 56, du);
    mCurrentAction = whiteField(this, du.rect(55, 56, 220, 11));
    mFileNo = new QLabel(QStringLiteral("x"), this);
    mFileNo->setGeometry(du.rect(119, 4, 96, 12));
    mFileNo->setAlignment(Qt::AlignCenter);
    mPreviewPane = new PreviewPane(this, mPreview);
    mPreviewPane->setGeometry(du.rect(277, 34, 53, 49));
    mButton = new QPushButton(QStringLiteral("Abort"), this);
    mButton->setGeometry(du.rect(142, 172, 53, 13));
    mButton->setAutoDefault(false);
    mLog = new LogList(this);
    mLog->setGeometry(du.rect(4, 86, 325, 81));
    mLog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mMemoryLabel = fixedText(this, QStringLiteral("Dynamic Memory Used:"), 4, 72, du);
    mMemory = whiteField(this, du.rect(82, 71, 54, 11));

    connect(mButton, &QPushButton::clicked, this, &BatchProgressWin::pbAbort);
}

BatchProgressWin::~BatchProgressWin() = default;

QListWidget *BatchProgressWin::log() const
{
    return mLog;
}

void BatchProgressWin::showControls()
{
    for (QWidget *w : {static_cast<QWidget *>(mFileLabel), static_cast<QWidget *>(mActionLabel),
                       static_cast<QWidget *>(mPreviewPane), static_cast<QWidget *>(mMemoryLabel),
                       static_cast<QWidget *>(mButton), static_cast<QWidget *>(mLog)})
        w->repaint();
}

void BatchProgressWin::noOfFiles(int current, int total)
{
    mFileNo->setText(QStringLiteral("File %1 of %2").arg(current).arg(total));
    mFileNo->repaint();
    // Counting the heap walks every free block of every thread's heap, holding each heap
    // meanwhile: the figure is read a few times a second, not for every file.
    if (mMemoryRead.isValid() && mMemoryRead.elapsed() < kMemoryReadMs)
        return;
    mMemoryRead.start();
    mMemory->setText(QString::number(dynamicMemoryUsed() / 1024) + QStringLiteral(" kb"));
    mMemory->repaint();
}

void BatchProgressWin::setFile(const QString &text)
{
    mCurrentFile->setText(text);
    mCurrentFile->repaint();
}

void BatchProgressWin::setCurrentAction(const QString &text)
{
    mCurrentAction->setText(text);
    mCurrentAction->repaint();
}

QSize BatchProgressWin::previewBox() const
{
    return QSize(qMax(0, mPreviewPane->width() - 2), qMax(0, mPreviewPane->height() - 2));
}

void BatchProgressWin::showPreview(RgbImage image)
{
    // The pane never keeps drawing an image it no longer holds: the old buffer goes first.
    mPreview = std::move(image);
    mPreviewPane->repaint();
}

void BatchProgressWin::updateLog(const QString &text)
{
    // The list keeps its lines in alphabetical order regardless of case; a line equal to
    // others goes after them.
    int low = 0, high = mLog->count();
    while (low < high) {
        const int mid = (low + high) / 2;
        if (QString::compare(text, mLog->item(mid)->text(), Qt::CaseInsensitive) < 0)
            high = mid;
        else
            low = mid + 1;
    }
    mLog->insertLine(low, text);
}

void BatchProgressWin::pbAbort()
{
    if (mIdle) {
        done(1);
        return;
    }
    if (confirmDelete(this, QStringLiteral("Abort procedure ?"))) {
        glAbortBatch = true;
        done(1);
    }
}

void BatchProgressWin::done(int result)
{
    mPreview = RgbImage();
    QDialog::done(result);
}

void BatchProgressWin::reject()
{
    pbAbort();
}

namespace {

// The run's view of the window; every call on a window that is gone does nothing.
class BatchProgressWinHandle final : public BatchProgress
{
public:
    explicit BatchProgressWinHandle(BatchProgressWin *window) : mWin(window) {}

    void setCaption(const QString &caption) override
    {
        if (mWin)
            mWin->setWindowTitle(caption);
    }
    void setIdle(bool idle) override
    {
        if (mWin)
            mWin->setIdle(idle);
    }
    void setRange(int minimum, int maximum) override
    {
        if (mWin)
            mWin->pb()->setRange(minimum, qMax(minimum, maximum));
    }
    void setPosition(int position) override
    {
        if (mWin)
            mWin->pb()->setValue(position);
        mPosition = position;
    }
    int position() const override { return mWin ? mPosition : 0; }
    void show() override
    {
        if (mWin)
            mWin->show();
    }
    void showControls() override
    {
        if (mWin)
            mWin->showControls();
    }
    void noOfFiles(int current, int total) override
    {
        if (mWin)
            mWin->noOfFiles(current, total);
    }
    void setFile(const QString &text) override
    {
        if (mWin)
            mWin->setFile(text);
    }
    void setCurrentAction(const QString &text) override
    {
        if (mWin)
            mWin->setCurrentAction(text);
    }
    QSize previewBox() const override { return mWin ? mWin->previewBox() : QSize(); }
    void showPreview(RgbImage image) override
    {
        if (mWin)
            mWin->showPreview(std::move(image));
    }
    void updateLog(const QString &text) override
    {
        if (mWin)
            mWin->updateLog(text);
    }
    void setButtonCaption(const QString &caption) override
    {
        if (mWin)
            mWin->theButton()->setText(caption);
    }
    void endDialog(int result) override
    {
        if (mWin)
            mWin->done(result);
    }

private:
    QPointer<BatchProgressWin> mWin;
    // QProgressBar clamps values outside its range; the run reads back what it set.
    int mPosition = 0;
};

} // namespace

std::unique_ptr<BatchProgress> createBatchProgressWin(QWidget *owner)
{
    return createBatchProgressWin(owner, nullptr);
}

std::unique_ptr<BatchProgress> createBatchProgressWin(QWidget *owner, QPointer<BatchProgressWin> *window)
{
    auto *win = new BatchProgressWin(owner);
    if (window)
        *window = win;
    return std::make_unique<BatchProgressWinHandle>(win);
}

} // namespace gb
