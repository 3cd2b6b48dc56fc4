#include "actions/brightnesscontrastwin.h"

#include <QSlider>

#include <algorithm>
#include <cmath>

namespace gb {

BrightnessContrastWin::BrightnessContrastWin(QWidget *owner, const Value &oldParams)
    : ParamDialog(owner, QStringLiteral("BrightnessContrastWin"), QStringLiteral("Adjust Image Brightness/Contrast"),
                  207, 107)
{
    label(QStringLiteral("Brightness:"), {8, 12, 35, 12}, QStringLiteral("FIXEDTEXT1"));
    mBright = sliderPair(QStringLiteral("BRIGHT"), QStringLiteral("BRIGHTSL"), {46, 10, 30, 12}, {77, 8, 120, 16},
                         -100, 100, 3, NumberPair::CapBoth);
    label(QStringLiteral("-100"), {78, 27, 19, 12}, QStringLiteral("FIXEDTEXT2"));
    label(QStringLiteral("0"), {134, 25, 8, 12}, QStringLiteral("FIXEDTEXT7"));
    label(QStringLiteral("100"), {178, 27, 19, 12}, QStringLiteral("FIXEDTEXT3"));
    label(QStringLiteral("Contrast:"), {10, 48, 35, 12}, QStringLiteral("FIXEDTEXT4"));
    mContrastPair = sliderPair(QStringLiteral("CONTRAST"), QStringLiteral("CONTRASTSL"), {46, 46, 30, 12},
                               {77, 44, 120, 18}, -100, 100, 3, NumberPair::CapBoth);
    label(QStringLiteral("-100"), {78, 64, 19, 12}, QStringLiteral("FIXEDTEXT5"));
    label(QStringLiteral("0"), {134, 64, 8, 12}, QStringLiteral("FIXEDTEXT8"));
    label(QStringLiteral("100"), {178, 64, 19, 12}, QStringLiteral("FIXEDTEXT6"));
    applyCancel(QStringLiteral("PBOK"), {45, 86, 43, 12}, {118, 86, 43, 12});

    // A stored fraction shows again as the whole number typed when the command was made.
    const OldParams old(oldParams);
    const bool edited = old.hasSize(2);
    const auto percent = [&](int i) { return edited ? std::llround(std::clamp(old.numberAt(i, 0), -2.0, 2.0) * 100) : 0; };
    mBright->setNumber(percent(1));
    mContrastPair->setNumber(percent(2));
    for (NumberPair *pair : {mBright, mContrastPair})
        pair->slider()->setPageStep(10);
}

bool BrightnessContrastWin::applyValues()
{
    mBrightness = mBright->value() / 100.0;
    mContrast = mContrastPair->value() / 100.0;
    return true;
}

} // namespace gb
