#include "catalog/archivesearch.h"

#include "catalog/archivebrowse.h"
#include "catalog/catalogpaths.h"

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

bool matchesSearch(const SearchCriteria &c, const SearchRecord &r)
{
    const QString name = fileOfPath(r.fullPath);
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot < 0 ? QString() : name.mid(dot + 1).toUpper();
    const QString base = (dot < 0 ? name : name.left(dot)).toUpper();
    // Size in kilobytes: SIZE / 1024 + 1 with the fraction dropped.
    const qint64 kb = r.size / 1024 + 1;
    if (!c.includeInFile.isEmpty() && !base.contains(c.includeInFile))
        return false;
    if (!c.excludeFromFile.isEmpty() && base.contains(c.excludeFromFile))
        return false;
    if (!(c.sizeGreater < kb))
        return false;
    if (c.sizeLess != 0 && kb > c.sizeLess)
        return false;
    if (c.modifiedBefore.isValid() && !(r.modified.isValid() && r.modified <= c.modifiedBefore))
        return false;
    if (c.modifiedAfter.isValid() && !(r.modified.isValid() && r.modified >= c.modifiedAfter))
        return false;
    if (!c.imageTypes.contains(extension))
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
    int count = 0;
    server.setOrder(1);
    for (const QString &media : criteria.mediaTypes) {
        const QByteArray key = media.toUtf8().left(1);
        server.orderScope(DbServer::ScopeTop, key);
        server.orderScope(DbServer::ScopeBottom, key);
        for (server.goTop(); !server.eof(); server.skip()) {
            SearchRecord r;
            r.media = media;
            r.volume = server.fieldGet(QStringLiteral("VLABEL")).toString().trimmed();
            r.fullPath = server.fieldGet(QStringLiteral("FULLPATH")).toString();
            r.modified = server.fieldGet(QStringLiteral("MODDATE")).toDate();
            r.size = qint64(server.fieldGet(QStringLiteral("SIZE")).toNumber());
            r.keys = keysOf(server.fieldGet(QStringLiteral("KEYS")));
            r.comments = server.fieldGet(QStringLiteral("COMMENTS")).toString();
            ++count;
            if (examined)
                examined(r);
            if (matchesSearch(prepared, r) && found)
                found(r);
        }
    }
    server.orderScope(DbServer::ScopeTop);
    server.orderScope(DbServer::ScopeBottom);
    return count;
}

} // namespace gb
