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

    RawFile mFile;
    uint32_t mBlockSize = kBlockSize;
    uint32_t mNext = 0;
    bool mNextChanged = false;
    QString mError;
};

} // namespace gb
