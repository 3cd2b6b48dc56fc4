#include "common/dialogcontrols.h"

#include "resources/resourceclasses.h"
#include "common/changebackcolor.h"
#include "common/colorvalues.h"

#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyleOption>

#include <cmath>

namespace gb {

double numberOfText(const QString &text)
{
    static const QRegularExpression leading(QStringLiteral("^\\s*([-+]?(\\d+\\.?\\d*|\\.\\d+))"));
    const QRegularExpressionMatch m = leading.match(text);
    return m.hasMatch() ? m.captured(1).toDouble() : 0.0;
}

// ---- Spinner ----

Spinner::Spinner(QWidget *parent)
    : QAbstractSlider(parent)
{
    setOrientation(Qt::Vertical);
    setFocusPolicy(Qt::StrongFocus);
}

QSize Spinner::sizeHint() const
{
    return QSize(16, 22);
}

void Spinner::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const int half = height() / 2;
    const QRect halves[2] = {QRect(0, 0, width(), half), QRect(0, half, width(), height() - half)};
    for (int i = 0; i < 2; ++i) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = halves[i];
        if (mPressed == (i == 0 ? 1 : -1))
            button.state |= QStyle::State_Sunken;
        else
            button.state |= QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &button, &p, this);
        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.rect = halves[i].adjusted(2, 1, -2, -1);
        style()->drawPrimitive(i == 0 ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown, &arrow, &p,
                               this);
    }
}

void Spinner::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !isEnabled()) {
        event->ignore();
        return;
    }
    mPressed = event->position().y() < height() / 2 ? 1 : -1;
    const SliderAction action = mPressed > 0 ? SliderSingleStepAdd : SliderSingleStepSub;
    triggerAction(action);
    setRepeatAction(action, 400, 60);
    update();
}

void Spinner::mouseReleaseEvent(QMouseEvent *)
{
    mPressed = 0;
    setRepeatAction(SliderNoAction);
    update();
}

// ---- NumberPair ----

NumberPair::NumberPair(QWidget *parent, QAbstractSlider *partner, const DialogUnits &du, const QRect &editRect,
                       const QRect &partnerRect, int min, int max, int digits, Cap cap)
    : QObject(parent), mEdit(new QLineEdit(parent)), mPartner(partner), mCap(cap)
{
    mEdit->setGeometry(du.rect(editRect));
    const QString sign = min < 0 ? QStringLiteral("-?") : QString();
    mEdit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("%1[0-9]{0,%2}").arg(sign).arg(qMax(1, digits))), mEdit));
    mPartner->setGeometry(du.rect(partnerRect));
    mPartner->setRange(min, max);
    connect(mEdit, &QLineEdit::textChanged, this, &NumberPair::editChanged);
    connect(mPartner, &QAbstractSlider::valueChanged, this, &NumberPair::partnerMoved);
}

NumberPair *NumberPair::withSpinner(QWidget *parent, const DialogUnits &du, const QRect &editRect,
                                    const QRect &spinnerRect, int min, int max, int digits, Cap cap)
{
    return new NumberPair(parent, new Spinner(parent), du, editRect, spinnerRect, min, max, digits, cap);
}

NumberPair *NumberPair::withSlider(QWidget *parent, const DialogUnits &du, const QRect &editRect,
                                   const QRect &sliderRect, int min, int max, int digits, Cap cap)
{
    auto *slider = new QSlider(Qt::Horizontal, parent);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(qMax(1, (max - min) / 10));
    return new NumberPair(parent, slider, du, editRect, sliderRect, min, max, digits, cap);
}

QSlider *NumberPair::slider() const
{
    return qobject_cast<QSlider *>(mPartner);
}

double NumberPair::value() const
{
    return numberOfText(mEdit->text());
}

bool NumberPair::isEmpty() const
{
    return mEdit->text().trimmed().isEmpty();
}

void NumberPair::setNumber(long long n)
{
    setText(numberText(n));
}

void NumberPair::setText(const QString &text)
{
    if (mEdit->text() == text) {
        editChanged(text); // the partner follows even when the text stays
        return;
    }
    mEdit->setText(text);
}

void NumberPair::setEnabled(bool enabled)
{
    mEdit->setEnabled(enabled);
    mPartner->setEnabled(enabled);
}

void NumberPair::setObjectNames(const QString &editName, const QString &partnerName)
{
    mEdit->setObjectName(editName);
    mPartner->setObjectName(partnerName);
}

void NumberPair::editChanged(const QString &text)
{
    if (!text.trimmed().isEmpty()) {
        const double n = numberOfText(text);
        // Setting the capped text comes back here with a number in range.
        if ((mCap == CapHigh || mCap == CapBoth) && n > mPartner->maximum()) {
            mEdit->setText(numberText(mPartner->maximum()));
            return;
        }
        if (mCap == CapBoth && n < mPartner->minimum()) {
            mEdit->setText(numberText(mPartner->minimum()));
            return;
        }
    }
    {
        // The partner holds the number within its range; that must not be written back,
        // or an empty edit would turn into the range's lowest number.
        const QSignalBlocker quiet(mPartner);
        const double n = std::clamp(value(), double(mPartner->minimum()), double(mPartner->maximum()));
        mPartner->setValue(int(n));
        mPartner->update();
    }
    emit changed();
}

void NumberPair::partnerMoved(int position)
{
    mEdit->setText(numberText(position));
}

// ---- ColorField ----

QIcon changeColorIcon()
{
    const QPixmap bitmap = resourceBitmap(QStringLiteral("CHANGECOLORBM"));
    if (!bitmap.isNull())
        return QIcon(bitmap);
    // Four colour squares when the program's picture is not built in.
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.fillRect(1, 1, 7, 7, Qt::red);
    p.fillRect(8, 1, 7, 7, Qt::green);
    p.fillRect(1, 8, 7, 7, Qt::blue);
    p.fillRect(8, 8, 7, 7, Qt::yellow);
    return QIcon(pm);
}

ColorField::ColorField(QWidget *parent, const DialogUnits &du, const QRect &sampleRect, const QRect &buttonRect,
                       uint32_t color)
    : QObject(parent), mSample(new QLabel(parent)), mButton(new QPushButton(parent)), mColor(color)
{
    mSample->setFrameStyle(QFrame::Box | QFrame::Plain);
    mSample->setGeometry(du.rect(sampleRect));
    mButton->setGeometry(du.rect(buttonRect));
    mButton->setIcon(changeColorIcon());
    mButton->setAutoDefault(false);
    changeBackColor(mSample, mColor);
    connect(mButton, &QPushButton::clicked, this, &ColorField::pbChange);
}

void ColorField::setColor(uint32_t color)
{
    mColor = color & 0xFFFFFF;
    changeBackColor(mSample, mColor);
}

void ColorField::setEnabled(bool enabled)
{
    mSample->setEnabled(enabled);
    mButton->setEnabled(enabled);
}

void ColorField::setObjectNames(const QString &sampleName, const QString &buttonName)
{
    mSample->setObjectName(sampleName);
    mButton->setObjectName(buttonName);
}

void ColorField::pbChange()
{
    const QWidget *owner = mButton->window();
    setColor(changeColor(const_cast<QWidget *>(owner), mColor));
    emit colorChanged(mColor);
}

} // namespace gb
