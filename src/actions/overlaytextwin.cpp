#include "actions/overlaytextwin.h"

#include "actions/alignpicker.h"
#include "actions/selectfontwin.h"
#include "app/resourceclasses.h"
#include "common/colorvalues.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace gb {

OverlayTextWin::OverlayTextWin(QWidget *owner, const Value &oldParams)
    : ParamDialog(owner, QStringLiteral("OverlayTextWin"), QStringLiteral("Overlay Text"), 216, 157)
{
    withoutCloseBox();
    mWaterText = edit(QStringLiteral("WATERTEXT"), {26, 4, 157, 12});
    QPushButton *changeFontButton = button(QStringLiteral("PBCHANGEFONT"), QString(), {187, 4, 26, 12});
    changeFontButton->setIcon(QIcon(resourceBitmap(QStringLiteral("FONTBM"))));
    changeFontButton->setToolTip(QStringLiteral("Change page title font"));
    mAlign = new AlignPicker(this, du(), {14, 31, 124, 12}, {157, 172, 186}, {41, 56, 70});
    label(QStringLiteral("Top:"), {18, 60, 18, 9});
    label(QStringLiteral("Left:"), {19, 79, 17, 9});
    label(QStringLiteral("Bottom:"), {80, 60, 26, 9});
    label(QStringLiteral("Right:"), {80, 79, 20, 9});
    QLineEdit *top = edit(QStringLiteral("TOP"), {36, 59, 25, 12}, 4);
    QLineEdit *left = edit(QStringLiteral("LEFT"), {37, 76, 25, 12}, 4);
    QLineEdit *bottom = edit(QStringLiteral("BOTTOM"), {107, 59, 25, 12}, 4);
    QLineEdit *right = edit(QStringLiteral("RIGHT"), {107, 76, 25, 12}, 4);
    group(QStringLiteral("Text Background"), {5, 105, 208, 28});
    mTrans = radio(QStringLiteral("TRANS"), QStringLiteral("Transparent"), {15, 116, 52, 11});
    mSolid = radio(QStringLiteral("SOLID"), QStringLiteral("Solid"), {72, 116, 28, 11});
    label(QStringLiteral("Background Color:"), {104, 117, 60, 12});

    const OldParams old(oldParams);
    const bool edited = old.isArray();
    mBackColor = colorField(QStringLiteral("BACKCOLOR"), QStringLiteral("PBCHANGEBACKCOLOR"), {166, 116, 26, 11},
                            {194, 116, 13, 11},
                            edited ? makeColorRef(old.byteAt(14, 255), old.byteAt(15, 255), old.byteAt(16, 255))
                                   : 0xFFFFFF);
    mBackColor->button()->setToolTip(QStringLiteral("Change table color"));
    applyCancel(QStringLiteral("PBOK"), {59, 141, 40, 12}, {116, 141, 40, 12});
    group(QStringLiteral("Margins"), {14, 45, 124, 49});
    label(QStringLiteral("Text:"), {5, 6, 19, 12});
    group(QStringLiteral("Text Position"), {5, 18, 208, 84});
    mAlign->setMargins(left, top, right, bottom);

    mFont.face = QStringLiteral("Arial");
    mFont.size = 10;
    if (edited) {
        mWaterText->setText(old.stringAt(1, QString()));
        mFont.face = old.stringAt(2, mFont.face);
        mFont.size = old.intIn(3, 10, 1, 999);
        mFont.bold = old.logicAt(4, false);
        mFont.italic = old.logicAt(5, false);
        mFont.underline = old.logicAt(6, false);
        mFont.color = old.colorAt(7, 0);
        mAlign->preset(old.intAt(8, 8), old.intAt(9, 10), old.intAt(10, 10), old.intAt(11, 10), old.intAt(12, 10));
        (old.logicAt(13, true) ? mTrans : mSolid)->setChecked(true);
    } else {
        mAlign->preset(8, 10, 10, 10, 10);
        mTrans->setChecked(true);
    }
    buttonClick();

    connect(changeFontButton, &QPushButton::clicked, this, &OverlayTextWin::pbChangeFont);
    connect(mTrans, &QRadioButton::clicked, this, &OverlayTextWin::buttonClick);
    connect(mSolid, &QRadioButton::clicked, this, &OverlayTextWin::buttonClick);

    // The dialog opens at its own place over the owner rather than centred.
    if (owner)
        move(owner->mapToGlobal(QPoint(du().x(99), du().y(30))));
}

int OverlayTextWin::textAllign() const
{
    return mAlign->code();
}

QLineEdit *OverlayTextWin::margin(const QString &name) const
{
    return mAlign->margin(name);
}

void OverlayTextWin::pbChangeFont()
{
    if (const std::optional<FontData> chosen = changeFont(this, mFont, QStringLiteral("Font Attributes"), false))
        mFont = *chosen;
}

void OverlayTextWin::buttonClick()
{
    mBackColor->setEnabled(mSolid->isChecked());
}

bool OverlayTextWin::applyValues()
{
    mText = mWaterText->text();
    mMargins = mAlign->marginValues();
    mTransValue = mTrans->isChecked();
    return true;
}

ValueArray OverlayTextWin::values() const
{
    return {mText,       fontName(),     fontSize(),       fontBold(),     fontItalic(), fontUnderline(),
            int(textColor()), textAllign(), left(),      top(),            right(),        bottom(),
            trans(),     backColorRed(), backColorGreen(), backColorBlue()};
}

} // namespace gb
