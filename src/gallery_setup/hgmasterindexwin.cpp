#include "gallery_setup/hgmasterindexwin.h"

#include "actions/selectfontwin.h"
#include "resources/resourceclasses.h"
#include "common/dialogcontrols.h"
#include "gallery/hgallery.h"
#include "gallery_setup/pagefields.h"

#include <QAbstractSlider>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace gb {

HgMasterIndexWin::HgMasterIndexWin(QWidget *owner, int controlId) : SectionPage(owner, controlId)
{
    setObjectName(QStringLiteral("hgMasterIndexWin"));
    mMasterIndex = pageCheck(this, QStringLiteral("MASTERINDEX"), QStringLiteral("Create a master index page"),
                             QStringLiteral("Set this option to create a master index page"));
    mName = pageEdit(this, QStringLiteral("MASTERINDEXNAME"), QStringLiteral("Name of master index page"));
    mTitle = pageEdit(this, QStringLiteral("TITLE"), QStringLiteral("Title of master index page"));
    mChangeFont = pictureButton(this, QStringLiteral("PBCHANGEFONT"), FontBm(),
                                QStringLiteral("Click to change master index title font"));
    mCols = NumberPair::withSpinner(this, DialogUnits(DialogUnits::dialogFont()), QRect(), QRect(), kLinkColumnsRange, 2);
    mCols->setObjectNames(QStringLiteral("NOOFCOLS"), QStringLiteral("LINKSCOLSSP"));
    mCols->edit()->setToolTip(QStringLiteral("Define the number of columns for links to thumbnails pages"));
    mCols->edit()->setMaximumWidth(40);
    mCols->partner()->setFixedHeight(mCols->edit()->sizeHint().height());

    auto *links = new QGroupBox(QStringLiteral("Link to each thumbnail page using ..."), this);
    links->setObjectName(QStringLiteral("GROUPBOX1"));
    mFirstThumb = pageCheck(links, QStringLiteral("FIRSTTHUMB"), QStringLiteral("First Thumbnail of every thumbnails page"),
                            QStringLiteral("The first thumbnail from every thumbnail page, will be used as a link button "
                                           "to this page"));
    mThumbPage = pageCheck(links, QStringLiteral("THUMBPAGE"), QStringLiteral("Thumbnail page name"),
                           QStringLiteral("Each thumbnail page name will be used as a link to this page"));
    mLinkFont = pictureButton(links, QStringLiteral("PBLINKFONT"), FontBm(), QStringLiteral("Change page title font"));
    mUseStdText = pageCheck(links, QStringLiteral("USESTDTEXT"), QStringLiteral("A standard text plus thumbnails page number"),
                            QStringLiteral("A standard text plus each thumbnails page number, will be used as a link to "
                                           "this page"));
    mStdText = pageEdit(links, QStringLiteral("STDTEXT"),
                        QStringLiteral("Define the standard text that will be used as a link to every thumbnail page"));
    auto *linksGrid = new QGridLayout(links);
    linksGrid->addWidget(mFirstThumb, 0, 0, 1, 3);
    linksGrid->addWidget(mThumbPage, 1, 0, 1, 2);
    linksGrid->addWidget(mLinkFont, 1, 2);
    linksGrid->addWidget(mUseStdText, 2, 0, 1, 3);
    linksGrid->addWidget(fixedText(links, QStringLiteral("Standard Text:"), QStringLiteral("FIXEDTEXT6")), 3, 0);
    linksGrid->addWidget(mStdText, 3, 1, 1, 2);
    linksGrid->setColumnStretch(1, 1);

    QGroupBox *html = userHtmlGroup(this, mTopHtml, mBottomHtml,
                                    {QStringLiteral("FIXEDTEXT3"), QStringLiteral("FIXEDTEXT7")}, false);

    auto *grid = new QGridLayout(this);
    grid->addWidget(mMasterIndex, 0, 0, 1, 3);
    grid->addWidget(fixedText(this, QStringLiteral("Master Index Page Name:"), QStringLiteral("FIXEDTEXT1")), 1, 0);
    grid->addWidget(mName, 1, 1, 1, 2);
    grid->addWidget(fixedText(this, QStringLiteral("Use as master index title:"), QStringLiteral("FIXEDTEXT4")), 2, 0);
    grid->addWidget(mTitle, 2, 1);
    grid->addWidget(mChangeFont, 2, 2);
    grid->addWidget(fixedText(this, QStringLiteral("Arrange links to thumbnails pages in:"), QStringLiteral("FIXEDTEXT2")),
                    3, 0);
    auto *cols = new QHBoxLayout;
    cols->setSpacing(0);
    cols->addWidget(mCols->edit());
    cols->addWidget(mCols->partner());
    cols->addSpacing(6);
    cols->addWidget(fixedText(this, QStringLiteral("column(s)"), QStringLiteral("FIXEDTEXT5")));
    cols->addStretch();
    grid->addLayout(cols, 3, 1, 1, 2);
    grid->addWidget(links, 0, 3, 4, 1);
    grid->addWidget(html, 4, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(4, 1);

    connect(mMasterIndex, &QCheckBox::clicked, this, &HgMasterIndexWin::adjustControls);
    connect(mUseStdText, &QCheckBox::clicked, this, &HgMasterIndexWin::adjustControls);
    connect(mChangeFont, &QPushButton::clicked, this, &HgMasterIndexWin::pbChangeFont);
    connect(mLinkFont, &QPushButton::clicked, this, &HgMasterIndexWin::pbLinkFont);
}

void HgMasterIndexWin::connect2Source(HGallery *gallery)
{
    mGallery = gallery;
    mMasterIndex->setChecked(gallery->createMasterIndex());
    mName->setText(gallery->masterIndexPage());
    mTitle->setText(gallery->masterIndexTitle());
    mCols->setNumber(gallery->masterIndexColumns());
    mFirstThumb->setChecked(gallery->masterIndexLinkThumb());
    mThumbPage->setChecked(gallery->masterIndexLinkPage());
    mUseStdText->setChecked(gallery->masterIndexLinkText());
    mStdText->setText(gallery->masterIndexStdLinkText());
    mTopHtml->setPlainText(gallery->bHtml_Mi());
    mBottomHtml->setPlainText(gallery->aHtml_Mi());
    adjustControls();
}

void HgMasterIndexWin::updateObject()
{
    if (!mGallery)
        return;
    mGallery->setCreateMasterIndex(mMasterIndex->isChecked());
    mGallery->setMasterIndexPage(mName->text());
    mGallery->setMasterIndexTitle(mTitle->text());
    mGallery->setMasterIndexColumns(mCols->number());
    mGallery->setMasterIndexLinkThumb(mFirstThumb->isChecked());
    mGallery->setMasterIndexLinkPage(mThumbPage->isChecked());
    mGallery->setMasterIndexLinkText(mUseStdText->isChecked());
    mGallery->setMasterIndexStdLinkText(mStdText->text());
    mGallery->setBHtml_Mi(mTopHtml->toPlainText());
    mGallery->setAHtml_Mi(mBottomHtml->toPlainText());
}

void HgMasterIndexWin::adjustControls()
{
    const bool on = mMasterIndex->isChecked();
    for (QWidget *w : {static_cast<QWidget *>(mName), static_cast<QWidget *>(mTitle), static_cast<QWidget *>(mChangeFont),
                       static_cast<QWidget *>(mFirstThumb), static_cast<QWidget *>(mThumbPage),
                       static_cast<QWidget *>(mUseStdText), static_cast<QWidget *>(mTopHtml),
                       static_cast<QWidget *>(mBottomHtml)})
        w->setEnabled(on);
    mCols->setEnabled(on);
    mStdText->setEnabled(on && mUseStdText->isChecked());
}

void HgMasterIndexWin::pbChangeFont()
{
    editFont(&HGallery::masterIndexTitleFont, &HGallery::setMasterIndexTitleFont,
             QStringLiteral("Master Index Title Font"));
}

void HgMasterIndexWin::pbLinkFont()
{
    editFont(&HGallery::masterIndexLinkFont, &HGallery::setMasterIndexLinkFont,
             QStringLiteral("Links to thumbnails font"));
}

} // namespace gb
