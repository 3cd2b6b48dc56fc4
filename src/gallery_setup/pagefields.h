#pragma once

#include "common/dialogcontrols.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <climits>

#include <functional>

class QCheckBox;
class QPlainTextEdit;

class QGroupBox;
class QLabel;
class QLineEdit;
class QPixmap;
class QPushButton;
class QRadioButton;
class QWidget;

namespace gb {

// Small helpers the gallery's section pages share to make their controls. Every control
// gets the name the pages and their tests know it by (its objectName).

// The numeric value of a text as the pages read numbers back (the leading number, 0 when
// the text begins with none), as a whole number.
inline int numberValue(const QString &text)
{
    return int(std::clamp(numberOfText(text), double(INT_MIN), double(INT_MAX)));
}

// A one-line edit; with digits > 0 it accepts at most that many digits and nothing else.
QLineEdit *pageEdit(QWidget *parent, const QString &name, const QString &tip = {}, int digits = 0);
QCheckBox *pageCheck(QWidget *parent, const QString &name, const QString &caption, const QString &tip = {});
QRadioButton *pageRadio(QWidget *parent, const QString &name, const QString &caption, const QString &tip = {});
// A push button that shows a picture and no text.
QPushButton *pictureButton(QWidget *parent, const QString &name, const QPixmap &picture, const QString &tip = {});
QPushButton *textButton(QWidget *parent, const QString &name, const QString &caption);
QLabel *fixedText(QWidget *parent, const QString &text, const QString &name = {});

} // namespace gb

namespace gb {
// The "User HTML code" frame: an editor for the user's HTML before the page title (named
// THUMBTOP) and one for the HTML after everything else (THUMBBOTTOM), each under its label
// (labelNames: the two labels' names). stacked puts the second under the first, else beside.
QGroupBox *userHtmlGroup(QWidget *parent, QPlainTextEdit *&top, QPlainTextEdit *&bottom, const QStringList &labelNames,
                         bool stacked);

// Checks or clears a radio button on its own: clearing it may leave its whole group off,
// which is how a page shows a stored code that none of its buttons stands for.
void setRadio(QRadioButton *radio, bool on);
} // namespace gb
