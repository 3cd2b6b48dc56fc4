#pragma once

#include "common/safefile.h" // noReplaceRename()

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace gb {

// Why the new path that Renamer::rename() made for oldPath cannot be given, before the
// file system is asked: newPath must be oldPath's folder followed by the new file name. The
// new name is refused when it holds a "/" (a script that inserted a "/" would otherwise move
// the file into another folder), when it is empty, "." or "..", and when nothing stands
// before its extension (".jpg" is a hidden name here: to the user the file would be gone).
// The empty text when the name may be tried; whether it is free is not looked at.
QString newNameProblem(const QString &oldPath, const QString &newPath);

// Gives the file at oldPath a new name in its own folder, never replacing another file.
//
// A name that newNameProblem() refuses is not tried. The rename itself
// is atomic and fails when a file of the new name exists, except when that name is the
// same file (the old name itself, or a case-only change on a file system that ignores
// case). Returns false, with *error naming what failed, and leaves both files as they were.
bool renameNoReplace(const QString &oldPath, const QString &newPath, QString *error = nullptr);

// The counts of one renaming run.
struct RenameOutcome
{
    int processed = 0;
    int succeeded = 0;
    int failed = 0;
    QStringList errors; // one sentence per failed file, in list order

    // The closing message of a run: the processed and succeeded counts, and the failed
    // count only when some failed.
    QString message() const;
};

// Renames oldPaths[i] to newPaths[i] with renameNoReplace(), in list order, going on after
// a failure and undoing nothing. A chain of names thus depends on the order: a file that is
// to take the present name of a later file fails while that file still holds it.
RenameOutcome renameAll(const QStringList &oldPaths, const QStringList &newPaths);

} // namespace gb
