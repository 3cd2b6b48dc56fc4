#include "actions/equalizehistogramwin.h"

#include <QCheckBox>

namespace gb {

EqualizeHistogramWin::EqualizeHistogramWin(QWidget *owner, const Value &oldParams)
    : ParamDialog(owner, QStringLiteral("EqualizeHistogramWin"), QStringLiteral("Equalize Histogram"), 158, 107)
{
    withoutCloseBox();
    label(QStringLiteral("Low:"), {15, 18, 19, 12});
    mLowPair = spinnerPair(QStringLiteral("LOWTHRESH"), QStringLiteral("LOWSPIN"), {36, 17, 31, 12},
                           {66, 17, 10, 12}, 0, 255, 3);
    label(QStringLiteral("High:"), {85, 18, 19, 12});
    mHighPair = spinnerPair(QStringLiteral("HIGHTHRESH"), QStringLiteral("HIGHSPIN"), {106, 17, 31, 12},
                            {136, 17, 10, 12}, 0, 255, 3);
    mChannels[0] = checkBox(QStringLiteral("RED"), QStringLiteral("Red"), {16, 57, 34, 11});
    mChannels[1] = checkBox(QStringLiteral("GREEN"), QStringLiteral("Green"), {60, 57, 34, 11});
    mChannels[2] = checkBox(QStringLiteral("BLUE"), QStringLiteral("Blue"), {108, 57, 34, 11});
    group(QStringLiteral("Threshold"), {6, 4, 145, 32});
    group(QStringLiteral("Channels"), {6, 44, 145, 32});
    applyCancel(QStringLiteral("PBOK"), {24, 86, 43, 12}, {91, 84, 43, 12});

    const OldParams old(oldParams);
    const bool edited = old.hasSize(5);
    mLowPair->setNumber(edited ? old.intIn(1, 0, 0, 999) : 0);
    mHighPair->setNumber(edited ? old.intIn(2, 255, 0, 999) : 255);
    for (int i = 0; i < 3; ++i)
        mChannels[i]->setChecked(edited ? old.logicAt(3 + i, true) : true);
}

bool EqualizeHistogramWin::applyValues()
{
    mRed = mChannels[0]->isChecked();
    mGreen = mChannels[1]->isChecked();
    mBlue = mChannels[2]->isChecked();
    if (!mRed && !mGreen && !mBlue) {
        warn(QStringLiteral("Define at least one color channel"));
        return false;
    }
    mLow = mLowPair->number();
    mHigh = mHighPair->number();
    if (mLow >= 0 && mLow <= mHigh && mHigh <= 255)
        return true;
    warn(QStringLiteral("Low threshold must be greater than 0 and less than high threshold. High threshold must "
                        "be less than or equal to 255"));
    return false;
}

} // namespace gb
