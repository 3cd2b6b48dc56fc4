#pragma once

#include "platform/table/value.h"
#include "platform/table/rawfile.h"

#include <cstdint>
#include <vector>

namespace gb {

// The FoxPro memo file (.fpt) of a table.
//
// Header (512 bytes, big-endian): next free block (u32), two unused bytes, block size (u16),
// zeros. Each memo starts on a block boundary: type (u32: 0 binary, 1 text, 2 object),
// length (u32), the bytes. Texts are stored as UTF-8 text memos (type 1), byte strings as
// binary memos (type 0), every other value (arrays above all) as an object memo (type 2)
// holding Value::encode(). A changed memo is written to fresh blocks; the old blocks stay
// unused until the table is compacted.
//
// Memo pointers come from the table and are untrusted: a block outside the file, a length
// past its end or an object that does not decode reads as an empty text.
class MemoFile
{
public:
    static constexpr int kBlockSize = 64;

    static bool create(const QString &path, QString *error);
    bool open(const QString &path, bool readOnly);
    void close() { mFile.close(); }
    bool isOpen() const { return mFile.isOpen(); }
    QString errorString() const { return mError; }
    RawFile &file() { return mFile; }

    Value read(uint32_t block);

    // A stretch of the memo file kept in memory while many memos are read in file order (a
    // walk over every record), so that the memos of neighbouring records cost no read each.
    // Memos are never changed in place, so a stretch stays true while the file is open.
    struct ReadAhead
    {
        int64_t start = 0;
        QByteArray bytes;
        QByteArray text; // a text that readText() had to make
    };
    static constexpr int kReadAheadSize = 64 * 1024;
    // The memo of that block as read() gives it, served from ahead when it lies inside,
    // otherwise read with the stretch after it into ahead.
    Value read(uint32_t block, ReadAhead &ahead);
    // The memo's text as read(block).toString() gives it, in UTF-8, through ahead: a text memo
    // is not copied. The view lasts until ahead is used again.
    QByteArrayView readText(uint32_t block, ReadAhead &ahead);
    // Reads where the next memo goes; the caller holds the table lock from here until
    // writeCounter(), so that no other process writes memos in between.
    bool refresh();
    // Writes several memos in one go and gives the first block of each; an empty text gets
    // block 0 (no memo).
    bool write(const std::vector<const Value *> &values, std::vector<uint32_t> &blocks);
    // Puts the next free block into the header when memos were written.
    bool writeCounter();

private:
    bool fail(const QString &text);
    // The header and bytes of the memo of that block, from ahead; false when they do not lie
    // whole inside the stretch even after reading the one starting at that block.
    bool peek(uint32_t block, ReadAhead &ahead, quint32 &type, QByteArrayView &data);

    RawFile mFile;
    uint32_t mBlockSize = kBlockSize;
    uint32_t mNext = 0;
    bool mNextChanged = false;
    QString mError;
};

} // namespace gb
