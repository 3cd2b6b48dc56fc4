#include "catalog/repairarch.h"

#include "catalog/archivestruct.h"
#include "catalog/openarchive.h"
#include "common/messages.h"
#include "common/safefile.h"

#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace gb {

namespace {

// Copies every live record of old into fresh; false when any record could not be copied.
bool copyRecords(ArchServer &old, ArchServer &fresh, CompactProgress &progress)
{
    progress.start(int(old.recCount()));
    bool complete = true;
    old.setOrder(0);
    for (old.goTop(); !old.eof(); old.skip()) {
        progress.advance();
        if (!fresh.append()) {
            complete = false;
            continue;
        }
        for (const FieldSpec &field : gaArchiveStruct())
            complete = fresh.fieldPut(field.name, old.fieldGet(field.name)) && complete;
    }
    complete = fresh.commit() && complete;
    fresh.close();
    progress.finish();
    return complete;
}

const char *const kExtensions[] = {".dbf", ".cdx", ".fpt"};

int gExitAfterSwapSteps = 0;

// Each finished step of a swap passes here; the tests end the process after a chosen one.
void swapStepDone()
{
    if (gExitAfterSwapSteps > 0 && --gExitAfterSwapSteps == 0)
        ::_exit(77);
}

QByteArray encoded(const QString &path) { return QFile::encodeName(path); }

bool exists(const QString &path) { return QFileInfo::exists(path); }

// rename(2) replaces a file of the target name in one step: an old backup goes as the new
// one arrives.
bool renameStep(const QString &from, const QString &to)
{
    if (::rename(encoded(from).constData(), encoded(to).constData()) != 0)
        return false;
    swapStepDone();
    return true;
}

// One file of the catalog under its three names: its own, the compacted copy's and the backup's.
struct SwapNames
{
    QString current, fresh, backup;
};

SwapNames swapNames(const QString &stem, const char *ext)
{
    return {stem + QLatin1String(ext), stem + QStringLiteral("_") + QLatin1String(ext),
            stem + QStringLiteral("$") + QLatin1String(ext)};
}

// The swap, file by file: the catalog's file becomes the backup, the fresh file takes the
// catalog's name. Each file's state is known from which of the three names exist, so the
// same walk finishes a swap that was cut short anywhere.
bool rollForward(const QString &stem)
{
    for (const char *ext : kExtensions) {
        const auto [current, fresh, backup] = swapNames(stem, ext);
        if (!exists(fresh))
            continue; // swapped already
        if (exists(current) && !renameStep(current, backup))
            return false;
        if (!renameStep(fresh, current))
            return false;
    }
    return true;
}

// Undoes what rollForward() did, file by file: the fresh files get their names back and
// the backups become the catalog again.
bool rollBack(const QString &stem)
{
    bool ok = true;
    for (const char *ext : kExtensions) {
        const auto [current, fresh, backup] = swapNames(stem, ext);
        if (!exists(fresh) && exists(current) && !renameStep(current, fresh)) {
            ok = false;
            continue;
        }
        if (!exists(current) && exists(backup) && !renameStep(backup, current))
            ok = false;
    }
    return ok;
}

QString journalOf(const QString &stem) { return stem + QStringLiteral(".swap"); }

// Ends a swap whose journal is there: finishes it, or undoes it when a rename cannot be
// done, then removes the journal. False when neither worked.
bool settleSwap(const QString &stem)
{
    bool ok = rollForward(stem);
    if (!ok)
        rollBack(stem);
    syncFolderToDisk(stem);
    if (!QFile::remove(journalOf(stem)))
        return false;
    swapStepDone();
    syncFolderToDisk(stem);
    return ok;
}

// Swaps the complete fresh catalog in: its files are made durable, the journal is written
// (from then on any open finishes the swap), the files are renamed, the journal goes.
bool swapIn(const QString &stem)
{
    for (const char *ext : kExtensions) {
        if (!syncFileToDisk(stem + QStringLiteral("_") + QLatin1String(ext)))
            return false;
    }
    QFile journal(journalOf(stem));
    if (!journal.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || journal.write("Compaction of " + encoded(stem) + " swaps " + encoded(stem) + "_.* in\n") < 0
        || !journal.flush() || ::fsync(journal.handle()) != 0) {
        journal.remove();
        return false;
    }
    journal.close();
    syncFolderToDisk(stem);
    swapStepDone();
    return settleSwap(stem);
}

} // namespace

void archtesting::exitAfterSwapSteps(int steps)
{
    gExitAfterSwapSteps = steps;
}

bool finishInterruptedCompaction(const QString &stem)
{
    if (!exists(journalOf(stem)))
        return true;
    return settleSwap(stem);
}

bool repairArch(QWidget *owner, const QString &stem, CompactProgress &progress)
{
    if (isArchiveOpen(stem)) {
        warningMsg(owner, QStringLiteral("This archive is opened."));
        return false;
    }
    // Opening ends a compaction cut short before, so the copy starts from whole files.
    const QString fresh = stem + QStringLiteral("_");
    const QString backup = stem + QStringLiteral("$");
    bool ok = false;
    if (auto old = openArchive(owner, stem)) {
        if (auto copy = createNewArchive(owner, fresh))
            ok = copyRecords(*old, *copy, progress);
        old->close();
    }
    if (ok) {
        for (const char *ext : kExtensions) {
            if (QFile::exists(backup + QLatin1String(ext)))
                QFile::remove(backup + QLatin1String(ext));
        }
        ok = swapIn(stem);
    }
    if (!ok) {
        infoMessage(owner, QStringLiteral("An error occured during this proccess"));
        return false;
    }
    const QString lineBreak = QStringLiteral("\n\r");
    infoMessage(owner, QStringLiteral("Compact ended with success.") + lineBreak + QStringLiteral("Old files saved as:")
                           + lineBreak + backup + QStringLiteral(".dbf") + lineBreak + backup + QStringLiteral(".cdx")
                           + lineBreak + backup + QStringLiteral(".fpt"));
    return true;
}

} // namespace gb
