#pragma once

#include "gallery_setup/pageslayoutpage.h"

namespace gb {

// Page 5, "05/15 - Thumbnails - HTML Pages Layout": the look and naming of the thumbnail
// pages. Plain fields reach the gallery in updateObject(); the two fonts and the
// information items are written at once by their buttons. Every control stays enabled.
class HgThumbsPages : public PagesLayoutPage
{
    Q_OBJECT
public:
    explicit HgThumbsPages(QWidget *owner = nullptr, int controlId = 118);
    void connect2Source(HGallery *gallery) override;
    void updateObject() override;

    void pbThumbsPagesTitleFont();
    void pbInfoFont();

private:
    QCheckBox *mAppendPageNo;
};

} // namespace gb
