#pragma once

// Helpers for tests that drive whole windows inside the main window.

#include <QApplication>
#include <QScreen>
#include <QTest>

namespace gbtest {

// Lets every pending pass, layout and deferred deletion run.
inline void settle()
{
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// With GB_SHOTS set to a folder, and a real display, the screen as it stands is saved there
// under this name, for a person to look at.
inline void look(const QString &name)
{
    const QString dir = qEnvironmentVariable("GB_SHOTS");
    if (dir.isEmpty())
        return;
    for (int i = 0; i < 20; ++i) { // let the window manager and the X server catch up
        QApplication::processEvents();
        QTest::qWait(25);
    }
    if (QScreen *screen = QApplication::primaryScreen())
        screen->grabWindow(0).save(dir + "/" + name + ".png");
}

} // namespace gbtest
