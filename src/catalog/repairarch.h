#pragma once

#include <QString>

class QWidget;

namespace gb {

// What compaction reports while it copies: start() with the record count of the old table
// (deleted records included), advance() once per record walked, finish() when the copy ended.
class CompactProgress
{
public:
    virtual ~CompactProgress() = default;
    virtual void start(int records) = 0;
    virtual void advance() = 0;
    virtual void finish() = 0;
};

// Compacts the catalog stem (its path without extension) in place: copies every live
// record, field by field and in record order, into a fresh catalog stem + "_", then swaps
// the files: the previous backup stem + "$.*" is erased, the catalog's files become the
// new backup and the fresh files take the catalog's names.
//
// The files are swapped only when every record was copied, under a journal (stem + ".swap")
// written before the first rename and removed after the last: a swap cut short (the program
// killed between two renames) is finished by the next openArchive() or repairArch() of the
// catalog (finishInterruptedCompaction()). A rename that fails undoes the renames done
// before it, so the catalog keeps its old files under its own name. Messages
// go to the owner: on success "Compact ended with success." with the backup's file names,
// otherwise "An error occured during this proccess" (after openArchive()'s or
// createNewArchive()'s own). A catalog open in a catalog window is refused with "This
// archive is opened.". Returns true when the catalog was compacted and swapped.
bool repairArch(QWidget *owner, const QString &stem, CompactProgress &progress);

// Ends a compaction of the catalog stem that was cut short between its renames: when its
// journal is there, the swap is finished (or undone where a rename cannot be done) and the
// journal removed. True when there was nothing to end or it was ended.
bool finishInterruptedCompaction(const QString &stem);

namespace archtesting {
// Crash simulation for the tests: after this many further steps of a swap (the journal
// written, each rename, the journal removed) the process ends at once with _exit(77).
// 0 (the default) switches it off.
void exitAfterSwapSteps(int steps);
} // namespace archtesting

} // namespace gb
