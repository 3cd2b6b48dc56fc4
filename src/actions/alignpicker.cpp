#include "actions/alignpicker.h"

#include "actions/alignposition.h"
#include "resources/resourceclasses.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace gb {

AlignPicker::AlignPicker(QWidget *parent, const DialogUnits &du, const QRect &stripPlace, const int (&columns)[3],
                         const int (&rows)[3])
    : QObject(parent), mStrip(new QLabel(parent))
{
    mStrip->setObjectName(QStringLiteral("TEXTPOSITION"));
    mStrip->setGeometry(du.rect(stripPlace));
    mStrip->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    mStrip->setAutoFillBackground(true);
    mStrip->setBackgroundRole(QPalette::Base);
    mStrip->setAlignment(Qt::AlignCenter);
    static const char *const names[9] = {"TL", "TC", "TR", "ML", "MC", "MR", "BL", "BC", "BR"};
    for (int i = 0; i < 9; ++i) {
        auto *b = new QPushButton(parent);
        b->setObjectName(QStringLiteral("PB") + QLatin1String(names[i]));
        b->setGeometry(du.rect(columns[i % 3], rows[i / 3], 13, 12));
        b->setIcon(QIcon(resourceBitmap(QLatin1String(names[i]))));
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, i] { setCode(i + 1); });
        mButtons[i] = b;
    }
}

void AlignPicker::setMargins(QLineEdit *left, QLineEdit *top, QLineEdit *right, QLineEdit *bottom)
{
    mLeft = left;
    mTop = top;
    mRight = right;
    mBottom = bottom;
    updateTextAlign();
}

QLineEdit *AlignPicker::margin(const QString &name) const
{
    if (name == QLatin1String("LEFT"))
        return mLeft;
    if (name == QLatin1String("TOP"))
        return mTop;
    if (name == QLatin1String("RIGHT"))
        return mRight;
    return mBottom;
}

void AlignPicker::preset(int code, int left, int top, int right, int bottom)
{
    const int values[4] = {left, top, right, bottom};
    QLineEdit *fields[4] = {mLeft, mTop, mRight, mBottom};
    for (int i = 0; i < 4; ++i)
        fields[i]->setText(QString::number(std::clamp(values[i], 0, 9999)));
    setCode(code >= 1 && code <= 9 ? code : 8);
}

std::array<int, 4> AlignPicker::marginValues() const
{
    return {mLeft->text().toInt(), mTop->text().toInt(), mRight->text().toInt(), mBottom->text().toInt()};
}

void AlignPicker::setCode(int code)
{
    mCode = code;
    updateTextAlign();
}

void AlignPicker::updateTextAlign()
{
    if (mCode < 1 || mCode > 9)
        return;
    mStrip->setText(alignPositionLabels().at(mCode - 1));
    // Left for the left column, right for the right one, top for the top row, bottom for
    // the bottom row: the margins the placement measures from.
    const int column = (mCode - 1) % 3;
    const int row = (mCode - 1) / 3;
    const std::pair<QLineEdit *, bool> margins[] = {
        {mLeft, column == 0}, {mTop, row == 0}, {mRight, column == 2}, {mBottom, row == 2}};
    for (const auto &[field, on] : margins) {
        if (field)
            field->setEnabled(on);
    }
}

} // namespace gb
