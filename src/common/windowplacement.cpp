#include "common/windowplacement.h"

#include "common/registry.h"

#include <QMdiSubWindow>

#include <algorithm>

namespace gb {

QWidget *windowFrame(QWidget *window)
{
    return qobject_cast<QMdiSubWindow *>(window->parentWidget()) ? window->parentWidget() : window;
}

void closeWindowFrame(QWidget *window)
{
    windowFrame(window)->close();
}

void saveWindowPlacement(QWidget *window, const QString &prefix)
{
    QWidget *frame = windowFrame(window);
    const QString section = QStringLiteral("Window");
    const QRect normal = frame->isMaximized() || frame->isMinimized() ? frame->normalGeometry() : frame->geometry();
    const QRect place = normal.isValid() ? normal : frame->geometry();
    kvtSetRtRegInt(section, prefix + QStringLiteral("X"), std::max(0, frame->x()));
    kvtSetRtRegInt(section, prefix + QStringLiteral("Y"), std::max(0, frame->y()));
    kvtSetRtRegInt(section, prefix + QStringLiteral("W"), place.width());
    kvtSetRtRegInt(section, prefix + QStringLiteral("H"), place.height());
    kvtSetRtRegInt(section, prefix + QStringLiteral("Zoomed"), frame->isMaximized() ? kRegYes : kRegNo);
    kvtSetRtRegInt(section, prefix + QStringLiteral("Iconic"), frame->isMinimized() ? kRegYes : kRegNo);
}

} // namespace gb
