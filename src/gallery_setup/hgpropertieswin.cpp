#include "gallery_setup/hgpropertieswin.h"

#include "actions/selectfontwin.h"
#include "resources/resourceclasses.h"
#include "common/dialogcontrols.h"
#include "common/filedialogs.h"
#include "common/globals.h"
#include "gallery/hgallery.h"
#include "gallery_setup/pagefields.h"
#include "image/previewft.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace gb {

namespace {

const QSize kPreviewSize(64, 48);

} // namespace

HgPropertiesWin::HgPropertiesWin(QWidget *owner, int controlId) : SectionPage(owner, controlId)
{
    setObjectName(QStringLiteral("hgPropertiesWin"));
    auto *site = new QGroupBox(QStringLiteral("Site Title"), this);
    mTitle = pageEdit(site, QStringLiteral("TITLE"),
                      QStringLiteral("Define site title. This title will appear on the top of every page"));
    mChangeFont = pictureButton(site, QStringLiteral("PBCHANGEFONT"), FontBm(), QStringLiteral("Click to change site title font"));
    auto *siteRow = new QHBoxLayout(site);
    siteRow->addWidget(mTitle, 1);
    siteRow->addWidget(mChangeFont);

    auto *logo = new QGroupBox(QStringLiteral("Logo Image"), this);
    mUseLogo = pageCheck(logo, QStringLiteral("USELOGO"), QStringLiteral("Use a logo"),
                         QStringLiteral("Check this option to include a logo image on every page. This image will appear "
                                        "centered, before site title"));
    mLogo = pageEdit(logo, QStringLiteral("LOGO"), QStringLiteral("Logo image file name"));
    mBrowseLogo = pictureButton(logo, QStringLiteral("PBBROWSELOGO"), FindFile(), QStringLiteral("Browse files"));
    mLogoFt = previewPane(logo, QStringLiteral("LOGOFT"), kPreviewSize);
    auto *logoGrid = new QGridLayout(logo);
    logoGrid->addWidget(mUseLogo, 0, 0, 1, 2);
    logoGrid->addWidget(mLogo, 1, 0);
    logoGrid->addWidget(mBrowseLogo, 1, 1);
    logoGrid->addWidget(mLogoFt, 0, 2, 2, 1);
    logoGrid->setColumnStretch(0, 1);

    auto *backImage = new QGroupBox(QStringLiteral("Page Background Image"), this);
    mUseBackImage = pageCheck(backImage, QStringLiteral("USEBACKIMAGE"), QStringLiteral("Background Image"),
                              QStringLiteral("Check this option to use an image as background"));
    mBackImage = pageEdit(backImage, QStringLiteral("BACKIMAGE"), QStringLiteral("Background image file name"));
    mBrowseBackImage = pictureButton(backImage, QStringLiteral("PBBROWSEBACKIMAGE"), FindFile(), QStringLiteral("Browse files"));
    mBackPreviewFt = previewPane(backImage, QStringLiteral("BACKPREVIEWFT"), kPreviewSize);
    auto *backGrid = new QGridLayout(backImage);
    backGrid->addWidget(mUseBackImage, 0, 0, 1, 2);
    backGrid->addWidget(mBackImage, 1, 0);
    backGrid->addWidget(mBrowseBackImage, 1, 1);
    backGrid->addWidget(mBackPreviewFt, 0, 2, 2, 1);
    backGrid->setColumnStretch(0, 1);

    auto *colors = new QGroupBox(QStringLiteral("Page Colors"), this);
    const QSize sampleSize(36, 16);
    mBackColor = colorField(this, QStringLiteral("BACKCOLORSAMPLE"), QStringLiteral("PBCHANGEBACKCOLOR"),
                            QStringLiteral("Click to change page background color"), sampleSize,
                            &HGallery::setBackgroundColor);
    mTextColor = colorField(this, QStringLiteral("TEXTCOLORSAMPLE"), QStringLiteral("PBCHANGETEXTCOLOR"),
                            QStringLiteral("Click to change text default color"), sampleSize, &HGallery::setTextColor);
    mLinkColor = colorField(this, QStringLiteral("HYPERLINKCOLORSAMPLE"), QStringLiteral("PBCHANGELINKCOLOR"),
                            QStringLiteral("Click to change hyperlinks color"), sampleSize, &HGallery::setLinkColor);
    mVisitedColor = colorField(this, QStringLiteral("VISITEDLINKCOLORSAMPLE"), QStringLiteral("PBCHANGEVISITEDLINKCOLOR"),
                               QStringLiteral("Click to change visited links color"), sampleSize,
                               &HGallery::setVisitedLinkColor);
    mActiveColor = colorField(this, QStringLiteral("ACTIVELINKCOLORSAMPLE"), QStringLiteral("PBCHANGEACTIVELINKCOLOR"),
                              QStringLiteral("Click to change active links color"), sampleSize,
                              &HGallery::setActiveLinkColor);
    mUseDefaultColors = pageCheck(colors, QStringLiteral("USEDEFAULTCOLORS"), QStringLiteral("Use Default"));
    QGridLayout *colorRows = colorGrid(colors, {{QStringLiteral("Background:"), mBackColor},
                                                {QStringLiteral("Text:"), mTextColor},
                                                {QStringLiteral("Hyperlink:"), mLinkColor},
                                                {QStringLiteral("Visited Link:"), mVisitedColor},
                                                {QStringLiteral("Active Link:"), mActiveColor}});
    colorRows->addWidget(mUseDefaultColors, colorRows->rowCount(), 0, 1, 3);

    auto *margins = new QGroupBox(QStringLiteral("Page Margins"), this);
    mSpecifyTopMargin = pageCheck(margins, QStringLiteral("SPECIFYTOPMARGIN"), QStringLiteral("Specify Top Margin"),
                                  QStringLiteral("Set this option to specify a top margin for each page"));
    mTopMargin = pageEdit(margins, QStringLiteral("TOPMARGIN"), QStringLiteral("Top margin in pixels"),
                          kPageMarginRange.digits());
    mSpecifyLeftMargin = pageCheck(margins, QStringLiteral("SPECIFYLEFTMARGIN"), QStringLiteral("Specify Left Margin"),
                                   QStringLiteral("Check this option to specify left margin for every page"));
    mLeftMargin = pageEdit(margins, QStringLiteral("LEFTMARGIN"), QStringLiteral("Left margin in pixels"),
                           kPageMarginRange.digits());
    for (QLineEdit *edit : {mTopMargin, mLeftMargin})
        edit->setMaximumWidth(40);
    auto *marginGrid = new QGridLayout(margins);
    marginGrid->addWidget(mSpecifyTopMargin, 0, 0);
    marginGrid->addWidget(fixedText(margins, QStringLiteral("Pixels:")), 0, 1);
    marginGrid->addWidget(mTopMargin, 0, 2);
    marginGrid->addWidget(mSpecifyLeftMargin, 1, 0);
    marginGrid->addWidget(fixedText(margins, QStringLiteral("Pixels:")), 1, 1);
    marginGrid->addWidget(mLeftMargin, 1, 2);

    auto *links = new QGroupBox(QStringLiteral("Links to other pages"), this);
    mLinksOnTop = pageCheck(links, QStringLiteral("LINKSONTOP"), QStringLiteral("Place links before images"));
    mLinkFont = pictureButton(links, QStringLiteral("PBLINKFONT"), FontBm(), QStringLiteral("Change home link font"));
    auto *linksRow = new QHBoxLayout(links);
    linksRow->addWidget(mLinksOnTop);
    linksRow->addWidget(fixedText(links, QStringLiteral("using")));
    linksRow->addWidget(mLinkFont);
    linksRow->addStretch();

    auto *meta = new QGroupBox(QStringLiteral("Meta Tags (<head section>)"), this);
    mMeta = new QPlainTextEdit(meta);
    mMeta->setObjectName(QStringLiteral("META"));
    mMeta->setLineWrapMode(QPlainTextEdit::NoWrap);
    mMeta->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mMeta->setMinimumHeight(40);
    auto *metaRow = new QHBoxLayout(meta);
    metaRow->addWidget(mMeta);

    auto *grid = new QGridLayout(this);
    grid->addWidget(site, 0, 0);
    grid->addWidget(logo, 1, 0);
    grid->addWidget(backImage, 2, 0);
    grid->addWidget(colors, 0, 1, 3, 1);
    grid->addWidget(margins, 0, 2, 2, 1);
    grid->addWidget(links, 2, 2);
    grid->addWidget(meta, 3, 0, 1, 3);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(3, 1);

    for (QCheckBox *box : {mUseLogo, mUseBackImage, mUseDefaultColors, mSpecifyTopMargin, mSpecifyLeftMargin, mLinksOnTop})
        connect(box, &QCheckBox::clicked, this, &HgPropertiesWin::adjustControls);
    connect(mLogo, &QLineEdit::textChanged, this, &HgPropertiesWin::previewLogo);
    connect(mBackImage, &QLineEdit::textChanged, this, &HgPropertiesWin::previewBackground);
    connect(mBrowseLogo, &QPushButton::clicked, this, &HgPropertiesWin::pbBrowseLogo);
    connect(mBrowseBackImage, &QPushButton::clicked, this, &HgPropertiesWin::pbBrowseBackImage);
    connect(mChangeFont, &QPushButton::clicked, this, &HgPropertiesWin::pbChangeFont);
    connect(mLinkFont, &QPushButton::clicked, this, &HgPropertiesWin::pbLinkFont);
}

