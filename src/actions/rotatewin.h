#pragma once

#include "actions/paramdialog.h"

class QComboBox;

namespace gb {

// "Rotate Image": a quarter turn left (90), right (-90) or a general angle typed or set
// with a -360..360 spinner, and the background colour of the uncovered corners. Old
// parameters: {angle, colour number}; a non-empty array chooses by the whole angle.
class RotateWin : public ParamDialog
{
    Q_OBJECT
public:
    RotateWin(QWidget *owner, const Value &oldParams = Value());

    double angle() const { return mAngle; }
    uint32_t color() const { return mBackground->color(); }
    ValueArray values() const override { return {mAngle, int(color())}; }

    QComboBox *rotationCb() const { return mRotation; }
    NumberPair *anglePair() const { return mAnglePair; }
    ColorField *background() const { return mBackground; }
    // Chooses "Left", "Right" or "General" by its one-letter value, as the user does.
    void choose(const QString &value);

protected:
    bool applyValues() override;

private:
    void select(const QString &value);
    QString rotationValue() const;
    void listBoxSelect();

    QComboBox *mRotation;
    NumberPair *mAnglePair;
    ColorField *mBackground;
    double mAngle = 0;
};

} // namespace gb
