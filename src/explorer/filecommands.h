#pragma once

#include <QStringList>

class QWidget;

namespace gb {

// The copy, move and remove loops that the explorer and the find dialog share. Each reports
// every failure in its own box (the text ends with the system's reason) and goes on with the
// next file; nothing is undone. A file whose target exists is done only when the user agrees
// to replace it ("File : " + target + " exist and will be overwritten."); a file that would be
// its own target (copied or moved into its own folder) is refused at once, without that
// question. Each first removes the part-copies that a killed copy or move left in folder.

// Copies the files into folder (ending in "/"); the number copied.
int copyFilesInto(QWidget *owner, const QStringList &files, const QString &folder);
// Moves the files into folder; the number that left their source.
int moveFilesInto(QWidget *owner, const QStringList &files, const QString &folder);
// Deletes the files for good, without asking; the number deleted.
int removeFilesNow(QWidget *owner, const QStringList &files);

// The question asked before a file is replaced; true on Yes.
bool confirmOverwrite(QWidget *owner, const QString &target);

} // namespace gb