void HgPropertiesWin::connect2Source(HGallery *gallery)
{
    mGallery = gallery;
    mTitle->setText(gallery->siteTitle());
    mUseLogo->setChecked(gallery->useLogo());
    mLogo->setText(gallery->logoImage());
    mUseBackImage->setChecked(gallery->useBackground());
    mBackImage->setText(gallery->background());
    mBackColor->setColor(gallery->backgroundColor());
    mTextColor->setColor(gallery->textColor());
    mLinkColor->setColor(gallery->linkColor());
    mVisitedColor->setColor(gallery->visitedLinkColor());
    mActiveColor->setColor(gallery->activeLinkColor());
    mUseDefaultColors->setChecked(gallery->useDefaultPageProperties());
    mSpecifyTopMargin->setChecked(gallery->specifyTopMargin());
    mTopMargin->setText(numberText(gallery->topMargin()));
    mSpecifyLeftMargin->setChecked(gallery->specifyLeftMargin());
    mLeftMargin->setText(numberText(gallery->leftMargin()));
    QString meta = gallery->metaTags();
    mMeta->setPlainText(meta.replace(gcCrLf, QStringLiteral("\n")));
    mLinksOnTop->setChecked(gallery->linksOnTop());
    adjustControls();
}

void HgPropertiesWin::updateObject()
{
    if (!mGallery)
        return;
    mGallery->setSiteTitle(mTitle->text());
    mGallery->setUseLogo(mUseLogo->isChecked());
    mGallery->setLogoImage(mLogo->text());
    mGallery->setUseBackground(mUseBackImage->isChecked());
    mGallery->setBackground(mBackImage->text());
    mGallery->setSpecifyTopMargin(mSpecifyTopMargin->isChecked());
    mGallery->setTopMargin(numberValue(mTopMargin->text()));
    mGallery->setSpecifyLeftMargin(mSpecifyLeftMargin->isChecked());
    mGallery->setLeftMargin(numberValue(mLeftMargin->text()));
    mGallery->setLinksOnTop(mLinksOnTop->isChecked());
    // The head section's lines end in CR LF like every generated line.
    mGallery->setMetaTags(mMeta->toPlainText().replace(QLatin1Char('\n'), gcCrLf));
    mGallery->setUseDefaultPageProperties(mUseDefaultColors->isChecked());
}

