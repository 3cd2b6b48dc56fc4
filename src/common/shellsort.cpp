#include "common/shellsort.h"

namespace gb {

int iCompStr(const QString &first, const QString &second)
{
    const QString a = first.toUpper();
    const QString b = second.toUpper();
    if (a == b)
        return 0;
    if (a.startsWith(b))
        return 1;
    const int c = QString::compare(a, b, Qt::CaseSensitive);
    return c > 0 ? 1 : -1;
}

template <class V>
static int threeWay(const V &element, const V &key)
{
    return element > key ? 1 : element == key ? 0 : -1;
}

int iqsCompare(const SortKey &element, const SortKey &key, bool ascending)
{
    if (const QString *text = std::get_if<QString>(&element)) {
        QString keyText;
        if (const QString *k = std::get_if<QString>(&key))
            keyText = *k;
        else if (const double *d = std::get_if<double>(&key))
            keyText = QString::number(*d);
        else
            keyText = std::get<QDate>(key).toString(Qt::ISODate);
        return ascending ? iCompStr(*text, keyText) : iCompStr(keyText, *text);
    }
    // Mixed types within one column do not occur; a key of another type counts as equal.
    if (element.index() != key.index())
        return 0;
    int c = 0;
    if (const double *d = std::get_if<double>(&element))
        c = threeWay(*d, std::get<double>(key));
    else
        c = threeWay(std::get<QDate>(element), std::get<QDate>(key));
    return ascending ? c : -c;
}

int shellSortFirstGap(size_t n)
{
    if (n < 14)
        return 1;
    if (n > 29524)
        return 3280;
    size_t h = 1;
    while (h < n)
        h = 3 * h + 1;
    return int(h / 3);
}

void shellSort(std::vector<QString> &array, bool ascending)
{
    shellSort(array, [](const QString &s) { return SortKey(s); }, ascending);
}

void shellSort(std::vector<double> &array, bool ascending)
{
    shellSort(array, [](double d) { return SortKey(d); }, ascending);
}

} // namespace gb
