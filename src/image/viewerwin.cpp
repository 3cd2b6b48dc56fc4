#include "image/viewerwin.h"
#include "resources/resourceclasses.h"

#include "common/messages.h"
#include "image/imageload.h"
#include "platform/imagelib/decimate.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>

namespace gb {

static QImage wrap(const RgbImage &img)
{
    return QImage(img.data(), img.width(), img.height(), int(img.stride()), QImage::Format_RGB888);
}

ViewerWin::ViewerWin(QWidget *owner, const QString &file)
    : QWidget(nullptr)
    , mOwner(owner)
    , mFile(file)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowIcon(ViewerIcon());
    setCursor(Pointer5());
    mHBar = new QScrollBar(Qt::Horizontal, this);
    mVBar = new QScrollBar(Qt::Vertical, this);
    mHBar->hide();
    mVBar->hide();
    connect(mHBar, &QScrollBar::valueChanged, this, &ViewerWin::horizontalScroll);
    connect(mVBar, &QScrollBar::valueChanged, this, &ViewerWin::verticalScroll);

    QMdiArea *area = owner ? owner->findChild<QMdiArea *>() : nullptr;
    if (area) {
        // A fixed frame with a close box only: no sizing, no maximise or minimise box.
        mSub = area->addSubWindow(this, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                            | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                                            | Qt::MSWindowsFixedSizeDialogHint);
        mSub->setAttribute(Qt::WA_DeleteOnClose);
        mSub->installEventFilter(this);
    }
    if (owner && owner->metaObject()->indexOfMethod("add2Child(QWidget*)") >= 0)
        QMetaObject::invokeMethod(owner, "add2Child", Q_ARG(QWidget *, this));

    int width = 0, height = 0;
    QString error;
    mImage = createRgbFromFile(file, width, height, error);
    if (mImage.isNull()) {
        errorMsg(owner, QStringLiteral("[") + file + QStringLiteral("] ") + QStringLiteral("Unsupported format or corrupted file."));
        if (mSub)
            mSub->close();
        else
            close();
        return;
    }
    initializeViews();
    // The 100% step is made at every opening, whichever step shows first.
    mBitmaps[0] = QPixmap::fromImage(wrap(mImage));
    mStep = calculateWindowSize();
    view();
    mReady = true;
    if (mSub)
        mSub->show();
    else
        show();
}

ViewerWin::~ViewerWin() = default;

int ViewerWin::findZoomStep(double factor)
{
    // Steps 1..10 stand for 1.0, 0.9, ... 0.1; compare in tenths so that 0.5 is exactly 50%.
    const int tenths = int(factor * 10.0 + 1e-9);
    return std::clamp(11 - tenths, 1, 10);
}

QString ViewerWin::zoomCaption(int step)
{
    return QString::number((11 - step) * 10) + QLatin1Char('%');
}

QScrollBar *ViewerWin::horizontalBar() const
{
    return mHBar->isHidden() ? nullptr : mHBar;
}

QScrollBar *ViewerWin::verticalBar() const
{
    return mVBar->isHidden() ? nullptr : mVBar;
}

int ViewerWin::frameWidth() const
{
    return mSub ? style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, mSub) : 0;
}

int ViewerWin::captionHeight() const
{
    return mSub ? style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, mSub) : 0;
}

