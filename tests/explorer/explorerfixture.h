#pragma once

#include "explorer/fileexplorer.h"
#include "support/modal.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QDialog;

#include <ostream>

// Readable texts in test failures.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace gbtest {


// Writes a PNG of one colour; false when it could not.
bool writePng(const QString &path, int width = 32, int height = 24);

// Every file of a folder with its bytes, for checking that nothing changed.
QMap<QString, QByteArray> snapshot(const QString &folder);

// An explorer without owner (or with one) listing the folder, shown, nothing selected.
std::unique_ptr<gb::FileExplorer> explorerOn(const QString &folder, QWidget *owner = nullptr);
// Toggles the selection of the files with these captions.
void select(gb::FileExplorer &explorer, const QStringList &captions);

// A folder that nobody may write to (nor delete from), holding the given files: a read-only
// file system when the tests run as root (who may write anywhere else), else a folder
// without write permission. ok() is false when the machine cannot make one.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(const QMap<QString, QByteArray> &files);
    ~ReadOnlyFolder();
    bool ok() const { return mOk; }
    QString path() const { return mPath; } // ends with "/"

private:
    QString mPath;
    bool mMounted = false;
    bool mOk = false;
};

} // namespace gbtest
