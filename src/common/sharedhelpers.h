#pragma once

#include <QString>

#include <utility>
#include <vector>

namespace gb {

// Small helpers the list editors and command descriptions share. None keeps state.

// The description of a placement code 1..9 ("Top - Left" ... "Bottom - Right"); empty for
// any other value.
QString getAlignDesc(int placement);

// The description of a resize mode 1..5 ("Best fit - keep aspect ratio" ... "Percent
// scale"); empty for any other value.
QString getResizeTypeDesc(int mode);

// One information item that can be written beside an image: its label and its code
// ("Image File Name" 1 ... "Comments" 11).
struct ImageVarEntry {
    QString label;
    int code = 0;
    bool operator==(const ImageVarEntry &) const = default;
};

// All eleven items, in the order of codes 1, 2, 3, 4, 5, 6, 10, 11, 9, 7, 8. A new list
// on every call.
std::vector<ImageVarEntry> getVars();
// The nine items without "Title" and "Comments": codes 1, 2, 3, 4, 5, 6, 9, 7, 8.
std::vector<ImageVarEntry> getVars1();

// Exchanges the elements at the one-based positions first and second of the array itself
// when both are between 1 and its length; otherwise leaves it unchanged. Returns the array.
template <typename T>
std::vector<T> &swapArrayElements(std::vector<T> &array, int first, int second)
{
    const auto n = static_cast<long long>(array.size());
    if (first >= 1 && second >= 1 && first <= n && second <= n)
        std::swap(array[size_t(first - 1)], array[size_t(second - 1)]);
    return array;
}

// True when both arrays have the same length and equal elements at every position (texts
// compared exactly, letter case included). Two empty arrays are the same.
template <typename T>
bool sameArrays(const std::vector<T> &a, const std::vector<T> &b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (!(a[i] == b[i]))
            return false;
    }
    return true;
}

} // namespace gb
