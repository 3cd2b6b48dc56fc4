#include "app/commandrouter.h"

#include <QHash>
#include <QMetaMethod>
#include <QMetaObject>
#include <QObject>
#include <QVariant>

namespace gb {

namespace {

// Method index by lower-case name, per class; the tables are built once per class.
int methodIndex(const QMetaObject *meta, const QString &command)
{
    static QHash<const QMetaObject *, QHash<QString, int>> cache;
    auto it = cache.find(meta);
    if (it == cache.end()) {
        QHash<QString, int> names;
        for (int i = 0; i < meta->methodCount(); ++i) {
            const QMetaMethod m = meta->method(i);
            if (m.access() != QMetaMethod::Public || m.parameterCount() != 0)
                continue;
            if (m.methodType() != QMetaMethod::Slot && m.methodType() != QMetaMethod::Method)
                continue;
            // Subclasses come later in the list, so their methods win.
            names.insert(QString::fromLatin1(m.name()).toLower(), i);
        }
        it = cache.insert(meta, names);
    }
    return it->value(command.toLower(), -1);
}

} // namespace

QObject *CommandRouter::ownerOf(const QObject *object)
{
    const QVariant owner = object->property("gbOwner");
    if (owner.isValid())
        return owner.value<QObject *>();
    return object->parent();
}

bool CommandRouter::handles(const QObject *object, const QString &command)
{
    if (!object || command.isEmpty() || methodIndex(object->metaObject(), command) < 0)
        return false;
    // A window may have a command's method but not what it needs to run it (a tool that is
    // not in the program); it says so through commandAvailable(QString).
    const int check = object->metaObject()->indexOfMethod("commandAvailable(QString)");
    if (check < 0)
        return true;
    bool available = true;
    object->metaObject()->method(check).invoke(const_cast<QObject *>(object), Qt::DirectConnection,
                                               Q_RETURN_ARG(bool, available), Q_ARG(QString, command));
    return available;
}

QObject *CommandRouter::findHandler(QObject *origin, const QString &command, QObject *fallback)
{
    for (QObject *o = origin; o; o = ownerOf(o)) {
        if (handles(o, command))
            return o;
    }
    return handles(fallback, command) ? fallback : nullptr;
}

bool CommandRouter::dispatch(QObject *origin, const QString &command, QObject *fallback)
{
    QObject *handler = findHandler(origin, command, fallback);
    if (!handler)
        return false;
    const int index = methodIndex(handler->metaObject(), command);
    return handler->metaObject()->method(index).invoke(handler, Qt::DirectConnection);
}

} // namespace gb
