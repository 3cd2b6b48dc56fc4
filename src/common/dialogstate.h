#pragma once

class QCoreApplication;

namespace gb {

// Keeps every dialog of the application in its normal state. Some window managers (openbox)
// draw minimise and maximise buttons on dialogs whatever the window's hints ask for: a
// minimised modal dialog would leave the program waiting on a window out of sight, and a
// maximised one would spread a fixed layout over the screen. A dialog that is minimised or
// maximised is put back at once; full-screen windows are left alone. Install it once, on
// the application object.
void keepDialogsNormal(QCoreApplication *app);

} // namespace gb
