#include "batch/beprocessingwin.h"

#include "batch/bejob.h"
#include "common/dialogunits.h"

#include <QCheckBox>

namespace gb {

namespace {

ScriptBinding batchScript()
{
    return {[](WizardJob *job) -> ValueArray {
                if (BeJob *be = wizardJobCast<BeJob>(job))
                    return commandsToValue(be->be().commands()).array();
                return {};
            },
            [](WizardJob *job, const ValueArray &script) {
                if (BeJob *be = wizardJobCast<BeJob>(job))
                    be->be().setCommands(commandsFromValue(Value(script)));
            }};
}

} // namespace

BeProcessingWin::BeProcessingWin(QWidget *owner, int controlId)
    : CommandScriptWin(owner, controlId, batchScript())
{
    mShowThumb = new QCheckBox(QStringLiteral("Show thumbnail during image processing"), this);
    mShowThumb->setObjectName(QStringLiteral("SHOWTHUMB"));
    mShowThumb->setToolTip(QStringLiteral("Set to true to view thumbnail of currently processed image during image processing"));
    mShowThumb->setGeometry(units().rect(168, 172, 146, 11));
}

void BeProcessingWin::connect2Source(WizardJob *job)
{
    CommandScriptWin::connect2Source(job);
    if (BeJob *be = wizardJobCast<BeJob>(job))
        mShowThumb->setChecked(be->be().showThumbs());
}

void BeProcessingWin::updateObject()
{
    CommandScriptWin::updateObject();
    if (BeJob *be = wizardJobCast<BeJob>(boundJob()))
        be->be().setShowThumbs(mShowThumb->isChecked());
}

void BeProcessingWin::scriptTested()
{
    CommandScriptWin::updateObject();
}

} // namespace gb
