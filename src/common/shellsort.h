#pragma once

#include <QDate>
#include <QString>

#include <cstddef>
#include <variant>
#include <vector>

namespace gb {

// A sort key: a number, a text (compared ignoring letter case) or a date.
using SortKey = std::variant<double, QString, QDate>;

// The texts compared without regard to letter case: 0 equal, 1 when the first comes after
// the second, -1 when before; a text that is a prefix of the other is the smaller.
int iCompStr(const QString &first, const QString &second);

// 1 when the element must come after the key in the requested order, 0 when equal, -1 when
// it must come before. Texts compare with iCompStr(); whether the text comparison is used
// depends on the element's type, not the key's.
int iqsCompare(const SortKey &element, const SortKey &key, bool ascending);

// The gap the sort starts with for n elements: 1 below 14, 3280 above 29524, otherwise the
// largest of 1, 4, 13, 40, ... 9841 that is smaller than n.
int shellSortFirstGap(size_t n);

// Sorts the array in place by the key that keyOf(element) gives, smallest first when
// ascending. A shell sort over the gaps 1, 4, 13, 40, ... that moves an element only past a
// strictly greater (or, descending, smaller) one, so equal keys keep their order within one
// chain of a pass but not in general: the sort is stable only below 14 elements. No second
// array, no recursion.
template <class T, class KeyOf>
void shellSort(std::vector<T> &array, KeyOf keyOf, bool ascending)
{
    const size_t n = array.size();
    for (size_t h = size_t(shellSortFirstGap(n)); h > 0; h /= 3) {
        for (size_t i = h; i < n; ++i) {
            T kept = std::move(array[i]);
            const SortKey key = keyOf(kept);
            size_t j = i; // one past the slot being compared, so it never goes below zero
            while (j >= h && iqsCompare(keyOf(array[j - h]), key, ascending) > 0) {
                array[j] = std::move(array[j - h]);
                j -= h;
            }
            array[j] = std::move(kept);
        }
    }
}

// The flat forms: the elements themselves are the keys.
void shellSort(std::vector<QString> &array, bool ascending);
void shellSort(std::vector<double> &array, bool ascending);

} // namespace gb
