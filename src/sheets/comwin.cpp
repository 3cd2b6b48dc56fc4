#include "sheets/comwin.h"

#include "resources/resourceclasses.h"
#include "common/imagsysserver.h"
#include "sheets/comfiwin.h"
#include "sheets/comlwin.h"
#include "sheets/compositejob.h"

namespace gb {

namespace {

WizardSpec composerSpec()
{
    WizardSpec spec;
    spec.caption = QStringLiteral("Generate Contact Sheets");
    spec.icon = CompositeImageIcon();
    spec.sections = {
        {QStringLiteral("1/3 - Select Source Images"), [](QWidget *o, int id) { return new ComSiWin(o, id); }, 112},
        {QStringLiteral("2/3 - Contact Sheets Size and Properties"),
         [](QWidget *o, int id) { return new ComFiWin(o, id); }, 113},
        {QStringLiteral("3/3 - Contact Sheets Layout"), [](QWidget *o, int id) { return new ComLWin(o, id); }, 114},
    };
    spec.settingsKind = QStringLiteral("COMP");
    spec.appendNew = &ImagSysServer::appendNewComp;
    spec.helpTopic = QStringLiteral("Generate composite images");
    spec.makeJob = [](QWidget *owner) { return std::make_unique<CompositeJob>(owner); };
    return spec;
}

} // namespace

ComWin::ComWin(QWidget *owner, const QStringList &files)
    : WizardWin(owner, composerSpec())
{
    postInit(files);
}

ComSiWin *ComWin::sourceWin() const
{
    return static_cast<ComSiWin *>(page(1));
}

ComFiWin *ComWin::sizeWin() const
{
    return static_cast<ComFiWin *>(page(2));
}

ComLWin *ComWin::layoutWin() const
{
    return static_cast<ComLWin *>(page(3));
}

CompositeJob *ComWin::compositeJob() const
{
    return wizardJobCast<CompositeJob>(job());
}

} // namespace gb
