#pragma once

#include <QDialog>

namespace gb {

// The start-up picture: a borderless, topmost window over the main window that shows
// SPLASH_BMP and closes itself 5 seconds after it appeared.
class SplashScreen : public QDialog
{
    Q_OBJECT

public:
    explicit SplashScreen(QWidget *owner);

    // Shows the splash topmost, starts its 5-second timer, lets it paint, and holds the
    // caller for holdMs milliseconds (one second at start-up).
    void show(int holdMs = 1000);
    int timerId() const { return mTimer; }

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    int mTimer = 0;
};

} // namespace gb
