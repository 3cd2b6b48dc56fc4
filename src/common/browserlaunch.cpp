#include "common/browserlaunch.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <memory>

namespace gb {

namespace {

// The processes started and not yet ended. They are owned here, never by a window: a process
// object that is destroyed kills its process, and a browser must outlive its launch.
QList<QProcess *> &running()
{
    static QList<QProcess *> list;
    return list;
}

// One argument with "%s" replaced by the address and "%%" by "%"; *used tells whether the
// address went in.
QString substitute(const QString &argument, const QString &address, bool *used)
{
    QString out;
    for (qsizetype i = 0; i < argument.size(); ++i) {
        if (argument[i] == QLatin1Char('%') && i + 1 < argument.size()) {
            if (argument[i + 1] == QLatin1Char('s')) {
                out += address;
                *used = true;
                ++i;
                continue;
            }
            if (argument[i + 1] == QLatin1Char('%')) {
                out += QLatin1Char('%');
                ++i;
                continue;
            }
        }
        out += argument[i];
    }
    return out;
}

bool programFound(const QString &program)
{
    if (program.contains(QLatin1Char('/'))) {
        const QFileInfo file(program);
        return file.isFile() && file.isExecutable();
    }
    return !QStandardPaths::findExecutable(program).isEmpty();
}

struct Launch {
    QList<QStringList> commands;
    std::function<void()> failed;
};

void startNext(const std::shared_ptr<Launch> &launch)
{
    if (launch->commands.isEmpty()) {
        if (launch->failed)
            launch->failed();
        return;
    }
    const QStringList command = launch->commands.takeFirst();
    auto *process = new QProcess;
    process->setProgram(command.first());
    process->setArguments(command.mid(1));
    // The browser shares the program's terminal; nothing it writes is kept here, where an
    // unread pipe could fill up and stop it.
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    running() << process;
    const auto ended = [process, launch](bool ok) {
        // Reported once, whichever of the two signals came.
        if (!running().removeOne(process))
            return;
        process->deleteLater();
        if (!ok)
            startNext(launch);
    };
    QObject::connect(process, &QProcess::errorOccurred, process, [ended](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            ended(false);
    });
    QObject::connect(process, &QProcess::finished, process, [ended](int code, QProcess::ExitStatus status) {
        ended(status == QProcess::NormalExit && code == 0);
    });
    process->start();
}

} // namespace

QString browserAddress(const QString &address)
{
    // Web addresses are never taken for paths: only absolute paths are looked up.
    if (!address.startsWith(QLatin1Char('/')))
        return address;
    if (QFileInfo::exists(address))
        return address;
    // A topic of a local page needs a file address: a path would take the "#" for part of
    // the file's name.
    const QString path = address.section(QLatin1Char('#'), 0, 0);
    if (!QFileInfo::exists(path))
        return address;
    QUrl url = QUrl::fromLocalFile(path);
    url.setFragment(address.section(QLatin1Char('#'), 1));
    return url.toString(QUrl::FullyEncoded);
}

QList<QStringList> browserCommands(const QString &address)
{
    QList<QStringList> commands;
    const QString browsers = qEnvironmentVariable("BROWSER");
    for (const QString &line : browsers.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        QStringList command;
        bool used = false;
        for (const QString &argument : QProcess::splitCommand(line))
            command << substitute(argument, address, &used);
        if (command.isEmpty())
            continue;
        if (!used)
            command << address;
        commands << command;
    }
    if (commands.isEmpty())
        commands << QStringList{QStringLiteral("xdg-open"), address};
    return commands;
}

bool browserFound()
{
    for (const QStringList &command : browserCommands(QString()))
        if (programFound(command.first()))
            return true;
    return false;
}

void launchBrowser(const QString &address, std::function<void()> failed)
{
    auto launch = std::make_shared<Launch>();
    launch->commands = browserCommands(browserAddress(address));
    launch->failed = std::move(failed);
    startNext(launch);
}

int browserLaunchesRunning()
{
    return int(running().size());
}

} // namespace gb
