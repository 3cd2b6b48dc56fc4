#pragma once

#include <QString>

class QWidget;

namespace gb {

// Stores where a window stands, for its next opening: "<prefix>X", "Y", "W", "H", "Zoomed" and
// "Iconic" in the "Window" section of the registry. Inside the MDI area that is the frame
// around the window; a maximised or minimised window keeps its normal size.
void saveWindowPlacement(QWidget *window, const QString &prefix);

// The frame a window stands in: its MDI sub-window inside the main window, else the window.
QWidget *windowFrame(QWidget *window);

// Closes a tool window the way its frame's close button does: inside the MDI area the
// sub-window closes with it, so no empty frame stays behind and the main window's own menus
// come back. The window's closeEvent() still runs (and may refuse).
void closeWindowFrame(QWidget *window);

} // namespace gb
