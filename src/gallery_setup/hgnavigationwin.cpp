#include "gallery_setup/hgnavigationwin.h"

#include "resources/resourceclasses.h"
#include "common/filedialogs.h"
#include "gallery/hgallery.h"
#include "gallery_setup/pagefields.h"
#include "image/previewft.h"

#include <QCheckBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace gb {

HgNavigationWin::HgNavigationWin(QWidget *owner, int controlId, const QString &name, const LinkTexts &first,
                                 const LinkSlots &firstSlots, const LinkTexts &second, const LinkSlots &secondSlots,
                                 bool withHomeUrl)
    : SectionPage(owner, controlId)
{
    setObjectName(name);
    if (withHomeUrl)
        mHomeUrl = pageEdit(this, QStringLiteral("HOMEURL"), QStringLiteral("Specify the URL for the home page"));
    buildBlock(0, first, firstSlots);
    buildBlock(1, second, secondSlots);

    auto *note = fixedText(this, QStringLiteral("(if you specify a text and an image link, the text will be used as ALT TAG)"),
                           QStringLiteral("FIXEDTEXT4"));
    QFont bold = note->font();
    bold.setBold(true);
    note->setFont(bold);

    auto *layout = new QVBoxLayout(this);
    auto *blocks = new QHBoxLayout;
    blocks->addWidget(mBlocks[0].link->parentWidget());
    blocks->addWidget(mBlocks[1].link->parentWidget());
    layout->addLayout(blocks, 1);
    layout->addWidget(note);
}

void HgNavigationWin::buildBlock(int n, const LinkTexts &texts, const LinkSlots &bind)
{
    LinkBlock &block = mBlocks[n];
    block.bind = bind;
    block.browseTitle = texts.browseTitle;
    auto *group = new QGroupBox(texts.groupCaption, this);
    group->setObjectName(n == 0 ? QStringLiteral("GROUPBOX1") : QStringLiteral("GROUPBOX2"));
    block.link = pageCheck(group, texts.linkName, texts.checkCaption, texts.checkTip);
    block.text = pageEdit(group, texts.textName, texts.textTip);
    block.useImage = pageCheck(group, QStringLiteral("USEIMAGE") + texts.suffix, QStringLiteral("Use an image as link"),
                               QStringLiteral("Set this option to use an image as link button"));
    block.image = pageEdit(group, QStringLiteral("IMAGELINK") + texts.suffix);
    block.browse = pictureButton(group, QStringLiteral("PBBROWSEIMAGE") + texts.suffix, FindFile(),
                                 QStringLiteral("Browse files"));
    block.preview = previewPane(group, n == 0 ? QStringLiteral("PREVIEWFT") : QStringLiteral("PREVIEWFT1"), QSize(110, 90));

    auto *grid = new QGridLayout(group);
    grid->addWidget(block.link, 0, 0, 1, 3);
    grid->addWidget(fixedText(group, QStringLiteral("Text Link:"),
                              n == 0 ? QStringLiteral("FIXEDTEXT3") : QStringLiteral("FIXEDTEXT1")), 1, 0);
    grid->addWidget(block.text, 1, 1, 1, 2);
    int row = 2;
    if (n == 0 && mHomeUrl) {
        grid->addWidget(fixedText(group, QStringLiteral("Home URL:"), QStringLiteral("FIXEDTEXT6")), row, 0);
        grid->addWidget(mHomeUrl, row, 1, 1, 2);
        mHomeUrl->setParent(group);
        ++row;
    }
    grid->addWidget(block.useImage, row, 0, 1, 3);
    grid->addWidget(fixedText(group, QStringLiteral("Image:"),
                              n == 0 ? QStringLiteral("FIXEDTEXT5") : QStringLiteral("FIXEDTEXT2")), row + 1, 0);
    grid->addWidget(block.image, row + 1, 1);
    grid->addWidget(block.browse, row + 1, 2);
    grid->addWidget(block.preview, row + 2, 1, 1, 2, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(row + 3, 1);

    connect(block.link, &QCheckBox::clicked, this, &HgNavigationWin::adjustControls);
    connect(block.useImage, &QCheckBox::clicked, this, &HgNavigationWin::adjustControls);
    connect(block.image, &QLineEdit::textChanged, this, n == 0 ? &HgNavigationWin::previewFile : &HgNavigationWin::previewFile1);
    connect(block.browse, &QPushButton::clicked, this, [this, n] { browse(mBlocks[n]); });
}

void HgNavigationWin::connect2Source(HGallery *gallery)
{
    mGallery = gallery;
    for (int n = 0; n < 2; ++n) {
        LinkBlock &b = mBlocks[n];
        b.link->setChecked((gallery->*b.bind.link)());
        b.text->setText((gallery->*b.bind.text)());
        b.useImage->setChecked((gallery->*b.bind.withImage)());
        b.image->setText((gallery->*b.bind.image)());
        if (n == 0 && mHomeUrl)
            mHomeUrl->setText(gallery->homeUrl());
    }
    adjustControls();
}

void HgNavigationWin::updateObject()
{
    if (!mGallery)
        return;
    for (int n = 0; n < 2; ++n) {
        const LinkBlock &b = mBlocks[n];
        (mGallery->*b.bind.setLink)(b.link->isChecked());
        (mGallery->*b.bind.setText)(b.text->text());
        (mGallery->*b.bind.setWithImage)(b.useImage->isChecked());
        (mGallery->*b.bind.setImage)(b.image->text());
        if (n == 0 && mHomeUrl)
            mGallery->setHomeUrl(mHomeUrl->text());
    }
}

void HgNavigationWin::adjustControls()
{
    for (int n = 0; n < 2; ++n) {
        LinkBlock &b = mBlocks[n];
        const bool on = b.link->isChecked();
        b.text->setEnabled(on);
        b.useImage->setEnabled(on);
        b.image->setEnabled(on && b.useImage->isChecked());
        b.browse->setEnabled(on && b.useImage->isChecked());
        if (n == 0 && mHomeUrl)
            mHomeUrl->setEnabled(on);
    }
}

void HgNavigationWin::preview(LinkBlock &block)
{
    gb::previewFile(block.preview, &block.previewBlock, block.image->text().trimmed());
}

void HgNavigationWin::previewFile() { preview(mBlocks[0]); }
void HgNavigationWin::previewFile1() { preview(mBlocks[1]); }

void HgNavigationWin::browse(LinkBlock &block)
{
    const QString file = openImageDialog(this, block.browseTitle);
    if (!file.isEmpty())
        block.image->setText(file);
}

} // namespace gb
