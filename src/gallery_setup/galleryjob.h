#pragma once

#include "batch/wizardjob.h"
#include "gallery/hgallery.h"

class QWidget;

namespace gb {

// The job of the gallery window: the gallery object with its 130 settings (saved whole
// under the settings kind "HTML"), and the titles and comments of the next run.
class GalleryJob : public WizardJob
{
public:
    explicit GalleryJob(QWidget *owner) : mGallery(owner) {}

    Value aData() const override { return Value(mGallery.aData()); }
    // A record of 128 slots reads the two later settings as FALSE; a damaged one gives the
    // defaults where it holds nothing usable.
    void setAData(const Value &data) override { mGallery.setAData(data.isArray() ? data.array() : ValueArray{}); }
    // The gallery validates at the start of its run, where it also makes its folders.
    bool validate() override { return true; }
    // Generates the gallery over the files with the titles last set. The run works on a
    // copy of the settings, so the pages may go on writing colours, fonts and information
    // items into the window's gallery while the run lets events in.
    void run(const QStringList &files) override;

    HGallery &gallery() { return mGallery; }
    void setTitles(GalleryTitles titles) { mTitles = std::move(titles); }
    const GalleryRunResult &lastResult() const { return mLastResult; }

private:
    HGallery mGallery;
    GalleryTitles mTitles;
    GalleryRunResult mLastResult;
};

// The binding of a script page to one of the gallery's two script settings, read and written
// through its accessors (the gallery keeps a copy of its own of what it is given).
struct ScriptBinding;
ScriptBinding galleryScript(ValueArray (HGallery::*read)() const, void (HGallery::*write)(const ValueArray &));

} // namespace gb
