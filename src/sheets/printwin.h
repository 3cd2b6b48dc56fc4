#pragma once

#include "batch/besiwin.h"
#include "batch/wizardwin.h"

class QPushButton;

namespace gb {

class PageSetupWin;
class PrintGalleryJob;
class PrintLayoutWin;

// The print wizard's source page: the shared source images page, under a name of its own.
class PrintSiWin : public BeSiWin
{
public:
    using BeSiWin::BeSiWin;
};

// The print wizard, "Print Image Gallery": the wizard frame with the source page, the page
// layout page and the page-setup page, a PrintGalleryJob whose 19 settings are saved as the
// settings of kind "PRIN", and Print and Preview buttons in place of Do It, which print the
// selected images as pages of thumbnails or show them in the print preview.
class PrintWin : public WizardWin
{
    Q_OBJECT
public:
    PrintWin(QWidget *owner, const QStringList &files = {});

    PrintSiWin *sourceWin() const;
    PrintLayoutWin *layoutWin() const;
    PageSetupWin *pageSetupWin() const;
    PrintGalleryJob *printJob() const;

    QPushButton *printButton() const { return doItButton(); }
    QPushButton *previewButton() const { return mPreview; }

    // Prints (true) or previews (false) the selected images with the pages' settings.
    void doIt(bool print);

public slots:
    // The Print button.
    void pbDoIt() override;
    void pbPreview();

private:
    QPushButton *mPreview;
};

} // namespace gb
