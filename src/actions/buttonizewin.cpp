#include "actions/buttonizewin.h"

#include "common/colorvalues.h"

namespace gb {

ButtonizeWin::ButtonizeWin(QWidget *owner, const Value &oldParams)
    : ParamDialog(owner, QStringLiteral("ButtonizeWin"), QStringLiteral("Buttonize Image"), 169, 59)
{
    withoutCloseBox();
    const OldParams old(oldParams);
    const bool edited = old.hasSize(4);
    label(QStringLiteral("Size:"), {18, 13, 19, 12}, QStringLiteral("FIXEDTEXT1"));
    mSizePair = spinnerPair(QStringLiteral("BUTTONSIZE"), QStringLiteral("SIZESPIN"), {38, 11, 30, 12},
                            {69, 11, 9, 12}, 1, 100, 2);
    label(QStringLiteral("Color:"), {88, 13, 21, 12}, QStringLiteral("FIXEDTEXT2"));
    mColor = colorField(QStringLiteral("BUTTONCOLOR"), QStringLiteral("PBCHANGE"), {110, 12, 26, 11},
                        {138, 12, 13, 11},
                        edited ? makeColorRef(old.byteAt(2, 0), old.byteAt(3, 0), old.byteAt(4, 0)) : 0);
    applyCancel(QStringLiteral("PBOK"), {26, 37, 43, 12}, {100, 37, 43, 12});
    mSizePair->setNumber(edited ? old.intIn(1, 0, 0, 100) : 0);
}

bool ButtonizeWin::applyValues()
{
    mSize = mSizePair->number();
    return true;
}

ValueArray ButtonizeWin::values() const
{
    return {mSize, red(), green(), blue()};
}

ButtonizeWin_1::ButtonizeWin_1(QWidget *owner, const Value &oldParams)
    : ParamDialog(owner, QStringLiteral("ButtonizeWin_1"), QStringLiteral("Glass Frame"), 169, 59)
{
    withoutCloseBox();
    label(QStringLiteral("Border Size:"), {45, 13, 39, 12}, QStringLiteral("FIXEDTEXT1"));
    mSizePair = spinnerPair(QStringLiteral("BUTTONSIZE"), QStringLiteral("BORDERSPIN"), {85, 11, 30, 12},
                            {115, 11, 9, 12}, 0, 99, 2);
    applyCancel(QStringLiteral("PBOK"), {26, 37, 43, 12}, {100, 37, 43, 12});
    const OldParams old(oldParams);
    mSizePair->setNumber(old.hasSize(1) ? old.intIn(1, 0, 0, 99) : 0);
}

bool ButtonizeWin_1::applyValues()
{
    mSize = mSizePair->number();
    return true;
}

} // namespace gb
