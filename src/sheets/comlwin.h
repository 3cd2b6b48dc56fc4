#pragma once

#include "sheets/layoutpagewin.h"

namespace gb {

class ColorField;
class HComposite;

// The composer's third page, "3/3 - Contact Sheets Layout": the thumbnail cells, gaps and
// border width, the sheet's three colours, the title with its font and page-number option,
// and the information lines under each thumbnail with their font.
//
// connect2Source() shows the job; updateObject() copies the five numbers, the title
// (trimmed) and the page-number option back. Colours, fonts and the information list are
// written into the job at once by their editors.
class ComLWin : public LayoutPageWin
{
    Q_OBJECT
public:
    ComLWin(QWidget *owner, int controlId);

    void connect2Source(WizardJob *job) override;
    void updateObject() override;

    NumberPair *borderSize() const { return mBorderSize; }
    ColorField *backPatern() const { return mBackPatern; }
    ColorField *thumbPatern() const { return mThumbPatern; }
    ColorField *borderColor() const { return mBorderColor; }

private:
    HComposite *mJob = nullptr;
    NumberPair *mBorderSize;
    ColorField *mBackPatern;
    ColorField *mThumbPatern;
    ColorField *mBorderColor;
};

} // namespace gb
