#pragma once

#include <QDate>
#include <QString>

class QLabel;
class QLineEdit;
class QRect;
class QWidget;

namespace gb {

// Small helpers for the explorer's option dialogs.

// A fixed text at a place.
QLabel *fixedText(QWidget *parent, const QString &text, const QRect &rect);
// A read-only value shown in black on white at a place.
QLabel *valueField(QWidget *parent, const QRect &rect);
// An edit at a place that takes at most three digits (the "999" picture).
QLineEdit *numberEdit(QWidget *parent, const QRect &rect, int digits = 3);
// The whole number of a trimmed text; 0 when it is not one.
int numberOf(const QString &text);

// Dates as the user's locale writes them: its order and separator, two-digit day and month,
// four-digit year ("31/12/2002" or "12/31/2002").
QString dateFieldFormat();
QString dateToField(const QDate &date);
// The date in a field, or the empty (invalid) date when the field is empty or no date.
QDate dateFromField(const QString &text);

} // namespace gb
