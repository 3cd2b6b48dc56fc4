#pragma once

#include <QString>

#include <vector>

namespace gb {

// One field of a table's structure, as DBSTRUCT gives it and table creation takes it.
// type is the dBASE letter: 'C' character, 'N' numeric, 'D' date, 'L' logical, 'M' memo.
// The width of date, logical and memo fields is fixed by the table layer (8, 1, 10).
struct FieldSpec {
    QString name;
    char type = 'C';
    int width = 0;
    int decimals = 0;
};

using TableStructure = std::vector<FieldSpec>;

} // namespace gb
