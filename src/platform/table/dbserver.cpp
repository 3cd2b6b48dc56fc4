#include "platform/table/dbserver.h"

#include "platform/table/fieldcodec.h"

#include <QFile>
#include <QFileInfo>

namespace gb {

namespace {

QString sibling(const QString &dbfPath, const char *extension)
{
    QString stem = dbfPath;
    const int dot = stem.lastIndexOf(QLatin1Char('.'));
    if (dot > stem.lastIndexOf(QLatin1Char('/')))
        stem.truncate(dot);
    return stem + QLatin1String(extension);
}

} // namespace

// Holds the table's file lock for one operation and brings the view of the files up to
// date with what other processes wrote.
struct DbServer::Locker {
    DbServer &s;
    bool ok;
    explicit Locker(DbServer &server) : s(server), ok(server.lock()) {}
    ~Locker()
    {
        if (ok)
            s.unlock();
    }
};

DbServer::~DbServer()
{
    close();
}

bool DbServer::fail(const QString &text)
{
    mError = text;
    return false;
}

bool DbServer::create(const QString &dbfPath, const TableStructure &structure, QString *error)
{
    if (!DbfFile::create(dbfPath, structure, error))
        return false;
    bool memo = false;
    for (const FieldSpec &f : structure)
        memo = memo || QChar::fromLatin1(f.type).toUpper() == QLatin1Char('M');
    if (memo && !MemoFile::create(sibling(dbfPath, ".fpt"), error))
        return false;
    QFile::remove(sibling(dbfPath, ".cdx"));
    return true;
}

bool DbServer::open(const QString &dbfPath, bool shared, bool readOnly)
{
    close();
    mError.clear();
    mPath = dbfPath;
    mShared = shared;
    mReadOnly = readOnly;
    if (!mDbf.open(dbfPath, readOnly))
        return fail(mDbf.errorString());
    if (mDbf.hasMemo() && !mMemo.open(sibling(dbfPath, ".fpt"), readOnly)) {
        mDbf.close();
        return fail(mMemo.errorString());
    }
    mHasIndex = false;
    mTagFields.clear();
    const QString cdx = sibling(dbfPath, ".cdx");
    if (QFileInfo::exists(cdx) && mCdx.open(cdx, readOnly)) {
        mHasIndex = true;
        for (int t = 0; t < mCdx.tagCount() && mHasIndex; ++t) {
            int length = 0;
            mTagFields.emplace_back();
            mHasIndex = parseKey(mCdx.tag(t).expression, mTagFields.back(), length)
                        && length == mCdx.tag(t).keyLength;
        }
        if (!mHasIndex) {
            mCdx.close();
            mTagFields.clear();
        }
    }
    mIndexChecked = false;
    mOpen = true;
    mOrder = 0;
    mError.clear();
    goTop();
    return true;
}

void DbServer::close()
{
    if (!mOpen)
        return;
    flush();
    if (mLockDepth > 0) {
        mLockDepth = 1;
        unlock();
    }
    mDbf.close();
    mMemo.close();
    mCdx.close();
    mOpen = false;
    mHasIndex = false;
    mScopeTop.reset();
    mScopeBottom.reset();
    mEof = true;
    mRecNo = 0;
}

QString DbServer::orderName(int order) const
{
    return order >= 1 && order <= orderCount() ? mCdx.tag(order - 1).name : QString();
}

int DbServer::keyLength(int order) const
{
    return order >= 1 && order <= orderCount() ? mCdx.tag(order - 1).keyLength : 0;
}

QString DbServer::orderKey(int order) const
{
    return order >= 1 && order <= orderCount() ? mCdx.tag(order - 1).expression : QString();
}

bool DbServer::lock()
{
    if (!mOpen)
        return fail(QStringLiteral("The table is not open"));
    if (mLockDepth++ > 0)
        return true;
    if (!mDbf.file().lock()) {
        mLockDepth = 0;
        return fail(mDbf.file().errorString());
    }
    readShared();
    if (mMemo.isOpen() && !mReadOnly)
        mMemo.refresh();
    return true;
}

void DbServer::unlock()
{
    if (mLockDepth == 0 || --mLockDepth > 0)
        return;
    writeDeferred();
    mDbf.file().unlock();
}

// What the held lock kept back, in the order that keeps a killed process's files
// consistent: memos and records are already written; then the counters; the index last.
bool DbServer::writeDeferred()
{
    if ((mMemo.isOpen() && !mMemo.writeCounter()) || !mDbf.writeCount())
        return fail(mMemo.errorString().isEmpty() ? mDbf.errorString() : mMemo.errorString());
    if (mHasIndex && !mCdx.writeChanges())
        return fail(mCdx.errorString());
    return true;
}

// Sees what other processes wrote; not while this server holds the lock, when its own
// counts may be ahead of the files.
void DbServer::syncShared()
{
    if (mLockDepth == 0)
        readShared();
}

void DbServer::readShared()
{
    if (!mShared)
        return;
    mDbf.refresh();
    if (mHasIndex)
        mCdx.refresh();
}

bool DbServer::parseKey(const QString &expression, std::vector<KeyPart> &parts, int &length)
{
    parts.clear();
    length = 0;
    for (const QString &text : expression.split(QLatin1Char('+'))) {
        QString name = text.trimmed();
        const bool folded = name.startsWith(QLatin1String("LOWER("), Qt::CaseInsensitive)
                            && name.endsWith(QLatin1Char(')'));
        if (folded)
            name = name.mid(6, name.size() - 7).trimmed();
        const int i = mDbf.fieldIndex(name);
        const char type = i < 0 ? '\0' : mDbf.structure()[size_t(i)].type;
        if (i < 0 || type == 'M' || (folded && type != 'C'))
            return fail(QStringLiteral("The key \"%1\" names no usable field \"%2\"").arg(expression, text.trimmed()));
        parts.push_back({i, folded});
        length += mDbf.structure()[size_t(i)].width;
    }
    return !parts.empty();
}

QByteArray DbServer::keyOf(int tag, const QByteArray &record) const
{
    QByteArray key;
    for (const KeyPart &part : mTagFields[size_t(tag)]) {
        const int width = mDbf.structure()[size_t(part.field)].width;
        const QByteArrayView stored(record.constData() + mDbf.fieldOffset(part.field), width);
        if (part.folded)
            key.append(fieldcodec::foldCase(stored, width));
        else
            key.append(stored);
    }
    return key;
}

namespace {

// Records are read about a megabyte at a time: one read instead of one per record.
uint32_t recordsPerRead(int recordLength)
{
    return uint32_t(std::max(1, (1 << 20) / std::max(1, recordLength)));
}

} // namespace

bool DbServer::rebuildIndex()
{
    std::vector<std::vector<QByteArray>> entries(size_t(mCdx.tagCount()));
    const uint32_t total = mDbf.recCount();
    const int length = mDbf.recordLength();
    // The table may be large: it is read a slice at a time.
    const uint32_t slice = recordsPerRead(length);
    QByteArray chunk;
    for (uint32_t first = 1; first <= total; first += slice) {
        const uint32_t n = std::min(slice, total - first + 1);
        if (!mDbf.readRecords(first, n, chunk))
            return fail(mDbf.errorString());
        for (uint32_t k = 0; k < n; ++k) {
            const QByteArray record = QByteArray::fromRawData(chunk.constData() + qsizetype(k) * length, length);
            if (record[0] == '*')
                continue;
            for (int t = 0; t < mCdx.tagCount(); ++t)
                entries[size_t(t)].push_back(CdxIndex::makeEntry(keyOf(t, record), first + k));
        }
    }
    if (!mCdx.rebuild(std::move(entries), total))
        return fail(mCdx.errorString());
    return true;
}

bool DbServer::ensureIndex()
{
    if (!mHasIndex || !mCdx.isStale(mDbf.recCount()))
        return true;
    if (mReadOnly) {
        mHasIndex = false;
        mOrder = 0;
        return fail(QStringLiteral("The index of %1 is out of date and the table is read-only").arg(mPath));
    }
    return rebuildIndex();
}

bool DbServer::indexReady()
{
    if (!mHasIndex)
        return false;
    if (!mIndexChecked || mCdx.isBroken()) {
        Locker l(*this);
        if (!l.ok || !ensureIndex())
            return false;
        mIndexChecked = true;
    }
    return mHasIndex;
}

bool DbServer::createIndex(const QString &indexPath, const QString &keyExpression, bool unique)
{
    if (!mOpen || mReadOnly)
        return fail(QStringLiteral("The table is not open for writing"));
    if (!flush())
        return false;
    Locker l(*this);
    if (!l.ok)
        return false;
    std::vector<KeyPart> fields;
    int length = 0;
    if (!parseKey(keyExpression, fields, length))
        return false;
    mCdx.close();
    mHasIndex = false;
    mTagFields.clear();
    mOrder = 0;
    if (!mCdx.create(indexPath))
        return fail(mCdx.errorString());
    const QString tag = QFileInfo(indexPath).completeBaseName().left(10);
    if (!mCdx.addTag(tag, keyExpression.trimmed(), length, unique))
        return fail(mCdx.errorString());
    mTagFields.push_back(fields);
    mHasIndex = true;
    mIndexChecked = true;
    if (!rebuildIndex())
        return false;
    mOrder = 1;
    return mLockDepth > 1 || writeDeferred();
}

bool DbServer::createOrder(const QString &tag, const QString &indexPath, const QString &keyExpression, bool unique)
{
    if (!mHasIndex)
        return createIndex(indexPath, keyExpression, unique) && (mCdx.tagCount() == 1);
    if (mReadOnly || !flush())
        return fail(QStringLiteral("The table is not open for writing"));
    Locker l(*this);
    if (!l.ok || !ensureIndex())
        return false;
    std::vector<KeyPart> fields;
    int length = 0;
    if (!parseKey(keyExpression, fields, length))
        return false;
    if (mCdx.findTag(tag) >= 0)
        return fail(QStringLiteral("The order %1 exists already").arg(tag));
    if (!mCdx.addTag(tag.trimmed().left(10), keyExpression.trimmed(), length, unique))
        return fail(mCdx.errorString());
    mTagFields.push_back(fields);
    return rebuildIndex() && (mLockDepth > 1 || writeDeferred());
}

bool DbServer::setOrder(int order)
{
    if (order < 0 || order > orderCount())
        return fail(QStringLiteral("The table has no order %1").arg(order));
    if (!flush())
        return false;
    mOrder = order;
    return true;
}

void DbServer::orderScope(ScopeEnd end, const std::optional<QByteArray> &key)
{
    (end == ScopeTop ? mScopeTop : mScopeBottom) = key;
}

void DbServer::setEof()
{
    mEof = true;
    mRecNo = mDbf.recCount() + 1;
    mRecord = mDbf.blankRecord();
    mOriginal = mRecord;
    mPendingMemos.clear();
}

bool DbServer::load(uint32_t recNo)
{
    if (!mDbf.readRecord(recNo, mRecord)) {
        setEof();
        return false;
    }
    mOriginal = mRecord;
    mPendingMemos.clear();
    mRecNo = recNo;
    mEof = false;
    return true;
}

// Moves through record numbers in the given direction to the first live record.
bool DbServer::naturalFrom(uint32_t recNo, int step)
{
    for (; recNo >= 1 && recNo <= mDbf.recCount(); recNo += uint32_t(step)) {
        if (!load(recNo))
            return false;
        if (!deleted())
            return true;
    }
    setEof();
    return false;
}

// From an index position, the first entry (going forward) that is inside the bottom scope
// and whose record is live and still carries that key.
bool DbServer::validForward(CdxIndex::Cursor c)
{
    const int tag = mOrder - 1;
    for (;;) {
        const QByteArray entry = mCdx.entryAt(c);
        if (mScopeBottom && std::memcmp(entry.constData(), mScopeBottom->constData(),
                                        size_t(std::min<qsizetype>(mScopeBottom->size(), entry.size() - 4))) > 0)
            break;
        if (load(CdxIndex::recNoOf(entry)) && !deleted() && entry.startsWith(keyOf(tag, mRecord)))
            return true;
        if (!mCdx.next(c))
            break;
    }
    setEof();
    return false;
}

bool DbServer::validBackward(CdxIndex::Cursor c)
{
    const int tag = mOrder - 1;
    for (;;) {
        const QByteArray entry = mCdx.entryAt(c);
        if (mScopeTop && std::memcmp(entry.constData(), mScopeTop->constData(),
                                     size_t(std::min<qsizetype>(mScopeTop->size(), entry.size() - 4))) < 0)
            return false;
        if (load(CdxIndex::recNoOf(entry)) && !deleted() && entry.startsWith(keyOf(tag, mRecord)))
            return true;
        if (!mCdx.prev(c))
            return false;
    }
}

bool DbServer::goTop()
{
    mBof = false;
    if (!mOpen || !flush())
        return false;
    syncShared();
    if (mOrder == 0 || !indexReady())
        return naturalFrom(1, 1);
    CdxIndex::Cursor c;
    if (!mCdx.lowerBound(mOrder - 1, mScopeTop.value_or(QByteArray()), c)) {
        setEof();
        return false;
    }
    return validForward(c);
}

bool DbServer::goBottom()
{
    mBof = false;
    if (!mOpen || !flush())
        return false;
    syncShared();
    if (mOrder == 0 || !indexReady())
        return naturalFrom(mDbf.recCount(), -1);
    CdxIndex::Cursor c;
    const bool found = mScopeBottom ? mCdx.lastAtMost(mOrder - 1, *mScopeBottom, c)
                                    : mCdx.lastAtMost(mOrder - 1, QByteArray(), c) ;
    if (!found || !validBackward(c)) {
        setEof();
        return false;
    }
    return true;
}

bool DbServer::seek(const QByteArray &key, bool softSeek)
{
    mBof = false;
    if (!mOpen || !flush())
        return false;
    syncShared();
    if (mOrder == 0 || !indexReady()) {
        setEof();
        return fail(QStringLiteral("No order is selected"));
    }
    const QByteArray wanted = key.left(keyLength(mOrder));
    CdxIndex::Cursor c;
    if (!mCdx.lowerBound(mOrder - 1, wanted, c) || !validForward(c))
        return false;
    if (keyOf(mOrder - 1, mRecord).startsWith(wanted))
        return true;
    if (!softSeek)
        setEof();
    return false;
}

bool DbServer::goTo(uint32_t recNo)
{
    mBof = false;
    if (!mOpen || !flush())
        return false;
    syncShared();
    if (recNo < 1 || recNo > mDbf.recCount()) {
        setEof();
        return false;
    }
    return load(recNo);
}

bool DbServer::skip(int count)
{
    if (!mOpen || !flush())
        return false;
    mBof = false;
    if (count == 0)
        return load(mRecNo);
    const bool indexed = mOrder > 0 && indexReady();
    for (; count > 0; --count) {
        if (mEof)
            return false;
        if (!indexed) {
            naturalFrom(mRecNo + 1, 1);
            continue;
        }
        const QByteArray current = CdxIndex::makeEntry(keyOf(mOrder - 1, mRecord), mRecNo);
        CdxIndex::Cursor c;
        if (!mCdx.lowerBound(mOrder - 1, current, c)) {
            setEof();
            return false;
        }
        if (mCdx.entryAt(c) == current && !mCdx.next(c)) {
            setEof();
            return false;
        }
        validForward(c);
    }
    for (; count < 0; ++count) {
        if (mEof) {
            goBottom();
            continue;
        }
        const uint32_t here = mRecNo;
        bool moved;
        if (!indexed) {
            moved = naturalFrom(here - 1, -1);
        } else {
            const QByteArray current = CdxIndex::makeEntry(keyOf(mOrder - 1, mRecord), mRecNo);
            CdxIndex::Cursor c;
            moved = (mCdx.lowerBound(mOrder - 1, current, c) ? mCdx.prev(c)
                                                              : mCdx.lastAtMost(mOrder - 1, QByteArray(), c))
                    && validBackward(c);
        }
        if (!moved) {
            // Before the first record: stay on it, with bof() set.
            load(here);
            mBof = true;
            return false;
        }
    }
    return !mEof;
}

Value DbServer::fieldGet(const QString &name) const
{
    const int i = mDbf.fieldIndex(name);
    if (i < 0 || mRecord.isEmpty()) {
        mError = QStringLiteral("The table has no field %1").arg(name);
        return Value();
    }
    const auto pending = mPendingMemos.find(i);
    if (pending != mPendingMemos.end())
        return pending->second;
    return decodeField(i, QByteArrayView(mRecord).sliced(mDbf.fieldOffset(i), mDbf.structure()[size_t(i)].width));
}

Value DbServer::decodeField(int index, QByteArrayView raw) const
{
    const FieldSpec &f = mDbf.structure()[size_t(index)];
    const QByteArray bytes = QByteArray::fromRawData(raw.data(), raw.size());
    if (f.type != 'M')
        return fieldcodec::decode(f, bytes);
    const uint32_t block = fieldcodec::memoBlock(bytes);
    return block && mMemo.isOpen() ? const_cast<MemoFile &>(mMemo).read(block) : Value(QString());
}

DbServer::Scan::Scan(DbServer &server) : mServer(server)
{
    if (!server.mOpen || !server.flush()) {
        mFailed = true;
        return;
    }
    server.syncShared();
    mTotal = server.mDbf.recCount();
}

bool DbServer::Scan::next()
{
    const int length = mServer.mDbf.recordLength();
    for (;;) {
        if (mFailed || mRecNo >= mTotal) {
            mRecord = nullptr;
            return false;
        }
        ++mRecNo;
        if (mRecNo >= mChunkFirst + mChunkCount) {
            const uint32_t slice = recordsPerRead(length);
            mChunkFirst = mRecNo;
            mChunkCount = std::min(slice, mTotal - mRecNo + 1);
            if (!mServer.mDbf.readRecords(mChunkFirst, mChunkCount, mChunk)) {
                mServer.fail(mServer.mDbf.errorString());
                mFailed = true;
                continue;
            }
        }
        mRecord = mChunk.constData() + qsizetype(mRecNo - mChunkFirst) * length;
        if (mRecord[0] != '*')
            return true;
    }
}

Value DbServer::Scan::fieldGet(int index) const
{
    const FieldSpec &f = mServer.mDbf.structure()[size_t(index)];
    if (f.type != 'M' || !mServer.mMemo.isOpen())
        return mServer.decodeField(index, raw(index));
    const QByteArrayView stored = raw(index);
    return mServer.mMemo.read(fieldcodec::memoBlock(QByteArray::fromRawData(stored.data(), stored.size())), mAhead);
}

QByteArrayView DbServer::Scan::text(int index) const
{
    const FieldSpec &f = mServer.mDbf.structure()[size_t(index)];
    if (f.type == 'M' && mServer.mMemo.isOpen()) {
        const QByteArrayView stored = raw(index);
        return mServer.mMemo.readText(fieldcodec::memoBlock(QByteArray::fromRawData(stored.data(), stored.size())),
                                      mAhead);
    }
    mText = mServer.decodeField(index, raw(index)).toString().toUtf8();
    return mText;
}

QByteArray DbServer::fitToWidth(const QString &text, int width)
{
    return fieldcodec::fitToWidth(text, width);
}

QByteArray DbServer::foldToWidth(const QString &text, int width)
{
    return fieldcodec::foldCase(fieldcodec::fitToWidth(text, width), width);
}

bool DbServer::fieldPut(const QString &name, const Value &value)
{
    if (!mOpen || mReadOnly)
        return fail(QStringLiteral("The table is not open for writing"));
    if (mEof && !mAppended)
        return fail(QStringLiteral("There is no current record"));
    const int i = mDbf.fieldIndex(name);
    if (i < 0)
        return fail(QStringLiteral("The table has no field %1").arg(name));
    const FieldSpec &f = mDbf.structure()[size_t(i)];
    // Memos wait for the record's write, which puts them all in the memo file at once.
    if (f.type == 'M')
        mPendingMemos[i] = value;
    else
        mRecord.replace(mDbf.fieldOffset(i), f.width, fieldcodec::encode(f, value));
    mModified = true;
    return true;
}

bool DbServer::append()
{
    if (!mOpen || mReadOnly)
        return fail(QStringLiteral("The table is not open for writing"));
    if (!flush())
        return false;
    mRecord = mDbf.blankRecord();
    mOriginal = mRecord;
    mPendingMemos.clear();
    mAppended = true;
    mModified = true;
    mEof = false;
    mBof = false;
    mRecNo = mDbf.recCount() + 1;
    return true;
}

bool DbServer::flush()
{
    if (!mModified && !mAppended)
        return true;
    Locker l(*this);
    if (!l.ok)
        return false;
    if (mHasIndex && !ensureIndex())
        return false;
    if (!mPendingMemos.empty()) {
        std::vector<const Value *> values;
        for (const auto &[field, value] : mPendingMemos)
            values.push_back(&value);
        std::vector<uint32_t> blocks;
        if (!mMemo.isOpen() || !mMemo.write(values, blocks))
            return fail(mMemo.isOpen() ? mMemo.errorString() : QStringLiteral("The memo file is not open"));
        size_t k = 0;
        for (const auto &entry : mPendingMemos) {
            const int width = mDbf.structure()[size_t(entry.first)].width;
            mRecord.replace(mDbf.fieldOffset(entry.first), width, fieldcodec::memoPointer(blocks[k++], width));
        }
        mPendingMemos.clear();
    }
    const int tags = mHasIndex ? mCdx.tagCount() : 0;
    bool ok = true;
    if (mAppended) {
        // Another process may have appended since: the new record goes after its records.
        mRecNo = mDbf.recCount() + 1;
        ok = mDbf.writeRecord(mRecNo, mRecord) || fail(mDbf.errorString());
        for (int t = 0; ok && t < tags; ++t)
            ok = mCdx.insert(t, CdxIndex::makeEntry(keyOf(t, mRecord), mRecNo));
        if (ok && tags)
            ok = mCdx.finishChange(mDbf.recCount());
    } else {
        // A deleted record has no keys in the index, whatever its fields say.
        std::vector<int> changed;
        for (int t = 0; t < tags && mRecord[0] != '*'; ++t) {
            if (keyOf(t, mRecord) != keyOf(t, mOriginal))
                changed.push_back(t);
        }
        if (!changed.empty())
            ok = mCdx.beginChange();
        ok = ok && (mDbf.writeRecord(mRecNo, mRecord) || fail(mDbf.errorString()));
        for (int t : changed) {
            ok = ok && mCdx.remove(t, CdxIndex::makeEntry(keyOf(t, mOriginal), mRecNo))
                 && mCdx.insert(t, CdxIndex::makeEntry(keyOf(t, mRecord), mRecNo));
        }
        if (ok && !changed.empty())
            ok = mCdx.finishChange(mDbf.recCount());
    }
    if (!ok && mError.isEmpty())
        mError = mCdx.errorString();
    mAppended = false;
    mModified = false;
    mOriginal = mRecord;
    if (mLockDepth == 1)
        ok = writeDeferred() && ok;
    return ok;
}

bool DbServer::commit()
{
    return mOpen && flush();
}

bool DbServer::deleteRecord()
{
    if (!mOpen || mReadOnly || (mEof && !mAppended))
        return fail(QStringLiteral("There is no current record to delete"));
    if (!flush())
        return false;
    Locker l(*this);
    if (!l.ok || (mHasIndex && !ensureIndex()))
        return false;
    const int tags = mHasIndex ? mCdx.tagCount() : 0;
    mRecord[0] = '*';
    bool ok = !tags || mCdx.beginChange();
    ok = ok && (mDbf.writeRecord(mRecNo, mRecord) || fail(mDbf.errorString()));
    for (int t = 0; ok && t < tags; ++t)
        ok = mCdx.remove(t, CdxIndex::makeEntry(keyOf(t, mOriginal), mRecNo));
    if (ok && tags)
        ok = mCdx.finishChange(mDbf.recCount());
    mOriginal = mRecord;
    if (!ok)
        return fail(mCdx.errorString());
    return mLockDepth > 1 || writeDeferred();
}

} // namespace gb
