#pragma once

#include "actions/paramdialog.h"
#include "common/colorvalues.h"

class QCheckBox;

namespace gb {

// "Add Border": the width of the border on each side, 0..99 each (edit and spinner), and
// its colour. "Same Size" makes Bottom, Left and Right follow Top while it is ticked; it is
// clear at every opening. Apply refuses four zero sides. Old parameters: exactly {top,
// left, right, bottom, red, green, blue}; anything else opens with empty sides in black.
class DefineBorderWin : public ParamDialog
{
    Q_OBJECT
public:
    DefineBorderWin(QWidget *owner, const Value &oldParams = Value());

    int top() const { return mTop; }
    int left() const { return mLeft; }
    int right() const { return mRight; }
    int bottom() const { return mBottom; }
    uint32_t color() const { return mColor->color(); }
    int red() const { return gb::red(color()); }
    int green() const { return gb::green(color()); }
    int blue() const { return gb::blue(color()); }
    // {top, left, right, bottom, red, green, blue}
    ValueArray values() const override;

    NumberPair *side(const QString &name) const; // "TOP", "BOTTOM", "LEFT", "RIGHT"
    QCheckBox *sameSize() const { return mSameSize; }
    ColorField *borderColor() const { return mColor; }

protected:
    bool applyValues() override;

private:
    void topChanged();
    void sameSizeClicked();

    NumberPair *mTopPair;
    NumberPair *mBottomPair;
    NumberPair *mLeftPair;
    NumberPair *mRightPair;
    ColorField *mColor;
    QCheckBox *mSameSize;
    int mTop = 0;
    int mLeft = 0;
    int mRight = 0;
    int mBottom = 0;
};

} // namespace gb
