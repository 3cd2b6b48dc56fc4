#include "common/getdirwin.h"

#include "common/dialogunits.h"
#include "common/dirtv.h"

#include <QLabel>
#include <QPushButton>

namespace gb {

GetDirWin::GetDirWin(QWidget *owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("_GetDirWin"));
    setWindowTitle(QStringLiteral("Select Directory"));
    const DialogUnits du = DialogUnits::setUp(this, 204, 228);
    mTree = new DirTv(this);
    mTree->setGeometry(du.rect(2, 3, 200, 162));
    mCurPath = new QLabel(this);
    mCurPath->setFrameStyle(QFrame::Box | QFrame::Plain);
    mCurPath->setWordWrap(true);
    mCurPath->setGeometry(du.rect(2, 167, 200, 24));
    auto *hint = new QLabel(QStringLiteral("Press right mouse button to add or rename a folder"), this);
    hint->setAlignment(Qt::AlignCenter);
    hint->setGeometry(du.rect(4, 195, 196, 12));
    mOk = new QPushButton(QStringLiteral("Ok"), this);
    mOk->setGeometry(du.rect(22, 211, 53, 14));
    mCancel = new QPushButton(QStringLiteral("Cancel"), this);
    mCancel->setGeometry(du.rect(125, 211, 53, 14));

    connect(mOk, &QPushButton::clicked, this, &GetDirWin::pbOk);
    connect(mCancel, &QPushButton::clicked, this, &GetDirWin::pbCancel);
    makeEnterButton(mOk);
    connect(mTree, &QTreeWidget::currentItemChanged, this, &GetDirWin::treeViewSelectionChanged);
    connect(mTree, &DirTv::refreshRequested, this, &GetDirWin::pbRefresh);

    mTree->initTree();
    mOk->setEnabled(false);
}

void GetDirWin::treeViewSelectionChanged()
{
    const QString path = DirTv::itemPath(mTree->currentItem());
    mCurPath->setText(path);
    mOk->setEnabled(!path.isEmpty());
}

void GetDirWin::pbRefresh()
{
    mTree->buildTree();
    mOk->setEnabled(false);
    mCurPath->clear();
}

void GetDirWin::pbOk()
{
    mSelectedDir = mCurPath->text();
    done(1);
}

void GetDirWin::pbCancel()
{
    done(-1);
}

} // namespace gb
