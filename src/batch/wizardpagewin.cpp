#include "batch/wizardpagewin.h"

#include "common/dialogunits.h"

namespace gb {

WizardPageWin::WizardPageWin(QWidget *owner, int controlId, int width, int height)
    : QWidget(owner)
    , mControlId(controlId)
    , mUnits(new DialogUnits(DialogUnits::setUp(this, width, height)))
{
    setObjectName(QStringLiteral("page%1").arg(controlId));
}

WizardPageWin::~WizardPageWin()
{
    delete mUnits;
}

void WizardPageWin::connect2Source(WizardJob *) {}

void WizardPageWin::updateObject() {}

void WizardPageWin::loadFiles(const QStringList &) {}

QStringList WizardPageWin::selectedFiles() const
{
    return {};
}

} // namespace gb
