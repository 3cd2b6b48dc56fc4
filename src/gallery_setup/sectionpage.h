#pragma once

#include "actions/fontdata.h"
#include "batch/wizardpagewin.h"

#include <cstdint>

class QSize;

namespace gb {

class ColorField;
class HGallery;

// One section page of the gallery window bound to its gallery object. The frame binds it
// with the gallery job; the page copies the gallery's settings into its controls in
// connect2Source() and back in updateObject(). The window calls the first when it opens
// and after Load, the second before Save, Save As New and Do It.
class SectionPage : public WizardPageWin
{
    Q_OBJECT
public:
    // Every gallery page stands on the same page area of the window, in dialog units; the
    // gallery's pages hold more than the other wizards' and get a larger area.
    static constexpr int kWidth = 430;
    static constexpr int kHeight = 236;

    SectionPage(QWidget *owner, int controlId) : WizardPageWin(owner, controlId, kWidth, kHeight) {}

    // The gallery of the window's job.
    void connect2Source(WizardJob *job) override;
    virtual void connect2Source(HGallery *gallery) { mGallery = gallery; }
    HGallery *gallery() const { return mGallery; }

protected:
    // The font dialog over one font setting of the gallery; a cancelled dialog keeps the font.
    void editFont(FontData (HGallery::*get)() const, void (HGallery::*set)(const FontData &),
                  const QString &caption);
    // A colour sample of sampleSize and its change button, named sample and button, the
    // button with its tooltip; a colour chosen with the button goes to the gallery at once.
    ColorField *colorField(QWidget *parent, const QString &sample, const QString &button, const QString &tip,
                           const QSize &sampleSize, void (HGallery::*set)(uint32_t));

    HGallery *mGallery = nullptr;
};

} // namespace gb
