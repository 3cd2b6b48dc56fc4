#include "gallery_setup/htmlmainwin.h"

#include "resources/resourceclasses.h"
#include "common/dialogunits.h"
#include "common/imagsysserver.h"
#include "common/messages.h"
#include "common/selectfolder.h"
#include "gallery_setup/galleryjob.h"
#include "gallery_setup/hgcommentswin.h"
#include "gallery_setup/hgfullsizepageswin.h"
#include "gallery_setup/hgmasterindexwin.h"
#include "gallery_setup/hgnavigationnextwin.h"
#include "gallery_setup/hgnavigationprevwin.h"
#include "gallery_setup/hgnavigationupwin.h"
#include "gallery_setup/hgoptionswin.h"
#include "gallery_setup/hgpropertieswin.h"
#include "gallery_setup/hgfullsizebatchwin.h"
#include "gallery_setup/hgthumbsbatchwin.h"
#include "gallery_setup/hgsiwin.h"
#include "gallery_setup/hgthumbsarrangewin.h"
#include "gallery_setup/hgthumbspages.h"
#include "gallery_setup/hgfullsizeimageswin.h"
#include "gallery_setup/hgthumbimageswin.h"
#include "gallery_setup/sectionpage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace gb {

namespace {

// The frame's dialog is the wizard's, wider and taller for the gallery's pages, with one
// more row under the page for the base folder.
constexpr int kDialogWidth = 452;
constexpr int kBaseFolderRow = 304;

template<class Page>
WizardSection section(const char *title, int placeholder)
{
    return {QString::fromLatin1(title), [](QWidget *owner, int id) -> WizardPageWin * { return new Page(owner, id); },
            placeholder};
}

} // namespace

WizardSpec HtmlMainWin::htmlSpec()
{
    WizardSpec spec;
    spec.caption = QStringLiteral("Generate HTML Image Gallery");
    spec.icon = HtmlIcon();
    spec.dialogSize = QSize(kDialogWidth, kBaseFolderRow + 17);
    spec.pageRect = QRect(11, 63, SectionPage::kWidth, SectionPage::kHeight);
    spec.saveNewText = QStringLiteral("Save As New");
    spec.sections = {
        section<HgSiWin>("01/15 - Select Source Images", 114),
        // The comments page reads the selection of the source page, made just before it.
        {QStringLiteral("02/15 - Add Titles and Comments to Images"),
         [](QWidget *owner, int id) -> WizardPageWin * {
             return new HgCommentsWin(owner, owner->findChild<HgSiWin *>(), id);
         },
         115},
        section<HgThumbImagesWin>("03/15 - Thumbnails - Thumbs Properties", 116),
        section<HgThumbsBatchWin>("04/15 - Thumbnails - Thumbs Batch Processing", 117),
        section<HgThumbsPages>("05/15 - Thumbnails - HTML Pages Layout", 118),
        section<HgThumbsArrangeWin>("06/15 - Thumbnails - Thumbs Arrangement", 119),
        section<HgFullSizeImagesWin>("07/15 - Full Size - Image Properties", 120),
        section<HgFullSizeBatchWin>("08/15 - Full Size - Image Batch Processing", 121),
        section<HgFullSizePagesWin>("09/15 - Full Size - HTML Pages Layout", 122),
        section<HgMasterIndexWin>("10/15 - Master Index HTML Page Layout", 123),
        section<HgNavigationUpWin>("11/15 - Navigation - Links for Home/Up", 124),
        section<HgNavigationPrevWin>("12/15 - Navigation - Links for Previous/First", 125),
        section<HgNavigationNextWin>("13/15 - Navigation - Links for Next/Last", 126),
        section<HgPropertiesWin>("14/15 - HTML Pages Global Properties", 127),
        section<HgOptionsWin>("15/15 - Define General Options", 128),
    };
    spec.settingsKind = QStringLiteral("HTML");
    spec.appendNew = &ImagSysServer::appendNewHtml;
    spec.helpTopic = QStringLiteral("HTML image gallery generator");
    spec.makeJob = [](QWidget *owner) -> std::unique_ptr<WizardJob> { return std::make_unique<GalleryJob>(owner); };
    return spec;
}

HtmlMainWin::HtmlMainWin(QWidget *owner, const QStringList &files) : WizardWin(owner, htmlSpec())
{
    setObjectName(QStringLiteral("htmlMainWin"));
    const DialogUnits &du = units();
    // The frame's right-hand controls follow the wider dialog.
    const int shift = kDialogWidth - 402;
    for (QWidget *w : std::initializer_list<QWidget *>{doItButton(), closeButton(), helpButton(), nextButton()})
        w->move(w->x() + du.x(shift), w->y());
    winCaption()->resize(winCaption()->width() + du.x(shift), winCaption()->height());
    saveNewButton()->setGeometry(du.rect(294, 30, 44, 11));
    auto *label = new QLabel(QStringLiteral("Base Folder:"), this);
    label->setObjectName(QStringLiteral("FIXEDTEXT2"));
    label->setGeometry(du.rect(11, kBaseFolderRow + 2, 42, 9));
    mBaseFolder = new QLineEdit(this);
    mBaseFolder->setObjectName(QStringLiteral("BASEFOLDER"));
    mBaseFolder->setGeometry(du.rect(55, kBaseFolderRow, kDialogWidth - 92, 12));
    mBrowse = new QPushButton(this);
    mBrowse->setObjectName(QStringLiteral("PBBASEFOLDERBROWSE"));
    mBrowse->setIcon(QIcon(FindFile()));
    mBrowse->setToolTip(QStringLiteral("Browse folders directory"));
    mBrowse->setGeometry(du.rect(kDialogWidth - 32, kBaseFolderRow, 20, 12));
    connect(mBrowse, &QPushButton::clicked, this, &HtmlMainWin::pbBaseFolderBrowse);
    postInit(files);
}

HgSiWin *HtmlMainWin::siWin() const
{
    return static_cast<HgSiWin *>(page(1));
}

HgCommentsWin *HtmlMainWin::commentsWin() const
{
    return static_cast<HgCommentsWin *>(page(2));
}

GalleryJob *HtmlMainWin::galleryJob() const
{
    return static_cast<GalleryJob *>(job());
}

void HtmlMainWin::updateChildWin()
{
    // Runs from postInit(), after the constructor made the field.
    mBaseFolder->setText(galleryJob()->gallery().baseFolder());
    WizardWin::updateChildWin();
}

void HtmlMainWin::updateData()
{
    galleryJob()->gallery().setBaseFolder(mBaseFolder->text().trimmed());
    WizardWin::updateData();
}

void HtmlMainWin::pageShown(int n)
{
    if (n == 2)
        commentsWin()->updateWin();
}

void HtmlMainWin::pbBaseFolderBrowse()
{
    QString folder;
    if (selectFolder(this, QStringLiteral("Select folder to be used as base folder"), QString(), 0, &folder))
        mBaseFolder->setText(folder);
}

void HtmlMainWin::pbDoIt()
{
    if (refuseWhileRunning())
        return;
    // The titles and comments follow the files of the source page as they are now.
    commentsWin()->updateData();
    galleryJob()->setTitles(commentsWin()->updatedData());
    WizardWin::pbDoIt();
}

} // namespace gb
