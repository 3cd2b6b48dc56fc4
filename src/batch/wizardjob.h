#pragma once

#include "common/value.h"

#include <QStringList>

namespace gb {

// The job of a wizard window (WizardWin): everything the window saves under one settings
// record, and the run that Do It starts.
//
// Usage: a tool wraps its engine object in a subclass, for example
//
//   class RenamerJob : public WizardJob {
//   public:
//       Value aData() const override { return Value(mRenamer.aData()); }
//       void setAData(const Value &data) override { mRenamer.setAData(data.array()); }
//       bool validate() override { return true; }
//       void run(const QStringList &files) override { ... }
//       Renamer &renamer() { return mRenamer; }
//   };
//
// and hands a factory for it to the frame. Pages reach the engine object by casting the
// job that connect2Source() gives them to the tool's own subclass (wizardJobCast()).
class WizardJob
{
public:
    virtual ~WizardJob() = default;

    // The settings array as it is stored in the settings database.
    virtual Value aData() const = 0;
    // Takes a stored settings array as a whole; a damaged or short one must give a whole
    // job (defaults where the array says nothing usable), never a failure.
    virtual void setAData(const Value &data) = 0;
    // Examines the settings before a run; reports any problem itself (a box over the job's
    // owner) and answers false, or answers true.
    virtual bool validate() = 0;
    // Runs the job over the source files. The job runs on copies of the files and of its
    // settings, so the window may go on editing while the run pumps events.
    virtual void run(const QStringList &files) = 0;
};

// The tool's own job class behind a WizardJob, or null when it is another one.
template<class Job>
Job *wizardJobCast(WizardJob *job)
{
    return dynamic_cast<Job *>(job);
}

} // namespace gb
