#pragma once

#include <QFont>
#include <QRect>

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

private:
    int mCharWidth;
    int mCharHeight;
};

} // namespace gb
