#pragma once

#include "batch/wizardpagewin.h"
#include "platform/table/value.h"

class QListWidget;
class QPushButton;

namespace gb {

class WizardJob;

// The rename script page of the renamer window: builds the script from the four command
// kinds through their dialogs, edits, removes and reorders its commands, and previews what
// the script does to the files selected on the source page, one row "old  --> new" per file.
//
// Once connected, the page's script is the renamer's own array: every change is the job's
// script at once, so the page has nothing to copy into the job. The preview asks the
// window's source page (page 1 of the owner WizardWin) for its selected files each time it
// is rebuilt, which happens after every change of the script and whenever the window shows
// the page again, so a changed selection on the source page shows on return.
class RenScriptWin : public WizardPageWin
{
    Q_OBJECT
public:
    RenScriptWin(QWidget *owner, int controlId);

    // Takes the renamer's script array itself as the page's script and shows it.
    void connect2Source(WizardJob *job) override;

    // Rebuilds the command list from the script; no row is selected afterwards.
    void updateLb();
    // Rebuilds the preview rows.
    void previewScript();

    const ValueArray &script() const { return *mScript; }

    QListWidget *availCommandsLb() const { return mAvailCommandsLb; }
    QListWidget *commandsLb() const { return mCommandsLb; }
    QListWidget *previewLb() const { return mPreviewLb; }
    QPushButton *addCommandButton() const { return mPbAddCommand; }
    QPushButton *editButton() const { return mPbEdit; }
    QPushButton *removeButton() const { return mPbRemove; }
    QPushButton *moveUpButton() const { return mPbMoveUp; }
    QPushButton *moveDownButton() const { return mPbMoveDown; }

public slots:
    void pbAddCommand();
    void pbEdit();
    void pbRemove();
    void pbMoveUp();
    void pbMoveDown();

private:
    // The 1-based row of the selected command; 0 when none.
    int selectedCommand() const;
    void selectCommand(int n);

    ValueArray mOwnScript;
    ValueArray *mScript = &mOwnScript;
    QListWidget *mAvailCommandsLb;
    QPushButton *mPbAddCommand;
    QListWidget *mCommandsLb;
    QPushButton *mPbEdit;
    QPushButton *mPbRemove;
    QPushButton *mPbMoveUp;
    QPushButton *mPbMoveDown;
    QListWidget *mPreviewLb;
};

} // namespace gb
