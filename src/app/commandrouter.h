#pragma once

#include <QString>

class QObject;

namespace gb {

// Carries a command name to the method that handles it.
//
// A command goes to the window that owns the menu (or shows the context menu), then to its
// owner, and so on up to the main window: the first object in that chain that has a public
// slot or invokable method without arguments whose name equals the command name, ignoring
// letter case ("BROWSEIMAGES" reaches browseImages()), runs it. An object's owner is the
// object named by its "gbOwner" property when it has one, else its parent; the fallback
// (usually the main window) is tried last. An object with an invokable
// bool commandAvailable(QString) handles only the commands for which it answers true.
class CommandRouter
{
public:
    // The object that would handle the command, or null when none in the chain does.
    static QObject *findHandler(QObject *origin, const QString &command, QObject *fallback = nullptr);
    // Runs the command; false when nothing handles it.
    static bool dispatch(QObject *origin, const QString &command, QObject *fallback = nullptr);
    // Whether this one object has a handler for the command.
    static bool handles(const QObject *object, const QString &command);
    // The owner of an object in the sense above.
    static QObject *ownerOf(const QObject *object);
};

} // namespace gb
