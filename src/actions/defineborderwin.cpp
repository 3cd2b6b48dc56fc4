#include "actions/defineborderwin.h"

#include "common/colorvalues.h"

#include <QCheckBox>
#include <QLineEdit>

namespace gb {

DefineBorderWin::DefineBorderWin(QWidget *owner, const Value &oldParams)
    : ParamDialog(owner, QStringLiteral("DefineBorderWin"), QStringLiteral("Add Border"), 105, 149)
{
    withoutCloseBox();
    label(QStringLiteral("Top:"), {17, 10, 20, 12}, QStringLiteral("FIXEDTEXT1"));
    label(QStringLiteral("Left: "), {17, 42, 20, 12}, QStringLiteral("FIXEDTEXT2"));
    label(QStringLiteral("Right:"), {17, 58, 27, 12}, QStringLiteral("FIXEDTEXT3"));
    label(QStringLiteral("Bottom:"), {17, 26, 27, 12}, QStringLiteral("FIXEDTEXT4"));
    mTopPair = spinnerPair(QStringLiteral("TOP"), QStringLiteral("TOPVS"), {45, 8, 32, 12}, {78, 8, 9, 12}, 0, 99, 2);
    mBottomPair = spinnerPair(QStringLiteral("BOTTOM"), QStringLiteral("BOTTOMVS"), {45, 24, 32, 12},
                              {78, 24, 9, 12}, 0, 99, 2);
    mLeftPair = spinnerPair(QStringLiteral("LEFT"), QStringLiteral("LEFTVS"), {45, 40, 32, 12}, {78, 40, 9, 12}, 0,
                            99, 2);
    mRightPair = spinnerPair(QStringLiteral("RIGHT"), QStringLiteral("RIGHTVS"), {45, 56, 32, 12}, {78, 56, 9, 12},
                             0, 99, 2);
    label(QStringLiteral("Color:"), {17, 76, 19, 12}, QStringLiteral("FIXEDTEXT5"));
    const OldParams old(oldParams);
    const bool edited = old.hasSize(7);
    mColor = colorField(QStringLiteral("BORDERCOLOR"), QStringLiteral("PBCHANGE"), {45, 74, 26, 11},
                        {74, 74, 13, 11},
                        edited ? makeColorRef(old.byteAt(5, 0), old.byteAt(6, 0), old.byteAt(7, 0)) : 0);
    mSameSize = checkBox(QStringLiteral("SAMESIZE"), QStringLiteral("Same Size"), {18, 92, 52, 11});
    applyCancel(QStringLiteral("PBOK"), {31, 113, 43, 12}, {30, 129, 43, 12});

    if (edited) {
        mTopPair->setNumber(old.intIn(1, 0, 0, 99));
        mLeftPair->setNumber(old.intIn(2, 0, 0, 99));
        mRightPair->setNumber(old.intIn(3, 0, 0, 99));
        mBottomPair->setNumber(old.intIn(4, 0, 0, 99));
    }
    connect(mTopPair, &NumberPair::changed, this, &DefineBorderWin::topChanged);
    connect(mSameSize, &QCheckBox::clicked, this, &DefineBorderWin::sameSizeClicked);
}

NumberPair *DefineBorderWin::side(const QString &name) const
{
    if (name == QLatin1String("TOP"))
        return mTopPair;
    if (name == QLatin1String("BOTTOM"))
        return mBottomPair;
    if (name == QLatin1String("LEFT"))
        return mLeftPair;
    return mRightPair;
}

void DefineBorderWin::topChanged()
{
    if (!mSameSize->isChecked())
        return;
    for (NumberPair *pair : {mBottomPair, mLeftPair, mRightPair})
        pair->setText(mTopPair->edit()->text());
}

void DefineBorderWin::sameSizeClicked()
{
    const bool same = mSameSize->isChecked();
    if (same)
        topChanged();
    for (NumberPair *pair : {mBottomPair, mLeftPair, mRightPair})
        pair->setEnabled(!same);
}

bool DefineBorderWin::applyValues()
{
    mTop = mTopPair->number();
    mBottom = mBottomPair->number();
    mLeft = mLeftPair->number();
    mRight = mRightPair->number();
    if (mTop + mLeft + mRight + mBottom > 0)
        return true;
    refuse(QStringLiteral("All side borders are 0 pixels"));
    return false;
}

ValueArray DefineBorderWin::values() const
{
    return {mTop, mLeft, mRight, mBottom, red(), green(), blue()};
}

} // namespace gb
