#include "explorer/dialogfields.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRect>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace gb {

QLabel *fixedText(QWidget *parent, const QString &text, const QRect &rect)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(rect);
    return label;
}

QLineEdit *numberEdit(QWidget *parent, const QRect &rect, int digits)
{
    auto *edit = new QLineEdit(parent);
    edit->setGeometry(rect);
    edit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\s*\\d{0,%1}\\s*").arg(digits)), edit));
    return edit;
}

int numberOf(const QString &text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok ? v : 0;
}

QString dateFieldFormat()
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

QString dateToField(const QDate &date)
{
    return date.isValid() ? date.toString(dateFieldFormat()) : QString();
}

QDate dateFromField(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return QDate();
    QDate date = QDate::fromString(trimmed, dateFieldFormat());
    if (!date.isValid()) // one-digit day or month typed by hand
        date = QDate::fromString(trimmed, QString(dateFieldFormat()).replace("dd", "d").replace("MM", "M"));
    return date;
}

} // namespace gb
