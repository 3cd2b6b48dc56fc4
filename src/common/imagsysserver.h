#pragma once

#include "platform/table/value.h"
#include "platform/table/dbserver.h"

#include <QString>

#include <utility>
#include <vector>

namespace gb {

// {description, key} pairs, ready to fill a list: the text shown first, the value carried second.
using DescKeyPairs = std::vector<std::pair<QString, QString>>;

// The settings database: every named setting that a user saves in a tool, one record each,
// in the table "Glbox111.dbf" (with "Glbox111.cdx" and "Glbox111.fpt") of the program's
// data folder. A record has a six-digit key (RECID, "000001" upward), a description of at
// most 30 characters (DESC), a one-character category (CATEGORY, "0" to "9") and the
// setting itself, an array of values kept whole in a memo (INFO). The system record
// "XXXXXX" holds the last key issued.
//
// The program has one instance, goSysServer(). Each operation commits its change before it
// returns, and holds the table's file lock while it works, so two running copies of the
// program can share the database: a key is made and its record appended under one lock,
// so no two records ever get the same key.
//
// A database that did not open leaves the object not valid with lastErrorMessage() set;
// its operations then give their not-found results ({}, "", false). Nothing here shows a
// message: callers decide.
class ImagSysServer
{
public:
    // Opens or creates the database in the program's data folder (programDataDir()).
    ImagSysServer();
    // Opens or creates the database in another folder (ending with "/" or not).
    explicit ImagSysServer(const QString &folder);

    bool isValid() const { return mValid; }
    QString lastErrorMessage() const { return mError; }
    QString tablePath() const { return mTablePath; }

    // Creates the table, its unique key order and the system record; true on success. The
    // files are built in a folder beside the table and moved in, the table last, so that a
    // creation cut short leaves no table and the next start creates it again. A table of
    // ours found without its system record (as an older creation could leave it) gets it
    // back when it is opened.
    bool createNew();
    // The next key ("000001", "001234"); "" when the system record is missing or the six
    // digits are used up. Every call uses a number up, also when the append after it fails.
    QString createNewKey();

    // Appends one record under a new key; key receives the new key at once, whatever follows.
    bool appendNewRec(const QString &settingsCategory, const QString &description, const ValueArray &settings,
                      QString &key);
    bool appendNewLut(const QString &description, const ValueArray &settings, QString &key);
    bool appendNewFilter(const QString &description, const ValueArray &settings, QString &key);
    bool appendNewCFilter(const QString &description, const ValueArray &settings, QString &key);
    bool appendNewBatchEdit(const QString &description, const ValueArray &settings, QString &key);
    bool appendNewHtml(const QString &description, const ValueArray &settings, QString &key);
    bool appendNewComp(const QString &description, const ValueArray &settings, QString &key);
    bool appendNewRenamer(const QString &description, const ValueArray &settings, QString &key);
    bool appendNewPrin(const QString &description, const ValueArray &settings, QString &key);

    // Every live record of one category in key order, as {description, key}, both trimmed.
    DescKeyPairs getAllDescOfCategory(const QString &settingsCategory);
    DescKeyPairs getAllLutDesc() { return getAllDescOfCategory(QStringLiteral("1")); }
    DescKeyPairs getAllFilterDesc() { return getAllDescOfCategory(QStringLiteral("2")); }
    DescKeyPairs getAllCFilterDesc() { return getAllDescOfCategory(QStringLiteral("3")); }
    DescKeyPairs getAllBatchDesc() { return getAllDescOfCategory(QStringLiteral("4")); }
    DescKeyPairs getAllHtmlDesc() { return getAllDescOfCategory(QStringLiteral("5")); }
    DescKeyPairs getAllCompDesc() { return getAllDescOfCategory(QStringLiteral("7")); }
    DescKeyPairs getAllRenameDesc() { return getAllDescOfCategory(QStringLiteral("8")); }
    DescKeyPairs getAllPrintDesc() { return getAllDescOfCategory(QStringLiteral("9")); }

    // The category a tool's kind names: "HTML" "5", "COMP" "7", "RENAME" "8", "PRIN" "9",
    // anything else (the batch editor's "BE") "4".
    static QString categoryOfKind(const QString &settingsKind);

    // The record's settings array; {} when no record has the key (or its memo holds no array).
    ValueArray getInfo(const QString &key);
    // The record's description, trimmed; "" when no record has the key.
    QString getDesc(const QString &key);
    // Replace the settings (and the description); false when no record has the key.
    bool updateData(const QString &key, const ValueArray &settings);
    bool updateDataAndDesc(const QString &key, const QString &description, const ValueArray &settings);
    // Marks the record deleted; false when no record has the key or the delete fails.
    bool removeRecord(const QString &key);

private:
    void init(const QString &folder);
    bool restoreSystemRecord();
    bool seekKey(const QString &key);

    QString mTablePath;
    QString mIndexPath;
    DbServer mTable;
    bool mValid = false;
    QString mError;
};

// The program's one settings database, made on first use (start-up makes it first);
// setGoSysServer() puts another one in its place (not owned; null restores the first).
ImagSysServer &goSysServer();
void setGoSysServer(ImagSysServer *server);

} // namespace gb
