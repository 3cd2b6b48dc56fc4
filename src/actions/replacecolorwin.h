#pragma once

#include "actions/paramdialog.h"
#include "common/colorvalues.h"

namespace gb {

// "Replace Color": the colour to replace, the colour that replaces it and a tolerance 0..9
// (edit of one digit and its spinner). Old parameters: {old red, old green, old blue, new
// colour number, tolerance}; any non-empty array presets, anything else opens with black
// replaced by white at tolerance 0. Apply checks nothing.
class ReplaceColorWin : public ParamDialog
{
    Q_OBJECT
public:
    ReplaceColorWin(QWidget *owner, const Value &oldParams = Value());

    uint32_t oldColor() const { return mOldColor->color(); }
    uint32_t newColor() const { return mNewColor->color(); }
    int oldRed() const { return red(oldColor()); }
    int oldGreen() const { return green(oldColor()); }
    int oldBlue() const { return blue(oldColor()); }
    int newRed() const { return red(newColor()); }
    int newGreen() const { return green(newColor()); }
    int newBlue() const { return blue(newColor()); }
    // The numeric value of the tolerance as the dialog ended.
    int tollerance() const { return mTolerance->number(); }
    // {old red, old green, old blue, new colour as one number, tolerance}: the old colour
    // travels as three components and the new one packed, as the command stores them.
    ValueArray values() const override;

    ColorField *oldColorField() const { return mOldColor; }
    ColorField *newColorField() const { return mNewColor; }
    NumberPair *tolerancePair() const { return mTolerance; }

private:
    ColorField *mOldColor;
    ColorField *mNewColor;
    NumberPair *mTolerance;
};

} // namespace gb