void HgPropertiesWin::adjustControls()
{
    mLogo->setEnabled(mUseLogo->isChecked());
    mBrowseLogo->setEnabled(mUseLogo->isChecked());
    mBackImage->setEnabled(mUseBackImage->isChecked());
    mBrowseBackImage->setEnabled(mUseBackImage->isChecked());
    mTopMargin->setEnabled(mSpecifyTopMargin->isChecked());
    mLeftMargin->setEnabled(mSpecifyLeftMargin->isChecked());
    for (ColorField *field : {mBackColor, mTextColor, mLinkColor, mVisitedColor, mActiveColor})
        field->setEnabled(!mUseDefaultColors->isChecked());
}

void HgPropertiesWin::previewLogo()
{
    previewFile(mLogoFt, &mLogoBlock, mLogo->text().trimmed());
}

void HgPropertiesWin::previewBackground()
{
    previewFile(mBackPreviewFt, &mBackBlock, mBackImage->text().trimmed());
}

void HgPropertiesWin::pbBrowseLogo()
{
    const QString file = openImageDialog(this, QStringLiteral("Select an image to be used as logo image"));
    if (!file.isEmpty())
        mLogo->setText(file);
}

void HgPropertiesWin::pbBrowseBackImage()
{
    const QString file = openImageDialog(this, QStringLiteral("Select an image to be used as page background"));
    if (!file.isEmpty())
        mBackImage->setText(file);
}

void HgPropertiesWin::pbChangeFont()
{
    editFont(&HGallery::siteTitleFont, &HGallery::setSiteTitleFont, QStringLiteral("Site Title Font"));
}

void HgPropertiesWin::pbLinkFont()
{
    editFont(&HGallery::linkFont, &HGallery::setLinkFont, QStringLiteral("Link to other pages font"));
}

} // namespace gb
