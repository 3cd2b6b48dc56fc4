#include "gallery_setup/hgoptionswin.h"

#include "gallery/hgallery.h"
#include "gallery_setup/pagefields.h"

#include <QLabel>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace gb {

HgOptionsWin::HgOptionsWin(QWidget *owner, int controlId) : SectionPage(owner, controlId)
{
    setObjectName(QStringLiteral("hgOptionsWin"));
    mAutoNumericStart = pageEdit(this, QStringLiteral("AUTONUMERICSTART"), {}, kEnumStartRange.digits());
    mAutoNumericPad = pageEdit(this, QStringLiteral("AUTONUMERICPAD"), {}, kEnumLengthRange.digits());
    mAuxSubFolder = pageEdit(this, QStringLiteral("AUXSUBFOLDER"),
                             QStringLiteral("Define the subfolder where all auxilliary images (logo, background, "
                                            "navigation ...) will be placed"));
    mExt = pageEdit(this, QStringLiteral("EXT"));

    auto *casing = new QGroupBox(QStringLiteral("File/Image Naming Casing"), this);
    casing->setObjectName(QStringLiteral("RADIOBUTTONGROUP1"));
    mNoChange = pageRadio(casing, QStringLiteral("NOCHANGE"), QStringLiteral("No change"));
    mLowerCase = pageRadio(casing, QStringLiteral("LOWERCASE"), QStringLiteral("Convert to lower"));
    mUpperCase = pageRadio(casing, QStringLiteral("UPPERCASE"), QStringLiteral("Convert to upper"));
    auto *casingLayout = new QVBoxLayout(casing);
    for (QWidget *w : {mNoChange, mLowerCase, mUpperCase})
        casingLayout->addWidget(w);

    auto *over = new QGroupBox(QStringLiteral("Overwrite Option"), this);
    over->setObjectName(QStringLiteral("RADIOBUTTONGROUP2"));
    mOverAlways = pageRadio(over, QStringLiteral("OVERALWAYS"), QStringLiteral("Always"),
                            QStringLiteral("Generator overwrites extisting html pages or images without asking you "
                                           "to confirm"));
    mOverNever = pageRadio(over, QStringLiteral("OVERNEVER"), QStringLiteral("Never"),
                           QStringLiteral("Generator never extisting html pages or images"));
    mOverAsk = pageRadio(over, QStringLiteral("OVERASK"), QStringLiteral("Ask me"),
                         QStringLiteral("Generator ask you to confirm, before overwrites extisting html pages or "
                                        "images"));
    auto *overLayout = new QVBoxLayout(over);
    for (QWidget *w : {mOverAlways, mOverNever, mOverAsk})
        overLayout->addWidget(w);

    mLaunchBrowser = pageCheck(this, QStringLiteral("LAUNCHBROWSER"), QStringLiteral("Launch WEB browser when done"),
                               QStringLiteral("Setting to true will launch default internet bowser at the end of the "
                                              "pages generation"));
    mClearBase = pageCheck(this, QStringLiteral("CLEARBASE"),
                           QStringLiteral("Clear Base Folder (and subfolders) before processing"));
    mShowThumb = pageCheck(this, QStringLiteral("SHOWTHUMB"), QStringLiteral("Show thumbnail during image processing"),
                           QStringLiteral("Set to true to view thumbnail of currently processed image during image "
                                          "processing"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(fixedText(this, QStringLiteral("Enumeration for file/image names start at:"),
                              QStringLiteral("FIXEDTEXT1")), 0, 0);
    grid->addWidget(mAutoNumericStart, 0, 1);
    grid->addWidget(fixedText(this, QStringLiteral("Standard length for enumeration:"), QStringLiteral("FIXEDTEXT2")),
                    1, 0);
    grid->addWidget(mAutoNumericPad, 1, 1);
    grid->addWidget(fixedText(this, QStringLiteral("Place auxilliary images at subfolder:"),
                              QStringLiteral("FIXEDTEXT3")), 2, 0);
    grid->addWidget(mAuxSubFolder, 2, 1);
    grid->addWidget(fixedText(this, QStringLiteral("Create pages with extension:"), QStringLiteral("FIXEDTEXT4")), 3,
                    0);
    grid->addWidget(mExt, 3, 1);
    grid->addWidget(casing, 0, 2, 3, 1);
    grid->addWidget(over, 0, 3, 3, 1);
    grid->addWidget(mLaunchBrowser, 4, 0, 1, 2);
    grid->addWidget(mClearBase, 5, 0, 1, 2);
    grid->addWidget(mShowThumb, 6, 0, 1, 2);
    grid->setRowStretch(7, 1);
    grid->setColumnStretch(1, 1);
}

std::vector<CodedButton> HgOptionsWin::casingButtons() const
{
    return {{mNoChange, 3}, {mLowerCase, 1}, {mUpperCase, 2}};
}

std::vector<CodedButton> HgOptionsWin::overwriteButtons() const
{
    return {{mOverAlways, 1}, {mOverNever, 2}, {mOverAsk, 3}};
}

void HgOptionsWin::connect2Source(HGallery *gallery)
{
    mGallery = gallery;
    mAutoNumericStart->setText(numberText(gallery->autoNumericStart()));
    mAutoNumericPad->setText(numberText(gallery->namePadChars()));
    mClearBase->setChecked(gallery->clearBaseFolder());
    checkByCode(casingButtons(), gallery->namingCasing());
    mAuxSubFolder->setText(gallery->auxSubFolder());
    checkByCode(overwriteButtons(), gallery->overwrite());
    mLaunchBrowser->setChecked(gallery->launchHtml());
    mShowThumb->setChecked(gallery->showThumbs());
    mExt->setText(gallery->htmlExt());
}

void HgOptionsWin::updateObject()
{
    if (!mGallery)
        return;
    mGallery->setAutoNumericStart(numberValue(mAutoNumericStart->text()));
    mGallery->setNamePadChars(numberValue(mAutoNumericPad->text()));
    mGallery->setClearBaseFolder(mClearBase->isChecked());
    // With no button on the setting is left untouched, not even rewritten.
    if (const int casing = codeOfChecked(casingButtons(), 0))
        mGallery->setNamingCasing(casing);
    mGallery->setAuxSubFolder(mAuxSubFolder->text());
    if (const int overwrite = codeOfChecked(overwriteButtons(), 0))
        mGallery->setOverwrite(overwrite);
    mGallery->setLaunchHtml(mLaunchBrowser->isChecked());
    mGallery->setShowThumbs(mShowThumb->isChecked());
    mGallery->setHtmlExt(mExt->text());
}

} // namespace gb
