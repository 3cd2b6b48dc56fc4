#include "explorer/defineorderwin.h"

#include "common/dialogunits.h"
#include "common/filedir.h"
#include "image/previewft.h"

#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace gb {

DefineOrderWin::DefineOrderWin(QWidget *owner)
    : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Define images sequence ..."));
    const DialogUnits du = DialogUnits::setUp(this, 295, 173);
    mFilesLv = new QListWidget(this);
    mFilesLv->setGeometry(du.rect(4, 10, 196, 131));
    mFilesLv->setSelectionMode(QAbstractItemView::SingleSelection);
    mFilesLv->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mMoveUp = new QPushButton(QStringLiteral("Move Selected Up"), this);
    mMoveUp->setGeometry(du.rect(4, 144, 95, 12));
    mMoveDown = new QPushButton(QStringLiteral("Move Selected Down"), this);
    mMoveDown->setGeometry(du.rect(4, 157, 95, 12));
    mAscending = new QPushButton(QStringLiteral("Sort by Name / Ascending"), this);
    mAscending->setGeometry(du.rect(105, 144, 95, 12));
    mDescending = new QPushButton(QStringLiteral("Sort by Name / Descending"), this);
    mDescending->setGeometry(du.rect(105, 157, 95, 12));
    mOk = new QPushButton(QStringLiteral("Ok"), this);
    mOk->setGeometry(du.rect(220, 111, 53, 15));
    mCancel = new QPushButton(QStringLiteral("Cancel"), this);
    mCancel->setGeometry(du.rect(220, 136, 53, 15));
    mPreview = new PreviewFt(this);
    mPreview->setGeometry(du.rect(212, 23, 70, 64));
    mPreview->setFrameStyle(QFrame::Box | QFrame::Plain);

    connect(mMoveUp, &QPushButton::clicked, this, &DefineOrderWin::pbMoveUp);
    connect(mMoveDown, &QPushButton::clicked, this, &DefineOrderWin::pbMoveDown);
    connect(mAscending, &QPushButton::clicked, this, &DefineOrderWin::pbNameAscending);
    connect(mDescending, &QPushButton::clicked, this, &DefineOrderWin::pbNameDescending);
    connect(mOk, &QPushButton::clicked, this, &DefineOrderWin::pbOk);
    connect(mCancel, &QPushButton::clicked, this, &DefineOrderWin::pbCancel);
    makeEnterButton(mOk);
    connect(mFilesLv, &QListWidget::currentItemChanged, this, &DefineOrderWin::listViewSelectionChanged);
    connect(mFilesLv, &QListWidget::itemSelectionChanged, this, &DefineOrderWin::listViewSelectionChanged);
}

DefineOrderWin::~DefineOrderWin()
{
    mPreview->update(nullptr, 0, 0, QString());
}

void DefineOrderWin::setFileNames(const QStringList &files)
{
    mFileNames = files;
    updateLv();
}

void DefineOrderWin::updateLv()
{
    const QSignalBlocker quiet(mFilesLv);
    mFilesLv->clear();
    mFilesLv->addItems(mFileNames);
    mFilesLv->setCurrentRow(-1);
    mFilesLv->clearSelection();
}

void DefineOrderWin::moveSelected(int step)
{
    const QList<QListWidgetItem *> selected = mFilesLv->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = mFilesLv->row(selected.first());
    const int to = row + step;
    if (to < 0 || to >= mFilesLv->count())
        return;
    QListWidgetItem *item = mFilesLv->takeItem(row);
    mFilesLv->insertItem(to, item);
    mFilesLv->setCurrentItem(item);
    item->setSelected(true);
}

void DefineOrderWin::pbMoveUp()
{
    moveSelected(-1);
}

void DefineOrderWin::pbMoveDown()
{
    moveSelected(1);
}

// Both sorts order the full paths as every listing does, ignoring case; descending is the
// exact reverse of ascending.
void DefineOrderWin::pbNameAscending()
{
    std::sort(mFileNames.begin(), mFileNames.end(), lessIgnoringCase);
    updateLv();
}

void DefineOrderWin::pbNameDescending()
{
    std::sort(mFileNames.begin(), mFileNames.end(), [](const QString &a, const QString &b) { return lessIgnoringCase(b, a); });
    updateLv();
}

void DefineOrderWin::pbOk()
{
    QStringList order;
    for (int i = 0; i < mFilesLv->count(); ++i)
        order << mFilesLv->item(i)->text();
    mFileNames = order;
    done(1);
}

void DefineOrderWin::pbCancel()
{
    done(-1);
}

void DefineOrderWin::listViewSelectionChanged()
{
    QListWidgetItem *item = mFilesLv->currentItem();
    if (item && item->isSelected())
        previewFile(mPreview, &mPreviewImage, item->text(), QSize(100, 100));
}

QStringList defineSequence(QWidget *owner, const QStringList &files, const QString &caption)
{
    DefineOrderWin dialog(owner);
    dialog.setWindowTitle(caption);
    dialog.setFileNames(files);
    return dialog.exec() == 1 ? dialog.fileNames() : QStringList();
}

} // namespace gb
