#pragma once

#include "common/dialogunits.h"

#include <QObject>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace gb {

// The placement chooser of the two overlay dialogs: nine picture buttons in a 3 x 3 grid
// (PBTL top left ... PBBR bottom right, codes 1 to 9) and a framed strip that names the
// chosen placement. Choosing a placement enables the margin fields it uses and disables the
// others; a disabled field keeps its text.
class AlignPicker : public QObject
{
    Q_OBJECT
public:
    // columns and rows are the x and y of the grid's buttons (13 x 12 units each).
    AlignPicker(QWidget *parent, const DialogUnits &du, const QRect &stripPlace, const int (&columns)[3],
                const int (&rows)[3]);

    // The margin fields that follow the placement.
    void setMargins(QLineEdit *left, QLineEdit *top, QLineEdit *right, QLineEdit *bottom);
    // "LEFT", "TOP", "RIGHT" or "BOTTOM".
    QLineEdit *margin(const QString &name) const;
    // Presets the placement and the four margins (held to the four digits of the fields);
    // a placement outside 1..9 (a damaged command) opens as 8, the default.
    void preset(int code, int left, int top, int right, int bottom);
    // The four margins as typed, left, top, right, bottom; an empty field gives 0.
    std::array<int, 4> marginValues() const;
    int code() const { return mCode; }
    // A code outside 1..9 is kept but changes neither the strip nor the fields.
    void setCode(int code);

    QLabel *textPosition() const { return mStrip; }
    QPushButton *button(int code) const { return mButtons[code - 1]; }

private:
    void updateTextAlign();

    QLabel *mStrip;
    QPushButton *mButtons[9];
    QLineEdit *mLeft = nullptr;
    QLineEdit *mTop = nullptr;
    QLineEdit *mRight = nullptr;
    QLineEdit *mBottom = nullptr;
    int mCode = 8;
};

} // namespace gb
