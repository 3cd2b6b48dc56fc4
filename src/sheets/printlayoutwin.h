#pragma once

#include "sheets/layoutpagewin.h"

namespace gb {

class HPrGallery;

// The print wizard's second page, "2/3 - Page Layout": the thumbnail boxes, gaps and number
// of columns of a printed page, whether each box is framed, the title with its font and
// page-number option, and the information lines under each image with their font.
//
// connect2Source() shows the job; updateObject() copies the numbers, the frame option, the
// title (exactly as typed: the print job trims it when it draws) and the page-number
// option back. Fonts and the information list are written into the job at once.
class PrintLayoutWin : public LayoutPageWin
{
    Q_OBJECT
public:
    PrintLayoutWin(QWidget *owner, int controlId);

    void connect2Source(WizardJob *job) override;
    void updateObject() override;

    NumberPair *thumbCol() const { return mThumbCol; }
    QCheckBox *drawImageRect() const { return mDrawImageRect; }

private:
    HPrGallery *mJob = nullptr;
    NumberPair *mThumbCol;
    QCheckBox *mDrawImageRect;
};

} // namespace gb
