#include "actions/sharpenwin.h"

#include <QLabel>

namespace gb {

SharpenWin::SharpenWin(QWidget *owner, const Value &oldParams)
    : ParamDialog(owner, QStringLiteral("SharpenWin"), QStringLiteral("Sharpen Image"), 196, 69)
{
    label(QStringLiteral("Level:"), {8, 16, 22, 12});
    mSharpen = sliderPair(QStringLiteral("SHARPEN"), QStringLiteral("SHARPENSL"), {32, 14, 34, 12},
                          {67, 13, 121, 18}, 1, 100, 3, NumberPair::CapHigh);
    label(QStringLiteral("1"), {74, 34, 9, 12});
    label(QStringLiteral("100"), {174, 34, 14, 12})->setAlignment(Qt::AlignRight | Qt::AlignTop);
    applyCancel(QStringLiteral("PBOK"), {36, 50, 43, 12}, {116, 50, 43, 12});

    const OldParams old(oldParams);
    mSharpen->setNumber(old.hasSize(1) ? old.intIn(1, 50, 0, 100) : 50);
}

bool SharpenWin::applyValues()
{
    mLevel = mSharpen->number();
    return true;
}

} // namespace gb
