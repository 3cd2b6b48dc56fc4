#pragma once

#include "gallery_setup/imagesettingspage.h"

namespace gb {

// Page 7, "07/15 - Full Size - Image Properties": format, subfolder, naming and JPEG options
// of the full-size images. Texts are stored exactly as typed, blanks included.
class HgFullSizeImagesWin : public ImageSettingsPage
{
    Q_OBJECT
public:
    explicit HgFullSizeImagesWin(QWidget *owner = nullptr, int controlId = 120);
    void connect2Source(HGallery *gallery) override;
    void updateObject() override;
};

} // namespace gb
