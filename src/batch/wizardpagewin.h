#pragma once

#include <QStringList>
#include <QWidget>

namespace gb {

class DialogUnits;
class WizardJob;

// One page of a wizard window (WizardWin): a child widget that the frame places on the
// rectangle of its placeholder and shows while its section is chosen.
//
// Usage: derive, build the controls in the constructor on units() (dialog units of the
// page's own layout), and override what the page needs:
//
//   class MyPage : public WizardPageWin {
//   public:
//       MyPage(QWidget *owner, int controlId) : WizardPageWin(owner, controlId, 378, 187) { ... }
//       void connect2Source(WizardJob *job) override { mJob = wizardJobCast<MyJob>(job); ... }
//       void updateObject() override { ... controls into mJob ... }
//   };
//
// The frame calls connect2Source() on every page after the job is made and after every
// Load, and updateObject() on every page before Save, Save New and Do It; a page that is
// not bound to the job (the source images page) keeps the defaults, which do nothing.
// Hidden pages keep their controls' contents.
class WizardPageWin : public QWidget
{
    Q_OBJECT

public:
    // owner: the frame; controlId: the placeholder the page stands on; width and height:
    // the page's own dialog in dialog units.
    WizardPageWin(QWidget *owner, int controlId, int width, int height);
    ~WizardPageWin() override;

    int controlId() const { return mControlId; }

    // Binds the page to the job: copies each setting the page owns into its controls.
    virtual void connect2Source(WizardJob *job);
    // Copies the page's controls back into the bound job.
    virtual void updateObject();
    // A source images page adds these files to its selection (the files the window was
    // opened with); other pages ignore them.
    virtual void loadFiles(const QStringList &files);
    // A source images page gives its selected files in processing order; others none.
    virtual QStringList selectedFiles() const;

protected:
    const DialogUnits &units() const { return *mUnits; }

private:
    int mControlId;
    DialogUnits *mUnits;
};

} // namespace gb
