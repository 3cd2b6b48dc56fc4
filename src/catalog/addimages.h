#pragma once

#include "catalog/archserver.h"

#include <QStringList>

class QWidget;

namespace gb {

// The window side of an adding run: its progress and its one question. The catalog window
// gives its progress window and label dialog; tests give scripted answers.
class AddImagesHost
{
public:
    virtual ~AddImagesHost() = default;
    // The run starts over that many files.
    virtual void start(int files) {}
    // One more file was handled (its record, if any, is on disk).
    virtual void advance() {}
    virtual void finish() {}
    // The label for a drive whose volume has none; empty when the user stopped the run.
    virtual QString askLabel(const QString &driveRoot) = 0;
    // Called while the run waits for pictures being decoded, and between files at least
    // every few tens of milliseconds, so the window can repaint and its Abort be pressed.
    virtual void idle() {}
};

struct AddImagesResult
{
    int added = 0;
    int refreshed = 0;
    int skipped = 0;
    QStringList errors;
    bool aborted = false; // the user pressed Abort
};

// Adds image files (full paths, handled in this order) to the catalog. For each file: its
// drive's media kind and volume label are read (asked for through the host when the volume
// has none); a file already catalogued is skipped unless refresh is set, when its date,
// size, dimensions and thumbnail are written again and its comment emptied (its keywords
// stay); otherwise a new record is appended. A file whose thumbnail cannot be made joins
// the error list and is never counted.
//
// A drive of no known kind ("Unknown media type for drive " + drive) or a stopped label
// question or an Abort (glAbortBatch set while the run serves events; both "Procedure has
// been stoped by the user", and an Abort sets aborted) or a record that cannot be appended
// ("Failed to append database record") ends the run with that error box; what was written
// before stays, whole and in the index: an Abort stops before the next file, once the record
// being made is written. Every record is on disk once the host heard of it, so a run killed
// half-way leaves every reported record readable. The run clears glAbortBatch when it starts
// and gives back the value it found when it ends.
//
// Pictures are decoded on up to threads worker threads (0: one per core) ahead of the file
// being written; records are still written one by one, in the order of the list.
AddImagesResult addGroupOfImages(QWidget *owner, ArchServer &server, const QStringList &files, bool refresh,
                                 AddImagesHost &host, int threads = 0);

// The closing summary: "<n> file(s) added", "<n> file(s) refreshed" and "<n> file(s) skipped
// (refresh flag was off)" for the counters above 0, each followed by "\n\r"; empty
// when all three are 0.
QString addImagesSummary(const AddImagesResult &result);

} // namespace gb
