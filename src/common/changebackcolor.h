#pragma once

#include <cstdint>

class QWidget;

namespace gb {

// Paints a control's background in one solid colour (a colour number): the colour fields
// of the dialogs are sample controls painted this way. Only the background changes.
void changeBackColor(QWidget *control, uint32_t color);

} // namespace gb
