#pragma once

#include "common/value.h"

#include <QString>

#include <cstdint>

namespace gb {

// A FONTDATA record of the contact-sheet and print settings: face, size, bold, italic,
// underline, colour (red + green * 256 + blue * 65536). The size counts as points or as a
// pixel height depending on who draws with it.
struct FontData
{
    QString face;
    double size = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    uint32_t color = 0;

    bool operator==(const FontData &) const = default;

    // The six-element array the settings store.
    Value toValue() const;
    // Reads a stored array: a missing element, or one of the wrong type, takes the
    // fallback's; a value that is not an array gives the fallback whole.
    static FontData fromValue(const Value &value, const FontData &fallback);
};

} // namespace gb
