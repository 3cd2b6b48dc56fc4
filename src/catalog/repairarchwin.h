#pragma once

#include "catalog/repairarch.h"

#include <memory>

namespace gb {

class CollectDataWin;

// Compaction's progress shown in a CollectDataWin captioned "Compact Archive ...", its bar
// ranging from 1 to the old table's record count.
class CompactProgressWin : public CompactProgress
{
public:
    // A progress window of that caption over a count of steps; compacting by default, and
    // every other run over a catalog's records or files uses it too. An abortable one has an
    // Abort button that sets glAbortBatch (CollectDataWin::showAbort()).
    explicit CompactProgressWin(QWidget *owner, const QString &caption = QStringLiteral("Compact Archive ..."),
                                bool abortable = false);
    ~CompactProgressWin() override;

    void start(int records) override;
    void advance() override;
    void finish() override;

    CollectDataWin *window() const { return mWin.get(); }

private:
    QWidget *mOwner;
    QString mCaption;
    bool mAbortable;
    std::unique_ptr<CollectDataWin> mWin;
};

// repairArch() with its progress window.
bool repairArch(QWidget *owner, const QString &stem);

// The whole of the main window's Compact command: asks for the catalog with an open-file
// dialog captioned "Compact archive database" (filter "archive database (*.dbf)"), refuses a
// catalog open in a catalog window with the warning "This archive is opened." and compacts
// the others with repairArch(). A cancelled dialog does nothing.
void compactArchiveCommand(QWidget *owner);

} // namespace gb
