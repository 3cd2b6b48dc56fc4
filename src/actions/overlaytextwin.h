#pragma once

#include "actions/fontdata.h"
#include "actions/paramdialog.h"
#include "common/colorvalues.h"

#include <array>

namespace gb {

class AlignPicker;

// "Overlay Text": one line of text, its font (through the font picker, point sizes), its
// placement, four margins, and a transparent or solid background of a chosen colour.
// Apply checks nothing. Old parameters, also the values given back: {text, face, size,
// bold, italic, underline, text colour number, placement, left, top, right, bottom,
// transparent, background red, green, blue}; an array presets (missing or mistyped
// elements take the defaults), anything else opens with the defaults.
class OverlayTextWin : public ParamDialog
{
    Q_OBJECT
public:
    OverlayTextWin(QWidget *owner, const Value &oldParams = Value());

    QString text2Write() const { return mText; }
    FontData font() const { return mFont; }
    QString fontName() const { return mFont.face; }
    int fontSize() const { return mFont.size; }
    bool fontBold() const { return mFont.bold; }
    bool fontItalic() const { return mFont.italic; }
    bool fontUnderline() const { return mFont.underline; }
    uint32_t textColor() const { return mFont.color; }
    int left() const { return mMargins[0]; }
    int top() const { return mMargins[1]; }
    int right() const { return mMargins[2]; }
    int bottom() const { return mMargins[3]; }
    int backColorRed() const { return red(backColor()); }
    int backColorGreen() const { return green(backColor()); }
    int backColorBlue() const { return blue(backColor()); }
    int textAllign() const;
    bool trans() const { return mTransValue; }
    uint32_t backColor() const { return mBackColor->color(); }
    ValueArray values() const override;

    QLineEdit *waterText() const { return mWaterText; }
    QLineEdit *margin(const QString &name) const;
    QRadioButton *transButton() const { return mTrans; }
    QRadioButton *solidButton() const { return mSolid; }
    ColorField *backColorField() const { return mBackColor; }
    AlignPicker *align() const { return mAlign; }

protected:
    bool applyValues() override;

private:
    void pbChangeFont();
    void buttonClick();

    QLineEdit *mWaterText;
    AlignPicker *mAlign;
    QRadioButton *mTrans;
    QRadioButton *mSolid;
    ColorField *mBackColor;
    FontData mFont;
    QString mText;
    std::array<int, 4> mMargins{}; // left, top, right, bottom
    bool mTransValue = true;
};

} // namespace gb
