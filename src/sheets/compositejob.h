#pragma once

#include "batch/wizardjob.h"
#include "sheets/hcomposite.h"

namespace gb {

// The composer window's job: one contact-sheet job (HComposite) with its 22 settings, which
// the settings database stores under the kind "COMP". validate() shows every problem of
// the settings together in the error list; run() makes the sheets from a copy of the job,
// so the pages may go on writing the settings while the run shows its progress.
class CompositeJob : public WizardJob
{
public:
    explicit CompositeJob(QWidget *owner) : mComposite(owner) {}

    HComposite &composite() { return mComposite; }

    Value aData() const override { return Value(mComposite.data()); }
    void setAData(const Value &data) override { mComposite.setData(data.array()); }
    bool validate() override;
    void run(const QStringList &files) override;

private:
    HComposite mComposite;
};

} // namespace gb
