#pragma once

#include "platform/table/value.h"
#include "platform/table/fieldspec.h"

#include <QByteArray>

#include <cstdint>

namespace gb {

// Turns the bytes of a non-memo field of a dBASE record into values and back.
//
// Character fields hold UTF-8 text, blank-padded (read back with the padding). Numbers are
// right-aligned decimal text with the field's decimals; one too wide for its field is
// written as asterisks, as dBASE does, and reads as 0, like any other unreadable number.
// Dates are YYYYMMDD (blank: the null date); logical fields "T" or "F". Memo fields hold
// the number of their first memo block as right-aligned digits.
namespace fieldcodec {

Value decode(const FieldSpec &field, const QByteArray &raw);
QByteArray encode(const FieldSpec &field, const Value &value);

// Text fitted to width bytes: UTF-8, cut on a character boundary, blank-padded.
QByteArray fitToWidth(const QString &text, int width);
// The stored bytes of a character field (UTF-8, blank-padded) with their letters case-folded,
// fitted to width again: the key part of a LOWER(FIELD) order. Folding may change a
// character's length in bytes; the result is always width bytes.
QByteArray foldCase(QByteArrayView stored, int width);

// The memo block a memo field points to; 0 for none or for anything that is not a number.
uint32_t memoBlock(const QByteArray &raw);
QByteArray memoPointer(uint32_t block, int width);

} // namespace fieldcodec
} // namespace gb
