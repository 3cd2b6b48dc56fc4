#pragma once

#include "catalog/archserver.h"

#include <QDate>
#include <QStringList>

#include <functional>

namespace gb {

// What the catalog search looks for, as its criteria pages give it.
struct SearchCriteria
{
    QStringList mediaTypes;    // "1".."4", in the order to scan
    QString includeInFile;     // plain substrings of the base name (no wildcards)
    QString excludeFromFile;
    QDate modifiedAfter;       // null: no limit
    QDate modifiedBefore;
    int sizeGreater = 0;       // whole kilobytes, 0: none
    int sizeLess = 0;
    QStringList imageTypes;    // upper-case extensions
    QStringList keywords;
    bool allKeywords = false;
    bool exactMatch = false;
    bool caseSensitive = false;
    QString includeInComments;
    QString excludeFromComments;
    bool commentsCaseSensitive = false;
};

// The media text of a code: "Fixed Disk", "Network Disk", "CD", "Removable Disk"; "" else.
QString getMediaDesc(const QString &code);

// The checks made before a search, in order: the error text of the first that fails and
// whether it stops the search ("Define at least one media type", "Define at least one image
// format", "Define a valid dates range" stop it; "File minimum size cannot be greater than
// maximum requested size" does not). Empty text when all pass.
struct SearchCheck { QString message; bool stops = false; };
SearchCheck checkSearchCriteria(const SearchCriteria &criteria);

// The keyword test: wanted keywords are already upper case unless caseSensitive; a record
// without keywords fails; Exact compares whole keywords, Partial finds substrings; All
// needs every wanted keyword, otherwise one is enough.
bool checkKeywords(const QStringList &wanted, const QStringList &recordKeys, bool all, bool exact,
                   bool caseSensitive);

// One catalogued image as the search reads it.
struct SearchRecord
{
    QString media;
    QString volume;    // trimmed
    QString fullPath;  // drive-less
    QDate modified;
    qint64 size = 0;
    QStringList keys;
    QString comments;
};

// The criteria as the scan uses them: name patterns and (unless case sensitive) keywords in
// upper case.
SearchCriteria prepareCriteria(SearchCriteria criteria);

// Whether a record passes every rule of the (prepared) criteria.
bool matchesSearch(const SearchCriteria &prepared, const SearchRecord &record);

// Reads every record of the chosen media kinds once and calls examined() for each, then
// found() for each that passes, grouped by media kind in the order chosen and, within one,
// in order 1 (label, folder, file name). Leaves order 1 selected and no scope. Returns the
// number of records examined.
int searchArchive(ArchServer &server, const SearchCriteria &criteria,
                  const std::function<void(const SearchRecord &)> &examined,
                  const std::function<void(const SearchRecord &)> &found);

} // namespace gb
