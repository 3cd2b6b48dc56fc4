#pragma once

#include "actions/paramdialog.h"

#include <array>
#include "platform/imagelib/rgbimage.h"

class QCheckBox;

namespace gb {

class AlignPicker;
class PreviewFt;

// "Overlay Image": the image file laid over each picture (typed or browsed, shown in a
// small preview), its placement, four margins, the opacity 0..100 % (edit and slider) and
// an optional transparent colour. Apply refuses a file field that names no existing file.
// Old parameters, also the values given back: {file, placement, left, top, right, bottom,
// transparent, transparent colour number, opacity 0.00..1.00}; a non-empty array presets
// (missing or mistyped elements take the defaults), anything else opens with the defaults.
class OverlayImageWin : public ParamDialog
{
    Q_OBJECT
public:
    OverlayImageWin(QWidget *owner, const Value &oldParams = Value());

    QString overlayFile() const { return mFile; }
    int left() const { return mMargins[0]; }
    int top() const { return mMargins[1]; }
    int right() const { return mMargins[2]; }
    int bottom() const { return mMargins[3]; }
    bool transparent() const { return mTransparent; }
    int imageAlign() const;
    double opacity() const { return mOpacity; }
    uint32_t transparentColor() const { return mTransColor->color(); }
    ValueArray values() const override;

    QLineEdit *fileEdit() const { return mFileEdit; }
    QLineEdit *margin(const QString &name) const;
    NumberPair *opacityPair() const { return mOpacityPair; }
    QCheckBox *trans() const { return mTrans; }
    ColorField *transColor() const { return mTransColor; }
    AlignPicker *align() const { return mAlign; }
    PreviewFt *preview() const { return mPreview; }

protected:
    bool applyValues() override;

private:
    void pbBrowse();
    void transClicked();

    QLineEdit *mFileEdit;
    AlignPicker *mAlign;
    NumberPair *mOpacityPair;
    QCheckBox *mTrans;
    ColorField *mTransColor;
    PreviewFt *mPreview;
    RgbImage mPreviewImage;
    QString mFile;
    std::array<int, 4> mMargins{}; // left, top, right, bottom
    bool mTransparent = false;
    double mOpacity = 1.0;
};

} // namespace gb
