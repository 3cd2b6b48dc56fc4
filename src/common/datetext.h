#pragma once

#include <QDate>
#include <QString>

namespace gb {

// Dates as the program writes them for people: the order of day, month and year and the
// separator of the system's short date, with two-digit day and month and a four-digit year
// ("/" when the locale gives no separator). "dd/MM/yyyy", "MM/dd/yyyy", "yyyy-MM-dd", ...
QString programDateFormat();
// A date in that format; an empty text for an invalid date.
QString programDateText(const QDate &date);

} // namespace gb
