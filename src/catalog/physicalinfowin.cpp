#include "catalog/physicalinfowin.h"

#include "catalog/archivesearch.h"
#include "common/datetext.h"
#include "image/previewft.h"
#include "image/thumbnail.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace gb {

PhysicalInfoWin::PhysicalInfoWin(QWidget *owner) : QWidget(owner)
{
    auto *grid = new QGridLayout(this);
    // Read-only edits: a long folder scrolls inside its field instead of widening the page.
    auto valueLabel = [this] {
        auto *l = new QLineEdit(this);
        l->setReadOnly(true);
        QPalette p = l->palette();
        p.setColor(QPalette::Base, QColor(255, 255, 224));
        l->setPalette(p);
        l->setMinimumWidth(120);
        return l;
    };
    auto row = [&](int r, int column, const char *caption, QLineEdit *&field) {
        field = valueLabel();
        grid->addWidget(new QLabel(QString::fromUtf8(caption), this), r, column);
        grid->addWidget(field, r, column + 1);
    };
    row(0, 0, "Volume:", mVolume);
    row(1, 0, "Media Type:", mMedia);
    row(2, 0, "Original Folder:", mFolder);
    row(3, 0, "File Name:", mFileName);
    row(4, 0, "File Size (bytes):", mSize);
    row(5, 0, "Modified:", mModified);
    row(6, 0, "Width:", mWidth);
    row(7, 0, "Height:", mHeight);
    mPreview = new PreviewFt(this);
    mPreview->setFrameStyle(QFrame::Box | QFrame::Plain);
    mPreview->setFixedSize(130, 130);
    grid->addWidget(mPreview, 0, 2, 8, 1, Qt::AlignTop | Qt::AlignHCenter);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(8, 1);
}

void PhysicalInfoWin::setMedia(const QString &code)
{
    const QString text = getMediaDesc(code);
    if (!text.isEmpty())
        mMedia->setText(text);
}

void PhysicalInfoWin::setVolume(const QString &text) { mVolume->setText(text); }
void PhysicalInfoWin::setFolder(const QString &text)
{
    mFolder->setText(text);
    mFolder->setCursorPosition(0);
    mFolder->setToolTip(text);
}
void PhysicalInfoWin::setFileName(const QString &text) { mFileName->setText(text); }
void PhysicalInfoWin::setModified(const QDate &date) { mModified->setText(programDateText(date)); }
void PhysicalInfoWin::setFileSize(qint64 bytes) { mSize->setText(QString::number(bytes)); }
void PhysicalInfoWin::setWidth(int pixels) { mWidth->setText(QString::number(pixels)); }
void PhysicalInfoWin::setHeight(int pixels) { mHeight->setText(QString::number(pixels)); }

void PhysicalInfoWin::setRgb(const QByteArray &jpeg)
{
    previewBytes(mPreview, &mPreviewImage, jpeg);
}

QLineEdit *PhysicalInfoWin::value(const QString &name) const
{
    if (name == QLatin1String("Volume")) return mVolume;
    if (name == QLatin1String("Media")) return mMedia;
    if (name == QLatin1String("Folder")) return mFolder;
    if (name == QLatin1String("FileName")) return mFileName;
    if (name == QLatin1String("Size")) return mSize;
    if (name == QLatin1String("Modified")) return mModified;
    if (name == QLatin1String("Width")) return mWidth;
    if (name == QLatin1String("Height")) return mHeight;
    return nullptr;
}

QString PhysicalInfoWin::valueText(const QString &name) const
{
    const QLineEdit *l = value(name);
    return l ? l->text() : QString();
}

} // namespace gb
