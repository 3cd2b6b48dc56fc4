#include "explorer/explorerfiles.h"

#include "common/filedir.h"
#include "common/shellsort.h"

namespace gb {

const QStringList &explorerScanMasks()
{
    static const QStringList masks = {"*.jpg", "*.gif", "*.png", "*.tga", "*.tif", "*.pcx",
                                      "*.bmp", "*.avi", "*.emf", "*.wmf", "*.psd"};
    return masks;
}

static bool extensionMatches(const QString &extension, const QString &maskExtension)
{
    const QString ext = extension.toLower();
    return ext == maskExtension || (maskExtension.size() == 3 && ext.size() > 3 && ext.startsWith(maskExtension));
}

ExplorerFiles scanExplorerFolder(const QString &path)
{
    ExplorerFiles files;
    if (path.isEmpty())
        return files;
    // One listing serves every mask: a folder of ten thousand files is read once, not eleven times.
    const FileDirEntries entries = getFiles(path + QStringLiteral("*.*"));
    for (const QString &mask : explorerScanMasks()) {
        const QString maskExtension = mask.mid(2);
        for (const FileDirEntry &e : entries) {
            if (!extensionMatches(e.extension, maskExtension))
                continue;
            files.push_back({path + e.name, e.name, e.size, e.attributes, e.date, e.extension});
        }
    }
    return files;
}

void sortExplorerFiles(ExplorerFiles &files, int sortBy, int sortOrder)
{
    auto keyOf = [sortBy](const ExplorerFile &f) -> SortKey {
        switch (sortBy) {
        case SortByExtension:
            return f.extension;
        case SortBySize:
            return double(f.size);
        case SortByDate:
            return f.date;
        default:
            return f.name;
        }
    };
    shellSort(files, keyOf, sortOrder == SortAscending);
}

bool passesExplorerFilter(const ExplorerFile &file, const ExplorerFilter &filter)
{
    const QString upperName = file.name.toUpper();
    if (!filter.cFilterInclude.isEmpty() && !upperName.contains(filter.cFilterInclude.toUpper()))
        return false;
    if (!filter.cFilterExclude.isEmpty() && upperName.contains(filter.cFilterExclude.toUpper()))
        return false;
    if (!filter.aFilterExt.isEmpty() && !filter.aFilterExt.contains(file.extension.toLower()))
        return false;
    if (filter.dFilterAfter.isValid() && file.date < date2AnsiFormat(filter.dFilterAfter))
        return false;
    if (filter.dFilterBefore.isValid() && file.date > date2AnsiFormat(filter.dFilterBefore))
        return false;
    return true;
}

} // namespace gb
