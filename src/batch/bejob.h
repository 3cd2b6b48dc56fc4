#pragma once

#include "batch/be.h"
#include "batch/wizardjob.h"

namespace gb {

// The batch editor's job as its wizard window sees it: one batch job (Be) with its
// fourteen settings. A run works on a copy of the job, so the window may change the
// settings (Test Script stores the script) while the run pumps events.
class BeJob : public WizardJob
{
public:
    explicit BeJob(QWidget *owner) : mBe(owner) {}

    Be &be() { return mBe; }
    const Be &be() const { return mBe; }

    Value aData() const override { return mBe.aData(); }
    void setAData(const Value &data) override { mBe.setAData(data); }
    bool validate() override { return mBe.validate(); }
    // The run's progress window is captioned "Batch Processing" and stays open at the end.
    void run(const QStringList &files) override;

    // The output names of the last run (one per source, "" where none could be made).
    QStringList lastOutputs() const { return mLastOutputs; }

private:
    Be mBe;
    QStringList mLastOutputs;
};

} // namespace gb
