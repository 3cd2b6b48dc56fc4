#pragma once

#include "gallery_setup/sectionpage.h"
#include "platform/imagelib/rgbimage.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace gb {

class ColorField;
class NumberPair;
class PreviewFt;

// Page 6, "06/15 - Thumbnails - Thumbs Arrangement": the table of every thumbnail page:
// rows and columns (which also set how many images a page holds), its width and unit,
// alignment, border, padding and spacing, its three colours and an optional background
// image with a preview. Colours are written into the gallery as soon as they are chosen;
// everything else in updateObject(). Nothing is checked here: rows or columns of 0 and a
// missing background image are refused by validation at Do It.
class HgThumbsArrangeWin : public SectionPage
{
    Q_OBJECT
public:
    explicit HgThumbsArrangeWin(QWidget *owner = nullptr, int controlId = 119);
    void connect2Source(HGallery *gallery) override;
    void updateObject() override;
    void adjustControls();
    void previewFile();
    void pbBrowseBackground();

    PreviewFt *previewPane() const { return mPreviewFt; }

private:
    NumberPair *mRows;
    NumberPair *mCols;
    QCheckBox *mSpecifyWidth;
    QLineEdit *mWidth;
    QRadioButton *mPercent;
    QRadioButton *mPixels;
    ColorField *mTableColor;
    ColorField *mCellColor;
    ColorField *mBorderColor;
    QComboBox *mAlignment;
    NumberPair *mBorderSize;
    NumberPair *mCellPadding;
    NumberPair *mCellSpacing;
    QCheckBox *mUseBackground;
    QLineEdit *mBackground;
    QPushButton *mBrowse;
    PreviewFt *mPreviewFt;
    RgbImage mPreviewBlock;
};

} // namespace gb
