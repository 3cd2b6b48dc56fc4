// Appends catalog records (each with a 3 KB thumbnail memo) and looks each one up by its
// order-1 key, once through our table layer and once through SQLite (one table, one index on
// the same key, one transaction per 1,000 rows), and prints both times and their ratios.
//
//   table_bench [RECORDS] [FOLDER]   defaults: 100000 records, the system's temporary folder;
//                                    the files go to a fresh folder inside it, removed at the end
#include "catalog/archivestruct.h"
#include "catalog/openarchive.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>
#include <random>
#include <cstdio>
#include <vector>

namespace {

struct Row {
    QString label, media, folder, file, full;
    QByteArray key;
};

std::vector<Row> makeRows(int n)
{
    std::vector<Row> rows(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        Row &r = rows[size_t(i)];
        r.media = QString::number(1 + i % 4);
        r.label = QStringLiteral("VOL%1").arg(i % 7);
        r.folder = QStringLiteral("/photos/2026/event%1/").arg(i / 200);
        r.file = QStringLiteral("IMG_%1.JPG").arg(i, 6, 10, QLatin1Char('0'));
        r.full = r.folder + r.file;
        r.key = gb::ArchServer::archiveKey(r.media, r.label, r.folder, r.file);
    }
    return rows;
}

QByteArray thumbnail(int i)
{
    QByteArray t(3072, '\0');
    QRandomGenerator rng{quint32(i)};
    for (char &c : t)
        c = char(rng.bounded(256));
    return t;
}

bool check(int rc, sqlite3 *db, const char *what)
{
    if (rc == SQLITE_OK || rc == SQLITE_DONE || rc == SQLITE_ROW)
        return true;
    std::fprintf(stderr, "sqlite %s: %s\n", what, sqlite3_errmsg(db));
    return false;
}

// Returns {append ms, look-up ms}, or negative times on failure.
std::pair<double, double> runTables(const QString &folder, const std::vector<Row> &rows,
                                    const std::vector<int> &lookups, const std::vector<QByteArray> &thumbs)
{
    auto server = gb::createNewArchive(nullptr, folder + QStringLiteral("/bench"));
    if (!server)
        return {-1, -1};
    QElapsedTimer timer;
    timer.start();
    for (size_t i = 0; i < rows.size(); ++i) {
        const Row &r = rows[i];
        // Like SQLite's transactions: one held lock per 1,000 appends.
        if (i % 1000 == 0)
            server->lock();
        server->append();
        server->fieldPut(QStringLiteral("VLABEL"), r.label);
        server->fieldPut(QStringLiteral("MEDIA"), r.media);
        server->fieldPut(QStringLiteral("PATH"), r.folder);
        server->fieldPut(QStringLiteral("FILENAME"), r.file);
        server->fieldPut(QStringLiteral("FULLPATH"), r.full);
        server->fieldPut(QStringLiteral("MODDATE"), gb::Value::date(QDate(2026, 1, 1 + int(i % 28))));
        server->fieldPut(QStringLiteral("SIZE"), int(100000 + i));
        server->fieldPut(QStringLiteral("WIDTH"), 4000);
        server->fieldPut(QStringLiteral("HEIGHT"), 3000);
        server->fieldPut(QStringLiteral("KEYS"), gb::Value(gb::ValueArray{}));
        server->fieldPut(QStringLiteral("COMMENTS"), QString());
        server->fieldPut(QStringLiteral("RGB"), gb::Value::bytes(thumbs[i % thumbs.size()]));
        if (!server->commit()) {
            std::fprintf(stderr, "append: %s\n", qPrintable(server->errorString()));
            return {-1, -1};
        }
        if (i % 1000 == 999 || i + 1 == rows.size())
            server->unlock();
    }
    const double appendMs = timer.nsecsElapsed() / 1e6;
    timer.restart();
    qint64 bytes = 0;
    for (int i : lookups) {
        const Row &r = rows[size_t(i)];
        if (!server->seek2Rec(r.media, r.label, r.folder, r.file, r.full)) {
            std::fprintf(stderr, "look-up of %s failed\n", qPrintable(r.full));
            return {appendMs, -1};
        }
        bytes += server->fieldGet(QStringLiteral("RGB")).toBytes().size();
    }
    const double lookupMs = timer.nsecsElapsed() / 1e6;
    if (bytes != qint64(lookups.size()) * 3072)
        return {appendMs, -1};
    return {appendMs, lookupMs};
}

std::pair<double, double> runSqlite(const QString &folder, const std::vector<Row> &rows,
                                    const std::vector<int> &lookups, const std::vector<QByteArray> &thumbs)
{
    sqlite3 *db = nullptr;
    const QByteArray path = QFile::encodeName(folder + QStringLiteral("/bench.sqlite"));
    if (sqlite3_open(path.constData(), &db) != SQLITE_OK)
        return {-1, -1};
    const char *schema =
        "CREATE TABLE catalog (vlabel TEXT, media TEXT, path TEXT, filename TEXT, fullpath TEXT, moddate TEXT,"
        " size INTEGER, width INTEGER, height INTEGER, keys BLOB, comments TEXT, rgb BLOB, okey BLOB);"
        "CREATE INDEX catalog_key ON catalog (okey);";
    if (!check(sqlite3_exec(db, schema, nullptr, nullptr, nullptr), db, "schema"))
        return {-1, -1};
    sqlite3_stmt *insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO catalog VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)", -1, &insert, nullptr);
    const QByteArray emptyKeys = gb::Value(gb::ValueArray{}).encode();
    QElapsedTimer timer;
    timer.start();
    for (size_t i = 0; i < rows.size(); ++i) {
        const Row &r = rows[i];
        if (i % 1000 == 0)
            sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        const QByteArray label = r.label.toUtf8(), media = r.media.toUtf8(), folderText = r.folder.toUtf8(),
                         file = r.file.toUtf8(), full = r.full.toUtf8();
        sqlite3_bind_text(insert, 1, label.constData(), int(label.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 2, media.constData(), int(media.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 3, folderText.constData(), int(folderText.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 4, file.constData(), int(file.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 5, full.constData(), int(full.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 6, "20260101", 8, SQLITE_STATIC);
        sqlite3_bind_int64(insert, 7, qint64(100000 + i));
        sqlite3_bind_int(insert, 8, 4000);
        sqlite3_bind_int(insert, 9, 3000);
        sqlite3_bind_blob(insert, 10, emptyKeys.constData(), int(emptyKeys.size()), SQLITE_STATIC);
        sqlite3_bind_text(insert, 11, "", 0, SQLITE_STATIC);
        const QByteArray &thumb = thumbs[i % thumbs.size()];
        sqlite3_bind_blob(insert, 12, thumb.constData(), int(thumb.size()), SQLITE_STATIC);
        sqlite3_bind_blob(insert, 13, r.key.constData(), int(r.key.size()), SQLITE_STATIC);
        if (!check(sqlite3_step(insert), db, "insert"))
            return {-1, -1};
        sqlite3_reset(insert);
        if (i % 1000 == 999 || i + 1 == rows.size())
            sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    }
    const double appendMs = timer.nsecsElapsed() / 1e6;
    sqlite3_finalize(insert);

    sqlite3_stmt *select = nullptr;
    sqlite3_prepare_v2(db, "SELECT fullpath, rgb FROM catalog WHERE okey = ?", -1, &select, nullptr);
    timer.restart();
    qint64 bytes = 0;
    for (int i : lookups) {
        const Row &r = rows[size_t(i)];
        const QByteArray full = r.full.toUtf8();
        sqlite3_bind_blob(select, 1, r.key.constData(), int(r.key.size()), SQLITE_STATIC);
        while (sqlite3_step(select) == SQLITE_ROW) {
            const char *text = reinterpret_cast<const char *>(sqlite3_column_text(select, 0));
            if (full == text) {
                bytes += QByteArray(static_cast<const char *>(sqlite3_column_blob(select, 1)),
                                    sqlite3_column_bytes(select, 1)).size();
                break;
            }
        }
        sqlite3_reset(select);
    }
    const double lookupMs = timer.nsecsElapsed() / 1e6;
    sqlite3_finalize(select);
    sqlite3_close(db);
    if (bytes != qint64(lookups.size()) * 3072)
        return {appendMs, -1};
    return {appendMs, lookupMs};
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int n = argc > 1 ? std::max(1, atoi(argv[1])) : 100000;
    // A fresh folder for each run, inside the folder given (the system's temporary folder by default).
    if (argc > 2)
        QDir().mkpath(QString::fromLocal8Bit(argv[2]));
    QTemporaryDir temporary(argc > 2 ? QString::fromLocal8Bit(argv[2]) + QStringLiteral("/table_bench-XXXXXX")
                                     : QDir::tempPath() + QStringLiteral("/table_bench-XXXXXX"));
    const QString folder = temporary.path();
    gb::initArchiveStructure();

    const std::vector<Row> rows = makeRows(n);
    std::vector<QByteArray> thumbs;
    for (int i = 0; i < 64; ++i)
        thumbs.push_back(thumbnail(i));
    std::vector<int> lookups(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        lookups[size_t(i)] = i;
    std::shuffle(lookups.begin(), lookups.end(), std::mt19937(12345));

    const auto [ourAppend, ourLookup] = runTables(folder, rows, lookups, thumbs);
    const auto [sqlAppend, sqlLookup] = runSqlite(folder, rows, lookups, thumbs);
    if (ourAppend < 0 || ourLookup < 0 || sqlAppend < 0 || sqlLookup < 0) {
        std::fprintf(stderr, "table_bench: a run failed\n");
        return 1;
    }
    std::printf("records: %d (3 KB thumbnail memo each), folder: %s\n", n, qPrintable(folder));
    std::printf("%-10s %14s %14s %8s\n", "", "tables (ms)", "sqlite (ms)", "ratio");
    std::printf("%-10s %14.1f %14.1f %8.2f\n", "appends", ourAppend, sqlAppend, ourAppend / sqlAppend);
    std::printf("%-10s %14.1f %14.1f %8.2f\n", "look-ups", ourLookup, sqlLookup, ourLookup / sqlLookup);
    std::printf("goal: each ratio at most 1.50\n");
    return 0;
}
