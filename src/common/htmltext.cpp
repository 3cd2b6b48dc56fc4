#include "common/htmltext.h"

#include <QUrl>

namespace gb {

QString asciiHtml(const QString &text)
{
    QString out;
    out.reserve(text.size() + text.size() / 8);
    for (char32_t c : text.toUcs4()) {
        if (c < 128)
            out += QChar(char16_t(c));
        else
            out += QStringLiteral("&#") + QString::number(uint(c)) + QLatin1Char(';');
    }
    return out;
}

QByteArray asciiPage(const QString &text)
{
    return asciiHtml(text).toLatin1();
}

QString htmlAttribute(const QString &text)
{
    return asciiHtml(text.toHtmlEscaped());
}

QString urlPart(const QString &name)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(name));
}

} // namespace gb
