#include "platform/table/cdxindex.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace gb {

namespace {

const char kMagic[8] = {'G', 'B', 'C', 'D', 'X', '0', '1', '\0'};
constexpr int kTagBase = 64;
constexpr int kTagSize = 128;
constexpr int kMaxDepth = 40;
constexpr uchar kLeaf = 1;
constexpr uchar kInner = 2;
constexpr int kDefaultCacheLimit = 8192;
int gCacheLimit = kDefaultCacheLimit;

uint32_t rd32(const uchar *p) { return qFromLittleEndian<quint32>(p); }
void wr32(uchar *p, uint32_t v) { qToLittleEndian<quint32>(v, p); }
int count(const uchar *p) { return qFromLittleEndian<quint16>(p + 2); }
void setCount(uchar *p, int n) { qToLittleEndian<quint16>(quint16(n), p + 2); }

} // namespace

void tabletesting::setIndexCacheLimit(int pages)
{
    gCacheLimit = pages > 0 ? pages : kDefaultCacheLimit;
}

namespace {

uint32_t fnv1a(const uchar *p, int n)
{
    uint32_t h = 2166136261u;
    for (int i = 0; i < n; ++i)
        h = (h ^ p[i]) * 16777619u;
    return h;
}

// Compares an entry's leading bytes with a search key of at most the entry's length.
int prefixCompare(const uchar *entry, const QByteArray &key)
{
    return std::memcmp(entry, key.constData(), size_t(key.size()));
}

} // namespace

bool CdxIndex::fail(const QString &text)
{
    mError = text;
    return false;
}

bool CdxIndex::broken(const char *what)
{
    mBroken = true;
    return fail(QStringLiteral("The index %1 is damaged (%2)").arg(mFile.path(), QLatin1String(what)));
}

bool CdxIndex::create(const QString &path)
{
    mTags.clear();
    mCache.clear();
    mCachedPages = 0;
    mPageCount = 1;
    mTableRecords = 0;
    mDirty = false;
    mBroken = false;
    mGeneration = 1;
    if (!mFile.open(path, false, true) || !mFile.truncate(kPageSize))
        return fail(mFile.errorString());
    return writeHeader();
}

bool CdxIndex::open(const QString &path, bool readOnly)
{
    mTags.clear();
    mCache.clear();
    mCachedPages = 0;
    mBroken = false;
    if (!mFile.open(path, readOnly))
        return fail(mFile.errorString());
    if (!readHeader()) {
        mFile.close();
        return false;
    }
    return true;
}

void CdxIndex::close()
{
    mFile.close();
    mTags.clear();
    mCache.clear();
    mCachedPages = 0;
}

