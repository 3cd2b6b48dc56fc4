#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace gb {

// The installed font faces, as the font picker offers them (it shows them sorted).
QStringList getFaceNames();

// The seven HTML font sizes as {text, value} pairs: {"1 - ( 8 pt)", 1} ... {"7 - (36 pt)",
// 7}. The face is not looked at.
QList<QPair<QString, int>> getFontPointSizes(const QString &face);

// The point sizes a face is offered in: a scalable face the sixteen sizes 8, 9, 10, 11,
// 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72; a bitmap face the sizes it exists in,
// as the font database lists them; an unknown face none. Faces are mapped to the installed
// ones first ("Verdana" is DejaVu Sans, see mapFontFace()).
QList<int> getFontPointSizesA(const QString &face);

} // namespace gb
