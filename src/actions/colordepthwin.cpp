#include "actions/colordepthwin.h"

#include <QComboBox>

namespace gb {

ColorDepthWin::ColorDepthWin(QWidget *owner, const Value &oldParams)
    : ParamDialog(owner, QStringLiteral("ColorDepthWin"), QStringLiteral("Color Depth"), 214, 75)
{
    withoutCloseBox();
    label(QStringLiteral("Color Depth:"), {7, 9, 60, 12});
    mDepth = new QComboBox(this);
    mDepth->setObjectName(QStringLiteral("COLORSDEPTH"));
    mDepth->setGeometry(du().rect(69, 7, 134, 13));
    label(QStringLiteral("Number of Colors:"), {6, 32, 60, 12});
    mColors = spinnerPair(QStringLiteral("NOOFCOLORS"), QStringLiteral("COLORSSPIN"), {69, 30, 43, 12},
                          {112, 30, 9, 12}, 2, 256, 3, NumberPair::CapHigh);
    label(QStringLiteral("(2-256)"), {124, 32, 60, 12});
    applyCancel(QStringLiteral("PBOK"), {42, 55, 43, 12}, {128, 55, 43, 12});

    const char *choices[] = {"2 Colors (1 bit)", "16 Colors (4 bits)", "64 Colors (6 bits)", "256 Colors (8 bits)",
                             "16 Million Colors (24 bits)", "User defined number of colors"};
    for (int code = 1; code <= 6; ++code)
        mDepth->addItem(QString::fromLatin1(choices[code - 1]), code);

    const OldParams old(oldParams);
    const int code = old.hasSize(2) ? old.intIn(1, 5, 1, 6) : 5;
    mDepth->setCurrentIndex(code - 1);
    if (code != 5)
        mColors->setNumber(old.intIn(2, 0, 0, 999));
    else
        mColors->clear();
    mColorDepth = code;
    mColors->setEnabled(code == 6);
    connect(mDepth, &QComboBox::currentIndexChanged, this, &ColorDepthWin::listBoxSelect);
}

void ColorDepthWin::listBoxSelect()
{
    mColorDepth = mDepth->currentData().toInt();
    const bool own = mColorDepth == 6;
    if (!own)
        mColors->clear();
    mColors->setEnabled(own);
}

bool ColorDepthWin::applyValues()
{
    mNumberOfColors = mColors->number();
    return mColorDepth != 6 || (mNumberOfColors >= 2 && mNumberOfColors <= 256);
}

} // namespace gb
