#include "catalog/archivesearch.h"

#include "catalog/archivebrowse.h"
#include "catalog/archivestruct.h"
#include "catalog/catalogpaths.h"

#include <algorithm>
#include <tuple>

namespace gb {

QString getMediaDesc(const QString &code)
{
    if (code == QLatin1String("1"))
        return QStringLiteral("Fixed Disk");
    if (code == QLatin1String("2"))
        return QStringLiteral("Network Disk");
    if (code == QLatin1String("3"))
        return QStringLiteral("CD");
    if (code == QLatin1String("4"))
        return QStringLiteral("Removable Disk");
    return QString();
}

SearchCheck checkSearchCriteria(const SearchCriteria &c)
{
    if (c.mediaTypes.isEmpty())
        return {QStringLiteral("Define at least one media type"), true};
    if (c.imageTypes.isEmpty())
        return {QStringLiteral("Define at least one image format"), true};
    if (c.modifiedAfter.isValid() && c.modifiedBefore.isValid() && c.modifiedBefore < c.modifiedAfter)
        return {QStringLiteral("Define a valid dates range"), true};
    if (c.sizeLess != 0 && c.sizeGreater > c.sizeLess)
        return {QStringLiteral("File minimum size cannot be greater than maximum requested size"), false};
    return {};
}

bool checkKeywords(const QStringList &wanted, const QStringList &recordKeys, bool all, bool exact, bool caseSensitive)
{
    if (recordKeys.isEmpty())
        return false;
    QStringList keys = recordKeys;
    if (!caseSensitive)
        for (QString &k : keys)
            k = k.toUpper();
    auto hits = [&](const QString &w) {
        if (exact)
            return keys.contains(w);
        for (const QString &k : keys)
            if (k.contains(w))
                return true;
        return false;
    };
    for (const QString &w : wanted) {
        const bool hit = hits(w);
        if (all && !hit)
            return false;
        if (!all && hit)
            return true;
    }
    return all;
}

SearchCriteria prepareCriteria(SearchCriteria c)
{
    c.includeInFile = c.includeInFile.toUpper();
    c.excludeFromFile = c.excludeFromFile.toUpper();
    if (!c.caseSensitive)
        for (QString &k : c.keywords)
            k = k.toUpper();
    return c;
}

static bool commentHas(const QString &comment, const QString &text, bool caseSensitive)
{
    return caseSensitive ? comment.contains(text) : comment.toUpper().contains(text.toUpper());
}

namespace {

// The name rules (patterns and extension) on a file name.
bool nameMatches(const SearchCriteria &c, const QString &name)
{
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || !c.imageTypes.contains(name.mid(dot + 1).toUpper()))
        return false;
    if (c.includeInFile.isEmpty() && c.excludeFromFile.isEmpty())
        return true;
    const QString base = name.left(dot).toUpper();
    return (c.includeInFile.isEmpty() || base.contains(c.includeInFile))
           && (c.excludeFromFile.isEmpty() || !base.contains(c.excludeFromFile));
}

// The name rules on the file name as FILENAME holds it. A blank-padded FILENAME was not cut;
// a name that really ended in blanks has no listed extension and fails the whole test
// anyway, so nothing that passes the whole test fails here. A name that may be cut passes,
// and the whole test decides.
bool storedNameMayMatch(const SearchCriteria &c, const QString &storedName)
{
    return !storedName.endsWith(QLatin1Char(' ')) || nameMatches(c, storedName.trimmed());
}

} // namespace

