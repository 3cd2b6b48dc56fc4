#pragma once

class QApplication;
class QMainWindow;

namespace gb {

class MainShellWindow;

// Start-up and shut-down of the program.
class App
{
public:
    // Runs the program: builds the shared objects, opens and places the main window with the
    // splash screen over it, writes the registry defaults, and runs the event loop until the
    // main window closes. Returns the exit code.
    static int start(QApplication &app);

    // Places the main window from the "Window" values and shows it maximised: a stored
    // "Zoomed" (2) only maximises; a stored "Iconic" (2) uses (0, 0) and 400 x 400; otherwise
    // the stored origin and size, a width or height of 0 becoming 400. The rectangle set is
    // the window's restore rectangle.
    static void placeMainWindow(QMainWindow &window);

    // The start-up steps after the main window is shown: the registry defaults and the
    // "Folders" option.
    static void writeDefaults();
};

} // namespace gb
