#pragma once

#include "platform/table/value.h"

#include <QString>
#include <QStringList>

namespace gb {

// The rename-script engine: computes the new names that a script of insert, delete, replace
// and letter-case commands gives a list of files. It touches nothing on disk; the renamer
// window's preview and its Do It both call rename() with the same script and list, so the
// preview shows exactly the names the files then get (renameNoReplace() in saferename.h does
// the renaming).
//
// The script is an array of command records {kind, parameters} (renamecommand.h) that run in
// array order, each on the base name the commands before it left. The folder and the
// extension never pass through a command. Paths use "/" between folders.
//
// Nothing is refused: a command of an unknown kind is skipped, and a mode, occurrence or
// casing code outside its list leaves the name unchanged. Two files may get one new name and
// a name may come out empty; the renaming reports such names, the engine does not.
class Renamer
{
public:
    Renamer() = default;
    explicit Renamer(ValueArray script) : mData(std::move(script)) {}

    // The script (what the settings database stores for the renamer). The script page edits
    // the job's own array through the second accessor, so every change is the job's at once.
    const ValueArray &data() const { return mData; }
    ValueArray &data() { return mData; }
    void setData(ValueArray script) { mData = std::move(script); }

    // The new full path of every path, in the same order: its folder + applyScript() of its
    // file name with the path's 1-based position in the list as index.
    QStringList rename(const QStringList &paths) const;

    // The file name (no folder) after every command of the script; index numbers the file.
    QString applyScript(const QString &fileName, int index) const;

    // One command's operation on a base name, with its parameter array and the file's index.
    static QString insertChars(const QString &baseName, const ValueArray &data, int index);
    static QString deleteChars(const QString &baseName, const ValueArray &data, int index);
    static QString replaceChars(const QString &baseName, const ValueArray &data, int index);
    static QString changeCase(const QString &baseName, const ValueArray &data, int index);

    // The parts of a path, each found from the right: the folder up to and including the
    // last "/" (empty without one), the file name after it (the whole path without one),
    // the base name before the file name's last "." (the whole name without one) and the
    // extension from that "." on (empty without one).
    static QString extractPath(const QString &path);
    static QString extractFile(const QString &path);
    static QString fileWithoutExtension(const QString &fileName);
    static QString fileExtension(const QString &fileName);

private:
    ValueArray mData;
};

} // namespace gb
