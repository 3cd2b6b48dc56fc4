#include "platform/table/memofile.h"

#include <QtEndian>

namespace gb {

namespace {
constexpr int kHeaderSize = 512;

// A memo's value from its type and stored bytes.
Value memoValue(quint32 type, const QByteArray &data)
{
    switch (type) {
    case 0:
        return Value::bytes(data);
    case 1:
        return Value(QString::fromUtf8(data));
    default: {
        const auto v = Value::decode(data);
        return v ? *v : Value(QString());
    }
    }
}
} // namespace

bool MemoFile::fail(const QString &text)
{
    mError = text;
    return false;
}

bool MemoFile::create(const QString &path, QString *error)
{
    QByteArray header(kHeaderSize, '\0');
    qToBigEndian<quint32>(kHeaderSize / kBlockSize, header.data());
    qToBigEndian<quint16>(kBlockSize, header.data() + 6);
    RawFile file;
    if (!file.open(path, false, true) || !file.writeAt(0, header)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool MemoFile::open(const QString &path, bool readOnly)
{
    if (!mFile.open(path, readOnly))
        return fail(mFile.errorString());
    uchar h[8];
    if (!mFile.readAt(0, h, 8))
        return fail(QStringLiteral("%1 is not a memo file (too short)").arg(path));
    mBlockSize = qFromBigEndian<quint16>(h + 6);
    if (mBlockSize == 0) // some writers leave it 0 and mean 512
        mBlockSize = 512;
    return true;
}

Value MemoFile::read(uint32_t block)
{
    const int64_t at = int64_t(block) * mBlockSize;
    if (block == 0 || at < kHeaderSize)
        return Value(QString());
    // One read usually brings the header and the whole memo.
    QByteArray chunk(4096, Qt::Uninitialized);
    const int64_t got = mFile.readSome(at, chunk.data(), chunk.size());
    if (got < 8)
        return Value(QString());
    const quint32 type = qFromBigEndian<quint32>(chunk.constData());
    const quint32 length = qFromBigEndian<quint32>(chunk.constData() + 4);
    QByteArray data;
    if (int64_t(length) <= got - 8) {
        data = chunk.mid(8, int(length));
    } else {
        // A long memo (or a damaged length): its end must lie inside the file.
        if (got < chunk.size() || int64_t(length) > mFile.size() - at - 8)
            return Value(QString());
        data.resize(qsizetype(length));
        if (!mFile.readAt(at + 8, data.data(), length))
            return Value(QString());
    }
    return memoValue(type, data);
}

bool MemoFile::peek(uint32_t block, ReadAhead &ahead, quint32 &type, QByteArrayView &data)
{
    const int64_t at = int64_t(block) * mBlockSize;
    if (block == 0 || at < kHeaderSize)
        return false;
    auto inside = [&](int64_t from, int64_t n) {
        return from >= ahead.start && from + n <= ahead.start + ahead.bytes.size();
    };
    if (!inside(at, 8)) {
        ahead.bytes.resize(kReadAheadSize);
        const int64_t got = mFile.readSome(at, ahead.bytes.data(), kReadAheadSize);
        ahead.start = at;
        ahead.bytes.resize(got < 0 ? 0 : qsizetype(got));
        if (!inside(at, 8))
            return false;
    }
    const char *head = ahead.bytes.constData() + (at - ahead.start);
    type = qFromBigEndian<quint32>(head);
    const quint32 length = qFromBigEndian<quint32>(head + 4);
    if (!inside(at + 8, length))
        return false;
    data = QByteArrayView(head + 8, qsizetype(length));
    return true;
}

Value MemoFile::read(uint32_t block, ReadAhead &ahead)
{
    quint32 type = 0;
    QByteArrayView data;
    // A memo longer than the stretch, or one it cuts, is read on its own.
    if (!peek(block, ahead, type, data))
        return read(block);
    return memoValue(type, data.toByteArray());
}

QByteArrayView MemoFile::readText(uint32_t block, ReadAhead &ahead)
{
    quint32 type = 0;
    QByteArrayView data;
    const bool inStretch = peek(block, ahead, type, data);
    if (inStretch && type == 1)
        return data;
    // Any other memo through its value; a memo longer than the stretch, or one it cuts, on its own.
    const Value value = inStretch ? memoValue(type, data.toByteArray()) : read(block);
    ahead.text = value.toString().toUtf8();
    return ahead.text;
}

bool MemoFile::refresh()
{
    uchar h[4];
    if (!mFile.readAt(0, h, 4))
        return fail(mFile.errorString());
    const uint32_t onDisk = qFromBigEndian<quint32>(h);
    mNextChanged = false;
    // The counter this object wrote last: nobody wrote memos since.
    if (onDisk == mNext && mNext != 0)
        return true;
    // A damaged counter, or memos of a process killed before it wrote the counter, must
    // never lead to writing over memos already in the file.
    const uint32_t end = uint32_t((mFile.size() + mBlockSize - 1) / mBlockSize);
    mNext = onDisk < end ? end : onDisk;
    return true;
}

bool MemoFile::writeCounter()
{
    if (!mNextChanged)
        return true;
    char counter[4];
    qToBigEndian<quint32>(mNext, counter);
    if (!mFile.writeAt(0, counter, 4))
        return fail(mFile.errorString());
    mNextChanged = false;
    return true;
}

bool MemoFile::write(const std::vector<const Value *> &values, std::vector<uint32_t> &blocks)
{
    if (mFile.isReadOnly())
        return fail(QStringLiteral("The memo file %1 is open read-only").arg(mFile.path()));
    uint32_t next = mNext;
    const uint32_t first = next;

    QByteArray out;
    blocks.clear();
    for (const Value *v : values) {
        if (v->isNil() || (v->isString() && v->toString().isEmpty())) {
            blocks.push_back(0);
            continue;
        }
        quint32 type;
        QByteArray data;
        if (v->isString()) {
            type = 1;
            data = v->toString().toUtf8();
        } else if (v->isBytes()) {
            type = 0;
            data = v->toBytes();
        } else {
            type = 2;
            data = v->encode();
        }
        blocks.push_back(next);
        char head[8];
        qToBigEndian<quint32>(type, head);
        qToBigEndian<quint32>(quint32(data.size()), head + 4);
        out.append(head, 8);
        out.append(data);
        const int used = int((8 + data.size() + mBlockSize - 1) / mBlockSize);
        out.append(QByteArray(used * int(mBlockSize) - 8 - int(data.size()), '\0'));
        next += uint32_t(used);
    }
    if (out.isEmpty())
        return true;
    // Memos first, the counter later (writeCounter()): a kill in between only leaves unused blocks.
    if (!mFile.writeAt(int64_t(first) * mBlockSize, out))
        return fail(mFile.errorString());
    mNext = next;
    mNextChanged = true;
    return true;
}

} // namespace gb
