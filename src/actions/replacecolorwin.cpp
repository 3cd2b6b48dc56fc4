#include "actions/replacecolorwin.h"

#include "common/colorvalues.h"

namespace gb {

ReplaceColorWin::ReplaceColorWin(QWidget *owner, const Value &oldParams)
    : ParamDialog(owner, QStringLiteral("ReplaceColorWin"), QStringLiteral("Replace Color"), 120, 96)
{
    withoutCloseBox();
    const OldParams old(oldParams);
    const bool edited = old.hasAtLeast(1);
    label(QStringLiteral("Old Color:"), {19, 8, 36, 12}, QStringLiteral("FIXEDTEXT1"));
    mOldColor = colorField(QStringLiteral("OLDCOLOR"), QStringLiteral("PBCHANGEOLDCOLOR"), {56, 6, 26, 11},
                           {83, 6, 13, 11},
                           edited ? makeColorRef(old.byteAt(1, 0), old.byteAt(2, 0), old.byteAt(3, 0)) : 0);
    label(QStringLiteral("New Color:"), {19, 28, 36, 12}, QStringLiteral("FIXEDTEXT2"));
    mNewColor = colorField(QStringLiteral("NEWCOLOR"), QStringLiteral("PBCHANGENEWCOLOR"), {56, 27, 26, 11},
                           {83, 27, 13, 11}, edited ? old.colorAt(4, 0xFFFFFF) : 0xFFFFFF);
    label(QStringLiteral("Tollerance:"), {8, 51, 38, 12}, QStringLiteral("FIXEDTEXT4"));
    mTolerance = spinnerPair(QStringLiteral("TOLLERANCE"), QStringLiteral("TOLLSPIN"), {51, 48, 28, 12},
                             {79, 48, 10, 12}, 0, 9, 1);
    label(QStringLiteral("( 0 - 9 )"), {91, 51, 28, 12}, QStringLiteral("FIXEDTEXT5"));
    applyCancel(QStringLiteral("PBOK"), {11, 75, 43, 12}, {65, 75, 43, 12});
    mTolerance->setNumber(edited ? old.intIn(5, 0, 0, 9) : 0);
}

ValueArray ReplaceColorWin::values() const
{
    return {oldRed(), oldGreen(), oldBlue(), int(makeColorRef(newRed(), newGreen(), newBlue())), tollerance()};
}

} // namespace gb
