#pragma once

#include "platform/table/fieldspec.h"
#include "platform/table/rawfile.h"

#include <QByteArray>

#include <cstdint>

namespace gb {

// The .dbf file of a table in the standard dBASE III / FoxPro 2 layout.
//
// Header (32 bytes, little-endian): version (0x03 plain, 0xF5 with a FoxPro memo file),
// date of the last change (year - 1900, month, day), record count (u32), header length
// (u16), record length (u16), 20 reserved bytes. Then one 32-byte descriptor per field:
// name (11 bytes, zero-padded), type letter, offset of the field in the record (u32),
// width, decimals, 14 reserved bytes; then 0x0D. Records follow the header: one flag byte
// (' ' live, '*' deleted) and the fields' bytes; 0x1A ends the file. Memo fields hold the
// memo's first block number as 10 right-aligned ASCII digits (blank: no memo).
//
// The record count in the header is written after the records themselves, so a process
// killed while appending leaves either the old count or complete new records. A header count
// larger than the file holds (a truncated copy) is cut down to the complete records.
class DbfFile
{
public:
    static bool create(const QString &path, const TableStructure &structure, QString *error);

    bool open(const QString &path, bool readOnly);
    void close() { mFile.close(); }
    QString errorString() const { return mError; }
    RawFile &file() { return mFile; }

    const TableStructure &structure() const { return mFields; }
    int fieldIndex(const QString &name) const; // -1 when missing
    int fieldOffset(int i) const { return mOffsets[size_t(i)]; }
    int recordLength() const { return mRecordLength; }
    bool hasMemo() const;
    uint32_t recCount() const { return mRecCount; }

    // Rereads the record count that another process may have changed.
    bool refresh();
    bool readRecord(uint32_t recNo, QByteArray &record);
    // Reads n consecutive records starting at first into one buffer.
    bool readRecords(uint32_t first, uint32_t n, QByteArray &records);
    // Writes a record in place (recNo <= recCount) or appends it (recNo == recCount + 1).
    // An appended record counts in the header only after writeCount().
    bool writeRecord(uint32_t recNo, const QByteArray &record);
    // Puts the record count into the header when appends changed it.
    bool writeCount();
    QByteArray blankRecord() const { return QByteArray(mRecordLength, ' '); }

private:
    bool fail(const QString &text);

    RawFile mFile;
    TableStructure mFields;
    std::vector<int> mOffsets;
    int mHeaderLength = 0;
    int mRecordLength = 0;
    uint32_t mRecCount = 0;
    bool mCountChanged = false;
    QString mError;
};

} // namespace gb
