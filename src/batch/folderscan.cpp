#include "batch/folderscan.h"

#include "common/drives.h"
#include "common/filedir.h"
#include "image/imagetypes.h"

#include <QElapsedTimer>
#include <QFile>

#include <algorithm>

#include <dirent.h>
#include <sys/stat.h>

namespace gb {

namespace {

struct Entry {
    QString name;
    bool folder = false;
};

// One folder's entries, sorted, without "." and "..". Folders are real folders only: a
// symbolic link is looked at with lstat and a link to a folder is neither a file nor a folder
// to walk into; a link to a file counts as the file.
std::vector<Entry> readFolder(const QString &folder, bool wantFolders, dev_t *device)
{
    std::vector<Entry> entries;
    const QByteArray path = QFile::encodeName(folder);
    DIR *dir = ::opendir(path.constData());
    if (!dir)
        return entries;
    struct stat self;
    if (device && ::fstat(::dirfd(dir), &self) == 0)
        *device = self.st_dev;
    while (const dirent *d = ::readdir(dir)) {
        const char *n = d->d_name;
        if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0)))
            continue;
        unsigned char type = d->d_type;
        if (type == DT_UNKNOWN || type == DT_LNK) {
            struct stat st;
            const QByteArray full = path + n;
            if (::lstat(full.constData(), &st) != 0)
                continue;
            if (S_ISLNK(st.st_mode)) {
                // Follow a link only to see whether it names a file.
                if (::stat(full.constData(), &st) != 0 || !S_ISREG(st.st_mode))
                    continue;
                type = DT_REG;
            } else {
                type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISREG(st.st_mode) ? DT_REG : DT_UNKNOWN;
            }
        }
        if (type == DT_DIR) {
            if (wantFolders)
                entries.push_back({QFile::decodeName(n), true});
            continue;
        }
        if (type != DT_REG)
            continue;
        const QString name = QFile::decodeName(n);
        if (guessFormatFromExtension(name) != ImageTypeUnknown)
            entries.push_back({name, false});
    }
    ::closedir(dir);
    std::sort(entries.begin(), entries.end(),
              [](const Entry &a, const Entry &b) { return lessIgnoringCase(a.name, b.name); });
    return entries;
}

QString withSlash(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

QStringList listFolderImages(const QString &folder)
{
    const QString base = withSlash(folder);
    QStringList paths;
    const std::vector<Entry> entries = readFolder(base, false, nullptr);
    paths.reserve(qsizetype(entries.size()));
    for (const Entry &e : entries)
        paths << base + e.name;
    return paths;
}

struct FolderWalk::Level {
    QString folder;
    dev_t device = 0;
    std::vector<Entry> entries;
    size_t next = 0;
};

FolderWalk::FolderWalk(const QString &folder)
{
    enter(withSlash(folder));
}

FolderWalk::~FolderWalk() = default;

void FolderWalk::enter(const QString &folder)
{
    auto level = std::make_unique<Level>();
    level->folder = folder;
    level->entries = readFolder(folder, true, &level->device);
    mStack.push_back(std::move(level));
}

bool FolderWalk::step(int budgetMs, QStringList *found)
{
    QElapsedTimer clock;
    clock.start();
    int foldersRead = 0;
    while (!mStack.empty()) {
        Level &level = *mStack.back();
        if (level.next >= level.entries.size()) {
            mStack.pop_back();
            continue;
        }
        const Entry &e = level.entries[level.next++];
        const QString path = level.folder + e.name;
        if (!e.folder) {
            found->append(path);
            continue;
        }
        // Only a folder on another device than its parent can be a mount point worth a
        // look at the mount table.
        struct stat st;
        if (::lstat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISDIR(st.st_mode))
            continue;
        if (st.st_dev != level.device && isPseudoFileSystem(path))
            continue;
        enter(path + QLatin1Char('/'));
        if (++foldersRead > 1 && clock.elapsed() >= budgetMs)
            break;
    }
    return done();
}

} // namespace gb
