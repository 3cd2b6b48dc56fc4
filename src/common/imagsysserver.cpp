#include "common/imagsysserver.h"

#include "common/appdirs.h"
#include "common/safefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>

namespace gb {

namespace {

const QString kSystemKey = QStringLiteral("XXXXXX");
constexpr int kKeyWidth = 6;

const TableStructure &settingsStructure()
{
    static const TableStructure structure = {
        {QStringLiteral("RECID"), 'C', kKeyWidth, 0},
        {QStringLiteral("DESC"), 'C', 30, 0},
        {QStringLiteral("CATEGORY"), 'C', 1, 0},
        {QStringLiteral("INFO"), 'M', 10, 0},
    };
    return structure;
}

// Holds the table lock for one operation, so that another running copy of the program
// neither interleaves its changes nor is seen half-way.
class TableLock
{
public:
    explicit TableLock(DbServer &t) : mTable(t), mOk(t.isOpen() && t.lock()) {}
    ~TableLock()
    {
        if (mOk)
            mTable.unlock();
    }
    bool ok() const { return mOk; }

private:
    DbServer &mTable;
    bool mOk;
};

ImagSysServer *gInstalled = nullptr;

QString memoPath(const QString &tablePath)
{
    return tablePath.left(tablePath.size() - 4) + QStringLiteral(".fpt");
}

// Where a new database is built before it is moved in: "Glbox111.new/" beside the table.
QString buildFolder(const QString &tablePath)
{
    return tablePath.left(tablePath.size() - 4) + QStringLiteral(".new/");
}

void removeBuildFolder(const QString &tablePath)
{
    const QString building = buildFolder(tablePath);
    if (QFileInfo::exists(building))
        QDir(building).removeRecursively();
}

// The record that holds the highest key issued, on the record just appended.
void fillSystemRecord(DbServer &table, int highestKey)
{
    table.fieldPut(QStringLiteral("RECID"), kSystemKey);
    table.fieldPut(QStringLiteral("DESC"), QStringLiteral("System Record"));
    table.fieldPut(QStringLiteral("CATEGORY"), QStringLiteral("0"));
    table.fieldPut(QStringLiteral("INFO"), ValueArray{highestKey});
}

} // namespace

ImagSysServer::ImagSysServer()
{
    init(programDataDir());
}

ImagSysServer::ImagSysServer(const QString &folder)
{
    init(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'));
}

void ImagSysServer::init(const QString &folder)
{
    mTablePath = folder + QStringLiteral("Glbox111.dbf");
    mIndexPath = folder + QStringLiteral("Glbox111.cdx");
    if (!QFileInfo::exists(mTablePath) && !createNew()) {
        mError = QStringLiteral("Fail to create system database");
        return;
    }
    // What a creation cut short left behind is of no use now.
    removeBuildFolder(mTablePath);
    if (!mTable.open(mTablePath, true, false)) {
        mError = mTable.errorString();
        return;
    }
    const TableStructure found = mTable.dbStruct();
    if (found.size() != 4 || found[0].name.trimmed().compare(QStringLiteral("RECID"), Qt::CaseInsensitive) != 0) {
        mError = QStringLiteral("Unrecognized system database format");
        mTable.close();
        return;
    }
    // Without its index file every look-up would fail; the table is known to be ours
    // by now, so the key order is made again.
    if (mTable.orderCount() == 0 && !mTable.createIndex(mIndexPath, QStringLiteral("RECID"), true)) {
        mError = mTable.errorString();
        mTable.close();
        return;
    }
    mTable.setOrder(1);
    mValid = true;
    if (!seekKey(kSystemKey) && !restoreSystemRecord()) {
        mError = mTable.errorString();
        mValid = false;
        mTable.close();
    }
}

bool ImagSysServer::restoreSystemRecord()
{
    // Without the system record no key can be issued and every save fails: it is made
    // again, holding the highest key in use, so no key is ever issued twice.
    TableLock lock(mTable);
    if (!lock.ok())
        return false;
    if (seekKey(kSystemKey))
        return true; // another copy of the program made it meanwhile
    int highest = 0;
    mTable.setOrder(0);
    for (mTable.goTop(); !mTable.eof(); mTable.skip())
        highest = std::max(highest, mTable.fieldGet(QStringLiteral("RECID")).toString().trimmed().toInt());
    mTable.setOrder(1);
    if (!mTable.append())
        return false;
    fillSystemRecord(mTable, highest);
    return mTable.commit();
}

bool ImagSysServer::createNew()
{
    // The database is built whole in a folder of its own beside the final one and moved in
    // file by file, the table last: a start that finds the table finds it complete, and a
    // creation cut short anywhere leaves no table, so the next start builds it again.
    const QString building = buildFolder(mTablePath);
    removeBuildFolder(mTablePath);
    if (!QDir().mkpath(building)) {
        mError = QStringLiteral("Cannot create ") + building;
        return false;
    }
    const QString names[] = {QFileInfo(mTablePath).fileName(), QFileInfo(memoPath(mTablePath)).fileName(),
                             QFileInfo(mIndexPath).fileName()};
    const QString table = building + names[0];
    if (!DbServer::create(table, settingsStructure(), &mError))
        return false;
    {
        DbServer t;
        if (!t.open(table, true, false) || !t.createIndex(building + names[2], QStringLiteral("RECID"), true)
            || !t.append()) {
            mError = t.errorString();
            return false;
        }
        fillSystemRecord(t, 0);
        if (!t.commit()) {
            mError = t.errorString();
            return false;
        }
        t.close();
    }
    // Memo and index first, the table last; rename(2) replaces what an earlier cut left.
    const QString folder = QFileInfo(mTablePath).absolutePath() + QLatin1Char('/');
    for (const QString &name : {names[1], names[2], names[0]}) {
        if (!syncFileToDisk(building + name)
            || ::rename(QFile::encodeName(building + name).constData(), QFile::encodeName(folder + name).constData())
                   != 0) {
            mError = QStringLiteral("Cannot move ") + building + name + QStringLiteral(" into place");
            return false;
        }
    }
    syncFolderToDisk(mTablePath);
    removeBuildFolder(mTablePath);
    return true;
}

bool ImagSysServer::seekKey(const QString &key)
{
    return mValid && mTable.seek(DbServer::fitToWidth(key, kKeyWidth));
}

QString ImagSysServer::createNewKey()
{
    TableLock lock(mTable);
    if (!lock.ok() || !seekKey(kSystemKey))
        return QString();
    const int n = mTable.fieldGet(QStringLiteral("INFO")).at(0).toInt() + 1;
    // A seventh digit would not fit the key field; cutting it would issue old keys again.
    if (n < 1 || n > 999999)
        return QString();
    if (!mTable.fieldPut(QStringLiteral("INFO"), ValueArray{n}) || !mTable.commit())
        return QString();
    return QString::number(n).rightJustified(kKeyWidth, QLatin1Char('0'));
}

bool ImagSysServer::appendNewRec(const QString &settingsCategory, const QString &description,
                                 const ValueArray &settings, QString &key)
{
    TableLock lock(mTable);
    key = createNewKey();
    if (key.isEmpty() || !mTable.append())
        return false;
    mTable.fieldPut(QStringLiteral("RECID"), key);
    if (!description.isEmpty())
        mTable.fieldPut(QStringLiteral("DESC"), description);
    mTable.fieldPut(QStringLiteral("CATEGORY"), settingsCategory);
    mTable.fieldPut(QStringLiteral("INFO"), Value(settings));
    return mTable.commit();
}

bool ImagSysServer::appendNewLut(const QString &d, const ValueArray &s, QString &key) { return appendNewRec(QStringLiteral("1"), d, s, key); }
bool ImagSysServer::appendNewFilter(const QString &d, const ValueArray &s, QString &key) { return appendNewRec(QStringLiteral("2"), d, s, key); }
bool ImagSysServer::appendNewCFilter(const QString &d, const ValueArray &s, QString &key) { return appendNewRec(QStringLiteral("3"), d, s, key); }
bool ImagSysServer::appendNewBatchEdit(const QString &d, const ValueArray &s, QString &key) { return appendNewRec(QStringLiteral("4"), d, s, key); }
bool ImagSysServer::appendNewHtml(const QString &d, const ValueArray &s, QString &key) { return appendNewRec(QStringLiteral("5"), d, s, key); }
bool ImagSysServer::appendNewComp(const QString &d, const ValueArray &s, QString &key) { return appendNewRec(QStringLiteral("7"), d, s, key); }
bool ImagSysServer::appendNewRenamer(const QString &d, const ValueArray &s, QString &key) { return appendNewRec(QStringLiteral("8"), d, s, key); }
bool ImagSysServer::appendNewPrin(const QString &d, const ValueArray &s, QString &key) { return appendNewRec(QStringLiteral("9"), d, s, key); }

DescKeyPairs ImagSysServer::getAllDescOfCategory(const QString &settingsCategory)
{
    DescKeyPairs pairs;
    TableLock lock(mTable);
    if (!mValid || !lock.ok())
        return pairs;
    for (mTable.goTop(); !mTable.eof(); mTable.skip()) {
        if (mTable.fieldGet(QStringLiteral("CATEGORY")).toString() == settingsCategory)
            pairs.emplace_back(mTable.fieldGet(QStringLiteral("DESC")).toString().trimmed(),
                               mTable.fieldGet(QStringLiteral("RECID")).toString().trimmed());
    }
    return pairs;
}

QString ImagSysServer::categoryOfKind(const QString &settingsKind)
{
    if (settingsKind == QLatin1String("HTML"))
        return QStringLiteral("5");
    if (settingsKind == QLatin1String("COMP"))
        return QStringLiteral("7");
    if (settingsKind == QLatin1String("RENAME"))
        return QStringLiteral("8");
    if (settingsKind == QLatin1String("PRIN"))
        return QStringLiteral("9");
    return QStringLiteral("4");
}

ValueArray ImagSysServer::getInfo(const QString &key)
{
    TableLock lock(mTable);
    if (!lock.ok() || !seekKey(key))
        return {};
    return mTable.fieldGet(QStringLiteral("INFO")).array();
}

QString ImagSysServer::getDesc(const QString &key)
{
    TableLock lock(mTable);
    if (!lock.ok() || !seekKey(key))
        return QString();
    return mTable.fieldGet(QStringLiteral("DESC")).toString().trimmed();
}

bool ImagSysServer::updateData(const QString &key, const ValueArray &settings)
{
    TableLock lock(mTable);
    if (!lock.ok() || !seekKey(key))
        return false;
    return mTable.fieldPut(QStringLiteral("INFO"), Value(settings)) && mTable.commit();
}

bool ImagSysServer::updateDataAndDesc(const QString &key, const QString &description, const ValueArray &settings)
{
    TableLock lock(mTable);
    if (!lock.ok() || !seekKey(key))
        return false;
    mTable.fieldPut(QStringLiteral("DESC"), description);
    return mTable.fieldPut(QStringLiteral("INFO"), Value(settings)) && mTable.commit();
}

bool ImagSysServer::removeRecord(const QString &key)
{
    TableLock lock(mTable);
    if (!lock.ok() || !seekKey(key))
        return false;
    return mTable.deleteRecord();
}

ImagSysServer &goSysServer()
{
    if (gInstalled)
        return *gInstalled;
    static ImagSysServer instance;
    return instance;
}

void setGoSysServer(ImagSysServer *server)
{
    gInstalled = server;
}

} // namespace gb
