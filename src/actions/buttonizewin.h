#pragma once

#include "actions/paramdialog.h"
#include "common/colorvalues.h"

namespace gb {

// "Buttonize Image": the bevel size (edit of two digits, spinner 1..100) and its colour.
// Old parameters: exactly {size, red, green, blue}; anything else opens with 0 in black.
// Apply takes the size as typed, 0 included.
class ButtonizeWin : public ParamDialog
{
    Q_OBJECT
public:
    ButtonizeWin(QWidget *owner, const Value &oldParams = Value());

    int theSize() const { return mSize; }
    uint32_t color() const { return mColor->color(); }
    int red() const { return gb::red(color()); }
    int green() const { return gb::green(color()); }
    int blue() const { return gb::blue(color()); }
    // {size, red, green, blue}
    ValueArray values() const override;
    NumberPair *buttonSize() const { return mSizePair; }
    ColorField *buttonColor() const { return mColor; }

protected:
    bool applyValues() override;

private:
    NumberPair *mSizePair;
    ColorField *mColor;
    int mSize = 0;
};

// "Glass Frame": ButtonizeWin without the colour, the frame size with a 0..99 spinner.
// Old parameters: exactly {size}; anything else opens with 0.
class ButtonizeWin_1 : public ParamDialog
{
    Q_OBJECT
public:
    ButtonizeWin_1(QWidget *owner, const Value &oldParams = Value());

    int theSize() const { return mSize; }
    ValueArray values() const override { return {mSize}; }
    NumberPair *buttonSize() const { return mSizePair; }

protected:
    bool applyValues() override;

private:
    NumberPair *mSizePair;
    int mSize = 0;
};

} // namespace gb
