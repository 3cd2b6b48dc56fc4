#include "app/helpaboutwin.h"

#include "app/mainshellwindow.h"
#include "resources/resourceclasses.h"
#include "common/dialogunits.h"
#include "common/messages.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>

namespace gb {

namespace {

QLabel *centredText(QWidget *parent, const QRect &place, const QString &text, const QColor &colour, const QFont &font)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(font);
    label->setAutoFillBackground(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    return label;
}

} // namespace

QString HelpAboutWin::emailAddress()
{
    return QStringLiteral("support@glimmerbox.example.org");
}

HelpAboutWin::HelpAboutWin(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("HelpAboutWin"));
    setModal(true);
    const DialogUnits du = DialogUnits::setUp(this, 410, 161);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);

    QFont bold = DialogUnits::dialogFont();
    bold.setBold(true);

    auto *picture = new QLabel(this);
    picture->setGeometry(du.rect(2, 1, 224, 107));
    picture->setPixmap(SplashBmp().scaled(picture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    picture->setAlignment(Qt::AlignCenter);

    const QColor versionColour(255, 236, 160);
    const QColor webColour(160, 220, 255);
    mVersion = centredText(this, du.rect(230, 3, 176, 12), QStringLiteral("Version: 2.1.7"), versionColour, bold);
    mRelease = centredText(this, du.rect(230, 16, 176, 12), QStringLiteral("Release Date: Jan 10, 2002"), versionColour, bold);
    mWebSite = centredText(this, du.rect(229, 46, 176, 12), QStringLiteral("Web Site: ") + MainShellWindow::webAddress(),
                           webColour, bold);
    mEmail = centredText(this, du.rect(229, 59, 176, 12), QStringLiteral("Email: ") + emailAddress(), webColour, bold);

    mVisit = new QPushButton(this);
    mVisit->setGeometry(du.rect(264, 73, 101, 16));
    mVisit->setFlat(true);
    mVisit->setIcon(QIcon(Vws()));
    mVisit->setIconSize(QSize(150, 20));
    mVisit->setToolTip(MainShellWindow::webAddress());
    connect(mVisit, &QPushButton::clicked, this, &HelpAboutWin::pbVisitWeb);

    // A bitmap button shows its bitmap alone: the "x" names it but is not drawn beside it.
    mClose = new QPushButton(this);
    mClose->setAccessibleName(QStringLiteral("x"));
    mClose->setGeometry(du.rect(288, 94, 53, 12));
    mClose->setFlat(true);
    mClose->setIcon(QIcon(CloseBt()));
    mClose->setIconSize(QSize(80, 20));
    connect(mClose, &QPushButton::clicked, this, &HelpAboutWin::pbClose);
    makeEnterButton(mClose);

    mInfo = new QTextEdit(this);
    mInfo->setGeometry(du.rect(2, 111, 405, 48));
    mInfo->setReadOnly(true);
    mInfo->setFont(bold);
    mInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QPalette infoPal = mInfo->palette();
    infoPal.setColor(QPalette::Base, QColor(236, 240, 244));
    infoPal.setColor(QPalette::Text, Qt::black);
    mInfo->setPalette(infoPal);
    const QString crlf = QStringLiteral("\r\n");
    mInfo->setPlainText(QStringLiteral("This program is protected by copyright law and international treaties.") + crlf + crlf
                        + QStringLiteral("Glimmerbox is sold without a guarantee of suitability for any particular need. "
                                         "Users should verify that it meets their requirements before using it in any "
                                         "application."));

    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void HelpAboutWin::pbVisitWeb()
{
    go2Url(this, MainShellWindow::webAddress());
}

void HelpAboutWin::pbClose()
{
    done(1);
}

} // namespace gb
