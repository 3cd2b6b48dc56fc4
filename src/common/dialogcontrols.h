#pragma once

#include "common/dialogunits.h"

#include <QAbstractSlider>
#include <QObject>

#include <cstdint>

class QIcon;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QWidget;

namespace gb {

// Controls that the program's dialogs and wizard pages share: a number typed in an edit and
// followed by a spinner or a slider, and a colour sample with its change button. Each is
// placed in dialog units on a parent widget and hands out its Qt controls for anything
// further (object names, tab order, enabling).
//
//   const DialogUnits du = DialogUnits::setUp(this, 196, 69);
//   auto *level = NumberPair::withSlider(this, du, {32, 14, 34, 12}, {67, 13, 121, 18},
//                                        1, 100, 3, NumberPair::CapHigh);
//   level->setNumber(50);                       // the slider follows the edit
//   auto *back = new ColorField(this, du, {69, 48, 26, 11}, {96, 48, 13, 11}, 0);
//   ... on Apply: level->number(), back->color()

// The numeric value of a text as the dialogs read typed numbers: the leading number after
// blanks ("12abc" is 12, "-4.5" is -4.5), 0 when the text begins with no number.
double numberOfText(const QString &text);
// A whole number as the dialogs write it: decimal digits without blanks.
inline QString numberText(long long n) { return QString::number(n); }

// A small up-and-down arrow control, the partner of an edit that holds a number. It is a
// slider without a track: the upper arrow steps the value up, the lower one down, keys and
// the wheel as a vertical slider's.
class Spinner : public QAbstractSlider
{
    Q_OBJECT
public:
    explicit Spinner(QWidget *parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int mPressed = 0; // +1 upper arrow, -1 lower arrow, 0 none
};

// An edit field of digits and its spinner or slider, kept in step both ways: typing moves
// the partner to the number typed (an empty field puts it at 0, held in its range), moving
// the partner writes its position into the edit. The partner's own clamping never writes
// back, so a typed number outside its range stays as typed unless the cap says otherwise.
// The edit takes at most `digits` digits, with a leading minus sign when the range goes
// below 0.
class NumberPair : public QObject
{
    Q_OBJECT
public:
    // What a typed number outside the range becomes.
    enum Cap {
        NoCap,   // stays as typed
        CapHigh, // above the maximum becomes the maximum
        CapBoth, // above the maximum the maximum, below the minimum the minimum
    };

    static NumberPair *withSpinner(QWidget *parent, const DialogUnits &du, const QRect &editRect,
                                   const QRect &spinnerRect, int min, int max, int digits, Cap cap = NoCap);
    static NumberPair *withSlider(QWidget *parent, const DialogUnits &du, const QRect &editRect,
                                  const QRect &sliderRect, int min, int max, int digits, Cap cap = NoCap);

    QLineEdit *edit() const { return mEdit; }
    // The spinner or the slider.
    QAbstractSlider *partner() const { return mPartner; }
    QSlider *slider() const;

    // The numeric value of the edit's text (0 when empty); number() as a whole number,
    // rounded towards zero.
    double value() const;
    int number() const { return int(value()); }
    bool isEmpty() const;
    // Writes a number into the edit as typed text would be (the cap and the partner follow).
    void setNumber(long long n);
    void setText(const QString &text);
    void clear() { setText(QString()); }
    // Enables or disables the edit and its partner together.
    void setEnabled(bool enabled);
    void setObjectNames(const QString &editName, const QString &partnerName);

signals:
    // The edit's text changed, by typing, by the partner or by setText().
    void changed();

private:
    NumberPair(QWidget *parent, QAbstractSlider *partner, const DialogUnits &du, const QRect &editRect,
               const QRect &partnerRect, int min, int max, int digits, Cap cap);
    void editChanged(const QString &text);
    void partnerMoved(int position);

    QLineEdit *mEdit;
    QAbstractSlider *mPartner;
    Cap mCap;
};

// A framed sample painted in a colour and the button beside it that asks for another colour
// through the colour picker of the UI seam. A cancelled choice keeps the colour.
class ColorField : public QObject
{
    Q_OBJECT
public:
    ColorField(QWidget *parent, const DialogUnits &du, const QRect &sampleRect, const QRect &buttonRect,
               uint32_t color);

    QLabel *sample() const { return mSample; }
    QPushButton *button() const { return mButton; }
    // The colour number (red + green * 256 + blue * 65536).
    uint32_t color() const { return mColor; }
    // Repaints the sample; emits nothing.
    void setColor(uint32_t color);
    // Enables or disables the sample and the button together.
    void setEnabled(bool enabled);
    void setObjectNames(const QString &sampleName, const QString &buttonName);

signals:
    // The user chose a colour with the button.
    void colorChanged(uint32_t color);

private:
    void pbChange();

    QLabel *mSample;
    QPushButton *mButton;
    uint32_t mColor;
};

// The picture of every change-colour button.
QIcon changeColorIcon();

} // namespace gb
