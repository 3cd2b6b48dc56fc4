#include "renamer/renamerwin.h"

#include "resources/resourceclasses.h"
#include "common/imagsysserver.h"
#include "common/messages.h"
#include "renamer/renamerjob.h"
#include "renamer/renscriptwin.h"

namespace gb {

namespace {

WizardSpec renamerSpec()
{
    WizardSpec spec;
    spec.caption = QStringLiteral("Rename Images");
    spec.icon = RenamerIcon();
    spec.sections = {
        {QStringLiteral("1/2 - Select Source Images"), [](QWidget *o, int id) { return new RenSiWin(o, id); }, 112},
        {QStringLiteral("2/3 - Rename Script"), [](QWidget *o, int id) { return new RenScriptWin(o, id); }, 113},
    };
    spec.settingsKind = QStringLiteral("RENAME");
    spec.appendNew = &ImagSysServer::appendNewRenamer;
    spec.helpTopic = QStringLiteral("Rename images");
    spec.makeJob = [](QWidget *owner) { return std::make_unique<RenamerJob>(owner); };
    return spec;
}

} // namespace

RenamerWin::RenamerWin(QWidget *owner, const QStringList &files)
    : WizardWin(owner, renamerSpec())
{
    postInit(files);
}

RenSiWin *RenamerWin::sourceWin() const
{
    return static_cast<RenSiWin *>(page(1));
}

RenScriptWin *RenamerWin::scriptWin() const
{
    return static_cast<RenScriptWin *>(page(2));
}

RenamerJob *RenamerWin::renamerJob() const
{
    return wizardJobCast<RenamerJob>(job());
}

void RenamerWin::pageShown(int n)
{
    if (n == 2)
        scriptWin()->previewScript();
}

void RenamerWin::pbDoIt()
{
    if (refuseWhileRunning())
        return;
    const QStringList files = sourceWin()->selectedFiles();
    if (files.isEmpty()) {
        infoMessage(this, QStringLiteral("Select at least one file to rename"));
        return;
    }
    updateData();
    runJob(files);
}

} // namespace gb
