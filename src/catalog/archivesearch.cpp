#include "catalog/archivesearch.h"

#include "catalog/archivebrowse.h"
#include "catalog/archivestruct.h"
#include "catalog/catalogpaths.h"
#include "common/filepaths.h"

#include <QVarLengthArray>

#include <algorithm>
#include <string_view>
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

// The prepared name rules in UTF-8, for testing FILENAME's bytes without making a text of
// every record's name.
struct NameBytes
{
    QByteArray include;
    QByteArray exclude;
    std::vector<QByteArray> types;

    explicit NameBytes(const SearchCriteria &prepared)
        : include(prepared.includeInFile.toUtf8()), exclude(prepared.excludeFromFile.toUtf8())
    {
        for (const QString &t : prepared.imageTypes)
            types.push_back(t.toUtf8());
    }
};

// nameMatches() on the UTF-8 bytes of a whole file name. An all-ASCII name upper-cases and
// compares byte by byte exactly as its text does; any other goes through the text.
bool nameBytesMatch(const SearchCriteria &c, const NameBytes &p, QByteArrayView raw)
{
    QVarLengthArray<char, 256> upper(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const uchar b = uchar(raw[i]);
        if (b >= 0x80)
            return nameMatches(c, QString::fromUtf8(raw));
        upper[i] = b >= 'a' && b <= 'z' ? char(b - 'a' + 'A') : char(b);
    }
    const std::string_view name(upper.data(), size_t(upper.size()));
    const size_t dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return false;
    const std::string_view ext = name.substr(dot + 1);
    if (std::none_of(p.types.begin(), p.types.end(),
                     [&](const QByteArray &t) { return std::string_view(t.constData(), size_t(t.size())) == ext; }))
        return false;
    const std::string_view base = name.substr(0, dot);
    auto has = [&](const QByteArray &part) {
        return base.find(std::string_view(part.constData(), size_t(part.size()))) != std::string_view::npos;
    };
    return (p.include.isEmpty() || has(p.include)) && (p.exclude.isEmpty() || !has(p.exclude));
}

// The size and date rules, which need no memo.
bool plainRulesMatch(const SearchCriteria &c, const SearchRecord &r)
{
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
    return true;
}

bool keywordRulesMatch(const SearchCriteria &c, const SearchRecord &r)
{
    return c.keywords.isEmpty() || checkKeywords(c.keywords, r.keys, c.allKeywords, c.exactMatch, c.caseSensitive);
}

bool commentRulesMatch(const SearchCriteria &c, const SearchRecord &r)
{
    if (!c.includeInComments.isEmpty() && !commentHas(r.comments, c.includeInComments, c.commentsCaseSensitive))
        return false;
    if (!c.excludeFromComments.isEmpty() && commentHas(r.comments, c.excludeFromComments, c.commentsCaseSensitive))
        return false;
    return true;
}

} // namespace

bool matchesSearch(const SearchCriteria &c, const SearchRecord &r)
{
    return nameMatches(c, extractFileName(r.fullPath)) && plainRulesMatch(c, r) && keywordRulesMatch(c, r)
           && commentRulesMatch(c, r);
}

int searchArchive(ArchServer &server, const SearchCriteria &criteria,
                  const std::function<void(const SearchRecord &)> &examined,
                  const std::function<void(const SearchRecord &)> &found)
{
    const SearchCriteria prepared = prepareCriteria(criteria);
    const NameBytes nameBytes(prepared);
    const bool needsComments = !prepared.includeInComments.isEmpty() || !prepared.excludeFromComments.isEmpty();
    // The records are read in the table's own order, many at a time, which costs no index
    // look-up per record; what is found is then put in the order of the chosen media kinds
    // and of order 1 (label, folder, file name, then record number), as a scan per media
    // kind in order 1 would list it.
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
    auto fieldIndex = [&](const char *name) { return server.fieldPos(QLatin1String(name)) - 1; };
    const int fMedia = fieldIndex("MEDIA"), fLabel = fieldIndex("VLABEL"), fPath = fieldIndex("PATH"),
              fName = fieldIndex("FILENAME"), fFullPath = fieldIndex("FULLPATH"), fDate = fieldIndex("MODDATE"),
              fSize = fieldIndex("SIZE"), fKeys = fieldIndex("KEYS"), fComments = fieldIndex("COMMENTS");
    if (std::min({fMedia, fLabel, fPath, fName, fFullPath, fDate, fSize, fKeys, fComments}) < 0) {
        server.setOrder(1);
        return 0;
    }
    int count = 0;
    // Nearly every record repeats the media code of the one before: it is decoded and
    // looked up only when its bytes change.
    QByteArray mediaBytes;
    QString media;
    int rank = -1;
    bool mediaKnown = false;
    DbServer::Scan scan(server);
    while (scan.next()) {
        const QByteArrayView rawMedia = scan.raw(fMedia);
        if (!mediaKnown || rawMedia != mediaBytes) {
            mediaBytes = rawMedia.toByteArray();
            media = scan.fieldGet(fMedia).toString();
            rank = int(criteria.mediaTypes.indexOf(media));
            mediaKnown = true;
        }
        if (rank < 0)
            continue;
        ++count;
        // The name is tested in FULLPATH, the only field that holds it whole for certain:
        // FILENAME is cut to 25 bytes and blank-padded, and names may hold blanks, so no
        // stored FILENAME shows whether it was cut. Memos are read ahead, so this costs
        // little; the other memos are read only for records whose name passes.
        const QByteArrayView path = scan.text(fFullPath);
        const bool nameMatched = nameBytesMatch(prepared, nameBytes, path.sliced(path.lastIndexOf('/') + 1));
        if (!nameMatched && !examined)
            continue;
        SearchRecord r;
        r.media = media;
        const QString storedLabel = scan.fieldGet(fLabel).toString();
        r.volume = storedLabel.trimmed();
        r.fullPath = QString::fromUtf8(path);
        // Without a watcher, each memo is read only while the rules before it pass.
        if (!nameMatched) {
            examined(r);
            continue;
        }
        r.modified = scan.fieldGet(fDate).toDate();
        r.size = checkedInteger<qint64>(scan.fieldGet(fSize).toNumber());
        if (!examined && !plainRulesMatch(prepared, r))
            continue;
        if (!prepared.keywords.isEmpty()) {
            r.keys = keysOf(scan.fieldGet(fKeys));
            if (!examined && !keywordRulesMatch(prepared, r))
                continue;
        }
        if (needsComments) {
            r.comments = scan.fieldGet(fComments).toString();
            if (!examined && !commentRulesMatch(prepared, r))
                continue;
        }
        if (examined)
            examined(r);
        if (!matchesSearch(prepared, r))
            continue;
        const QByteArray key = DbServer::fitToWidth(storedLabel, labelWidth)
                               + DbServer::fitToWidth(scan.fieldGet(fPath).toString(), pathWidth)
                               + DbServer::fitToWidth(scan.fieldGet(fName).toString(), nameWidth);
        hits.push_back({rank, key, scan.recNo(), std::move(r)});
    }
    server.setOrder(1);
    // The server ends past the last record, as a walk through every record leaves it.
    server.goTo(0);
    std::sort(hits.begin(), hits.end(), [](const Hit &a, const Hit &b) {
        return std::tie(a.mediaRank, a.key, a.recNo) < std::tie(b.mediaRank, b.key, b.recNo);
    });
    if (found)
        for (const Hit &h : hits)
            found(h.record);
    return count;
}

} // namespace gb
