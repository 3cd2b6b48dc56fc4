#pragma once

#include <QString>

namespace gb {

// The file steps under the explorer's and the find dialog's copy, move, rename and remove
// commands. None shows anything: each returns whether it worked and leaves the system's
// own words for the failure in *error, which the window puts after "Error: ".
//
// Nothing is ever half-written or lost: a copy is written beside its target and renamed into
// place only when complete; a move is a rename on one file system, and across file systems
// a copy followed by the removal of the source only once the copy is in place; a file is
// never copied or moved onto itself. The part-copy is a Leftover::Copy of this process, so
// the next copy or move into its folder removes it when a kill cut the copy short.

// The line the file commands end their messages with: a line break, "Error: " and the text.
QString errorSuffix(const QString &systemText);

// The path a copy or move of source into folder (ending in "/") takes: the folder, then the
// source's name with its extension.
QString targetInFolder(const QString &source, const QString &folder);

// Whether source and target name one existing file, however spelled (a copy or move into the
// folder that holds it); *error then says so, in the words the copy and move fail with.
bool isSameFile(const QString &source, const QString &target, QString *error);

// Copies a regular file. With replace, an existing target is replaced (only once the copy is
// complete); without, an existing target makes it fail and stay as it was. The copy keeps the
// source's permissions and last-write time, as the system copy of a file manager does.
bool copyImageFile(const QString &source, const QString &target, bool replace, QString *error);

// How a move ended.
enum class MoveOutcome {
    Moved,      // the file is at the target and gone from the source
    NotMoved,   // nothing changed
    SourceKept, // moved across file systems, but the source could not be removed: both stay
};

// Moves a file to a target that must not exist (an existing target makes it fail).
MoveOutcome moveImageFile(const QString &source, const QString &target, QString *error);

// Deletes a file for good (no waste bin). Folders are refused.
bool removeImageFile(const QString &path, QString *error);

// Gives a file a new name in its own folder without replacing another file.
bool renameImageFile(const QString &oldPath, const QString &newPath, QString *error);

// For tests on a machine with a single file system: every move then takes the way across
// file systems, as if the rename had been refused with EXDEV.
void setMovesCrossDeviceForTests(bool on);

} // namespace gb
