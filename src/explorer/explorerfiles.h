#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <vector>

namespace gb {

// One image file found by the explorer's folder scan: its full path and the listing record
// of its folder entry.
struct ExplorerFile
{
    QString fullPath;
    QString name;
    qint64 size = 0;
    QString attributes;
    QString date; // last write, local day, YYYYMMDD
    QString extension;
};
using ExplorerFiles = std::vector<ExplorerFile>;

// The explorer's file filter. Empty texts, an empty extension list and invalid dates set no
// limit; both dates include their own day.
struct ExplorerFilter
{
    QStringList aFilterExt; // lower case, without the point
    QString cFilterInclude;
    QString cFilterExclude;
    QDate dFilterAfter;
    QDate dFilterBefore;
};

// Sort keys and directions of the explorer.
enum ExplorerSortBy { SortByName = 1, SortByExtension = 2, SortBySize = 3, SortByDate = 4 };
enum ExplorerSortOrder { SortAscending = 1, SortDescending = 2 };

// The image masks of the scan, in the order in which their files are gathered.
const QStringList &explorerScanMasks();

// The image files of one folder (path ending in "/"): for each mask in turn, the files it
// matches ignoring case, ordered by name within the mask. As on file systems that also match
// short 8.3 names, a three-letter mask extension also finds longer extensions that begin
// with it ("*.tif" finds "scan.tiff"). A missing or unreadable folder gives no files.
ExplorerFiles scanExplorerFolder(const QString &path);

// Sorts the files in place with the shell sort: names and extensions ignoring case, sizes
// as numbers, dates by day. Equal keys have no defined order.
void sortExplorerFiles(ExplorerFiles &files, int sortBy, int sortOrder);

// True when the file passes every test of the filter, in this order: the include text occurs
// in the name and the exclude text does not (ignoring case), the extension is one of the
// list, the day is on or after dFilterAfter and on or before dFilterBefore.
bool passesExplorerFilter(const ExplorerFile &file, const ExplorerFilter &filter);

} // namespace gb
