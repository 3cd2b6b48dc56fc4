#pragma once

#include "actions/fontdata.h"
#include "platform/table/value.h"

#include <QString>

#include <vector>

namespace gb {

// Reading the settings array of a job slot by slot (slots numbered from 1), each checked
// against the type of its default, so that an array loaded from a damaged record reads as
// the default wherever it is short or holds the wrong kind of value.
namespace settingslots {

// Appends the defaults of the slots the array lacks.
void padWithDefaults(ValueArray &data, const ValueArray &defaults);
int intAt(const ValueArray &data, const ValueArray &defaults, int slot);
bool boolAt(const ValueArray &data, const ValueArray &defaults, int slot);
QString textAt(const ValueArray &data, const ValueArray &defaults, int slot);
// A font record; a slot that is not an array reads as the default font.
FontData fontAt(const ValueArray &data, const ValueArray &defaults, int slot);
// A list of IMAGEVARCODE numbers; an element that is not a number counts as code 0 (a
// line without text), a slot that is not an array as the default list.
std::vector<int> codesAt(const ValueArray &data, const ValueArray &defaults, int slot);
Value codesValue(const std::vector<int> &codes);

} // namespace settingslots
} // namespace gb
