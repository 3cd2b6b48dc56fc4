#include "explorer/dialogfields.h"

#include "common/datetext.h"

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
    return programDateFormat();
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

QLabel *valueField(QWidget *parent, const QRect &rect)
{
    auto *l = new QLabel(parent);
    l->setGeometry(rect);
    l->setAutoFillBackground(true);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    l->setPalette(pal);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

} // namespace gb
