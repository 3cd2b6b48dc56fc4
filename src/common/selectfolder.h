#pragma once

#include <QString>

class QWidget;

namespace gb {

// The browse-for-folder dialog (through the UI seam) opened on the start folder with the
// title above its tree. Returns the chosen folder without a final "/" as the dialog gives
// it, or the empty text when cancelled or when the choice is no existing folder.
QString directoryPicker(QWidget *owner, const QString &title, const QString &startFolder);

// Lets the user choose a folder. True with *folder the choice ending in exactly one "/"
// (the root stays "/"); false with *folder emptied on Cancel. The reserved number is unused.
bool selectFolder(QWidget *owner, const QString &title, const QString &startFolder, int reserved, QString *folder);

} // namespace gb
