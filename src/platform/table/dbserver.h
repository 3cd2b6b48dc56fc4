#pragma once

#include "platform/table/value.h"
#include "platform/table/cdxindex.h"
#include "platform/table/dbffile.h"
#include "platform/table/fieldspec.h"
#include "platform/table/memofile.h"

#include <map>
#include <optional>

namespace gb {

// One open table: a dBASE .dbf file, its FoxPro memo file (.fpt) and its index file (.cdx),
// all with the same stem. Create the files with create(), then open() them.
//
// A table opens in record order; setOrder() selects an order of its index file (and
// createIndex() makes its new order the controlling one). The server has a current record.
// Positioning (goTop, skip, seek, goTo) follows the controlling order: 0 is record order,
// 1.. the orders of the index file in creation order.
// Deleted records are hidden from every walk and look-up. Past the last record eof() is
// true, recNo() is recCount() + 1 and every field reads blank.
//
// fieldPut() changes the current record in memory; the record reaches the files (and the
// index its new keys) on commit(), on any move and on close(), so a new record goes to disk
// once, complete. append() starts a new blank record that way. Every change is in the files
// when commit() returns. Changes take the table's file lock, so several processes may share
// a table; lock() holds it across several operations (a read, a change and an append that
// must not interleave with another process), and while held, the server sees what other
// processes wrote before.
//
// A missing, foreign, damaged or out-of-date index file (after a crash, or a table changed
// by another tool) is found before the first use of an order, and rebuilt from the records
// when the file is ours; a table opened read-only then has no orders. Nothing is rebuilt or
// written before that first use, so a caller can look at the structure of a table first.
class DbServer
{
public:
    enum ScopeEnd { ScopeTop, ScopeBottom };

    DbServer() = default;
    virtual ~DbServer();
    DbServer(const DbServer &) = delete;
    DbServer &operator=(const DbServer &) = delete;

    // Creates the .dbf (and the .fpt when a field is a memo) anew; an index file of the same
    // stem is removed, since its orders belonged to the old table.
    static bool create(const QString &dbfPath, const TableStructure &structure, QString *error = nullptr);

    bool open(const QString &dbfPath, bool shared = true, bool readOnly = false);
    bool isOpen() const { return mOpen; }
    void close();
    QString fileName() const { return mPath; }
    QString errorString() const { return mError; }

    TableStructure dbStruct() const { return mDbf.structure(); }
    int fieldPos(const QString &name) const { return mDbf.fieldIndex(name) + 1; }

    // Makes the index file anew with one order on keyExpression ("FIELD" or "A + B + C";
    // character, numeric, date and logical fields), named after the file's base name.
    // LOWER(FIELD) takes a character field with its letters case-folded (foldToWidth()), so
    // the order sorts it ignoring case and a seek gives that part folded.
    // In a unique order, as in dBASE, only the first record of each key is indexed; another
    // record with that key stays out of the order until the index is rebuilt.
    bool createIndex(const QString &indexPath, const QString &keyExpression, bool unique = false);
    // Adds a named order to the index file (made when missing).
    bool createOrder(const QString &tag, const QString &indexPath, const QString &keyExpression,
                     bool unique = false);
    int orderCount() const { return mHasIndex ? mCdx.tagCount() : 0; }
    QString orderName(int order) const;
    int keyLength(int order) const;
    // The key expression the order was made with, as given (blanks around it removed). A
    // caller whose orders changed compares it with its own to know an old index file.
    QString orderKey(int order) const;
    // Selects the controlling order; the current record stays current.
    bool setOrder(int order);
    int order() const { return mOrder; }

    // Positions on the first record of the controlling order whose key begins with key.
    // Not found: eof, or with softSeek the first record with a greater key.
    bool seek(const QByteArray &key, bool softSeek = false);
    // Limits walks of the controlling order to keys whose beginning lies between the scopes.
    void orderScope(ScopeEnd end, const std::optional<QByteArray> &key = std::nullopt);

    bool goTop();
    bool goBottom();
    bool skip(int count = 1);
    bool goTo(uint32_t recNo);
    bool eof() const { return mEof; }
    bool bof() const { return mBof; }
    uint32_t recNo() const { return mRecNo; }
    uint32_t recCount() const { return mDbf.recCount() + (mAppended ? 1 : 0); }
    bool deleted() const { return !mEof && mRecord.size() > 0 && mRecord[0] == '*'; }

