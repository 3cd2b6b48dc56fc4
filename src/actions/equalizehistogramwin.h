#pragma once

#include "actions/paramdialog.h"

class QCheckBox;

namespace gb {

// "Equalize Histogram": the low and high thresholds (0..255, each an edit with a spinner)
// and the channels to equalise. Apply asks for at least one channel first, then for
// 0 <= low <= high <= 255. Old parameters: exactly {low, high, red, green, blue}; anything
// else opens with 0, 255 and all three channels.
class EqualizeHistogramWin : public ParamDialog
{
    Q_OBJECT
public:
    EqualizeHistogramWin(QWidget *owner, const Value &oldParams = Value());

    int low() const { return mLow; }
    int high() const { return mHigh; }
    bool red() const { return mRed; }
    bool green() const { return mGreen; }
    bool blue() const { return mBlue; }
    ValueArray values() const override { return {mLow, mHigh, mRed, mGreen, mBlue}; }

    NumberPair *lowThresh() const { return mLowPair; }
    NumberPair *highThresh() const { return mHighPair; }
    QCheckBox *channel(int i) const { return mChannels[i]; } // 0 red, 1 green, 2 blue

protected:
    bool applyValues() override;

private:
    NumberPair *mLowPair;
    NumberPair *mHighPair;
    QCheckBox *mChannels[3];
    int mLow = 0;
    int mHigh = 0;
    bool mRed = false;
    bool mGreen = false;
    bool mBlue = false;
};

} // namespace gb
