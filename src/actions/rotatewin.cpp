#include "actions/rotatewin.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace gb {

RotateWin::RotateWin(QWidget *owner, const Value &oldParams)
    : ParamDialog(owner, QStringLiteral("RotateWin"), QStringLiteral("Rotate Image"), 124, 95)
{
    withoutCloseBox();
    mRotation = new QComboBox(this);
    mRotation->setObjectName(QStringLiteral("ROTATIONCB"));
    mRotation->setEditable(true);
    mRotation->setInsertPolicy(QComboBox::NoInsert);
    mRotation->setGeometry(du().rect(44, 9, 65, 13));
    label(QStringLiteral("Rotation:"), {7, 10, 32, 12});
    label(QStringLiteral("Angle:"), {7, 30, 32, 12});
    mAnglePair = spinnerPair(QStringLiteral("ANGLE"), QStringLiteral("ANGLESPINNER"), {44, 28, 52, 12},
                             {96, 28, 13, 12}, -360, 360, 4);
    mAnglePair->edit()->setMaxLength(4);
    const OldParams old(oldParams);
    const bool edited = old.hasAtLeast(1);
    mBackground = colorField(QString(), QStringLiteral("PBCHANGEBACKGROUND"), {69, 48, 26, 11}, {96, 48, 13, 11},
                             edited ? old.colorAt(2, 0) : 0);
    mBackground->button()->setToolTip(QStringLiteral("Change table color"));
    applyCancel(QStringLiteral("PBAPPLY"), {16, 72, 43, 12}, {65, 72, 43, 12});
    label(QStringLiteral("Background Color:"), {7, 48, 60, 12});

    // Added Left, Right, General; the sorted list shows them alphabetically.
    mRotation->addItem(QStringLiteral("General"), QStringLiteral("G"));
    mRotation->addItem(QStringLiteral("Left"), QStringLiteral("L"));
    mRotation->addItem(QStringLiteral("Right"), QStringLiteral("R"));

    if (edited) {
        // Rounded and held to what the field can show, so a damaged angle cannot overflow.
        const long whole = std::lround(std::clamp(old.numberAt(1, 90), -9999.0, 9999.0));
        select(whole == 90 ? QStringLiteral("L") : whole == -90 ? QStringLiteral("R") : QStringLiteral("G"));
        mAnglePair->setNumber(whole);
    } else {
        select(QStringLiteral("L"));
    }
    const bool general = rotationValue() == QLatin1String("G");
    mAnglePair->setEnabled(general);
    mBackground->button()->setEnabled(general);

    connect(mRotation, &QComboBox::activated, this, &RotateWin::listBoxSelect);
}

void RotateWin::select(const QString &value)
{
    mRotation->setCurrentIndex(mRotation->findData(value));
}

void RotateWin::choose(const QString &value)
{
    select(value);
    listBoxSelect();
}

QString RotateWin::rotationValue() const
{
    const int index = mRotation->findText(mRotation->currentText());
    return index < 0 ? QString() : mRotation->itemData(index).toString();
}

void RotateWin::listBoxSelect()
{
    const bool general = rotationValue() == QLatin1String("G");
    if (!general)
        mAnglePair->clear();
    mAnglePair->setEnabled(general);
    mBackground->button()->setEnabled(general);
}

bool RotateWin::applyValues()
{
    const QString value = rotationValue();
    if (value == QLatin1String("L")) {
        mAngle = 90;
    } else if (value == QLatin1String("R")) {
        mAngle = -90;
    } else {
        if (mAnglePair->edit()->text().remove(QLatin1Char(' ')).isEmpty()) {
            refuse(QStringLiteral("Please define a rotation angle"));
            return false;
        }
        mAngle = mAnglePair->value();
    }
    return true;
}

} // namespace gb
