#include "common/selectfolder.h"

#include "common/filepaths.h"
#include "common/uiseam.h"

namespace gb {

QString directoryPicker(QWidget *owner, const QString &title, const QString &startFolder)
{
    QString chosen = ui().folderName(owner, title, startFolder);
    if (chosen.isEmpty() || !dirExist(chosen))
        return QString();
    while (chosen.size() > 1 && chosen.endsWith(QLatin1Char('/')))
        chosen.chop(1);
    return chosen;
}

bool selectFolder(QWidget *owner, const QString &title, const QString &startFolder, int, QString *folder)
{
    *folder = directoryPicker(owner, title, startFolder);
    if (folder->isEmpty())
        return false;
    if (!folder->endsWith(QLatin1Char('/')))
        *folder += QLatin1Char('/');
    return true;
}

} // namespace gb
