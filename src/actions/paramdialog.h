#pragma once

#include "common/dialogcontrols.h"
#include "common/dialogunits.h"
#include "platform/table/value.h"

#include <QDialog>

#include <algorithm>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace gb {

// The parameters of the command being edited, as a dialog presets from them: element i
// (1-based) is slot i + 2 of the command. Stored commands are untrusted, so every read
// names the value to use when the element is missing or of another type, and the shape
// tests say whether the array is there at all.
class OldParams
{
public:
    // Nil (or anything that is not an array) stands for a new command.
    explicit OldParams(const Value &old) : mOld(old) {}

    bool isArray() const { return mOld.isArray(); }
    int size() const { return mOld.size(); }
    bool hasSize(int n) const { return isArray() && size() == n; }
    bool hasAtLeast(int n) const { return isArray() && size() >= n; }

    int intAt(int i, int fallback) const;
    // A whole number held to min..max, the range its control can show.
    int intIn(int i, int fallback, int min, int max) const { return std::clamp(intAt(i, fallback), min, max); }
    double numberAt(int i, double fallback) const;
    bool logicAt(int i, bool fallback) const;
    QString stringAt(int i, const QString &fallback) const;
    // A colour component 0..255; the fallback for anything else.
    int byteAt(int i, int fallback) const;
    // A colour number 0..16777215; the fallback for anything else.
    uint32_t colorAt(int i, uint32_t fallback) const;

private:
    Value mOld;
};

// The base of every parameter dialog of the batch actions: a modal dialog of a fixed size
// in dialog units, built from the controls its subclass places, preset from the edited
// command's parameters (or the defaults of a new one), that ends with 1 when Apply accepts
// the values and with -1 on Cancel, Escape or the close box.
//
// A subclass places its controls with the helpers below in its constructor, presets them,
// and overrides applyValues() to read and check them; values() then gives the parameter slots
// of the command, from slot 3 on, in stored order:
//
//   SharpenWin dlg(owner, oldParams);
//   if (dlg.exec() == 1) command = {id, name} + dlg.values();
class ParamDialog : public QDialog
{
    Q_OBJECT
public:
    // The command's parameter slots from slot 3 on, as the last accepted Apply left them.
    // Dialogs that answer otherwise (the filter list and editors) give none.
    virtual ValueArray values() const { return {}; }

    // Enter and Escape go through Apply and Cancel.
    void accept() override { pbApply(); }
    void reject() override { done(-1); }

protected:
    // resource names the dialog (its object name); the size is in dialog units.
    ParamDialog(QWidget *owner, const QString &resource, const QString &caption, int width, int height);

    const DialogUnits &du() const { return mUnits; }
    // Leaves the caption without its close box (the dialogs framed without a system menu).
    void withoutCloseBox();

    // Controls placed in dialog units; a non-empty name becomes the object name.
    QLabel *label(const QString &text, const QRect &place, const QString &name = QString());
    // An edit; digits > 0 limits it to that many digits.
    QLineEdit *edit(const QString &name, const QRect &place, int digits = 0);
    QPushButton *button(const QString &name, const QString &text, const QRect &place);
    QGroupBox *group(const QString &text, const QRect &place);
    QCheckBox *checkBox(const QString &name, const QString &text, const QRect &place);
    QRadioButton *radio(const QString &name, const QString &text, const QRect &place);
    NumberPair *sliderPair(const QString &editName, const QString &sliderName, const QRect &editPlace,
                           const QRect &sliderPlace, int min, int max, int digits, NumberPair::Cap cap);
    NumberPair *spinnerPair(const QString &editName, const QString &spinnerName, const QRect &editPlace,
                            const QRect &spinnerPlace, int min, int max, int digits,
                            NumberPair::Cap cap = NumberPair::NoCap);
    ColorField *colorField(const QString &sampleName, const QString &buttonName, const QRect &samplePlace,
                           const QRect &buttonPlace, uint32_t color);

    // The Apply and Cancel buttons: Apply (named applyName, "PBOK" or "PBAPPLY") ends the
    // dialog with 1 when applyValues() agrees; Cancel ends it with -1.
    void applyCancel(const QString &applyName, const QRect &applyPlace, const QRect &cancelPlace,
                     const QString &applyText = QStringLiteral("Apply"));
    // Reads the controls into the values and checks them; false keeps the dialog open
    // (after showing why, where the dialog has a message).
    virtual bool applyValues() { return true; }

    // The error box over the dialog, for a refused Apply.
    void refuse(const QString &text);
    // The "Warning" box over the dialog.
    void warn(const QString &text);

private:
    void pbApply();
    ControlPlacer placer() { return ControlPlacer(this, mUnits); }

    DialogUnits mUnits;
};

} // namespace gb
