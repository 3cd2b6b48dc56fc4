#include "gallery_setup/hgthumbspages.h"

#include "gallery/hgallery.h"
#include "common/dialogcontrols.h"
#include "gallery_setup/pagefields.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace gb {

HgThumbsPages::HgThumbsPages(QWidget *owner, int controlId) : PagesLayoutPage(owner, controlId, false)
{
    setObjectName(QStringLiteral("hgThumbsPages"));
    mAppendPageNo = pageCheck(this, QStringLiteral("APPENDPAGENO"),
                              QStringLiteral("Append to title current thumbnails page number"),
                              QStringLiteral("Set this option to append current page number to the title"));
    mTop->addWidget(mAppendPageNo, 0, 3);
    connect(mTitleFont, &QPushButton::clicked, this, &HgThumbsPages::pbThumbsPagesTitleFont);
    connect(mInfoFont, &QPushButton::clicked, this, &HgThumbsPages::pbInfoFont);
}

void HgThumbsPages::connect2Source(HGallery *gallery)
{
    mGallery = gallery;
    bindVars([gallery] { return gallery->thPgVars(); },
             [gallery](const QList<int> &codes) { gallery->setThPgVars(codes); });
    mTitle->setText(gallery->thPgTitle());
    mAppendPageNo->setChecked(gallery->thPgTitleSeq());
    showNaming(gallery->thPgNaming());
    mBaseName->setText(gallery->thPgBaseName());
    mFolder->setText(gallery->thPgSubFolder());
    mTopHtml->setPlainText(gallery->bHtml_Th());
    mBottomHtml->setPlainText(gallery->aHtml_Th());
    mVars->updateLb();
    mWriteAfter->setChecked(gallery->thPgVarsBottom());
}

void HgThumbsPages::updateObject()
{
    if (!mGallery)
        return;
    mGallery->setThPgTitle(mTitle->text());
    mGallery->setThPgTitleSeq(mAppendPageNo->isChecked());
    mGallery->setThPgNaming(readNaming(mGallery->thPgNaming()));
    mGallery->setThPgBaseName(mBaseName->text().trimmed());
    mGallery->setThPgSubFolder(mFolder->text().trimmed());
    mGallery->setThPgVarsBottom(mWriteAfter->isChecked());
    mGallery->setBHtml_Th(mTopHtml->toPlainText());
    mGallery->setAHtml_Th(mBottomHtml->toPlainText());
}

void HgThumbsPages::pbThumbsPagesTitleFont()
{
    editFont(&HGallery::thPgTitleFont, &HGallery::setThPgTitleFont, QStringLiteral("Thumbnails pages title font"));
}

void HgThumbsPages::pbInfoFont()
{
    editFont(&HGallery::thPgVarsFont, &HGallery::setThPgVarsFont, QStringLiteral("Thumbnails pages information font"));
}

} // namespace gb
