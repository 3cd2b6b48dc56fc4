#include "app/splashscreen.h"

#include "resources/resourceclasses.h"
#include "common/dialogunits.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QThread>
#include <QTimerEvent>

namespace gb {

SplashScreen::SplashScreen(QWidget *owner)
    : QDialog(owner, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("SplashScreen"));
    setAttribute(Qt::WA_DeleteOnClose);
    const DialogUnits du = DialogUnits::setUp(this, 228, 111);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    auto *picture = new QLabel(this);
    picture->setGeometry(du.rect(2, 2, 224, 107));
    picture->setAlignment(Qt::AlignCenter);
    picture->setPixmap(SplashBmp().scaled(picture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void SplashScreen::show(int holdMs)
{
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::show();
    raise();
    mTimer = startTimer(5000);
    QApplication::processEvents();
    if (holdMs > 0)
        QThread::msleep(holdMs);
}

void SplashScreen::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != mTimer)
        return QDialog::timerEvent(event);
    killTimer(mTimer);
    mTimer = 0;
    close();
}

} // namespace gb
