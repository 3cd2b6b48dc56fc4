#include "common/datetext.h"

#include <QLocale>
#include <QStringList>

namespace gb {

QString programDateFormat()
{
    // Keep the locale's order and separator; widen day and month to two digits and the
    // year to four.
    const QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    QString order;
    QString separator;
    for (const QChar c : format) {
        const QChar lower = c.toLower();
        if ((lower == 'd' || lower == 'm' || lower == 'y') && !order.contains(lower))
            order += lower;
        else if (!c.isLetter() && separator.isEmpty() && !order.isEmpty())
            separator = c;
    }
    if (order.size() != 3)
        order = QStringLiteral("dmy");
    if (separator.isEmpty() || separator == QLatin1String(" "))
        separator = QStringLiteral("/");
    QStringList parts;
    for (const QChar c : order)
        parts << (c == 'd' ? QStringLiteral("dd") : c == 'm' ? QStringLiteral("MM") : QStringLiteral("yyyy"));
    return parts.join(separator);
}

QString programDateText(const QDate &date)
{
    return date.isValid() ? date.toString(programDateFormat()) : QString();
}

} // namespace gb
