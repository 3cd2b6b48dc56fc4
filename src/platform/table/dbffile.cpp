#include "platform/table/dbffile.h"

#include <QDate>
#include <QtEndian>

#include <cstring>

namespace gb {

namespace {

// Fixed widths of the field types whose width the layer decides.
int fixedWidth(char type)
{
    switch (type) {
    case 'D': return 8;
    case 'L': return 1;
    case 'M': return 10;
    default: return 0;
    }
}

void putDate(uchar *at)
{
    const QDate today = QDate::currentDate();
    at[0] = uchar(today.year() - 1900);
    at[1] = uchar(today.month());
    at[2] = uchar(today.day());
}

} // namespace

bool DbfFile::fail(const QString &text)
{
    mError = text;
    return false;
}

bool DbfFile::create(const QString &path, const TableStructure &structure, QString *error)
{
    auto refuse = [&](const QString &text) {
        if (error)
            *error = text;
        return false;
    };
    if (structure.empty() || structure.size() > 255)
        return refuse(QStringLiteral("A table needs 1 to 255 fields"));
    QByteArray header(32 + 32 * int(structure.size()) + 1, '\0');
    uchar *h = reinterpret_cast<uchar *>(header.data());
    bool memo = false;
    int recordLength = 1;
    for (size_t i = 0; i < structure.size(); ++i) {
        const FieldSpec &f = structure[i];
        const QByteArray name = f.name.trimmed().toUpper().toLatin1();
        const char type = char(QChar::fromLatin1(f.type).toUpper().toLatin1());
        int width = fixedWidth(type) ? fixedWidth(type) : f.width;
        if (name.isEmpty() || name.size() > 10)
            return refuse(QStringLiteral("Field name \"%1\" must have 1 to 10 letters").arg(f.name));
        if (!QByteArray("CNDLM").contains(type))
            return refuse(QStringLiteral("Field %1 has the unknown type %2").arg(f.name, QString(QChar(f.type))));
        if (width < 1 || width > 254)
            return refuse(QStringLiteral("Field %1 has the width %2").arg(f.name, QString::number(width)));
        memo = memo || type == 'M';
        uchar *d = h + 32 + 32 * i;
        std::memcpy(d, name.constData(), size_t(name.size()));
        d[11] = uchar(type);
        qToLittleEndian<quint32>(quint32(recordLength), d + 12);
        d[16] = uchar(width);
        d[17] = uchar(type == 'N' ? qBound(0, f.decimals, 15) : 0);
        recordLength += width;
    }
    h[0] = memo ? 0xF5 : 0x03;
    putDate(h + 1);
    qToLittleEndian<quint16>(quint16(header.size()), h + 8);
    qToLittleEndian<quint16>(quint16(recordLength), h + 10);
    header[header.size() - 1] = 0x0D;
    header.append(char(0x1A));

    RawFile file;
    if (!file.open(path, false, true) || !file.writeAt(0, header))
        return refuse(file.errorString());
    return true;
}

bool DbfFile::open(const QString &path, bool readOnly)
{
    mError.clear();
    mFields.clear();
    mOffsets.clear();
    if (!mFile.open(path, readOnly))
        return fail(mFile.errorString());
    uchar h[32];
    const int64_t size = mFile.size();
    if (size < 33 || !mFile.readAt(0, h, 32))
        return fail(QStringLiteral("%1 is not a dBASE table (too short)").arg(path));
    const uchar version = h[0];
    static const uchar known[] = {0x02, 0x03, 0x30, 0x31, 0x32, 0x43, 0x63, 0x83, 0x8B, 0xCB, 0xF5, 0xFB};
    if (!std::memchr(known, version, sizeof known))
        return fail(QStringLiteral("%1 is not a dBASE table").arg(path));
    mHeaderLength = qFromLittleEndian<quint16>(h + 8);
    mRecordLength = qFromLittleEndian<quint16>(h + 10);
    const int maxFields = (mHeaderLength - 33) / 32;
    if (mHeaderLength < 65 || mHeaderLength > size || mRecordLength < 2 || maxFields < 1)
        return fail(QStringLiteral("%1 has a damaged dBASE header").arg(path));

    QByteArray descriptors(mHeaderLength - 32, '\0');
    if (!mFile.readAt(32, descriptors.data(), descriptors.size()))
        return fail(mFile.errorString());
    const uchar *d = reinterpret_cast<const uchar *>(descriptors.constData());
    int offset = 1;
    for (int i = 0; i < maxFields && d[32 * i] != 0x0D; ++i) {
        const uchar *f = d + 32 * i;
        FieldSpec field;
        field.name = QString::fromLatin1(reinterpret_cast<const char *>(f), int(qstrnlen(reinterpret_cast<const char *>(f), 11)));
        field.type = char(f[11]);
        field.width = f[16];
        field.decimals = f[17];
        if (field.width < 1 || offset + field.width > mRecordLength)
            return fail(QStringLiteral("%1 has a damaged field list").arg(path));
        mFields.push_back(field);
        mOffsets.push_back(offset);
        offset += field.width;
    }
    if (mFields.empty())
        return fail(QStringLiteral("%1 has no fields").arg(path));
    mRecCount = qFromLittleEndian<quint32>(h + 4);
    // A copy cut short holds fewer records than its header says: use the complete ones.
    const int64_t complete = (size - mHeaderLength) / mRecordLength;
    if (int64_t(mRecCount) > complete)
        mRecCount = uint32_t(complete);
    return true;
}

int DbfFile::fieldIndex(const QString &name) const
{
    const QString wanted = name.trimmed();
    for (size_t i = 0; i < mFields.size(); ++i) {
        if (mFields[i].name.compare(wanted, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

bool DbfFile::hasMemo() const
{
    for (const FieldSpec &f : mFields) {
        if (f.type == 'M')
            return true;
    }
    return false;
}

bool DbfFile::refresh()
{
    uchar c[4];
    if (!mFile.readAt(4, c, 4))
        return fail(mFile.errorString());
    const uint32_t count = qFromLittleEndian<quint32>(c);
    if (count == mRecCount)
        return true;
    const int64_t complete = (mFile.size() - mHeaderLength) / mRecordLength;
    mRecCount = int64_t(count) > complete ? uint32_t(complete) : count;
    return true;
}

bool DbfFile::readRecord(uint32_t recNo, QByteArray &record)
{
    record.resize(mRecordLength);
    if (recNo < 1 || recNo > mRecCount)
        return fail(QStringLiteral("Record %1 does not exist").arg(recNo));
    if (!mFile.readAt(mHeaderLength + int64_t(recNo - 1) * mRecordLength, record.data(), mRecordLength))
        return fail(mFile.errorString());
    return true;
}

bool DbfFile::readRecords(uint32_t first, uint32_t n, QByteArray &records)
{
    if (first < 1 || n > mRecCount || first - 1 > mRecCount - n)
        return fail(QStringLiteral("Records %1 to %2 do not exist").arg(first).arg(first + n - 1));
    records.resize(qsizetype(n) * mRecordLength);
    if (!mFile.readAt(mHeaderLength + int64_t(first - 1) * mRecordLength, records.data(), records.size()))
        return fail(mFile.errorString());
    return true;
}

bool DbfFile::writeCount()
{
    if (!mCountChanged)
        return true;
    uchar h[7];
    putDate(h);
    qToLittleEndian<quint32>(mRecCount, h + 3);
    if (!mFile.writeAt(1, h, 7))
        return fail(mFile.errorString());
    mCountChanged = false;
    return true;
}

bool DbfFile::writeRecord(uint32_t recNo, const QByteArray &record)
{
    if (mFile.isReadOnly())
        return fail(QStringLiteral("The table %1 is open read-only").arg(mFile.path()));
    if (recNo < 1 || recNo > mRecCount + 1 || record.size() != mRecordLength)
        return fail(QStringLiteral("Record %1 cannot be written").arg(recNo));
    const int64_t at = mHeaderLength + int64_t(recNo - 1) * mRecordLength;
    if (recNo <= mRecCount)
        return mFile.writeAt(at, record) || fail(mFile.errorString());
    // The record and the end mark go first, the count later: a kill in between leaves the
    // old count, and the next append writes over the orphan.
    QByteArray withEnd = record;
    withEnd.append(char(0x1A));
    if (!mFile.writeAt(at, withEnd))
        return fail(mFile.errorString());
    mRecCount = recNo;
    mCountChanged = true;
    return true;
}

} // namespace gb
