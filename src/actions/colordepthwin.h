#pragma once

#include "actions/paramdialog.h"

class QComboBox;

namespace gb {

// "Color Depth": one of six colour depths, the sixth with the user's own number of colours
// 2..256 (edit and spinner; a number above 256 becomes 256 at once). Apply with the user
// choice and a number outside 2..256 silently does nothing. Old parameters: exactly {code,
// count}; anything else opens at 24 bits.
class ColorDepthWin : public ParamDialog
{
    Q_OBJECT
public:
    ColorDepthWin(QWidget *owner, const Value &oldParams = Value());

    int colorDepth() const { return mColorDepth; }
    int numberOfColors() const { return mNumberOfColors; }
    ValueArray values() const override { return {mColorDepth, mNumberOfColors}; }

    QComboBox *colorsDepth() const { return mDepth; }
    NumberPair *noOfColors() const { return mColors; }

protected:
    bool applyValues() override;

private:
    void listBoxSelect();

    QComboBox *mDepth;
    NumberPair *mColors;
    int mColorDepth = 5;
    int mNumberOfColors = 0;
};

} // namespace gb
