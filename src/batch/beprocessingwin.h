#pragma once

#include "batch/commandscriptwin.h"

class QCheckBox;

namespace gb {

// Page 3 of the batch editor, "3/3 - Batch Processing Commands": the script page bound to
// the batch job's script, with the option that shows a thumbnail of each image while the
// batch runs. Test Script also stores the script into the job.
class BeProcessingWin : public CommandScriptWin
{
    Q_OBJECT

public:
    BeProcessingWin(QWidget *owner, int controlId);

    void connect2Source(WizardJob *job) override;
    void updateObject() override;

    QCheckBox *showThumb() const { return mShowThumb; }

protected:
    void scriptTested() override;

private:
    QCheckBox *mShowThumb;
};

} // namespace gb
