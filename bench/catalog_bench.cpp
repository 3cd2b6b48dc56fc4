// Catalog benchmarks.
//
//   catalog_bench PHOTO_FOLDER [COUNT]
//
// 1. Adding: COUNT photos (the folder's JPEGs repeated under distinct names by hard links in
//    a disk-backed work folder) are added to a new catalog with one decoding thread and with
//    one per core, beside the bare pipeline of the same work on one core (reduced-scale
//    decode, fit into 80x80, quality-100 JPEG in memory). Goals: one thread within 1.2x of
//    the bare pipeline; all cores at least 5x faster than one (on 8 cores).
// 2. Browsing: a catalog of 100,000 records with small stored thumbnails is opened, its
//    volume tree built and a folder's first page of thumbnails decoded (goal: under 1 s,
//    under 300 MB); a search by name pattern and keyword over every record is timed beside
//    SQLite with the same rows in one table (LIKE and instr, no index; goal: at most 1.0x).

#include "barejpeg.h"
#include "benchutil.h"
#include "wholeset.h"

#include "catalog/addimages.h"
#include "catalog/archivebrowse.h"
#include "catalog/archivesearch.h"
#include "catalog/catalogpaths.h"
#include "catalog/openarchive.h"
#include "common/drives.h"
#include "image/thumbnail.h"
#include "platform/imagelib/parallel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <sqlite3.h>

#include <cstdio>

using namespace gb;

