#include "catalog/openarchive.h"

#include "catalog/archivestruct.h"
#include "catalog/repairarch.h"
#include "common/messages.h"

#include <QFileInfo>

#include <iterator>

namespace gb {

namespace {

// The catalog's orders, in their order in the index file; the first one is named after the
// file. A folder's images are listed in order 1, so it sorts their names ignoring case, as
// every listing of the program does.
struct OrderDef {
    const char *tag;
    const char *key;
};
constexpr OrderDef kOrders[] = {
    {nullptr, "MEDIA + VLABEL + PATH + LOWER(FILENAME)"},
    {"VOLUME", "VLABEL"},
    {"MEDIA", "MEDIA"},
};

bool makeOrders(ArchServer &server, const QString &stem)
{
    const QString index = stem + QStringLiteral(".cdx");
    bool ok = server.createIndex(index, QLatin1String(kOrders[0].key));
    for (size_t i = 1; ok && i < std::size(kOrders); ++i)
        ok = server.createOrder(QLatin1String(kOrders[i].tag), index, QLatin1String(kOrders[i].key));
    return ok && server.setOrder(1);
}

bool hasOurOrders(const ArchServer &server)
{
    if (server.orderCount() != int(std::size(kOrders)))
        return false;
    for (size_t i = 0; i < std::size(kOrders); ++i)
        if (server.orderKey(int(i) + 1) != QLatin1String(kOrders[i].key))
            return false;
    return true;
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
    if (!hasOurOrders(*server) && !makeOrders(*server, stem)) {
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
