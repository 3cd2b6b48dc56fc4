#include "catalog/repairarch.h"

#include "catalog/archivestruct.h"
#include "catalog/openarchive.h"
#include "common/messages.h"

#include <QFile>

#include <utility>
#include <vector>

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

// Renames in order and stops at the first failure, renaming back what was done before it.
bool renameAll(const std::vector<std::pair<QString, QString>> &renames)
{
    for (size_t i = 0; i < renames.size(); ++i) {
        if (QFile::rename(renames[i].first, renames[i].second))
            continue;
        while (i-- > 0)
            QFile::rename(renames[i].second, renames[i].first);
        return false;
    }
    return true;
}

} // namespace

bool repairArch(QWidget *owner, const QString &stem, CompactProgress &progress)
{
    if (isArchiveOpen(stem)) {
        warningMsg(owner, QStringLiteral("This archive is opened."));
        return false;
    }
    const QString fresh = stem + QStringLiteral("_");
    const QString backup = stem + QStringLiteral("$");
    const char *extensions[] = {".dbf", ".cdx", ".fpt"};
    bool ok = false;
    if (auto old = openArchive(owner, stem)) {
        if (auto copy = createNewArchive(owner, fresh))
            ok = copyRecords(*old, *copy, progress);
        old->close();
    }
    if (ok) {
        for (const char *ext : extensions) {
            if (QFile::exists(backup + QLatin1String(ext)))
                QFile::remove(backup + QLatin1String(ext));
        }
        std::vector<std::pair<QString, QString>> renames;
        for (const char *ext : extensions)
            renames.emplace_back(stem + QLatin1String(ext), backup + QLatin1String(ext));
        for (const char *ext : extensions)
            renames.emplace_back(fresh + QLatin1String(ext), stem + QLatin1String(ext));
        ok = renameAll(renames);
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
