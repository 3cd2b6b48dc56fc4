#include "platform/table/fieldcodec.h"

#include <QDate>

#include <algorithm>
#include <cmath>

namespace gb::fieldcodec {

Value decode(const FieldSpec &field, const QByteArray &raw)
{
    switch (field.type) {
    case 'N':
    case 'F': {
        bool ok = false;
        const double d = raw.trimmed().toDouble(&ok);
        return Value(ok ? d : 0.0);
    }
    case 'D':
        return Value::date(QDate::fromString(QString::fromLatin1(raw), QStringLiteral("yyyyMMdd")));
    case 'L':
        return Value(raw == "T" || raw == "t" || raw == "Y" || raw == "y");
    default:
        return Value(QString::fromUtf8(raw));
    }
}

QByteArray encode(const FieldSpec &field, const Value &value)
{
    switch (field.type) {
    case 'N':
    case 'F': {
        const double d = value.toNumber();
        QByteArray bytes = std::isfinite(d) ? QByteArray::number(d, 'f', field.decimals) : QByteArray();
        if (bytes.size() > field.width)
            bytes = QByteArray(field.width, '*');
        return bytes.rightJustified(field.width, ' ');
    }
    case 'D': {
        const QDate d = value.toDate();
        return d.isValid() ? d.toString(QStringLiteral("yyyyMMdd")).toLatin1().leftJustified(field.width, ' ', true)
                           : QByteArray(field.width, ' ');
    }
    case 'L':
        return QByteArray(field.width, value.toBool() ? 'T' : 'F');
    default:
        return fitToWidth(value.toString(), field.width);
    }
}

QByteArray fitToWidth(const QString &text, int width)
{
    QByteArray bytes = text.toUtf8();
    if (bytes.size() > width) {
        int cut = width;
        // Never keep half of a multi-byte character.
        while (cut > 0 && (uchar(bytes[cut]) & 0xC0) == 0x80)
            --cut;
        bytes.truncate(cut);
    }
    return bytes.leftJustified(width, ' ');
}

QByteArray foldCase(QByteArrayView stored, int width)
{
    // Most names are ASCII, whose folding is byte for byte; an index rebuild folds every record.
    const bool ascii = std::all_of(stored.begin(), stored.end(), [](char c) { return uchar(c) < 0x80; });
    if (!ascii)
        return fitToWidth(QString::fromUtf8(stored).toCaseFolded(), width);
    QByteArray folded = stored.toByteArray();
    for (char &c : folded)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return folded.size() == width ? folded : folded.leftJustified(width, ' ', true);
}

uint32_t memoBlock(const QByteArray &raw)
{
    uint32_t block = 0;
    for (const char c : raw) {
        if (c >= '0' && c <= '9')
            block = block * 10 + uint32_t(c - '0');
        else if (c != ' ')
            return 0;
        if (block > 400000000u)
            return 0;
    }
    return block;
}

QByteArray memoPointer(uint32_t block, int width)
{
    return block ? QByteArray::number(block).rightJustified(width, ' ') : QByteArray(width, ' ');
}

} // namespace gb::fieldcodec
