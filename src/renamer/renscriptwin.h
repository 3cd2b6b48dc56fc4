#pragma once

#include "common/value.h"

#include <QStringList>
#include <QWidget>

#include <functional>

class QListWidget;
class QPushButton;

namespace gb {

class Renamer;

// The rename script page of the renamer window: builds the script from the four command
// kinds through their dialogs, edits, removes and reorders its commands, and previews what
// the script does to the files selected on the source page, one row "old  --> new" per file.
//
// Once connected, the page's script is the renamer's own array: every change is the job's
// script at once, and updateObject() has nothing left to copy. The window tells the page
// where the selected files come from (setSelectedFilesSource()); the preview asks it anew
// each time it is rebuilt, which happens after every change of the script and whenever the
// page is shown again, so a changed selection on the source page shows on return.
class RenScriptWin : public QWidget
{
    Q_OBJECT
public:
    explicit RenScriptWin(QWidget *owner);

    // Takes the renamer's script array itself as the page's script and shows it.
    void connect2Source(Renamer *job);
    // Leaves the job's script as the page shows it (they are one array).
    void updateObject();
    // Where the preview takes the selected files from, in processing order.
    void setSelectedFilesSource(std::function<QStringList()> source);

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

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The 1-based row of the selected command; 0 when none.
    int selectedCommand() const;
    void selectCommand(int n);

    Renamer *mJob = nullptr;
    ValueArray mOwnScript;
    ValueArray *mScript = &mOwnScript;
    std::function<QStringList()> mSelectedFiles;
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
