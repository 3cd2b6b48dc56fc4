#pragma once

#include "batch/batchcommand.h"
#include "batch/wizardpagewin.h"
#include "platform/imagelib/rgbimage.h"

#include <functional>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QTextEdit;

namespace gb {

class PreviewFt;

// Where a script page keeps its script in its job: read gives the stored script of the
// job, write stores the page's script into it.
struct ScriptBinding {
    std::function<ValueArray(WizardJob *job)> read;
    std::function<void(WizardJob *job, const ValueArray &script)> write;
};

// A page on which the user builds a script of image commands: picks actions from the
// list of available commands, gives each step its parameters through the action's dialog,
// edits, removes and reorders steps, reads the description of the selected step, and
// tries the whole script on a sample image, before and after.
//
// Usage: a frame makes one per script setting of its job, for example
//
//   ScriptBinding thumbs{
//       [](WizardJob *j) { return wizardJobCast<GalleryJob>(j)->gallery().thumbCommands(); },
//       [](WizardJob *j, const ValueArray &s) { wizardJobCast<GalleryJob>(j)->gallery().setThumbCommands(s); }};
//   new CommandScriptWin(owner, id, thumbs, QStringLiteral("The following processing commands ..."));
//
// A heading, when given, stands above the page's controls (which then sit 12 dialog units
// lower; the page is that much taller). The page edits its own copy of the script:
// connect2Source() replaces it by the job's, updateObject() stores it into the job. Test
// Script applies the script to the sample in memory, so a second test applies it again to
// the result; "Back to Original" loads the sample file again.
//
// The sample starts as "sample.jpg" of the support folder when there is one.
class CommandScriptWin : public WizardPageWin
{
    Q_OBJECT

public:
    CommandScriptWin(QWidget *owner, int controlId, ScriptBinding binding, const QString &heading = QString());
    ~CommandScriptWin() override;

    void connect2Source(WizardJob *job) override;
    void updateObject() override;

    const std::vector<BatchCommand> &script() const { return mScript; }
    const RgbImage &sample() const { return mSample; }
    QString sampleFile() const { return mSampleFile; }

    QListWidget *availCommandsLb() const { return mAvailCommandsLb; }
    QListWidget *commandsLb() const { return mCommandsLb; }
    QTextEdit *details() const { return mDetails; }
    PreviewFt *previewFt() const { return mPreviewFt; }
    QPushButton *button(const char *name) const;

    // Makes the sample image file the page tries its script on; false (and no sample in
    // memory) when it does not load.
    bool setSampleFile(const QString &path);

public slots:
    void pbAddCommand();
    void pbEdit();
    void pbRemove();
    void pbMoveUp();
    void pbMoveDown();
    void pbSample();
    void pbOriginal();
    void pbTest();

protected:
    // The script has been tried on the sample; the batch page stores it into its job then.
    virtual void scriptTested() {}
    WizardJob *boundJob() const { return mJob; }

private:
    void updateLb();
    // Moves the current command one place up (-1) or down (1).
    void moveCommand(int step, const QString &noneSelected);
    void updateInfoWin();
    void previewSample();
    void selectCommand(int row);

    ScriptBinding mBinding;
    WizardJob *mJob = nullptr;
    int mTop = 0;
    std::vector<BatchCommand> mScript;
    QString mSampleFile;
    RgbImage mSample;
    RgbImage mPreview;

    QListWidget *mAvailCommandsLb;
    QListWidget *mCommandsLb;
    QTextEdit *mDetails;
    PreviewFt *mPreviewFt;
};

} // namespace gb
