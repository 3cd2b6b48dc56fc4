#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace gb {

// Turns the dialog units in which window layouts are given into pixels of a font: one
// horizontal unit is a quarter of the font's average character width, one vertical unit
// an eighth of its height. Build one from the dialog's font, then place each control with
// rect(x, y, w, h).
class DialogUnits
{
public:
    explicit DialogUnits(const QFont &font);

    int x(int units) const;
    int y(int units) const;
    QRect rect(int x, int y, int width, int height) const;
    QRect rect(const QRect &units) const { return rect(units.x(), units.y(), units.width(), units.height()); }
    QSize size(int width, int height) const;

    // The font of the program's dialogs ("MS Sans Serif" 8 point, which maps to DejaVu Sans).
    static QFont dialogFont();
    // Gives a widget the dialog font and a fixed size in dialog units.
    static DialogUnits setUp(QWidget *dialog, int width, int height);
    // Widens a fixed-size window whose caption would not fit in a window manager's title bar
    // beside the icon and the frame buttons, moving its controls right by half the added
    // width so the layout stays centred. Call it once the controls exist; a window wide
    // enough is left alone.
    static void fitCaption(QWidget *dialog);

private:
    int mCharWidth;
    int mCharHeight;
};

// Makes the controls of one window at places given in dialog units, counted from an origin
// in dialog units (a page whose layout starts below a heading); a non-empty name becomes the
// control's object name. Parameter dialogs, wizard pages and their frame share it:
//
//   const ControlPlacer place(this, units());
//   QPushButton *edit = place.button(QStringLiteral("PBEDIT"), QStringLiteral("Edit"), {327, 17, 44, 12});
class ControlPlacer
{
public:
    ControlPlacer(QWidget *parent, const DialogUnits &units, QPoint origin = QPoint());

    QWidget *parent() const { return mParent; }
    QRect rect(const QRect &place) const;
    // Puts a control made elsewhere on its place.
    void put(QWidget *control, const QRect &place, const QString &name = QString()) const;

    QLabel *label(const QString &text, const QRect &place, const QString &name = QString()) const;
    // A non-empty pattern is a regular expression the whole text must match as it is typed.
    QLineEdit *edit(const QString &name, const QRect &place, const QString &pattern = QString()) const;
    // Enter never presses it by focus alone: only a dialog's own default button answers Enter.
    QPushButton *button(const QString &name, const QString &text, const QRect &place) const;
    // A button showing the named resource bitmap, or the fallback text where it is missing.
    QPushButton *bitmapButton(const QString &name, const QString &bitmap, const QString &fallback,
                              const QRect &place) const;
    QCheckBox *checkBox(const QString &name, const QString &text, const QRect &place) const;
    QRadioButton *radio(const QString &name, const QString &text, const QRect &place) const;
    QComboBox *combo(const QString &name, const QRect &place) const;
    // A sunken box on frame with its title over the top edge, titleIndent units in from the
    // left. The title paints its own background to break the line; it is returned.
    QLabel *framedGroup(const QString &title, const QRect &frame, int titleIndent = 5) const;

private:
    QWidget *mParent;
    DialogUnits mUnits;
    QPoint mOrigin;
};

// Makes `button` the one that Enter presses wherever the focus is in its dialog, and keeps
// every other push button there from taking Enter by focus alone, so Enter typed in a field
// runs the dialog's own action (Ok, Find, Save…) and never opens a picker behind a "..."
// button. Space still presses the focused button. Call it once the dialog's buttons exist;
// buttons added later keep Qt's own behaviour.
void makeEnterButton(QPushButton *button);

// Gives a control its tool tip on the way out of the placing call.
template <class Control>
Control *withToolTip(Control *control, const QString &tip)
{
    control->setToolTip(tip);
    return control;
}

} // namespace gb
