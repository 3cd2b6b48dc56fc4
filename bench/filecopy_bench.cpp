// Times the explorer's copy and move of 1,000 files against cp(1) and mv(1).
//
//   filecopy_bench [PHOTO_FOLDER] [REPEATS]
//
// Makes 1,000 files in a temporary folder: copies of the photos of PHOTO_FOLDER (*.jpg)
// when given, else files of 200 KB to 4 MB of noise. With the files in the page cache:
//   (cp)   cp SRC/* DST/, into an empty folder;
//   (copy) the explorer's copy loop (copyFilesInto()) into an empty folder;
//   (mv)   mv SRC/* DST/ and back, within one file system, and across two (to /dev/shm)
//          when /dev/shm is another file system;
//   (move) the explorer's move loop (moveFilesInto()) the same ways.
// Best of REPEATS (default 3). Goal: each at most 1.20 times its peer.
#include "benchui.h"
#include "benchutil.h"

#include "explorer/filecommands.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

QStringList filesIn(const QString &folder)
{
    QStringList out;
    for (const QString &n : QDir(folder).entryList(QDir::Files, QDir::Name))
        out << folder + n;
    return out;
}

bool shell(const QString &command)
{
    return gbbench::runProgram("sh", {"-c", command});
}

dev_t deviceOf(const QString &path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_dev : 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    gbbench::QuietUi quiet;
    gb::setUi(&quiet);
    const QString photos = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const int repeats = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    QTemporaryDir tmp;
    const QString src = tmp.path() + "/src/", dst = tmp.path() + "/dst/";
    QDir().mkpath(src);
    const QStringList sources = photos.isEmpty() ? QStringList() : QDir(photos).entryList({"*.jpg"}, QDir::Files, QDir::Name);
    qint64 bytes = 0;
    for (int i = 0; i < 1000; ++i) {
        const QString name = src + QString("photo%1.jpg").arg(i, 4, 10, QChar('0'));
        if (!sources.isEmpty()) {
            QFile::copy(QDir(photos).filePath(sources[i % sources.size()]), name);
        } else {
            QByteArray noise(200000 + int(QRandomGenerator::global()->bounded(3800000)), Qt::Uninitialized);
            QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
            QFile f(name);
            if (!f.open(QIODevice::WriteOnly) || f.write(noise) != noise.size())
                return 1;
        }
        bytes += QFileInfo(name).size();
    }
    const QStringList files = filesIn(src);
    auto fresh = [&](const QString &folder) {
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
    };
    bool ok = true, runOk = true;
    shell(QString("cat '%1'* > /dev/null").arg(src));

    const double cp = gbbench::seconds([&](int) { fresh(dst); return shell(QString("cp '%1'* '%2'").arg(src, dst)); }, repeats, &runOk);
    ok = ok && runOk;
    const double copy = gbbench::seconds([&](int) { fresh(dst); return gb::copyFilesInto(nullptr, files, dst) == 1000; }, repeats, &runOk);
    ok = ok && runOk;

    auto moveTimes = [&](const QString &there, double &mv, double &move) {
        fresh(there);
        mv = gbbench::seconds([&](int) {
            const bool out = shell(QString("mv '%1'* '%2'").arg(src, there));
            return shell(QString("mv '%1'* '%2'").arg(there, src)) && out;
        }, repeats, &runOk);
        ok = ok && runOk;
        move = gbbench::seconds([&](int) {
            const bool out = gb::moveFilesInto(nullptr, files, there) == 1000;
            return gb::moveFilesInto(nullptr, filesIn(there), src) == 1000 && out;
        }, repeats, &runOk);
        ok = ok && runOk;
    };
    double mv = 0, move = 0, mvx = 0, movex = 0;
    moveTimes(dst, mv, move);
    const QString shm = QString("/dev/shm/gb-bench-%1/").arg(QCoreApplication::applicationPid());
    const bool across = QFileInfo(QStringLiteral("/dev/shm")).isWritable() && deviceOf("/dev/shm") != deviceOf(src);
    if (across) {
        moveTimes(shm, mvx, movex);
        QDir(shm).removeRecursively();
    }
    std::printf("copy and move: 1,000 files, %.0f MB, best of %d (move: there and back)\n", bytes / 1e6, repeats);
    const gbbench::ResultTable table{30, 5};
    table.row("cp", cp, 0, "");
    table.row("explorer copy", copy, cp, "cp (goal <= 1.20)");
    table.row("mv, one file system", mv, 0, "");
    table.row("explorer move, one file system", move, mv, "mv (goal <= 1.20)");
    table.row("mv, across file systems", mvx, 0, "");
    table.row("explorer move, across", movex, mvx, "mv (goal <= 1.20)");
    return ok && quiet.failures == 0 ? 0 : 1;
}
