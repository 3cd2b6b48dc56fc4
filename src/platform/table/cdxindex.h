#pragma once

#include "platform/table/rawfile.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

namespace gb {

// The index file (.cdx) of a table: several named orders ("tags"), each an on-disk B+tree.
//
// The format is ours (other dBASE tools ignore the file, and we rebuild it from the table
// whenever it is missing, damaged or out of date). All integers little-endian.
//
//   Page 0, header: magic "GBCDX01\0"; page size (u32, 4096); page count (u32); the table's
//   record count when the index was last consistent (u32); dirty flag (u32); generation
//   (u64, +1 on every change); tag count (u32); FNV-1a checksum of the header's used bytes
//   with this field zeroed (u32); 24 reserved bytes; then one 128-byte descriptor per tag:
//   name (12 bytes), key expression (100 bytes, UTF-8), key length (u16), unique flag (u8),
//   a reserved byte, root page (u32), 8 reserved bytes.
//   Tree pages: type (u8: 1 leaf, 2 inner), reserved (u8), entry count (u16), then for a
//   leaf the previous and next leaf (u32 each), for an inner page the first child and a
//   reserved u32; the tag number (u32); from byte 16 the entries. An entry is the key bytes
//   followed by the record number big-endian, so that every entry is distinct and equal
//   keys sort in record order. Inner pages hold (entry, child) pairs; the child after an
//   entry holds the entries >= it.
//
// A seek or a scoped walk costs O(log n + k) page visits; an insert or removal writes the
// pages on one root-to-leaf path (more only when pages split), never the whole file.
//
// Crash consistency: the table's record count is written before an appended record's keys
// go in, and this header takes the new count only after them; changes to existing records
// set the dirty flag first and clear it after. A process killed at any point thus leaves a
// header whose count differs from the table's, a set dirty flag, or a consistent index (the
// changed pages and the header reach the file together, after the table's own writes);
// isStale() tells, and the table layer rebuilds the file from the records. Pages read from
// disk are checked (type, count, tag, child numbers) before use; a bad one marks the index
// broken, which also leads to a rebuild. Pages read are kept in memory up to a limit (about
// 32 MB); past it the unchanged ones are dropped before the next search.
class CdxIndex
{
public:
    static constexpr int kPageSize = 4096;
    static constexpr int kMaxTags = 31;
    static constexpr int kMaxKeyLength = 240;

    struct Tag {
        QString name;
        QString expression;
        int keyLength = 0;
        bool unique = false;
        uint32_t root = 0;
    };
    struct Cursor {
        uint32_t page = 0;
        int index = 0;
    };

    bool create(const QString &path);
    // False when the file is missing or is not one of ours.
    bool open(const QString &path, bool readOnly);
    void close();
    bool isOpen() const { return mFile.isOpen(); }
    QString errorString() const { return mError; }
    RawFile &file() { return mFile; }

    int tagCount() const { return int(mTags.size()); }
    const Tag &tag(int i) const { return mTags[size_t(i)]; }
    int findTag(const QString &name) const;

    bool isStale(uint32_t tableRecords) const;
    bool isBroken() const { return mBroken; }
    // Rereads the header when another process changed the file; drops cached pages then.
    bool refresh();

    // Changes; the caller holds the table lock, ends each change with finishChange() and
    // before releasing the lock calls writeChanges(), which writes the changed pages and
    // then the header.
    bool beginChange();
    bool finishChange(uint32_t tableRecords);
    bool writeChanges();
    bool addTag(const QString &name, const QString &expression, int keyLength, bool unique);
    bool insert(int tag, const QByteArray &entry);
    bool remove(int tag, const QByteArray &entry);
    // Writes every tree anew from the entries of each tag (any order) and clears the dirty flag.
    bool rebuild(std::vector<std::vector<QByteArray>> entries, uint32_t tableRecords);

    // First entry whose leading prefix.size() bytes are >= prefix.
    bool lowerBound(int tag, const QByteArray &prefix, Cursor &c);
    // Last entry whose leading prefix.size() bytes are <= prefix (empty prefix: last entry).
    bool lastAtMost(int tag, const QByteArray &prefix, Cursor &c);
    bool next(Cursor &c);
    bool prev(Cursor &c);
    QByteArray entryAt(const Cursor &c);
    static uint32_t recNoOf(const QByteArray &entry);
    static QByteArray makeEntry(const QByteArray &key, uint32_t recNo);

private:
    int entryLength(int tag) const { return mTags[size_t(tag)].keyLength + 4; }
    int leafCapacity(int tag) const { return (kPageSize - 16) / entryLength(tag); }
    int innerCapacity(int tag) const { return (kPageSize - 16) / (entryLength(tag) + 4); }
    bool fail(const QString &text);
    bool broken(const char *what);
    bool readHeader();
    bool writeHeader();
    uchar *page(uint32_t no);
    bool writePage(uint32_t no);
    uint32_t allocPage(int tag, uchar type);
    void trimCache();
    uint32_t descend(int tag, const QByteArray &key, bool orEqual, std::vector<std::pair<uint32_t, int>> *path);
    bool skipEmptyForward(Cursor &c);
    bool skipEmptyBackward(Cursor &c, bool fromEnd);

    RawFile mFile;
    std::vector<Tag> mTags;
    std::vector<std::unique_ptr<uchar[]>> mCache;
    int mCachedPages = 0;
    uint32_t mPageCount = 1;
    uint32_t mTableRecords = 0;
    bool mDirty = false;
    bool mBroken = false;
    bool mHeaderChanged = false;
    std::vector<uint32_t> mChangedPages;
    uint64_t mGeneration = 0;
    QString mError;
};

} // namespace gb
