#pragma once

#include "gallery_setup/sectionpage.h"
#include "platform/imagelib/rgbimage.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace gb {

class ColorField;
class PreviewFt;

// Page 14, "14/15 - HTML Pages Global Properties": what every generated page shares: the
// site title and its font, a logo, a page background image, the five page colours (or the
// browser's own with "Use Default"), top and left margins, where the navigation links stand
// and their font, and meta tags. Colours and fonts go into the gallery when chosen; the rest
// in updateObject(), texts unchanged. Nothing is checked here.
class HgPropertiesWin : public SectionPage
{
    Q_OBJECT
public:
    explicit HgPropertiesWin(QWidget *owner = nullptr, int controlId = 127);
    void connect2Source(HGallery *gallery) override;
    void updateObject() override;
    void adjustControls();
    void previewLogo();
    void previewBackground();
    void pbBrowseLogo();
    void pbBrowseBackImage();
    void pbChangeFont();
    void pbLinkFont();

private:
    QLineEdit *mTitle;
    QPushButton *mChangeFont;
    QCheckBox *mUseLogo;
    QLineEdit *mLogo;
    QPushButton *mBrowseLogo;
    PreviewFt *mLogoFt;
    QCheckBox *mUseBackImage;
    QLineEdit *mBackImage;
    QPushButton *mBrowseBackImage;
    PreviewFt *mBackPreviewFt;
    ColorField *mBackColor;
    ColorField *mTextColor;
    ColorField *mLinkColor;
    ColorField *mVisitedColor;
    ColorField *mActiveColor;
    QCheckBox *mUseDefaultColors;
    QCheckBox *mSpecifyTopMargin;
    QLineEdit *mTopMargin;
    QCheckBox *mSpecifyLeftMargin;
    QLineEdit *mLeftMargin;
    QCheckBox *mLinksOnTop;
    QPushButton *mLinkFont;
    QPlainTextEdit *mMeta;
    RgbImage mLogoBlock;
    RgbImage mBackBlock;
};

} // namespace gb
