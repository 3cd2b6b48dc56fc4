#pragma once

#include "common/dialogcontrols.h"
#include "gallery/galleryranges.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <climits>

#include <functional>
#include <utility>
#include <vector>

class QCheckBox;
class QPlainTextEdit;

class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPixmap;
class QPushButton;
class QRadioButton;
class QSize;
class QWidget;

namespace gb {

class PreviewFt;

// Small helpers the gallery's section pages share to make their controls. Every control
// gets the name the pages and their tests know it by (its objectName).

// The numeric value of a text as the pages read numbers back (the leading number, 0 when
// the text begins with none), as a whole number.
inline int numberValue(const QString &text)
{
    return int(std::clamp(numberOfText(text), double(INT_MIN), double(INT_MAX)));
}

// A one-line edit; with digits > 0 it accepts at most that many typed digits and nothing
// else (a longer number set from a stored setting is shown whole).
QLineEdit *pageEdit(QWidget *parent, const QString &name, const QString &tip = {}, int digits = 0);
QCheckBox *pageCheck(QWidget *parent, const QString &name, const QString &caption, const QString &tip = {});
QRadioButton *pageRadio(QWidget *parent, const QString &name, const QString &caption, const QString &tip = {});
QPushButton *textButton(QWidget *parent, const QString &name, const QString &caption);
QLabel *fixedText(QWidget *parent, const QString &text, const QString &name = {});
// A framed pane of a fixed size that previews a picture file.
PreviewFt *previewPane(QWidget *parent, const QString &name, const QSize &size);
// A grid on `group` with one row of label, sample and change button for each colour field.
QGridLayout *colorGrid(QWidget *group, const std::vector<std::pair<QString, ColorField *>> &rows);

} // namespace gb

namespace gb {
// The "User HTML code" frame: an editor for the user's HTML before the page title (named
// THUMBTOP) and one for the HTML after everything else (THUMBBOTTOM), each under its label
// (labelNames: the two labels' names). stacked puts the second under the first, else beside.
QGroupBox *userHtmlGroup(QWidget *parent, QPlainTextEdit *&top, QPlainTextEdit *&bottom, const QStringList &labelNames,
                         bool stacked);
} // namespace gb