int ViewerWin::scrollExtent() const
{
    return style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

QSize ViewerWin::getOwnerClientSize() const
{
    if (mSub && mSub->mdiArea())
        return mSub->mdiArea()->viewport()->size();
    const QScreen *screen = QApplication::primaryScreen();
    return screen ? screen->availableGeometry().size() : QSize(800, 600);
}

QSize ViewerWin::zoomedSize(int step) const
{
    const int64_t k = 11 - step;
    return QSize(int(std::max<int64_t>(1, (mImage.width() * k + 5) / 10)),
                 int(std::max<int64_t>(1, (mImage.height() * k + 5) / 10)));
}

int ViewerWin::calculateWindowSize() const
{
    const QSize offered = getOwnerClientSize();
    const int availW = offered.width() - 2 * frameWidth();
    const int availH = offered.height() - captionHeight() - 2 * frameWidth();
    if (mImage.height() <= availH && mImage.width() <= availW)
        return 1;
    return findZoomStep(std::min(double(availW) / mImage.width(), double(availH) / mImage.height()));
}

void ViewerWin::view()
{
    QPixmap &bitmap = mBitmaps[size_t(mStep - 1)];
    if (bitmap.isNull()) {
        const QSize z = zoomedSize(mStep);
        RgbImage copy = RgbImage::create(z.width(), z.height());
        if (!copy.isNull() && isDecimateRgb(mImage, copy))
            bitmap = QPixmap::fromImage(wrap(copy));
    }
    adjustView();
    updateCaption();
}

void ViewerWin::adjustView()
{
    const QSize offered = getOwnerClientSize();
    const int frame = frameWidth();
    const int bar = scrollExtent();
    int maxW = offered.width() - 2 * frame - 5;
    int maxH = offered.height() - captionHeight() - 2 * frame;
    const QSize z = zoomedSize(mStep);
    const int zw = z.width(), zh = z.height();
    mOffsetX = mOffsetY = 1;
    bool hBar = false, vBar = false;
    if (zw <= maxW && zh <= maxH) {
        mViewWidth = zw;
        mViewHeight = zh;
    } else if (zw > maxW && zh > maxH) {
        hBar = vBar = true;
        maxW -= bar;
        maxH -= bar;
        mViewWidth = maxW;
        mViewHeight = maxH;
    } else if (zw > maxW) {
        hBar = true;
        maxH -= bar;
        mViewWidth = maxW;
        mViewHeight = zh;
        if (zh > maxH) {
            vBar = true;
            maxW -= bar;
            mViewWidth = maxW;
            mViewHeight = maxH;
        }
    } else {
        vBar = true;
        maxW -= bar;
        mViewHeight = maxH;
        mViewWidth = zw;
        if (zw > maxW) {
            hBar = true;
            maxH -= bar;
            mViewWidth = maxW;
            mViewHeight = maxH;
        }
    }
    mViewWidth = std::max(1, mViewWidth);
    mViewHeight = std::max(1, mViewHeight);
    // Each bar's last position shows the image's last column or row.
    {
        const QSignalBlocker bh(mHBar), bv(mVBar);
        mHBar->setRange(1, std::max(1, zw - mViewWidth + 1));
        mHBar->setPageStep(std::max(1, mViewWidth));
        mHBar->setValue(1);
        mVBar->setRange(1, std::max(1, zh - mViewHeight + 1));
        mVBar->setPageStep(std::max(1, mViewHeight));
        mVBar->setValue(1);
    }
    mHBar->setVisible(hBar);
    mVBar->setVisible(vBar);
    mHBar->setGeometry(0, mViewHeight, mViewWidth, bar);
    mVBar->setGeometry(mViewWidth, 0, bar, mViewHeight);

    const int clientW = mViewWidth + (vBar ? bar : 0);
    const int clientH = mViewHeight + (hBar ? bar : 0);
    mWindowWidth = std::max({40, clientW + 2 * frame, captionMinWidth()});
    mWindowHeight = clientH + captionHeight() + 2 * frame;
    setFixedSize(mWindowWidth - 2 * frame, clientH);
    // A window widened for its caption keeps the picture at the left, its bar at the right.
    mVBar->move(mWindowWidth - 2 * frame - bar, 0);
    centerWithinOwner();
    QWidget::update();
}

void ViewerWin::centerWithinOwner()
{
    const QSize offered = getOwnerClientSize();
    const int x = (offered.width() - 5 - mWindowWidth) / 2;
    const int y = (offered.height() - mWindowHeight) / 2;
    if (mSub) {
        mSub->resize(mWindowWidth, mWindowHeight);
        mSub->move(std::max(0, x), std::max(0, y));
    } else {
        move(std::max(0, x), std::max(0, y));
    }
}

QString ViewerWin::captionTail() const
{
    return QLatin1Char(' ') + zoomCaption(mStep) + QStringLiteral(" (") + QString::number(mImage.width())
           + QStringLiteral(" x ") + QString::number(mImage.height()) + QLatin1Char(')');
}

static QFontMetrics captionMetrics()
{
    // The font the MDI frame measures its title in; the style may draw it bold (Fusion does),
    // which is never narrower.
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    return QFontMetrics(font);
}

int ViewerWin::captionRoom(int windowWidth) const
{
    // The frame's title bar: the style's label part of it, inside the frame's border, as the
    // frame measures it before it cuts a title short at the right; the styles draw the title
    // in that part less 14 pixels.
    QStyleOptionTitleBar option;
    option.initFrom(mSub);
    option.titleBarFlags = mSub->windowFlags();
    option.titleBarState = mSub->windowState();
    option.subControls = QStyle::SC_All;
    const int border = style()->styleHint(QStyle::SH_TitleBar_NoBorder, &option, mSub) ? 0 : 4;
    option.rect = QRect(border, border, windowWidth - 2 * border, captionHeight() - border);
    return style()->subControlRect(QStyle::CC_TitleBar, &option, QStyle::SC_TitleBarLabel, mSub).width() - 14;
}

int ViewerWin::captionMinWidth() const
{
    if (!mSub)
        return 0;
    // The buttons and margins of the title bar take the same room at any width.
    const int probe = 1000;
    const int chrome = probe - captionRoom(probe);
    return chrome + captionMetrics().horizontalAdvance(QChar(0x2026) + captionTail()) + 2;
}

QString ViewerWin::shownCaption() const
{
    const QString tail = captionTail();
    if (!mSub)
        return mFile + tail;
    const QFontMetrics metrics = captionMetrics();
    const int room = captionRoom(mWindowWidth) - metrics.horizontalAdvance(tail) - 2;
    if (metrics.horizontalAdvance(mFile) <= room)
        return mFile + tail;
    // The file's own name is worth more than its folders: those are shortened first.
    const int slash = int(mFile.lastIndexOf(QLatin1Char('/')));
    const QString name = mFile.mid(slash);
    const int folderRoom = room - metrics.horizontalAdvance(name);
    if (slash > 0 && folderRoom >= metrics.horizontalAdvance(QChar(0x2026)))
        return metrics.elidedText(mFile.left(slash), Qt::ElideMiddle, folderRoom) + name + tail;
    return metrics.elidedText(mFile, Qt::ElideMiddle, std::max(0, room)) + tail;
}

void ViewerWin::updateCaption()
{
    setWindowTitle(mFile + captionTail());
    // The frame took the whole caption from the viewer; it shows what its title bar has room for.
    if (mSub)
        mSub->setWindowTitle(shownCaption());
}

void ViewerWin::zoomIn()
{
    if (mStep > 1) {
        --mStep;
        view();
    }
}

void ViewerWin::zoomOut()
{
    if (mStep < 10) {
        ++mStep;
        view();
    }
}

void ViewerWin::initializeViews()
{
    for (QPixmap &bitmap : mBitmaps)
        bitmap = QPixmap();
}

void ViewerWin::horizontalScroll(int position)
{
    mOffsetX = position;
    QWidget::update();
}

void ViewerWin::verticalScroll(int position)
{
    mOffsetY = position;
    QWidget::update();
}

void ViewerWin::drawImage(QPainter &painter)
{
    // A step that could not be rendered shows white.
    const QPixmap &bitmap = mBitmaps[size_t(mStep - 1)];
    if (!bitmap.isNull())
        painter.drawPixmap(0, 0, bitmap, mOffsetX - 1, mOffsetY - 1, mViewWidth, mViewHeight);
}

void ViewerWin::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (mReady)
        drawImage(painter);
}

