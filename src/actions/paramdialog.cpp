#include "actions/paramdialog.h"

#include "common/messages.h"

#include <QGroupBox>
#include <QPushButton>

#include <cmath>

namespace gb {

int OldParams::intAt(int i, int fallback) const
{
    const Value &v = mOld.at(i - 1);
    if (!v.isNumber() || !std::isfinite(v.toNumber()))
        return fallback;
    return v.toInt();
}

double OldParams::numberAt(int i, double fallback) const
{
    const Value &v = mOld.at(i - 1);
    return v.isNumber() && std::isfinite(v.toNumber()) ? v.toNumber() : fallback;
}

bool OldParams::logicAt(int i, bool fallback) const
{
    const Value &v = mOld.at(i - 1);
    return v.isLogic() ? v.toBool() : fallback;
}

QString OldParams::stringAt(int i, const QString &fallback) const
{
    const Value &v = mOld.at(i - 1);
    return v.isString() ? v.toString() : fallback;
}

int OldParams::byteAt(int i, int fallback) const
{
    const int v = intAt(i, -1);
    return v >= 0 && v <= 255 ? v : fallback;
}

uint32_t OldParams::colorAt(int i, uint32_t fallback) const
{
    const Value &v = mOld.at(i - 1);
    if (!v.isNumber() || !(v.toNumber() >= 0 && v.toNumber() <= 16777215))
        return fallback;
    return uint32_t(v.toInt());
}

ParamDialog::ParamDialog(QWidget *owner, const QString &resource, const QString &caption, int width, int height)
    : QDialog(owner), mUnits(DialogUnits::setUp(this, width, height))
{
    setObjectName(resource);
    setWindowTitle(caption);
    setModal(true);
    // A fixed-size modal dialog: a caption with a close box, nothing to minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
}

void ParamDialog::withoutCloseBox()
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

QLabel *ParamDialog::label(const QString &text, const QRect &place, const QString &name)
{
    return placer().label(text, place, name);
}

QLineEdit *ParamDialog::edit(const QString &name, const QRect &place, int digits)
{
    return placer().edit(name, place, digits > 0 ? QStringLiteral("[0-9]{0,%1}").arg(digits) : QString());
}

QPushButton *ParamDialog::button(const QString &name, const QString &text, const QRect &place)
{
    return placer().button(name, text, place);
}

QGroupBox *ParamDialog::group(const QString &text, const QRect &place)
{
    auto *g = new QGroupBox(text, this);
    g->setGeometry(mUnits.rect(place));
    g->lower(); // behind the controls it frames
    return g;
}

QCheckBox *ParamDialog::checkBox(const QString &name, const QString &text, const QRect &place)
{
    return placer().checkBox(name, text, place);
}

QRadioButton *ParamDialog::radio(const QString &name, const QString &text, const QRect &place)
{
    return placer().radio(name, text, place);
}

NumberPair *ParamDialog::sliderPair(const QString &editName, const QString &sliderName, const QRect &editPlace,
                                    const QRect &sliderPlace, int min, int max, int digits, NumberPair::Cap cap)
{
    NumberPair *pair = NumberPair::withSlider(this, mUnits, editPlace, sliderPlace, min, max, digits, cap);
    pair->setObjectNames(editName, sliderName);
    return pair;
}

NumberPair *ParamDialog::spinnerPair(const QString &editName, const QString &spinnerName, const QRect &editPlace,
                                     const QRect &spinnerPlace, int min, int max, int digits, NumberPair::Cap cap)
{
    NumberPair *pair = NumberPair::withSpinner(this, mUnits, editPlace, spinnerPlace, min, max, digits, cap);
    pair->setObjectNames(editName, spinnerName);
    return pair;
}

ColorField *ParamDialog::colorField(const QString &sampleName, const QString &buttonName, const QRect &samplePlace,
                                    const QRect &buttonPlace, uint32_t color)
{
    auto *field = new ColorField(this, mUnits, samplePlace, buttonPlace, color);
    field->setObjectNames(sampleName, buttonName);
    return field;
}

void ParamDialog::applyCancel(const QString &applyName, const QRect &applyPlace, const QRect &cancelPlace,
                              const QString &applyText)
{
    QPushButton *apply = button(applyName, applyText, applyPlace);
    apply->setDefault(true);
    QPushButton *cancel = button(QStringLiteral("PBCANCEL"), QStringLiteral("Cancel"), cancelPlace);
    connect(apply, &QPushButton::clicked, this, &ParamDialog::pbApply);
    connect(cancel, &QPushButton::clicked, this, [this] { done(-1); });
}

void ParamDialog::pbApply()
{
    if (applyValues())
        done(1);
}

void ParamDialog::refuse(const QString &text)
{
    errorMsg(this, text);
}

void ParamDialog::warn(const QString &text)
{
    warningMsg(this, text);
}

} // namespace gb
