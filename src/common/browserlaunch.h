#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace gb {

// The user's web browser, started the way the desktop's own programs start it: by the
// commands of $BROWSER when it names any (a list separated by ":" of command lines, each tried
// while the one before failed; words in double quotes stay one argument; "%s" in a command
// stands for the address, "%%" for "%", and a
// command without "%s" gets the address as its last argument), else by "xdg-open" with the
// address. Nothing here shows anything; the callers say what failed.

// The address a browser is given: an absolute path as it stands (one argument, spaces and
// all), but a local file with a "#topic" as a file address ("file:///...#topic"); anything
// else as the user wrote it.
QString browserAddress(const QString &address);

// The command lines tried for an address, in order, each as the program and its arguments.
QList<QStringList> browserCommands(const QString &address);

// Whether the program of any of those command lines can be found (on the PATH, or as the
// executable file a command names with its folder).
bool browserFound();

// Starts the browser on an address and returns without waiting for it. The commands are
// tried in turn while the one before could not be started or ended in failure (an exit status
// other than 0, or a crash); when the last one has failed too, failed (may be empty) runs on
// the window's thread, from the event loop or before this returns. A command still running when the program ends is left running (a browser
// that stays in front of its launch is not closed with the program).
void launchBrowser(const QString &address, std::function<void()> failed);

// The commands started by launchBrowser() that have not ended yet.
int browserLaunchesRunning();

} // namespace gb
