#include "common/messages.h"

#include "common/safefile.h"
#include "common/uiseam.h"

#include <QFile>
#include <QFileInfo>

namespace gb {

void errorMsg(QWidget *owner, const QString &text)
{
    ui().errorBox(owner, text);
}

void warningMsg(QWidget *owner, const QString &text)
{
    ui().textBox(owner, QStringLiteral("Warning"), text, UiSeam::IconInformation);
}

void infoMessage(QWidget *owner, const QString &text)
{
    ui().textBox(owner, QStringLiteral("Info"), text, UiSeam::IconInformation);
}

void errMessage(QWidget *owner, const QString &text)
{
    ui().textBox(owner, QStringLiteral("Info"), text, UiSeam::IconStop);
}

bool confirmDelete(QWidget *owner, const QString &text)
{
    return ui().textBox(owner, QStringLiteral("Warning!"), text, UiSeam::YesNo | UiSeam::IconExclamation)
           == UiSeam::ResultYes;
}

QString boxText(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) {
            shown += c;
            continue;
        }
        shown += QLatin1Char('\n');
        // The other character of a CR LF or LF CR pair belongs to the same break.
        const QChar other = c == QLatin1Char('\r') ? QLatin1Char('\n') : QLatin1Char('\r');
        if (i + 1 < text.size() && text.at(i + 1) == other)
            ++i;
    }
    return shown;
}

bool safeCopy(const QString &source, const QString &target, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return fail(in.errorString());
    if (sameFile(source, target))
        return fail(QStringLiteral("Source and target are the same file"));

    PendingFile out(target);
    if (!out.isOpen())
        return fail(out.errorString());
    char buffer[1 << 16];
    for (;;) {
        const qint64 n = in.read(buffer, sizeof buffer);
        if (n < 0)
            return fail(in.errorString());
        if (n == 0)
            break;
        if (!out.write(buffer, n))
            return fail(out.errorString());
    }
    if (!out.commit(PendingFile::Replace::IfFound, true))
        return fail(out.errorString());
    // A copy keeps the source's permissions, as a file manager's copy does.
    QFile::setPermissions(target, QFileInfo(source).permissions());
    return true;
}

void go2Url(QWidget *owner, const QString &address)
{
    if (!ui().hasBrowser()) {
        ui().errorBox(owner, QStringLiteral("Default internet browser not found!"));
        return;
    }
    ui().openUrl(owner, address, [](QWidget *stillOpen) {
        ui().errorBox(stillOpen, QStringLiteral("Web page not opened - URL failed"));
    });
}

} // namespace gb
