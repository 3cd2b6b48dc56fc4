#include "catalog/repairarchwin.h"

#include "catalog/archivestruct.h"
#include "common/collectdatawin.h"
#include "common/messages.h"
#include "common/uiseam.h"

#include <QProgressBar>

namespace gb {

CompactProgressWin::CompactProgressWin(QWidget *owner) : mOwner(owner) {}

CompactProgressWin::~CompactProgressWin() = default;

void CompactProgressWin::start(int records)
{
    mWin = std::make_unique<CollectDataWin>(mOwner);
    mWin->setWindowTitle(QStringLiteral("Compact Archive ..."));
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
    if (mWin)
        mWin->close();
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
    // The stem is the name without its extension; a "." in a folder name is no extension.
    QString stem = chosen.first();
    const int dot = stem.lastIndexOf(QLatin1Char('.'));
    if (dot > stem.lastIndexOf(QLatin1Char('/')))
        stem.truncate(dot);
    if (isArchiveOpen(stem)) {
        warningMsg(owner, QStringLiteral("This archive is opened."));
        return;
    }
    repairArch(owner, stem);
}

} // namespace gb
