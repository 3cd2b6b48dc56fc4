#pragma once

#include "common/value.h"

class QWidget;

namespace gb {

// Turns the user's choice of an action into a command {id, name, parameters...} for a
// script page's Add (oldParams null) or Edit (oldParams: the step's slots from slot 3 on,
// an empty array for an action without parameters).
//
// - An action with parameters opens its dialog, preset from oldParams (defaults for a new
//   step; a stored step of the wrong shape also opens with the defaults); Apply gives the
//   new command, Cancel an empty array. Blur shows the level dialog as "Blur Image".
// - An action without parameters gives {id, name} at once for Add; for Edit it says "This
//   command has no additional details" and gives an empty array.
// - "Apply Filter" and "Apply Convolution Filter" open the stored filters of their kind;
//   the chosen one makes {id, name + " - " + description, copy of the filter record}.
// - 13, 17 and ids of no action give an empty array without showing anything.
//
// An empty array always means: keep the script as it is. owner owns every window shown.
Value getCommandDetails(QWidget *owner, int id, const Value *oldParams);

} // namespace gb