bool ViewerWin::eventFilter(QObject *watched, QEvent *event)
{
    // The frame is sized to the picture: a maximise (a double click on the caption, a window
    // arrangement) is undone as soon as it has happened.
    // The type first: the frame also reports to here while it is being destroyed.
    if (event->type() == QEvent::WindowStateChange && watched == mSub && mSub->isMaximized()) {
        QTimer::singleShot(0, this, [this] {
            if (mSub && mSub->isMaximized()) {
                mSub->showNormal();
                adjustView();
            }
        });
    }
    return QWidget::eventFilter(watched, event);
}

void ViewerWin::wheelEvent(QWheelEvent *event)
{
    // The wheel scrolls the picture up and down (with Shift, or a sideways wheel, across),
    // three lines of 20 pixels to a notch.
    const QPoint delta = event->angleDelta();
    const bool across = delta.x() != 0 || (event->modifiers() & Qt::ShiftModifier);
    QScrollBar *bar = across ? mHBar : mVBar;
    const int notches = (across && delta.x() != 0 ? delta.x() : delta.y());
    if (bar->isHidden() || notches == 0) {
        event->ignore();
        return;
    }
    bar->setValue(bar->value() - notches * 60 / 120);
    event->accept();
}

void ViewerWin::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        zoomIn();
    else if (event->button() == Qt::RightButton)
        zoomOut();
}

} // namespace gb
