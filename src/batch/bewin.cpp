#include "batch/bewin.h"

#include "batch/befiwin.h"
#include "batch/bejob.h"
#include "batch/beprocessingwin.h"
#include "batch/besiwin.h"
#include "common/imagsysserver.h"
#include "resources/resourceclasses.h"

namespace gb {

WizardSpec BeWin::beSpec()
{
    WizardSpec spec;
    spec.caption = QStringLiteral("Batch Image Processing");
    spec.icon = BatchEditIcon();
    spec.sections = {
        {QStringLiteral("1/3 - Select Source Images"), [](QWidget *o, int id) { return new BeSiWin(o, id); }, 112},
        {QStringLiteral("2/3 - Final Images Properties"), [](QWidget *o, int id) { return new BeFiWin(o, id); }, 113},
        {QStringLiteral("3/3 - Batch Processing Commands"),
         [](QWidget *o, int id) { return new BeProcessingWin(o, id); }, 114},
    };
    spec.settingsKind = QStringLiteral("BE");
    spec.appendNew = &ImagSysServer::appendNewBatchEdit;
    spec.helpTopic = QStringLiteral("Batch image processing");
    spec.makeJob = [](QWidget *owner) -> std::unique_ptr<WizardJob> { return std::make_unique<BeJob>(owner); };
    return spec;
}

BeWin::BeWin(QWidget *owner, const QStringList &files)
    : WizardWin(owner, beSpec())
{
    postInit(files);
}

BeSiWin *BeWin::siWin() const
{
    return static_cast<BeSiWin *>(page(1));
}

BeFiWin *BeWin::fiWin() const
{
    return static_cast<BeFiWin *>(page(2));
}

BeProcessingWin *BeWin::processingWin() const
{
    return static_cast<BeProcessingWin *>(page(3));
}

BeJob *BeWin::beJob() const
{
    return static_cast<BeJob *>(job());
}

} // namespace gb
