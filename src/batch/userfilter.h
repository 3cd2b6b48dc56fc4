#pragma once

// The filter records belong with the image operations and their dialogs; this name stays
// for code that still includes it from here.
#include "actions/userfilter.h"