int CdxIndex::findTag(const QString &name) const
{
    for (size_t i = 0; i < mTags.size(); ++i) {
        if (mTags[i].name.compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

bool CdxIndex::readHeader()
{
    uchar h[kTagBase + kMaxTags * kTagSize];
    if (mFile.size() < kPageSize || !mFile.readAt(0, h, sizeof h) || std::memcmp(h, kMagic, 8) != 0)
        return fail(QStringLiteral("%1 is not an index of this program").arg(mFile.path()));
    const uint32_t tags = rd32(h + 32);
    if (rd32(h + 8) != uint32_t(kPageSize) || tags > uint32_t(kMaxTags))
        return fail(QStringLiteral("%1 has a damaged header").arg(mFile.path()));
    const int used = kTagBase + int(tags) * kTagSize;
    const uint32_t sum = rd32(h + 36);
    wr32(h + 36, 0);
    if (fnv1a(h, used) != sum)
        return fail(QStringLiteral("%1 has a damaged header").arg(mFile.path()));
    mPageCount = rd32(h + 12);
    mTableRecords = rd32(h + 16);
    mDirty = rd32(h + 20) != 0;
    mGeneration = qFromLittleEndian<quint64>(h + 24);
    mTags.clear();
    for (uint32_t i = 0; i < tags; ++i) {
        const uchar *t = h + kTagBase + i * kTagSize;
        Tag tag;
        tag.name = QString::fromUtf8(reinterpret_cast<const char *>(t), int(qstrnlen(reinterpret_cast<const char *>(t), 12)));
        tag.expression = QString::fromUtf8(reinterpret_cast<const char *>(t + 12),
                                           int(qstrnlen(reinterpret_cast<const char *>(t + 12), 100)));
        tag.keyLength = qFromLittleEndian<quint16>(t + 112);
        tag.unique = t[114] != 0;
        tag.root = rd32(t + 116);
        if (tag.keyLength < 1 || tag.keyLength > kMaxKeyLength || tag.root == 0 || tag.root >= mPageCount)
            mBroken = true;
        mTags.push_back(tag);
    }
    if (mFile.size() < int64_t(mPageCount) * kPageSize)
        mBroken = true;
    mCache.clear();
    mCachedPages = 0;
    mCache.resize(mPageCount);
    return true;
}

bool CdxIndex::writeHeader()
{
    uchar h[kTagBase + kMaxTags * kTagSize] = {};
    std::memcpy(h, kMagic, 8);
    wr32(h + 8, kPageSize);
    wr32(h + 12, mPageCount);
    wr32(h + 16, mTableRecords);
    wr32(h + 20, mDirty ? 1 : 0);
    qToLittleEndian<quint64>(mGeneration, h + 24);
    wr32(h + 32, uint32_t(mTags.size()));
    for (size_t i = 0; i < mTags.size(); ++i) {
        uchar *t = h + kTagBase + i * kTagSize;
        const QByteArray name = mTags[i].name.toUtf8().left(11);
        const QByteArray expr = mTags[i].expression.toUtf8().left(99);
        std::memcpy(t, name.constData(), size_t(name.size()));
        std::memcpy(t + 12, expr.constData(), size_t(expr.size()));
        qToLittleEndian<quint16>(quint16(mTags[i].keyLength), t + 112);
        t[114] = mTags[i].unique ? 1 : 0;
        wr32(t + 116, mTags[i].root);
    }
    const int used = kTagBase + int(mTags.size()) * kTagSize;
    wr32(h + 36, fnv1a(h, used));
    return mFile.writeAt(0, h, used) || fail(mFile.errorString());
}

bool CdxIndex::isStale(uint32_t tableRecords) const
{
    return mDirty || mBroken || mTableRecords != tableRecords;
}

bool CdxIndex::refresh()
{
    uchar g[8];
    if (!mFile.readAt(24, g, 8))
        return fail(mFile.errorString());
    if (qFromLittleEndian<quint64>(g) == mGeneration)
        return true;
    mBroken = false;
    if (!readHeader()) {
        mBroken = true;
        return false;
    }
    return true;
}

bool CdxIndex::beginChange()
{
    if (mDirty)
        return true;
    mDirty = true;
    return writeHeader();
}

bool CdxIndex::finishChange(uint32_t tableRecords)
{
    mDirty = false;
    mTableRecords = tableRecords;
    ++mGeneration;
    mHeaderChanged = true;
    return true;
}

bool CdxIndex::writeChanges()
{
    std::sort(mChangedPages.begin(), mChangedPages.end());
    mChangedPages.erase(std::unique(mChangedPages.begin(), mChangedPages.end()), mChangedPages.end());
    for (uint32_t no : mChangedPages) {
        if (no < mCache.size() && mCache[no]
            && !mFile.writeAt(int64_t(no) * kPageSize, mCache[no].get(), kPageSize))
            return fail(mFile.errorString());
    }
    mChangedPages.clear();
    if (!mHeaderChanged)
        return true;
    mHeaderChanged = false;
    return writeHeader();
}

uchar *CdxIndex::page(uint32_t no)
{
    if (no == 0 || no >= mPageCount) {
        broken("page number out of range");
        return nullptr;
    }
    if (no >= mCache.size())
        mCache.resize(mPageCount);
    if (!mCache[no]) {
        std::unique_ptr<uchar[]> p(new uchar[kPageSize]);
        if (!mFile.readAt(int64_t(no) * kPageSize, p.get(), kPageSize)) {
            broken("page missing");
            return nullptr;
        }
        const uint32_t tag = rd32(p.get() + 12);
        if ((p[0] != kLeaf && p[0] != kInner) || tag >= mTags.size()) {
            broken("bad page");
            return nullptr;
        }
        const int n = count(p.get());
        const int cap = p[0] == kLeaf ? leafCapacity(int(tag)) : innerCapacity(int(tag));
        if (n > cap || rd32(p.get() + 4) >= mPageCount || rd32(p.get() + 8) >= mPageCount) {
            broken("bad page");
            return nullptr;
        }
        mCache[no] = std::move(p);
        ++mCachedPages;
    }
    return mCache[no].get();
}

bool CdxIndex::writePage(uint32_t no)
{
    mChangedPages.push_back(no);
    return true;
}

uint32_t CdxIndex::allocPage(int tag, uchar type)
{
    const uint32_t no = mPageCount++;
    mCache.resize(mPageCount);
    mCache[no].reset(new uchar[kPageSize]());
    ++mCachedPages;
    mCache[no][0] = type;
    wr32(mCache[no].get() + 12, uint32_t(tag));
    return no;
}

bool CdxIndex::addTag(const QString &name, const QString &expression, int keyLength, bool unique)
{
    if (int(mTags.size()) >= kMaxTags)
        return fail(QStringLiteral("An index holds at most %1 orders").arg(kMaxTags));
    if (keyLength < 1 || keyLength > kMaxKeyLength)
        return fail(QStringLiteral("Key \"%1\" is %2 bytes long; at most %3 fit").arg(expression, QString::number(keyLength), QString::number(kMaxKeyLength)));
    Tag t;
    t.name = name.toUpper();
    t.expression = expression;
    t.keyLength = keyLength;
    t.unique = unique;
    mTags.push_back(t);
    mTags.back().root = allocPage(int(mTags.size()) - 1, kLeaf);
    return writePage(mTags.back().root);
}

// Position in a page of items of the given size: the count of leading items whose key part
// is < key (or <= key with orEqual).
static int position(const uchar *p, int size, const QByteArray &key, bool orEqual)
{
    int lo = 0, hi = count(p);
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        const int c = prefixCompare(p + 16 + mid * size, key);
        if (c < 0 || (orEqual && c == 0))
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

// Walks from the root to the leaf where key belongs: past the inner entries < key, or
// <= key with orEqual. Records the inner pages and the child taken when path is given.
uint32_t CdxIndex::descend(int tag, const QByteArray &key, bool orEqual,
                           std::vector<std::pair<uint32_t, int>> *path)
{
    const int e = entryLength(tag);
    uint32_t no = mTags[size_t(tag)].root;
    for (int depth = 0; depth < kMaxDepth; ++depth) {
        const uchar *p = page(no);
        if (!p || rd32(p + 12) != uint32_t(tag))
            return broken("page of another order"), 0;
        if (p[0] == kLeaf)
            return no;
        const int lo = position(p, e + 4, key, orEqual);
        if (path)
            path->emplace_back(no, lo);
        no = lo == 0 ? rd32(p + 4) : rd32(p + 16 + (lo - 1) * (e + 4) + e);
    }
    broken("tree too deep");
    return 0;
}

// Puts an item at position at of a page when it fits; otherwise leaves the page alone and
// gives all its items with the new one in order, for the caller to split.
static bool putItem(uchar *p, int size, int capacity, int at, const QByteArray &item, QByteArray &overflow)
{
    const int n = count(p);
    if (n < capacity) {
        std::memmove(p + 16 + (at + 1) * size, p + 16 + at * size, size_t((n - at) * size));
        std::memcpy(p + 16 + at * size, item.constData(), size_t(size));
        setCount(p, n + 1);
        return true;
    }
    overflow = QByteArray(reinterpret_cast<const char *>(p + 16), at * size);
    overflow.append(item.constData(), size);
    overflow.append(reinterpret_cast<const char *>(p + 16 + at * size), (n - at) * size);
    return false;
}

// Drops the cached pages that hold no change yet to be written, when there are too many.
// Called only at the start of an operation, when no page pointer is held.
void CdxIndex::trimCache()
{
    if (mCachedPages <= gCacheLimit)
        return;
    std::vector<bool> keep(mCache.size(), false);
    for (uint32_t no : mChangedPages) {
        if (no < keep.size())
            keep[no] = true;
    }
    mCachedPages = 0;
    for (size_t i = 0; i < mCache.size(); ++i) {
        if (keep[i])
            ++mCachedPages;
        else
            mCache[i].reset();
    }
}

bool CdxIndex::insert(int tag, const QByteArray &entry)
{
    trimCache();
    // A unique order holds the first record of each key only, as in dBASE.
    if (mTags[size_t(tag)].unique) {
        const QByteArray key = entry.left(mTags[size_t(tag)].keyLength);
        Cursor c;
        if (lowerBound(tag, key, c) && entryAt(c).startsWith(key))
            return true;
        if (mBroken)
            return false;
    }
    const int e = entryLength(tag);
    std::vector<std::pair<uint32_t, int>> path;
    const uint32_t leafNo = descend(tag, entry, true, &path);
    uchar *leaf = leafNo ? page(leafNo) : nullptr;
    if (!leaf)
        return false;
    const int n = count(leaf);
    const int pos = position(leaf, e, entry, false);
    QByteArray all;
    if (putItem(leaf, e, leafCapacity(tag), pos, entry, all))
        return writePage(leafNo);

    // Split the leaf: the upper half moves to a new page linked after it.
    const int total = n + 1;
    const int left = total / 2;
    const uint32_t rightNo = allocPage(tag, kLeaf);
    leaf = page(leafNo);
    uchar *right = page(rightNo);
    const uint32_t oldNext = rd32(leaf + 8);
    std::memcpy(leaf + 16, all.constData(), size_t(left * e));
    setCount(leaf, left);
    std::memcpy(right + 16, all.constData() + left * e, size_t((total - left) * e));
    setCount(right, total - left);
    wr32(right + 4, leafNo);
    wr32(right + 8, oldNext);
    wr32(leaf + 8, rightNo);
    if (oldNext) {
        uchar *after = page(oldNext);
        if (!after)
            return false;
        wr32(after + 4, rightNo);
        if (!writePage(oldNext))
            return false;
    }
    if (!writePage(rightNo) || !writePage(leafNo))
        return false;

    QByteArray separator(reinterpret_cast<const char *>(right + 16), e);
    uint32_t child = rightNo;
    while (!path.empty()) {
        const auto [innerNo, at] = path.back();
        path.pop_back();
        uchar *inner = page(innerNo);
        if (!inner)
            return false;
        const int m = count(inner);
        const int pair = e + 4;
        QByteArray item = separator;
        item.resize(pair);
        wr32(reinterpret_cast<uchar *>(item.data()) + e, child);
        QByteArray items;
        if (putItem(inner, pair, innerCapacity(tag), at, item, items))
            return writePage(innerNo);
        // Split the inner page; the middle entry moves up.
        const int all2 = m + 1;
        const int mid = all2 / 2;
        const uint32_t newNo = allocPage(tag, kInner);
        inner = page(innerNo);
        uchar *fresh = page(newNo);
        const uchar *midItem = reinterpret_cast<const uchar *>(items.constData()) + mid * pair;
        std::memcpy(inner + 16, items.constData(), size_t(mid * pair));
        setCount(inner, mid);
        wr32(fresh + 4, rd32(midItem + e));
        std::memcpy(fresh + 16, midItem + pair, size_t((all2 - mid - 1) * pair));
        setCount(fresh, all2 - mid - 1);
        if (!writePage(newNo) || !writePage(innerNo))
            return false;
        separator = QByteArray(reinterpret_cast<const char *>(midItem), e);
        child = newNo;
    }
    // The root itself split: a new root above both halves.
    const uint32_t rootNo = allocPage(tag, kInner);
    uchar *root = page(rootNo);
    wr32(root + 4, mTags[size_t(tag)].root);
    std::memcpy(root + 16, separator.constData(), size_t(e));
    wr32(root + 16 + e, child);
    setCount(root, 1);
    mTags[size_t(tag)].root = rootNo;
    return writePage(rootNo);
}

bool CdxIndex::remove(int tag, const QByteArray &entry)
{
    const int e = entryLength(tag);
    Cursor c;
    if (!lowerBound(tag, entry, c))
        return !mBroken;
    uchar *leaf = page(c.page);
    if (!leaf || std::memcmp(leaf + 16 + c.index * e, entry.constData(), size_t(e)) != 0)
        return !mBroken;
    const int n = count(leaf);
    std::memmove(leaf + 16 + c.index * e, leaf + 16 + (c.index + 1) * e, size_t((n - c.index - 1) * e));
    setCount(leaf, n - 1);
    return writePage(c.page);
}

bool CdxIndex::skipEmptyForward(Cursor &c)
{
    for (uint32_t steps = 0; steps < mPageCount; ++steps) {
        const uchar *p = page(c.page);
        if (!p || p[0] != kLeaf)
            return false;
        if (c.index < count(p))
            return true;
        c.page = rd32(p + 8);
        c.index = 0;
        if (c.page == 0)
            return false;
    }
    return broken("leaf chain loops");
}

bool CdxIndex::skipEmptyBackward(Cursor &c, bool fromEnd)
{
    for (uint32_t steps = 0; steps < mPageCount; ++steps) {
        const uchar *p = page(c.page);
        if (!p || p[0] != kLeaf)
            return false;
        if (fromEnd)
            c.index = count(p) - 1;
        if (c.index >= 0)
            return true;
        c.page = rd32(p + 4);
        fromEnd = true;
        if (c.page == 0)
            return false;
    }
    return broken("leaf chain loops");
}

bool CdxIndex::lowerBound(int tag, const QByteArray &prefix, Cursor &c)
{
    trimCache();
    const int e = entryLength(tag);
    const QByteArray key = prefix.left(e);
    c.page = descend(tag, key, false, nullptr);
    const uchar *p = c.page ? page(c.page) : nullptr;
    if (!p)
        return false;
    c.index = position(p, e, key, false);
    return skipEmptyForward(c);
}

bool CdxIndex::lastAtMost(int tag, const QByteArray &prefix, Cursor &c)
{
    trimCache();
    const int e = entryLength(tag);
    const QByteArray key = prefix.left(e);
    c.page = descend(tag, key, true, nullptr);
    const uchar *p = c.page ? page(c.page) : nullptr;
    if (!p)
        return false;
    c.index = position(p, e, key, true) - 1;
    return skipEmptyBackward(c, false);
}

bool CdxIndex::next(Cursor &c)
{
    ++c.index;
    return skipEmptyForward(c);
}

bool CdxIndex::prev(Cursor &c)
{
    --c.index;
    return skipEmptyBackward(c, false);
}

QByteArray CdxIndex::entryAt(const Cursor &c)
{
    const uchar *p = page(c.page);
    if (!p)
        return QByteArray(4, '\0');
    const int e = entryLength(int(rd32(p + 12)));
    return QByteArray(reinterpret_cast<const char *>(p + 16 + c.index * e), e);
}

uint32_t CdxIndex::recNoOf(const QByteArray &entry)
{
    return qFromBigEndian<quint32>(entry.constData() + entry.size() - 4);
}

QByteArray CdxIndex::makeEntry(const QByteArray &key, uint32_t recNo)
{
    QByteArray entry = key;
    entry.resize(key.size() + 4);
    qToBigEndian<quint32>(recNo, entry.data() + key.size());
    return entry;
}

bool CdxIndex::rebuild(std::vector<std::vector<QByteArray>> entries, uint32_t tableRecords)
{
    // The dirty flag stays on disk until the new trees are complete.
    mDirty = true;
    if (!writeHeader() || !mFile.truncate(kPageSize))
        return false;
    mChangedPages.clear();
    mCache.clear();
    mCachedPages = 0;
    mPageCount = 1;
    mBroken = false;
    QByteArray out;
    auto newPage = [&](int tag, uchar type) {
        const uint32_t no = mPageCount++;
        out.append(QByteArray(kPageSize, '\0'));
        uchar *p = reinterpret_cast<uchar *>(out.data()) + (no - 1) * kPageSize;
        p[0] = type;
        wr32(p + 12, uint32_t(tag));
        return no;
    };
    auto at = [&](uint32_t no) { return reinterpret_cast<uchar *>(out.data()) + (no - 1) * kPageSize; };

    for (int t = 0; t < tagCount(); ++t) {
        std::vector<QByteArray> &list = entries[size_t(t)];
        std::sort(list.begin(), list.end());
        if (mTags[size_t(t)].unique) {
            const int k = mTags[size_t(t)].keyLength;
            list.erase(std::unique(list.begin(), list.end(),
                                   [k](const QByteArray &a, const QByteArray &b) {
                                       return std::memcmp(a.constData(), b.constData(), size_t(k)) == 0;
                                   }),
                       list.end());
        }
        const int e = entryLength(t);
        // Three quarters full leaves room for later inserts without immediate splits.
        const int perLeaf = std::max(1, leafCapacity(t) * 3 / 4);
        std::vector<std::pair<QByteArray, uint32_t>> level;
        uint32_t prevLeaf = 0;
        size_t i = 0;
        do {
            const uint32_t no = newPage(t, kLeaf);
            const int n = int(std::min<size_t>(size_t(perLeaf), list.size() - i));
            for (int k = 0; k < n; ++k)
                std::memcpy(at(no) + 16 + k * e, list[i + size_t(k)].constData(), size_t(e));
            setCount(at(no), n);
            wr32(at(no) + 4, prevLeaf);
            if (prevLeaf)
                wr32(at(prevLeaf) + 8, no);
            level.emplace_back(n ? list[i] : QByteArray(), no);
            prevLeaf = no;
            i += size_t(n);
        } while (i < list.size());
        const int perInner = std::max(2, (innerCapacity(t) + 1) * 3 / 4);
        while (level.size() > 1) {
            std::vector<std::pair<QByteArray, uint32_t>> up;
            for (size_t j = 0; j < level.size(); j += size_t(perInner)) {
                const size_t end = std::min(level.size(), j + size_t(perInner));
                const uint32_t no = newPage(t, kInner);
                wr32(at(no) + 4, level[j].second);
                for (size_t k = j + 1; k < end; ++k) {
                    uchar *item = at(no) + 16 + int(k - j - 1) * (e + 4);
                    std::memcpy(item, level[k].first.constData(), size_t(e));
                    wr32(item + e, level[k].second);
                }
                setCount(at(no), int(end - j - 1));
                up.emplace_back(level[j].first, no);
            }
            level.swap(up);
        }
        mTags[size_t(t)].root = level.front().second;
    }
    if (!mFile.writeAt(kPageSize, out))
        return fail(mFile.errorString());
    mCache.resize(mPageCount);
    return finishChange(tableRecords);
}

} // namespace gb
