#pragma once

#include "batch/wizardjob.h"
#include "renamer/renamer.h"
#include "renamer/saferename.h"

class QWidget;

namespace gb {

// The renamer window's job: one Renamer, whose script is what the settings database stores
// for the renamer (category "8"). The script page edits renamer().data() itself.
//
// run() computes every new name at once with the same call as the preview, on a copy of
// the script and of the list, renames the files in list order without ever replacing a
// file, and tells the counts in one information box over the owner.
class RenamerJob : public WizardJob
{
public:
    explicit RenamerJob(QWidget *owner) : mOwner(owner) {}

    Renamer &renamer() { return mRenamer; }
    const Renamer &renamer() const { return mRenamer; }

    Value aData() const override { return Value(mRenamer.data()); }
    // A stored script is taken as it is; the engine skips commands it cannot read.
    void setAData(const Value &data) override { mRenamer.setData(data.array()); }
    bool validate() override { return true; }
    void run(const QStringList &files) override;

    // The counts of the last run.
    const RenameOutcome &lastOutcome() const { return mLastOutcome; }

private:
    QWidget *mOwner;
    Renamer mRenamer;
    RenameOutcome mLastOutcome;
};

} // namespace gb
