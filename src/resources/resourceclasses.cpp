#include "resources/resourceclasses.h"

#include <QFile>

static void initResources()
{
    Q_INIT_RESOURCE(glimmerbox);
}

namespace gb {

QPixmap resourceBitmap(const QString &name)
{
    static const bool loaded = (initResources(), true);
    Q_UNUSED(loaded);
    const QString upper = name.toUpper();
    for (const char *folder : {":/icons/", ":/cursors/", ":/bitmaps/", ":/strips/"}) {
        const QString path = QLatin1String(folder) + upper + QStringLiteral(".png");
        if (QFile::exists(path))
            return QPixmap(path);
    }
    return {};
}

QList<QPixmap> toolbarStrip(const QString &name)
{
    const QPixmap strip = resourceBitmap(name);
    QList<QPixmap> images;
    for (int x = 0; x + 16 <= strip.width(); x += 16)
        images << strip.copy(x, 0, 16, 16);
    return images;
}

} // namespace gb
