#include "platform/imagelib/logfont.h"

#include <QFontMetrics>

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace gb {

LogFont makeLogFont(const QString &face, int size, bool bold, bool italic, bool underline)
{
    LogFont f;
    f.height = size == INT_MIN ? INT_MAX : -size;
    f.weight = bold ? 700 : 400;
    f.italic = italic;
    f.underline = underline;
    f.faceName = face.left(31);
    return f;
}

QString mapFontFace(const QString &face)
{
    const QString f = face.trimmed();
    if (f.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Sans");
    if (f.compare(QLatin1String("Times New Roman"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Serif");
    if (f.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Mono");
    if (f.compare(QLatin1String("Verdana"), Qt::CaseInsensitive) == 0
        || f.compare(QLatin1String("MS Sans Serif"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("DejaVu Sans");
    return face;
}

QFont toQFont(const LogFont &font)
{
    QFont f(mapFontFace(font.faceName));
    // A face that is not installed falls back to a sans-serif one, as the description's
    // Swiss family asks.
    f.setStyleHint(QFont::SansSerif);
    // A positive height counts the whole cell; Qt's pixel size is the character height,
    // which is close enough for a cell request and exact for the usual negative one.
    // Heights come from stored commands: held to 16384 pixels, far above any text size.
    const int px = font.height == INT_MIN ? 16384 : std::min(std::abs(font.height), 16384);
    f.setPixelSize(px > 0 ? px : 12);
    f.setWeight(font.weight >= 600 ? QFont::Bold : QFont::Normal);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    return f;
}

QSize textExtent(const QString &text, const LogFont &font)
{
    const QFontMetrics fm(toQFont(font));
    return QSize(fm.horizontalAdvance(text), fm.height());
}

} // namespace gb
