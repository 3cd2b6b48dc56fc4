#pragma once

#include "batch/batchcommand.h"

#include <QString>

namespace gb {

// The several-line text that a script page's details box shows for one command: "Action: "
// and the command's name, a blank line, then one labelled line per parameter in the fixed
// order of its action. Every line ends with CR LF, the last one too. Actions without
// parameters (and the two filter actions, whose filter shows in the name) give the name
// line alone; so do ids of no action. A short or damaged command shows its slot defaults.
QString getCommandInfo(const BatchCommand &command);

// The text of a colour-depth choice: "2 Colors (1 bit)", "16 Colors (4 bits)", "64 Colors
// (6 bits)", "256 Colors (8 bits)", "16 Million (24 bits)" for codes 1..5, the user's count
// as decimal text for code 6, "" for any other code.
QString returnNoOfColors(int code, int count);

} // namespace gb
