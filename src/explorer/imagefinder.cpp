#include "explorer/imagefinder.h"

#include "common/drives.h"
#include "common/filedir.h"

#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace gb {

namespace {

QString localDay(time_t seconds)
{
    struct tm t;
    if (!::localtime_r(&seconds, &t))
        return {};
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday);
    return QString::fromLatin1(text);
}

QElapsedTimer &clock()
{
    static QElapsedTimer timer;
    if (!timer.isValid())
        timer.start();
    return timer;
}

const qint64 kTickMs = 25;

} // namespace

namespace {

// The tests after the extension, which the walk has made already on the raw name.
bool passesNameSizeDate(const FindCriteria &c, const QString &name, qint64 sizeBytes, const QString &day)
{
    if (!c.includeInFile.isEmpty() && !name.contains(c.includeInFile, Qt::CaseSensitive))
        return false;
    if (!c.excludeFromFile.isEmpty() && name.contains(c.excludeFromFile, Qt::CaseSensitive))
        return false;
    const qint64 kb = sizeBytes / 1024;
    if (c.minFileSize != 0 && kb <= c.minFileSize)
        return false;
    if (c.maxFileSize != 0 && kb > c.maxFileSize)
        return false;
    if (c.modAfter.isValid() && !(day > date2AnsiFormat(c.modAfter)))
        return false;
    if (c.modBefore.isValid() && day > date2AnsiFormat(c.modBefore))
        return false;
    return true;
}

} // namespace

bool matchesFindCriteria(const FindCriteria &c, const QString &name, qint64 sizeBytes, const QString &day)
{
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot < 0 ? QString() : name.mid(dot + 1).toUpper();
    return c.imageTypes.contains(extension) && passesNameSizeDate(c, name, sizeBytes, day);
}

bool ImageFinder::tick()
{
    const qint64 now = clock().elapsed();
    if (now < mNextTick)
        return true;
    mNextTick = now + kTickMs;
    if (progress && !progress(mSearched, mFound))
        mStopped = true;
    return !mStopped;
}

bool ImageFinder::run(const FindCriteria &criteria)
{
    mCriteria = criteria;
    mTypes.clear();
    for (const QString &t : criteria.imageTypes)
        mTypes << t.toUpper().toLatin1();
    mNeedStat = criteria.minFileSize != 0 || criteria.maxFileSize != 0 || criteria.modAfter.isValid()
                || criteria.modBefore.isValid();
    mSearched = mFound = 0;
    mStopped = false;
    mNextTick = clock().elapsed() + kTickMs;
    struct stat st;
    const QByteArray root = QFile::encodeName(criteria.lookInFolder);
    const dev_t device = ::stat(root.constData(), &st) == 0 ? st.st_dev : 0;
    search(root, device);
    if (progress && !mStopped)
        progress(mSearched, mFound);
    return !mStopped;
}

bool ImageFinder::search(const QByteArray &folder, dev_t device)
{
    if (folderEntered)
        folderEntered(QFile::decodeName(folder));

    const int dirFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0)
        return tick();
    DIR *dir = ::fdopendir(dirFd);
    if (!dir) {
        ::close(dirFd);
        return tick();
    }
    struct Entry
    {
        QByteArray name;
        unsigned char type;
    };
    const QString folderText = QFile::decodeName(folder);
    std::vector<Entry> entries;
    while (const dirent *e = ::readdir(dir))
        entries.push_back({QByteArray(e->d_name), e->d_type});
    // One order on every run, as every folder listing of the program has.
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        const int c = ::strcasecmp(a.name.constData(), b.name.constData());
        return c != 0 ? c < 0 : a.name < b.name;
    });

    for (const Entry &e : entries) {
        ++mSearched;
        if (!tick())
            break;
        unsigned char type = e.type;
        struct stat st;
        bool statted = false;
        if (type == DT_UNKNOWN) {
            if (::fstatat(dirFd, e.name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            statted = true;
            type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISLNK(st.st_mode) ? DT_LNK : S_ISREG(st.st_mode) ? DT_REG : DT_UNKNOWN;
        }
        if (type == DT_DIR) {
            if (e.name == "." || e.name == ".." || !mCriteria.lookInSubfolders)
                continue;
            if (!statted && ::fstatat(dirFd, e.name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            const QByteArray sub = folder + e.name + '/';
            // A folder on another device is a mount point: pseudo file systems stay closed.
            if (st.st_dev != device && isPseudoFileSystem(QFile::decodeName(sub)))
                continue;
            if (!search(sub, st.st_dev))
                break;
            continue;
        }
        // A link to a folder is no folder to enter and no file to match.
        const int dot = e.name.lastIndexOf('.');
        if (dot < 0)
            continue;
        const char *ext = e.name.constData() + dot + 1;
        if (std::none_of(mTypes.cbegin(), mTypes.cend(), [ext](const QByteArray &t) { return ::strcasecmp(t.constData(), ext) == 0; }))
            continue;
        qint64 size = 0;
        QString day;
        if (mNeedStat || type == DT_LNK) {
            if (::fstatat(dirFd, e.name.constData(), &st, 0) != 0 || S_ISDIR(st.st_mode))
                continue;
            size = st.st_size;
            day = localDay(st.st_mtim.tv_sec);
        }
        const QString name = QFile::decodeName(e.name);
        if (!passesNameSizeDate(mCriteria, name, size, day))
            continue;
        ++mFound;
        if (found)
            found(folderText + name);
    }
    ::closedir(dir);
    return !mStopped;
}

} // namespace gb
