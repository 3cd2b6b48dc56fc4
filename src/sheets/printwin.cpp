#include "sheets/printwin.h"

#include "resources/resourceclasses.h"
#include "common/dialogunits.h"
#include "common/imagsysserver.h"
#include "common/messages.h"
#include "sheets/pagesetupwin.h"
#include "sheets/printgalleryjob.h"
#include "sheets/printlayoutwin.h"

#include <QPushButton>

namespace gb {

namespace {

WizardSpec printSpec()
{
    WizardSpec spec;
    spec.caption = QStringLiteral("Print Image Gallery");
    spec.icon = PrinterIcon();
    spec.sections = {
        {QStringLiteral("1/3 - Select Source Images"), [](QWidget *o, int id) { return new PrintSiWin(o, id); }, 113},
        {QStringLiteral("2/3 - Page Layout"), [](QWidget *o, int id) { return new PrintLayoutWin(o, id); }, 114},
        {QStringLiteral("3/3 - Page Setup"), [](QWidget *o, int id) { return new PageSetupWin(o, id); }, 115},
    };
    spec.doItText = QStringLiteral("Print");
    spec.settingsKind = QStringLiteral("PRIN");
    spec.appendNew = &ImagSysServer::appendNewPrin;
    spec.helpTopic = QStringLiteral("Print image gallery");
    spec.makeJob = [](QWidget *owner) { return std::make_unique<PrintGalleryJob>(owner); };
    return spec;
}

} // namespace

PrintWin::PrintWin(QWidget *owner, const QStringList &files)
    : WizardWin(owner, printSpec())
{
    // Four buttons share the column of the frame's three: Print, Preview, Close, Help.
    const DialogUnits &du = units();
    mPreview = new QPushButton(QStringLiteral("Preview"), this);
    mPreview->setObjectName(QStringLiteral("PBPREVIEW"));
    mPreview->setAutoDefault(false);
    doItButton()->setGeometry(du.rect(352, 3, 38, 10));
    mPreview->setGeometry(du.rect(352, 14, 38, 10));
    closeButton()->setGeometry(du.rect(352, 25, 38, 10));
    helpButton()->setGeometry(du.rect(352, 36, 38, 10));
    setTabOrder(doItButton(), mPreview);
    setTabOrder(mPreview, closeButton());
    connect(mPreview, &QPushButton::clicked, this, &PrintWin::pbPreview);
    postInit(files);
}

PrintSiWin *PrintWin::sourceWin() const
{
    return static_cast<PrintSiWin *>(page(1));
}

PrintLayoutWin *PrintWin::layoutWin() const
{
    return static_cast<PrintLayoutWin *>(page(2));
}

PageSetupWin *PrintWin::pageSetupWin() const
{
    return static_cast<PageSetupWin *>(page(3));
}

PrintGalleryJob *PrintWin::printJob() const
{
    return wizardJobCast<PrintGalleryJob>(job());
}

void PrintWin::pbDoIt()
{
    doIt(true);
}

void PrintWin::pbPreview()
{
    doIt(false);
}

void PrintWin::doIt(bool print)
{
    if (refuseWhileRunning())
        return;
    const QStringList files = sourceWin()->selectedFiles();
    if (files.isEmpty()) {
        infoMessage(this, QStringLiteral("Select at least one image to print"));
        return;
    }
    updateData();
    if (!printJob()->validate())
        return;
    printJob()->setPrintFlag(print);
    // The frame holds its own buttons while the print dialogs are up; Preview is this one's.
    mPreview->setEnabled(false);
    runJob(files);
    mPreview->setEnabled(true);
}

} // namespace gb