bool matchesSearch(const SearchCriteria &c, const SearchRecord &r)
{
    if (!nameMatches(c, fileOfPath(r.fullPath)))
        return false;
    // Size in kilobytes: SIZE / 1024 + 1 with the fraction dropped.
    const qint64 kb = r.size / 1024 + 1;
    if (!(c.sizeGreater < kb))
        return false;
    if (c.sizeLess != 0 && kb > c.sizeLess)
        return false;
    if (c.modifiedBefore.isValid() && !(r.modified.isValid() && r.modified <= c.modifiedBefore))
        return false;
    if (c.modifiedAfter.isValid() && !(r.modified.isValid() && r.modified >= c.modifiedAfter))
        return false;
    if (!c.keywords.isEmpty() && !checkKeywords(c.keywords, r.keys, c.allKeywords, c.exactMatch, c.caseSensitive))
        return false;
    if (!c.includeInComments.isEmpty() && !commentHas(r.comments, c.includeInComments, c.commentsCaseSensitive))
        return false;
    if (!c.excludeFromComments.isEmpty() && commentHas(r.comments, c.excludeFromComments, c.commentsCaseSensitive))
        return false;
    return true;
}

int searchArchive(ArchServer &server, const SearchCriteria &criteria,
                  const std::function<void(const SearchRecord &)> &examined,
                  const std::function<void(const SearchRecord &)> &found)
{
    const SearchCriteria prepared = prepareCriteria(criteria);
    const bool needsComments = !prepared.includeInComments.isEmpty() || !prepared.excludeFromComments.isEmpty();
    // The records are read in the table's own order, which costs no index look-up per
    // record; what is found is then put in the order of the chosen media kinds and of
    // order 1 (label, folder, file name, then record number), as a scan per media kind in
    // order 1 would list it.
    struct Hit
    {
        int mediaRank;
        QByteArray key;
        uint32_t recNo;
        SearchRecord record;
    };
    std::vector<Hit> hits;
    const int labelWidth = archiveFieldWidth(QStringLiteral("VLABEL"));
    const int pathWidth = archiveFieldWidth(QStringLiteral("PATH"));
    const int nameWidth = archiveFieldWidth(QStringLiteral("FILENAME"));
    int count = 0;
    server.setOrder(0);
    for (server.goTop(); !server.eof(); server.skip()) {
        SearchRecord r;
        r.media = server.fieldGet(QStringLiteral("MEDIA")).toString();
        const int rank = int(criteria.mediaTypes.indexOf(r.media));
        if (rank < 0)
            continue;
        const QString storedLabel = server.fieldGet(QStringLiteral("VLABEL")).toString();
        r.volume = storedLabel.trimmed();
        const QString storedName = server.fieldGet(QStringLiteral("FILENAME")).toString();
        ++count;
        // The other fields and the memos are read only for records whose name may pass.
        if (!storedNameMayMatch(prepared, storedName)) {
            if (examined) {
                r.fullPath = recordFolder(server) + storedName.trimmed();
                examined(r);
            }
            continue;
        }
        r.modified = server.fieldGet(QStringLiteral("MODDATE")).toDate();
        r.size = qint64(server.fieldGet(QStringLiteral("SIZE")).toNumber());
        r.fullPath = server.fieldGet(QStringLiteral("FULLPATH")).toString();
        if (!prepared.keywords.isEmpty())
            r.keys = keysOf(server.fieldGet(QStringLiteral("KEYS")));
        if (needsComments)
            r.comments = server.fieldGet(QStringLiteral("COMMENTS")).toString();
        if (examined)
            examined(r);
        if (!matchesSearch(prepared, r))
            continue;
        const QByteArray key = DbServer::fitToWidth(storedLabel, labelWidth)
                               + DbServer::fitToWidth(server.fieldGet(QStringLiteral("PATH")).toString(), pathWidth)
                               + DbServer::fitToWidth(storedName, nameWidth);
        hits.push_back({rank, key, server.recNo(), std::move(r)});
    }
    server.setOrder(1);
    std::sort(hits.begin(), hits.end(), [](const Hit &a, const Hit &b) {
        return std::tie(a.mediaRank, a.key, a.recNo) < std::tie(b.mediaRank, b.key, b.recNo);
    });
    if (found)
        for (const Hit &h : hits)
            found(h.record);
    return count;
}

} // namespace gb
