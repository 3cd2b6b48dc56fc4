#include "catalog/repairarchwin.h"

#include "catalog/archivestruct.h"
#include "catalog/catalogpaths.h"
#include "common/collectdatawin.h"
#include "common/messages.h"
#include "common/uiseam.h"

#include <QProgressBar>

namespace gb {

CompactProgressWin::CompactProgressWin(QWidget *owner, const QString &caption, bool abortable)
    : mOwner(owner), mCaption(caption), mAbortable(abortable)
{
}

CompactProgressWin::~CompactProgressWin() = default;

void CompactProgressWin::start(int records)
{
    mWin = std::make_unique<CollectDataWin>(mOwner);
    mWin->setWindowTitle(mCaption);
    if (mAbortable)
        mWin->showAbort();
    mWin->pb()->setRange(1, qMax(1, records));
    mWin->pb()->setValue(1);
    mWin->show();
}

void CompactProgressWin::advance()
{
    if (mWin)
        mWin->pb()->setValue(mWin->pb()->value() + 1);
}

void CompactProgressWin::finish()
{
    // Ended rather than closed: closing asks the question of the Abort button.
    if (mWin)
        mWin->done(1);
}

bool repairArch(QWidget *owner, const QString &stem)
{
    CompactProgressWin progress(owner);
    return repairArch(owner, stem, progress);
}

void compactArchiveCommand(QWidget *owner)
{
    const QStringList chosen = ui().openFileNames(owner, QStringLiteral("Compact archive database"), QString(),
                                                  {QStringLiteral("archive database (*.dbf)")}, nullptr, false);
    if (chosen.isEmpty())
        return;
    const QString stem = catalogStem(chosen.first());
    if (isArchiveOpen(stem)) {
        warningMsg(owner, QStringLiteral("This archive is opened."));
        return;
    }
    repairArch(owner, stem);
}

} // namespace gb
