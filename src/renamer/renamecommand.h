#pragma once

#include "platform/table/value.h"

#include <QString>

namespace gb {

// One step of a rename script, as the settings database stores it: the array
// {kind, parameters}, where kind is a RenameKind code and parameters the array of slots that
// the kind's dialog returns. The typed views below read those slots; a record made elsewhere
// (a damaged settings record, a hand-built array) is padded with the new-command values and
// every slot of the wrong type reads as that value, so no reader ever indexes past the end.
enum RenameKind {
    RenameInsert = 1,
    RenameDelete = 2,
    RenameReplace = 3,
    RenameCasing = 4,
};

// The name a script list shows for a kind ("Insert characters", ...); empty for other codes.
QString renameKindName(int kind);

// The kind code of a command record; 0 when the record is not {number, ...}.
int renameCommandKind(const Value &command);
// The parameter array of a command record; an empty array when it has none.
ValueArray renameCommandData(const Value &command);
// Builds the record {kind, data}.
Value makeRenameCommand(int kind, const ValueArray &data);

// What a dialog holds for a new command of each kind, so that Ok at once gives these slots.
ValueArray newInsertRenameData();
ValueArray newDeleteRenameData();
ValueArray newReplaceRenameData();
ValueArray newCasingRenameData();

// Insert parameters, six slots: where (1 start, 2 end, 3 at a position), position,
// what (1 text, 2 number), text, number start, number length.
struct InsertRenameParams
{
    int where = 2;
    int position = 0;
    int what = 2;
    QString text;
    int numberStart = 1;
    int numberLength = 4;

    static InsertRenameParams fromData(const ValueArray &data);
};

// Delete parameters (seven slots) and Replace parameters (the same seven, then four):
// mode (1 all, 2 some, 3 pattern), start position, count, till the end, pattern,
// occurrence (1 first, 2 all, 3 last), casing (1 ignore, 2 respect); then with (1 text,
// 2 number), text, number start, number length.
struct DeleteRenameParams
{
    int mode = 2;
    int startPos = 0;
    int count = 0;
    bool tillTheEnd = false;
    QString pattern;
    int occurrence = 1;
    int casing = 1;

    static DeleteRenameParams fromData(const ValueArray &data);
};

struct ReplaceRenameParams : DeleteRenameParams
{
    int with = 2;
    QString text;
    int numberStart = 1;
    int numberLength = 4;

    static ReplaceRenameParams fromData(const ValueArray &data);
};

// Casing parameter, one slot: 1 lower case, 2 upper case, 3 first letter upper case.
struct CasingRenameParams
{
    int casing = 3;

    static CasingRenameParams fromData(const ValueArray &data);
};

} // namespace gb
