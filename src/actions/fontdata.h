#pragma once

#include "platform/table/value.h"

#include <QString>

#include <cstdint>

namespace gb {

// The program's one font description: the font the user chose for overlay text, sheet and
// print captions or gallery pages. Stored in settings arrays as six elements in this
// order: face, size, bold, italic, underline, colour number (red + green * 256 + blue *
// 65536). The size is an HTML font size 1 to 7 for gallery pages and a size in points (or
// pixels, where the caller says so) elsewhere. A default FontData is the font the picker
// starts from when a caller has none: "Verdana", 10, plain, black.
struct FontData {
    QString face = QStringLiteral("Verdana");
    int size = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    uint32_t color = 0;

    Value toValue() const;
    // Reads a stored record: an element of the wrong type, a missing element or a colour
    // outside 0..16777215 gives that element's default, so a damaged record still reads
    // as a whole font.
    static FontData fromValue(const Value &record);
    bool operator==(const FontData &other) const = default;
};

} // namespace gb