    // Character fields read as their full, blank-padded text; numbers as numbers; dates as
    // dates (null when blank); memos as texts, byte strings or stored values ("" when empty).
    Value fieldGet(const QString &name) const;
    bool fieldPut(const QString &name, const Value &value);

    bool append();
    bool deleteRecord();
    bool commit();

    // Holds the table's file lock across several operations (reentrant). While it is held,
    // the record count, the memo counter and the changed index pages are kept in memory and
    // written when the lock is released, so a run of appends under one lock writes them once.
    bool lock();
    void unlock();

    // Text fitted to a character field or key part of width bytes: UTF-8, cut on a
    // character boundary, blank-padded.
    static QByteArray fitToWidth(const QString &text, int width);
    // The key part of LOWER(FIELD) for text stored in a field of width bytes: fitted as the
    // field stores it, then case-folded.
    static QByteArray foldToWidth(const QString &text, int width);

    class Scan;

private:
    struct Locker;
    // One part of an order's key: a field, case-folded for LOWER(FIELD).
    struct KeyPart {
        int field;
        bool folded;
    };
    Value decodeField(int index, QByteArrayView raw) const;
    bool fail(const QString &text);
    bool parseKey(const QString &expression, std::vector<KeyPart> &parts, int &length);
    QByteArray keyOf(int tag, const QByteArray &record) const;
    bool indexReady();
    bool ensureIndex();
    bool rebuildIndex();
    bool flush();
    bool load(uint32_t recNo);
    void setEof();
    void syncShared();
    void readShared();
    bool writeDeferred();
    bool validForward(CdxIndex::Cursor c);
    bool validBackward(CdxIndex::Cursor c);
    bool naturalFrom(uint32_t recNo, int step);

    QString mPath;
    bool mOpen = false;
    bool mShared = true;
    bool mReadOnly = false;
    int mLockDepth = 0;
    DbfFile mDbf;
    MemoFile mMemo;
    CdxIndex mCdx;
    bool mHasIndex = false;
    bool mIndexChecked = false;
    std::vector<std::vector<KeyPart>> mTagFields;
    int mOrder = 0;
    std::optional<QByteArray> mScopeTop;
    std::optional<QByteArray> mScopeBottom;

    uint32_t mRecNo = 0;
    bool mEof = true;
    bool mBof = false;
    bool mAppended = false;
    bool mModified = false;
    QByteArray mRecord;
    QByteArray mOriginal;
    std::map<int, Value> mPendingMemos;
    mutable QString mError;
};

// Walks the live records of an open table in record order, reading many records at a time,
// for work that looks at every record (a search, a summary). The server's current record and
// order are left alone; a change the server holds in memory is written first. Records that
// other processes append during the walk are not seen.
class DbServer::Scan
{
public:
    explicit Scan(DbServer &server);
    Scan(const Scan &) = delete;
    Scan &operator=(const Scan &) = delete;

    // Moves to the next live record (the first on the first call); false past the last one
    // or when the table cannot be read (then failed() is true).
    bool next();
    bool failed() const { return mFailed; }
    uint32_t recNo() const { return mRecNo; }
    // The stored bytes of a non-memo field (index as in dbStruct(), from 0) of the record.
    QByteArrayView raw(int index) const
    {
        return QByteArrayView(mRecord + mServer.mDbf.fieldOffset(index),
                              mServer.mDbf.structure()[size_t(index)].width);
    }
    // The field's value as fieldGet() reads it, memos included. Memos are read ahead: those
    // of neighbouring records usually cost no read of their own.
    Value fieldGet(int index) const;
    // fieldGet(index).toString() in UTF-8, without making a text; a text memo comes straight
    // from the memo file. The view lasts until the next call of text() or fieldGet().
    QByteArrayView text(int index) const;

private:
    DbServer &mServer;
    QByteArray mChunk;
    uint32_t mTotal = 0;
    uint32_t mChunkFirst = 1; // record number of the chunk's first record
    uint32_t mChunkCount = 0;
    uint32_t mRecNo = 0;
    const char *mRecord = nullptr;
    bool mFailed = false;
    mutable MemoFile::ReadAhead mAhead;
    mutable QByteArray mText;
};

} // namespace gb
