#pragma once

#include "batch/wizardjob.h"
#include "sheets/hprgallery.h"

namespace gb {

// The print wizard's job: one thumbnail print job (HPrGallery) with its 19 settings, which
// the settings database stores under the kind "PRIN". run() prints to the printer or the
// preview as setPrintFlag() last said, from a copy of the job, so the modal print dialogs
// cannot meet settings changed underneath them.
class PrintGalleryJob : public WizardJob
{
public:
    explicit PrintGalleryJob(QWidget *owner) : mOwner(owner), mPrint(owner) {}

    HPrGallery &print() { return mPrint; }
    // True for the printer, false for the preview.
    void setPrintFlag(bool toPrinter) { mToPrinter = toPrinter; }

    Value aData() const override { return Value(mPrint.data()); }
    void setAData(const Value &data) override { mPrint.setData(data.array()); }
    // Shows the settings' problems (HPrGallery::validate()) in the error log and answers
    // false, or answers true.
    bool validate() override;
    void run(const QStringList &files) override;

private:
    QWidget *mOwner;
    HPrGallery mPrint;
    bool mToPrinter = true;
};

} // namespace gb
