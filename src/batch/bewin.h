#pragma once

#include "batch/wizardwin.h"

namespace gb {

class BeFiWin;
class BeJob;
class BeProcessingWin;
class BeSiWin;

// The batch editor: a wizard window in which the user chooses source images (page 1),
// sets how the processed images are written (page 2) and builds the script of image
// commands (page 3), saves and loads these settings by name (settings kind "BE"), and runs
// the job with Do It. Open it with the explorer's selection (or nothing) as files.
class BeWin : public WizardWin
{
    Q_OBJECT

public:
    BeWin(QWidget *owner, const QStringList &files = {});

    BeSiWin *siWin() const;
    BeFiWin *fiWin() const;
    BeProcessingWin *processingWin() const;
    BeJob *beJob() const;

    // The dialog of the window: sections, texts, settings kind and help topic.
    static WizardSpec beSpec();
};

} // namespace gb