namespace {

struct SilentHost : AddImagesHost
{
    QString askLabel(const QString &) override { return QStringLiteral("BENCH"); }
};

double benchAdding(const QString &photos, int count, const QString &work)
{
    const QStringList sources = QDir(photos).entryList({"*.jpg", "*.JPG"}, QDir::Files, QDir::Name);
    if (sources.isEmpty()) {
        std::fprintf(stderr, "no photos in %s\n", qPrintable(photos));
        return -1;
    }
    const QString dir = work + QStringLiteral("/photos/");
    QDir().mkpath(dir);
    QStringList files;
    for (int i = 0; i < count; ++i) {
        const QString target = dir + QStringLiteral("p%1.jpg").arg(i, 4, 10, QLatin1Char('0'));
        if (!QFile::exists(target) && !QFile::link(photos + "/" + sources[i % sources.size()], target))
            QFile::copy(photos + "/" + sources[i % sources.size()], target);
        files << target;
    }
    setVolumeLabel(driveOfPath(dir), QStringLiteral("BENCH"));

    // The bare pipeline on one core.
    setImageOpThreads(1);
    QElapsedTimer t;
    t.start();
    for (const QString &f : files) {
        QByteArray bytes, out;
        gbbench::Pixels decoded;
        std::pair<int, int> fit;
        if (!gbbench::readBytes(f, bytes) || !gbbench::decodeReduced(bytes, 80, gbbench::Upsampling::Fancy, decoded, &fit)
            || (out = gbbench::encodeJpeg(gbbench::reduce(decoded, fit), 100)).isEmpty())
            return -1;
    }
    const double bare = t.nsecsElapsed() / 1e6 / count;

    auto run = [&](int threads, const QString &name) {
        const QString stem = work + "/" + name;
        auto server = createNewArchive(nullptr, stem);
        SilentHost host;
        QElapsedTimer timer;
        timer.start();
        const AddImagesResult r = addGroupOfImages(nullptr, *server, files, false, host, threads);
        const double ms = timer.nsecsElapsed() / 1e6 / count;
        if (r.added != count)
            std::fprintf(stderr, "%s: %d added, %lld errors\n", qPrintable(name), r.added, qlonglong(r.errors.size()));
        return ms;
    };
    const double one = run(1, QStringLiteral("one"));
    // One thread in all would keep the run on this thread too.
    setImageOpThreads(0);
    const int cores = gbbench::cores();
    const double all = run(cores, QStringLiteral("all"));
    std::printf("adding %d photos, ms per image:\n", count);
    std::printf("  bare pipeline, 1 core   %8.2f\n", bare);
    std::printf("  catalog, 1 thread       %8.2f   (%.2fx of bare; goal <= 1.2x)\n", one, one / bare);
    std::printf("  catalog, %d threads      %8.2f   (%.2fx faster than 1 thread; goal >= 5x on 8 cores)\n", cores,
                all, one / all);
    return one;
}

QString keywordFor(int i)
{
    static const char *const words[] = {"sunset", "beach", "family", "mountain", "city", "snow", "forest", "party"};
    return QString::fromUtf8(words[(i * 7) % 8]);
}

void benchBrowsing(const QString &work)
{
    const int total = 100000;
    const QString stem = work + "/browse";
    QByteArray thumb;
    {
        gbbench::Pixels small;
        small.width = 16;
        small.height = 12;
        small.rgb.assign(16 * 12 * 3, 120);
        thumb = gbbench::encodeJpeg(small, 100);
    }
    std::printf("building a catalog of %d records ...\n", total);
    {
        auto server = createNewArchive(nullptr, stem);
        sqlite3 *db = nullptr;
        QFile::remove(work + "/browse.sqlite");
        sqlite3_open(qPrintable(work + "/browse.sqlite"), &db);
        sqlite3_exec(db, "CREATE TABLE catalog (vlabel TEXT, media TEXT, fullpath TEXT, basename TEXT, ext TEXT, "
                         "moddate TEXT, size INTEGER, keys TEXT, comments TEXT, rgb BLOB)", nullptr, nullptr, nullptr);
        sqlite3_stmt *insert = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO catalog VALUES (?,?,?,?,?,?,?,?,?,?)", -1, &insert, nullptr);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        for (int i = 0; i < total; ++i) {
            const QString media = i % 5 == 0 ? QStringLiteral("4") : QStringLiteral("1");
            const QString label = QStringLiteral("VOL%1").arg(i % 10, 2, 10, QLatin1Char('0'));
            const QString folder = QStringLiteral("/photos/%1/").arg((i / 10) % 1000, 4, 10, QLatin1Char('0'));
            const QString file = QStringLiteral("img%1.jpg").arg(i, 6, 10, QLatin1Char('0'));
            const QStringList keys = {keywordFor(i), keywordFor(i + 3)};
            if (i % 1000 == 0)
                server->lock();
            server->append();
            server->fieldPut("VLABEL", label);
            server->fieldPut("MEDIA", media);
            server->fieldPut("PATH", folder);
            server->fieldPut("FILENAME", file);
            server->fieldPut("FULLPATH", folder + file);
            server->fieldPut("MODDATE", Value::date(QDate(2020, 1, 1).addDays(i % 1500)));
            server->fieldPut("SIZE", 100000 + i);
            server->fieldPut("WIDTH", 4000);
            server->fieldPut("HEIGHT", 3000);
            server->fieldPut("KEYS", Value(ValueArray{Value(keys[0]), Value(keys[1])}));
            server->fieldPut("COMMENTS", QString());
            server->fieldPut("RGB", Value::bytes(thumb));
            server->commit();
            if (i % 1000 == 999)
                server->unlock();
            const QByteArray cols[] = {label.toUtf8(), media.toUtf8(), (folder + file).toUtf8(),
                                       file.left(file.lastIndexOf('.')).toUtf8(), QByteArray("jpg"),
                                       QByteArray("2020-01-01"), QByteArray(), keys.join('\n').toUtf8()};
            for (int c = 0; c < 6; ++c)
                sqlite3_bind_text(insert, c + 1, cols[c].constData(), int(cols[c].size()), SQLITE_TRANSIENT);
            sqlite3_bind_int64(insert, 7, 100000 + i);
            sqlite3_bind_text(insert, 8, cols[7].constData(), int(cols[7].size()), SQLITE_TRANSIENT);
            sqlite3_bind_text(insert, 9, "", 0, SQLITE_STATIC);
            sqlite3_bind_blob(insert, 10, thumb.constData(), int(thumb.size()), SQLITE_STATIC);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_finalize(insert);
        sqlite3_close(db);
    }

    // Open, build the tree, show the first page of a folder.
    QElapsedTimer t;
    t.start();
    auto server = openArchive(nullptr, stem);
    const VolumeTable table = buildVolumeTable(*server);
    const VolumeEntry &volume = table[0].front();
    const auto images = listFolderImages(*server, "1", volume.label, volume.folders.front());
    int decoded = 0;
    for (size_t i = 0; i < images.size() && i < 40; ++i) {
        int w = 0, h = 0;
        QString error;
        decoded += !createFittedRgbFromString(images[i].thumbnail, 80, 80, w, h, error).isNull();
    }
    const double browseMs = t.nsecsElapsed() / 1e6;
    std::printf("browsing %d records: open + tree + first page (%d of %zu thumbnails) %.0f ms (goal < 1000 ms), "
                "peak memory %.0f MB (goal < 300 MB)\n",
                total, decoded, images.size(), browseMs, gbbench::peakMegabytes());

    // Search by name pattern and keyword.
    SearchCriteria c;
    c.mediaTypes = {"1", "2", "3", "4"};
    c.imageTypes = {"BMP", "EMF", "GIF", "JPG", "PCX", "PNG", "TGA", "TIF", "WMF", "PSD"};
    c.includeInFile = QStringLiteral("12");
    c.keywords = {QStringLiteral("sunset")};
    int found = 0;
    bool ok = true;
    const double ours = gbbench::seconds(
        [&](int) {
            found = 0;
            searchArchive(*server, c, {}, [&](const SearchRecord &) { ++found; });
            return true;
        },
        3, &ok);
    sqlite3 *db = nullptr;
    sqlite3_open(qPrintable(work + "/browse.sqlite"), &db);
    int sqlFound = 0;
    const char *query = "SELECT media, vlabel, fullpath FROM catalog WHERE media IN ('1','2','3','4') "
                        "AND upper(basename) LIKE '%12%' AND upper(ext) IN ('BMP','EMF','GIF','JPG','PCX','PNG','TGA',"
                        "'TIF','WMF','PSD') AND instr(upper(keys), 'SUNSET') > 0";
    const double sql = gbbench::seconds(
        [&](int) {
            sqlFound = 0;
            sqlite3_stmt *s = nullptr;
            sqlite3_prepare_v2(db, query, -1, &s, nullptr);
            while (sqlite3_step(s) == SQLITE_ROW)
                ++sqlFound;
            sqlite3_finalize(s);
            return true;
        },
        3, &ok);
    sqlite3_close(db);
    std::printf("search by name pattern and keyword over %d records: ours %.0f ms (%d found), sqlite3 %.0f ms "
                "(%d found): %.2fx (goal <= 1.0x)\n",
                total, ours * 1000, found, sql * 1000, sqlFound, ours / sql);
    std::printf("peak memory %.0f MB\n", gbbench::peakMegabytes());
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: catalog_bench PHOTO_FOLDER [COUNT] [WORK_FOLDER]\n");
        return 2;
    }
    const int count = argc > 2 ? std::atoi(argv[2]) : 500;
    const QString work = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QDir::currentPath() + "/catalog_bench_work";
    QDir(work).removeRecursively();
    QDir().mkpath(work);
    qputenv("GLIMMERBOX_HOME", work.toUtf8());
    if (count > 0 && benchAdding(QString::fromLocal8Bit(argv[1]), count, work) < 0)
        return 1;
    benchBrowsing(work);
    return 0;
}
