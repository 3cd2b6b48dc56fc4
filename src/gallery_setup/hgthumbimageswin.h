#pragma once

#include "gallery_setup/imagesettingspage.h"

class QComboBox;
class QLineEdit;

namespace gb {

// Page 3, "03/15 - Thumbnails - Thumbs Properties": format, resize method and size,
// subfolder, naming and JPEG options of the thumbnails. Texts are stored trimmed. The width
// and height fields follow the resize method (fixed width disables the height and the other
// way round) at the next button click or binding.
class HgThumbImagesWin : public ImageSettingsPage
{
    Q_OBJECT
public:
    explicit HgThumbImagesWin(QWidget *owner = nullptr, int controlId = 116);
    void connect2Source(HGallery *gallery) override;
    void updateObject() override;
    void adjustControls() override;

private:
    QComboBox *mResType;
    QLineEdit *mWidth;
    QLineEdit *mHeight;
};

} // namespace gb
