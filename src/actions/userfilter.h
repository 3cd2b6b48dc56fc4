#pragma once

#include "common/value.h"

#include <QString>

#include <array>

namespace gb {

// A user's 3 x 3 matrix filter, as stored in the settings database (category "2") and
// carried whole inside "Apply Filter" commands. Stored layout, a 7-element array:
//   1 the nine coefficients, row by row (element 5 the centre), doubles
//   2, 3, 4 red, green, blue channel switches (logical)
//   5 "Zero non participated channels" (logical)
//   6 "Use Feedback" (logical)
//   7 the factor (double)
// A default-constructed filter is the one a new filter starts as: nine zeros, all three
// channels, no zeroing, no feedback, factor 1.
struct UserFilter {
    std::array<double, 9> coefficients{};
    bool red = true;
    bool green = true;
    bool blue = true;
    bool zeroOthers = false;
    bool feedback = false;
    double factor = 1.0;

    Value toValue() const;
    // Reads a stored record. A record that is not an array, is short, or holds a value of
    // the wrong type in some element gives the default of that element, so a damaged
    // record always reads as a whole filter.
    static UserFilter fromValue(const Value &record);
    bool operator==(const UserFilter &other) const = default;
};

// A user's 7 x 7 convolution filter (category "3"), carried in "Apply Convolution Filter"
// commands. Stored layout, a 2-element array: 1 the 49 coefficients row by row (element
// 25 the centre), 2 the level (double). New filters: 49 zeros, level 1.
struct UserConvFilter {
    std::array<double, 49> coefficients{};
    double level = 1.0;

    Value toValue() const;
    // As UserFilter::fromValue; coefficients past the 49th are ignored.
    static UserConvFilter fromValue(const Value &record);
    bool operator==(const UserConvFilter &other) const = default;
};

// The description a filter is stored and named under: the typed text without leading and
// trailing blanks, or "Without Description" when that leaves nothing.
QString userFilterDescription(const QString &typed);

} // namespace gb
