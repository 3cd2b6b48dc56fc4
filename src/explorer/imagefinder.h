#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>

namespace gb {

// What the find dialog looks for.
struct FindCriteria
{
    QString lookInFolder;        // ends with "/"
    bool lookInSubfolders = false;
    QStringList imageTypes;      // upper-case extensions: "BMP", "JPG", ...
    QString includeInFile;       // text the name must hold (letter case counts); empty: any
    QString excludeFromFile;     // text the name must not hold; empty: none
    qint64 minFileSize = 0;      // kb; the size must be greater; 0: no lower bound
    qint64 maxFileSize = 0;      // kb; the size must not be greater; 0: no upper bound
    QDate modAfter;              // last change after this day (not on it); invalid: any
    QDate modBefore;             // last change on or before this day; invalid: any
};

// Whether a file passes the criteria, tested in the order: extension (exactly one of the
// types, ignoring case), include text, exclude text, minimum, maximum, after, before.
// sizeBytes is counted in whole kb (remainder dropped); day is the last-write day YYYYMMDD.
bool matchesFindCriteria(const FindCriteria &criteria, const QString &name, qint64 sizeBytes, const QString &day);

// A search of a folder (and, when asked, every folder below it, depth first) for files that
// pass the criteria. Every entry of every folder searched counts as searched, "." and ".."
// included. Symbolic links to folders are never followed, and folders that are mount points
// of pseudo file systems are not entered.
//
// The search calls its owner back: when it enters a folder, for every match (full path), and
// about every 25 ms with the counts so far, so that a window can repaint and serve its
// events; a false answer from that call stops the search.
class ImageFinder
{
public:
    std::function<void(const QString &folder)> folderEntered;
    std::function<void(const QString &path)> found;
    std::function<bool(qint64 searched, qint64 found)> progress;

    // Runs the search; false when progress() stopped it.
    bool run(const FindCriteria &criteria);

    qint64 searched() const { return mSearched; }
    qint64 foundCount() const { return mFound; }

private:
    bool search(const QByteArray &folder, dev_t device);
    bool tick();

    FindCriteria mCriteria;
    QList<QByteArray> mTypes;
    bool mNeedStat = false;
    QString mAfter, mBefore;
    qint64 mSearched = 0;
    qint64 mFound = 0;
    qint64 mNextTick = 0;
    bool mStopped = false;
};

} // namespace gb
