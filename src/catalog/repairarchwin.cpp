#include "catalog/repairarchwin.h"

#include "common/collectdatawin.h"

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

} // namespace gb
