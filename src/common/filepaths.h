#pragma once

#include <QString>

namespace gb {

// Small path, existence and size functions. None keeps state or changes the current folder.

// A line break, "Error: " and the system's text for the last error (errno) of this thread.
QString sdkErrString();

// The short form of a path where the file system has one; this one has none, so the path
// comes back unchanged.
QString convertTo83(const QString &path);

// The text after the last "/"; the whole path when it holds none.
QString extractFileName(const QString &path);

// The file's name (text after its last "/") put into the folder, a "/" added to the folder
// unless it ends with one; an empty folder gives the bare name.
QString changeFilePath(const QString &filePath, const QString &folder);

// Whether a name the user typed for a file (or a part of one: a prefix, a suffix) could put
// the file outside its folder: it holds a "/" (another folder) or ".." (a climb out of it).
// Every tool that writes files refuses such a name before it writes anything.
bool leavesItsFolder(const QString &nameText);

// The system temporary folder with a final "/".
QString getTemporaryDir();

// True when the path names a folder the user may enter.
bool dirExist(const QString &path);

// dirExist() for a path that also ends with "/" (blanks around it ignored): an existing
// folder named without its final "/" gives false.
bool folderExist(const QString &path);

// Makes every missing level of a folder path, outermost first; true when the folder exists
// afterwards. A path that does not begin with "/" is taken from the root. Stops at the first
// level that cannot be made, leaving the levels made before it.
bool createNestedDirs(const QString &path);

// The size of a file in bytes; 0 when it cannot be opened.
qint64 fileSizeB(const QString &path);

// The size in whole kilobytes, a remainder counting as one more; 0 when it cannot be opened.
qint64 fileSizeK(const QString &path);

} // namespace gb
