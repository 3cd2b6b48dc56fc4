#include "renamer/renamecommand.h"

namespace gb {

namespace {

// Slot n (1-based) as a number, or the fallback when it is missing or not a number.
int intSlot(const ValueArray &data, int n, int fallback)
{
    if (n > int(data.size()) || !data[n - 1].isNumber())
        return fallback;
    return data[n - 1].toInt();
}

bool boolSlot(const ValueArray &data, int n, bool fallback)
{
    if (n > int(data.size()) || !data[n - 1].isLogic())
        return fallback;
    return data[n - 1].toBool();
}

QString textSlot(const ValueArray &data, int n)
{
    if (n > int(data.size()) || !data[n - 1].isString())
        return QString();
    return data[n - 1].toString();
}

} // namespace

QString renameKindName(int kind)
{
    switch (kind) {
    case RenameInsert:
        return QStringLiteral("Insert characters");
    case RenameDelete:
        return QStringLiteral("Delete characters");
    case RenameReplace:
        return QStringLiteral("Replace characters");
    case RenameCasing:
        return QStringLiteral("Name Casing");
    }
    return QString();
}

int renameCommandKind(const Value &command)
{
    const Value &kind = command.at(0);
    return kind.isNumber() ? kind.toInt() : 0;
}

ValueArray renameCommandData(const Value &command)
{
    const Value &data = command.at(1);
    return data.isArray() ? data.array() : ValueArray();
}

Value makeRenameCommand(int kind, const ValueArray &data)
{
    return Value(ValueArray{Value(kind), Value(data)});
}

ValueArray newInsertRenameData()
{
    return {Value(2), Value(0), Value(2), Value(QString()), Value(1), Value(4)};
}

ValueArray newDeleteRenameData()
{
    return {Value(2), Value(0), Value(0), Value(false), Value(QString()), Value(1), Value(1)};
}

ValueArray newReplaceRenameData()
{
    ValueArray data = newDeleteRenameData();
    data.insert(data.end(), {Value(2), Value(QString()), Value(1), Value(4)});
    return data;
}

ValueArray newCasingRenameData()
{
    return {Value(3)};
}

InsertRenameParams InsertRenameParams::fromData(const ValueArray &data)
{
    InsertRenameParams p;
    p.where = intSlot(data, 1, p.where);
    p.position = intSlot(data, 2, p.position);
    p.what = intSlot(data, 3, p.what);
    p.text = textSlot(data, 4);
    p.numberStart = intSlot(data, 5, p.numberStart);
    p.numberLength = intSlot(data, 6, p.numberLength);
    return p;
}

DeleteRenameParams DeleteRenameParams::fromData(const ValueArray &data)
{
    DeleteRenameParams p;
    p.mode = intSlot(data, 1, p.mode);
    p.startPos = intSlot(data, 2, p.startPos);
    p.count = intSlot(data, 3, p.count);
    p.tillTheEnd = boolSlot(data, 4, p.tillTheEnd);
    p.pattern = textSlot(data, 5);
    p.occurrence = intSlot(data, 6, p.occurrence);
    p.casing = intSlot(data, 7, p.casing);
    return p;
}

ReplaceRenameParams ReplaceRenameParams::fromData(const ValueArray &data)
{
    ReplaceRenameParams p;
    static_cast<DeleteRenameParams &>(p) = DeleteRenameParams::fromData(data);
    p.with = intSlot(data, 8, p.with);
    p.text = textSlot(data, 9);
    p.numberStart = intSlot(data, 10, p.numberStart);
    p.numberLength = intSlot(data, 11, p.numberLength);
    return p;
}

CasingRenameParams CasingRenameParams::fromData(const ValueArray &data)
{
    CasingRenameParams p;
    p.casing = intSlot(data, 1, p.casing);
    return p;
}

} // namespace gb
