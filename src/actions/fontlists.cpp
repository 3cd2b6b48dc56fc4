#include "actions/fontlists.h"

#include "platform/imagelib/logfont.h"

#include <QFontDatabase>

namespace gb {

QStringList getFaceNames()
{
    return QFontDatabase::families();
}

QList<QPair<QString, int>> getFontPointSizes(const QString &face)
{
    (void)face;
    return {{QStringLiteral("1 - ( 8 pt)"), 1}, {QStringLiteral("2 - (10 pt)"), 2}, {QStringLiteral("3 - (12 pt)"), 3},
            {QStringLiteral("4 - (14 pt)"), 4}, {QStringLiteral("5 - (18 pt)"), 5}, {QStringLiteral("6 - (24 pt)"), 6},
            {QStringLiteral("7 - (36 pt)"), 7}};
}

QList<int> getFontPointSizesA(const QString &face)
{
    const QString installed = mapFontFace(face);
    if (!QFontDatabase::hasFamily(installed))
        return {};
    if (QFontDatabase::isSmoothlyScalable(installed))
        return {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
    return QFontDatabase::pointSizes(installed);
}

} // namespace gb
