#include "catalog/openarchive.h"

#include "catalog/archivestruct.h"
#include "catalog/repairarch.h"
#include "common/messages.h"

#include <QFileInfo>

namespace gb {

namespace {

bool makeOrders(ArchServer &server, const QString &stem)
{
    const QString index = stem + QStringLiteral(".cdx");
    return server.createIndex(index, QStringLiteral("MEDIA + VLABEL + PATH + FILENAME"))
           && server.createOrder(QStringLiteral("VOLUME"), index, QStringLiteral("VLABEL"))
           && server.createOrder(QStringLiteral("MEDIA"), index, QStringLiteral("MEDIA")) && server.setOrder(1);
}

} // namespace

std::unique_ptr<ArchServer> openArchive(QWidget *owner, const QString &stem)
{
    // A compaction killed between its renames leaves its journal: the swap is ended first.
    finishInterruptedCompaction(stem);
    const QString file = stem + QStringLiteral(".dbf");
    if (!QFileInfo::exists(file))
        return nullptr;
    auto server = std::make_unique<ArchServer>();
    bool valid = server->open(file, true, false);
    if (valid) {
        const TableStructure found = server->dbStruct();
        const TableStructure &wanted = gaArchiveStruct();
        valid = found.size() == wanted.size();
        for (size_t i = 0; valid && i < found.size(); ++i)
            valid = found[i].name.trimmed() == wanted[i].name.trimmed();
    }
    if (!valid) {
        errorMsg(owner, QStringLiteral("Not a valid archive database"));
        return nullptr;
    }
    if (server->orderCount() == 0 && !makeOrders(*server, stem)) {
        errorMsg(owner, server->errorString());
        return nullptr;
    }
    return server;
}

std::unique_ptr<ArchServer> createNewArchive(QWidget *owner, const QString &stem)
{
    const QString table = stem + QStringLiteral(".dbf");
    if (QFileInfo::exists(table)) {
        // Replacing a catalog that a window shows would pull its files away under it.
        if (isArchiveOpen(stem)) {
            warningMsg(owner, QStringLiteral("This catalog is already opened"));
            return nullptr;
        }
        if (!confirmDelete(owner, QStringLiteral("File: ") + table + QStringLiteral(" exist. Overwrite ?")))
            return nullptr;
    }
    if (!DbServer::create(table, gaArchiveStruct()))
        return nullptr;
    auto server = std::make_unique<ArchServer>();
    if (!server->open(table, true, false) || !makeOrders(*server, stem))
        return nullptr;
    return server;
}

} // namespace gb
