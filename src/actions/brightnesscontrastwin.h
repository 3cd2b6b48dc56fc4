#pragma once

#include "actions/paramdialog.h"

namespace gb {

// "Adjust Image Brightness/Contrast": brightness and contrast as whole numbers -100..100,
// each typed or set with a slider (a number beyond the range becomes its limit at once),
// given back divided by 100. Old parameters: {brightness, contrast} as fractions; anything
// else opens with 0 and 0.
class BrightnessContrastWin : public ParamDialog
{
    Q_OBJECT
public:
    BrightnessContrastWin(QWidget *owner, const Value &oldParams = Value());

    double fBrightness() const { return mBrightness; }
    double fContrast() const { return mContrast; }
    ValueArray values() const override { return {mBrightness, mContrast}; }
    NumberPair *bright() const { return mBright; }
    NumberPair *contrast() const { return mContrastPair; }

protected:
    bool applyValues() override;

private:
    NumberPair *mBright;
    NumberPair *mContrastPair;
    double mBrightness = 0;
    double mContrast = 0;
};

} // namespace gb
