#pragma once

#include "gallery_setup/pageslayoutpage.h"

namespace gb {

// Page 9, "09/15 - Full Size - HTML Pages Layout": whether each full-size image gets its own
// page and, if so, how those pages look and are named; also whether the thumbnails' links
// open a new browser window. "Create HTML page for every full size image" switches the
// sixteen page controls on and off; switched off they keep, and still store, their values.
class HgFullSizePagesWin : public PagesLayoutPage
{
    Q_OBJECT
public:
    explicit HgFullSizePagesWin(QWidget *owner = nullptr, int controlId = 122);
    void connect2Source(HGallery *gallery) override;
    void updateObject() override;
    void adjustControls();

    void pbTitleFont();
    void pbInfoFont();

private:
    QCheckBox *mCreateHtml;
    QCheckBox *mOpenNewWindow;
};

} // namespace gb
