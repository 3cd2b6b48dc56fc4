#include "catalog/archivestruct.h"

#include "common/globals.h"

#include <QFileInfo>

namespace gb {

namespace {
TableStructure gStructure;
}

void initArchiveStructure()
{
    // One driver serves every table here, so there is no default driver to choose.
    gStructure = {
        {QStringLiteral("VLABEL"), 'C', 11, 0},  {QStringLiteral("MEDIA"), 'C', 1, 0},
        {QStringLiteral("PATH"), 'C', 50, 0},    {QStringLiteral("FILENAME"), 'C', 25, 0},
        {QStringLiteral("FULLPATH"), 'M', 0, 0}, {QStringLiteral("MODDATE"), 'D', 0, 0},
        {QStringLiteral("SIZE"), 'N', 9, 0},     {QStringLiteral("WIDTH"), 'N', 5, 0},
        {QStringLiteral("HEIGHT"), 'N', 5, 0},   {QStringLiteral("KEYS"), 'M', 0, 0},
        {QStringLiteral("COMMENTS"), 'M', 0, 0}, {QStringLiteral("RGB"), 'M', 0, 0},
    };
}

const TableStructure &gaArchiveStruct()
{
    if (gStructure.empty())
        initArchiveStructure();
    return gStructure;
}

int archiveFieldWidth(const QString &name)
{
    for (const FieldSpec &f : gaArchiveStruct()) {
        if (f.name == name)
            return f.width;
    }
    return 0;
}

bool isArchiveOpen(const QString &stem)
{
    const QString mine = QFileInfo(stem + QStringLiteral(".dbf")).canonicalFilePath();
    for (const QString &open : gaOpenArchives) {
        if (open == stem)
            return true;
        const QString theirs = QFileInfo(open + QStringLiteral(".dbf")).canonicalFilePath();
        if (!mine.isEmpty() && theirs == mine)
            return true;
    }
    return false;
}

} // namespace gb
