#include "gallery_setup/hgfullsizepageswin.h"

#include "gallery/hgallery.h"
#include "common/dialogcontrols.h"
#include "gallery_setup/pagefields.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace gb {

HgFullSizePagesWin::HgFullSizePagesWin(QWidget *owner, int controlId) : PagesLayoutPage(owner, controlId, true)
{
    setObjectName(QStringLiteral("hgFullSizePagesWin"));
    mCreateHtml = pageCheck(this, QStringLiteral("CREATEHTML"), QStringLiteral("Create HTML page for every full size image"));
    mOpenNewWindow = pageCheck(this, QStringLiteral("OPENNEWWINDOW"), QStringLiteral("Open in a new browser window"));
    mTop->addWidget(mCreateHtml, 1, 0, 1, 2);
    mTop->addWidget(mOpenNewWindow, 1, 2, 1, 2);
    connect(mCreateHtml, &QCheckBox::clicked, this, &HgFullSizePagesWin::adjustControls);
    connect(mTitleFont, &QPushButton::clicked, this, &HgFullSizePagesWin::pbTitleFont);
    connect(mInfoFont, &QPushButton::clicked, this, &HgFullSizePagesWin::pbInfoFont);
}

void HgFullSizePagesWin::connect2Source(HGallery *gallery)
{
    mGallery = gallery;
    bindVars([gallery] { return gallery->fsPgVars(); },
             [gallery](const QList<int> &codes) { gallery->setFsPgVars(codes); });
    mCreateHtml->setChecked(gallery->createFullSizePages());
    mOpenNewWindow->setChecked(gallery->newWindow());
    mTitle->setText(gallery->fsPgTitle());
    showNaming(gallery->fsPgNaming());
    mBaseName->setText(gallery->fsPgBaseName());
    mFolder->setText(gallery->fsPgSubFolder());
    mVars->updateLb();
    mWriteAfter->setChecked(gallery->fsPgVarsBottom());
    mTopHtml->setPlainText(gallery->bHtml_Fs());
    mBottomHtml->setPlainText(gallery->aHtml_Fs());
    adjustControls();
}

void HgFullSizePagesWin::updateObject()
{
    if (!mGallery)
        return;
    mGallery->setCreateFullSizePages(mCreateHtml->isChecked());
    mGallery->setNewWindow(mOpenNewWindow->isChecked());
    mGallery->setFsPgTitle(mTitle->text());
    mGallery->setFsPgNaming(readNaming(mGallery->fsPgNaming()));
    mGallery->setFsPgBaseName(mBaseName->text().trimmed());
    mGallery->setFsPgSubFolder(mFolder->text().trimmed());
    mGallery->setFsPgVarsBottom(mWriteAfter->isChecked());
    mGallery->setBHtml_Fs(mTopHtml->toPlainText());
    mGallery->setAHtml_Fs(mBottomHtml->toPlainText());
}

void HgFullSizePagesWin::adjustControls()
{
    const bool on = mCreateHtml->isChecked();
    QList<QWidget *> governed{mTitle, mTitleFont, mPrefix, mSuffix, mBaseName, mFolder};
    governed += mVars->controls();
    governed += {mWriteAfter, mInfoFont, mTopHtml, mBottomHtml};
    for (QWidget *w : governed)
        w->setEnabled(on);
}

void HgFullSizePagesWin::pbTitleFont()
{
    editFont(&HGallery::fsPgTitleFont, &HGallery::setFsPgTitleFont, QStringLiteral("Full Size Image Pages Title Font"));
}

void HgFullSizePagesWin::pbInfoFont()
{
    editFont(&HGallery::fsPgVarsFont, &HGallery::setFsPgVarsFont, QStringLiteral("Full Size Image Pages Font"));
}

} // namespace gb
