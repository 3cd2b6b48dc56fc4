#pragma once

#include <QString>

class QWidget;

namespace gb {

// Stores where a window stands, for its next opening: "<prefix>X", "Y", "W", "H", "Zoomed" and
// "Iconic" in the "Window" section of the registry. Inside the MDI area that is the frame
// around the window; a maximised or minimised window keeps its normal size.
void saveWindowPlacement(QWidget *window, const QString &prefix);

} // namespace gb
