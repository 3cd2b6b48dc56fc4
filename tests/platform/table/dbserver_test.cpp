#include "platform/table/dbserver.h"
#include "support/testutil.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <map>
#include <set>

using gb::DbServer;
using gb::Value;
using gb::ValueArray;

namespace {

const gb::TableStructure kPeople = {
    {"NAME", 'C', 12, 0}, {"CITY", 'C', 8, 0}, {"AGE", 'N', 5, 1},
    {"BORN", 'D', 8, 0}, {"OK", 'L', 1, 0}, {"NOTE", 'M', 10, 0},
};

QString makeTable(const QString &name = "people")
{
    const QString path = gbtest::makeTempDir() + "/" + name + ".dbf";
    QString error;
    EXPECT_TRUE(DbServer::create(path, kPeople, &error)) << error.toStdString();
    return path;
}

void addPerson(DbServer &t, const QString &name, const QString &city)
{
    ASSERT_TRUE(t.append());
    t.fieldPut("NAME", name);
    t.fieldPut("CITY", city);
    ASSERT_TRUE(t.commit()) << t.errorString().toStdString();
}

QStringList walk(DbServer &t, const char *field = "NAME")
{
    QStringList names;
    for (t.goTop(); !t.eof(); t.skip())
        names << t.fieldGet(field).toString().trimmed();
    return names;
}

} // namespace

TEST(DbServer, FieldsKeepEveryValueType)
{
    const QString path = makeTable();
    const ValueArray settings{1, true, "text", ValueArray{2.5, Value::date(QDate(2001, 2, 3))}};
    const QByteArray thumbnail("\xff\xd8\0\0jpeg\0", 9);
    {
        DbServer t;
        ASSERT_TRUE(t.open(path));
        ASSERT_TRUE(t.append());
        EXPECT_EQ(t.recNo(), 1u);
        EXPECT_EQ(t.recCount(), 1u);
        t.fieldPut("name", QString::fromUtf8("Zoë"));
        t.fieldPut("AGE", 42.25);
        t.fieldPut("BORN", Value::date(QDate(1984, 6, 30)));
        t.fieldPut("OK", true);
        t.fieldPut("NOTE", Value(settings));
        ASSERT_TRUE(t.append());
        t.fieldPut("NAME", "Bo");
        t.fieldPut("NOTE", Value::bytes(thumbnail));
        ASSERT_TRUE(t.append());
        t.fieldPut("NAME", "Cy");
        t.fieldPut("NOTE", QString::fromUtf8("a comment\nwith ünïcode"));
        EXPECT_FALSE(t.fieldPut("NOPE", 1));
        t.close();
    }
    DbServer t;
    ASSERT_TRUE(t.open(path));
    EXPECT_EQ(t.recCount(), 3u);
    ASSERT_TRUE(t.goTo(1));
    EXPECT_EQ(t.fieldGet("NAME").toString(), QString::fromUtf8("Zoë").leftJustified(11));
    EXPECT_DOUBLE_EQ(t.fieldGet("AGE").toNumber(), 42.3); // one decimal, as the field says
    EXPECT_EQ(t.fieldGet("BORN").toDate(), QDate(1984, 6, 30));
    EXPECT_TRUE(t.fieldGet("OK").toBool());
    EXPECT_EQ(t.fieldGet("NOTE"), Value(settings));
    ASSERT_TRUE(t.goTo(2));
    EXPECT_EQ(t.fieldGet("NOTE"), Value::bytes(thumbnail));
    EXPECT_FALSE(t.fieldGet("BORN").toDate().isValid());
    EXPECT_FALSE(t.fieldGet("OK").toBool());
    ASSERT_TRUE(t.goTo(3));
    EXPECT_EQ(t.fieldGet("NOTE").toString(), QString::fromUtf8("a comment\nwith ünïcode"));
    EXPECT_FALSE(t.goTo(4));
    EXPECT_TRUE(t.eof());
    EXPECT_EQ(t.recNo(), 4u);
    EXPECT_EQ(t.fieldGet("NOTE").toString(), "");
    EXPECT_EQ(t.fieldGet("NAME").toString(), QString(12, ' '));
}

TEST(DbServer, ReadOnlyTablesRefuseChanges)
{
    const QString path = makeTable();
    {
        DbServer t;
        ASSERT_TRUE(t.open(path));
        addPerson(t, "kept", "x");
    }
    const QByteArray before = gbtest::readFile(path);
    DbServer t;
    ASSERT_TRUE(t.open(path, true, true));
    EXPECT_EQ(walk(t), QStringList({"kept"}));
    ASSERT_TRUE(t.goTop());
    EXPECT_FALSE(t.fieldPut("NAME", "changed"));
    EXPECT_FALSE(t.append());
    EXPECT_FALSE(t.deleteRecord());
    EXPECT_FALSE(t.createIndex(QFileInfo(path).path() + "/people.cdx", "NAME"));
    t.close();
    EXPECT_EQ(gbtest::readFile(path), before);
}

TEST(DbServer, TextIsCutToTheFieldOnACharacterBoundary)
{
    EXPECT_EQ(DbServer::fitToWidth("abc", 5), QByteArray("abc  "));
    EXPECT_EQ(DbServer::fitToWidth("abcdef", 4), QByteArray("abcd"));
    // "é" takes two bytes; half of it is never kept.
    EXPECT_EQ(DbServer::fitToWidth(QString::fromUtf8("abcé"), 4), QByteArray("abc "));
}

TEST(DbServer, DeletedRecordsAreHiddenFromWalksAndSeeks)
{
    DbServer t;
    ASSERT_TRUE(t.open(makeTable()));
    ASSERT_TRUE(t.createIndex(QFileInfo(t.fileName()).path() + "/people.cdx", "NAME"));
    for (const char *n : {"ann", "bob", "cat", "dan"})
        addPerson(t, n, "x");
    ASSERT_TRUE(t.seek("bob"));
    ASSERT_TRUE(t.deleteRecord());
    EXPECT_FALSE(t.seek("bob"));
    EXPECT_TRUE(t.eof());
    EXPECT_EQ(walk(t), QStringList({"ann", "cat", "dan"}));
    t.setOrder(0);
    EXPECT_EQ(walk(t), QStringList({"ann", "cat", "dan"}));
    EXPECT_EQ(t.recCount(), 4u); // deleted records still count
    ASSERT_TRUE(t.goTo(2));
    EXPECT_TRUE(t.deleted());
}

TEST(DbServer, AUniqueOrderHoldsTheFirstRecordOfEachKey)
{
    const QString path = makeTable();
    DbServer t;
    ASSERT_TRUE(t.open(path));
    for (auto [n, c] : std::vector<std::pair<const char *, const char *>>{{"a", "1"}, {"b", "2"}, {"a", "3"}})
        addPerson(t, n, c);
    ASSERT_TRUE(t.createIndex(QFileInfo(path).path() + "/people.cdx", "NAME", true));
    addPerson(t, "b", "4");
    addPerson(t, "c", "5");
    EXPECT_EQ(walk(t, "CITY"), QStringList({"1", "2", "5"}));
    ASSERT_TRUE(t.seek("a"));
    EXPECT_EQ(t.recNo(), 1u);
    t.setOrder(0);
    EXPECT_EQ(walk(t, "CITY").size(), 5);
}

TEST(DbServer, SeveralOrdersScopesAndBothDirections)
{
    const QString path = makeTable();
    const QString cdx = QFileInfo(path).path() + "/people.cdx";
    {
        DbServer t;
        ASSERT_TRUE(t.open(path));
        for (auto [n, c] : std::vector<std::pair<const char *, const char *>>{
                 {"mia", "rome"}, {"al", "oslo"}, {"zed", "oslo"}, {"bea", "rome"}, {"cal", "lima"}})
            addPerson(t, n, c);
        ASSERT_TRUE(t.createIndex(cdx, "CITY + NAME"));
        ASSERT_TRUE(t.createOrder("NAME", cdx, "NAME"));
        ASSERT_TRUE(t.createOrder("CITY", cdx, "CITY"));
        EXPECT_EQ(t.orderName(1), "PEOPLE");
        EXPECT_EQ(t.keyLength(1), 20);
    }
    DbServer t;
    ASSERT_TRUE(t.open(path));
    ASSERT_EQ(t.orderCount(), 3);
    EXPECT_EQ(t.order(), 0);
    EXPECT_EQ(walk(t), QStringList({"mia", "al", "zed", "bea", "cal"}));
    t.setOrder(1);
    EXPECT_EQ(walk(t), QStringList({"cal", "al", "zed", "bea", "mia"}));
    t.setOrder(2);
    EXPECT_EQ(walk(t), QStringList({"al", "bea", "cal", "mia", "zed"}));
    ASSERT_TRUE(t.goBottom());
    EXPECT_EQ(t.fieldGet("NAME").toString().trimmed(), "zed");
    EXPECT_TRUE(t.skip(-1));
    EXPECT_EQ(t.fieldGet("NAME").toString().trimmed(), "mia");
    ASSERT_TRUE(t.seek("al"));
    EXPECT_FALSE(t.skip(-1));
    EXPECT_TRUE(t.bof());
    EXPECT_EQ(t.fieldGet("NAME").toString().trimmed(), "al");

    t.setOrder(3);
    t.orderScope(DbServer::ScopeTop, QByteArray("oslo"));
    t.orderScope(DbServer::ScopeBottom, QByteArray("oslo"));
    EXPECT_EQ(walk(t), QStringList({"al", "zed"}));
    ASSERT_TRUE(t.goBottom());
    EXPECT_EQ(t.fieldGet("NAME").toString().trimmed(), "zed");
    t.orderScope(DbServer::ScopeTop, QByteArray("r"));
    t.orderScope(DbServer::ScopeBottom, QByteArray("r"));
    EXPECT_EQ(walk(t), QStringList({"mia", "bea"}));
    t.orderScope(DbServer::ScopeTop, QByteArray("paris"));
    t.orderScope(DbServer::ScopeBottom, QByteArray("paris"));
    EXPECT_FALSE(t.goTop());
    EXPECT_TRUE(t.eof());
    t.orderScope(DbServer::ScopeTop);
    t.orderScope(DbServer::ScopeBottom);
    EXPECT_EQ(walk(t).size(), 5);

    // A key change moves the record in every order at once.
    t.setOrder(2);
    ASSERT_TRUE(t.seek("cal"));
    t.fieldPut("NAME", "aaron");
    t.fieldPut("CITY", "zurich");
    ASSERT_TRUE(t.commit());
    EXPECT_EQ(walk(t), QStringList({"aaron", "al", "bea", "mia", "zed"}));
    t.setOrder(1);
    EXPECT_EQ(walk(t), QStringList({"al", "zed", "bea", "mia", "aaron"}));
    EXPECT_FALSE(t.seek("lima"));
    EXPECT_TRUE(t.seek("rome"));
    EXPECT_FALSE(t.seek("romf", true));
    EXPECT_FALSE(t.eof()); // soft seek stays on the next key
    EXPECT_EQ(t.fieldGet("NAME").toString().trimmed(), "aaron");
}

// LOWER(FIELD) sorts a character field ignoring case (ties in record order) and is sought
// with the folded text; the expression is kept in the index file.
TEST(DbServer, LowerOrderSortsIgnoringCase)
{
    const QString path = makeTable();
    const QString cdx = QFileInfo(path).path() + "/people.cdx";
    {
        DbServer t;
        ASSERT_TRUE(t.open(path));
        for (const char *n : {"bea", "ÉMILE", "Al", "zed", "al", "émile", "Zed_x"})
            addPerson(t, QString::fromUtf8(n), "x");
        ASSERT_TRUE(t.createIndex(cdx, "LOWER(NAME)"));
        EXPECT_FALSE(t.createOrder("AGE", cdx, "LOWER(AGE)"));
        EXPECT_FALSE(t.createOrder("NOTE", cdx, "LOWER(NOTE)"));
        ASSERT_TRUE(t.createOrder("CITY", cdx, "CITY + lower( NAME )"));
    }
    DbServer t;
    ASSERT_TRUE(t.open(path));
    ASSERT_EQ(t.orderCount(), 2);
    EXPECT_EQ(t.orderKey(1), "LOWER(NAME)");
    EXPECT_EQ(t.keyLength(1), 12);
    t.setOrder(1);
    const QStringList sorted = {"Al", "al", "bea", "zed", "Zed_x", "ÉMILE", "émile"};
    EXPECT_EQ(walk(t), sorted);
    t.setOrder(2);
    EXPECT_EQ(walk(t), sorted);
    t.setOrder(1);
    EXPECT_FALSE(t.seek("AL"));
    ASSERT_TRUE(t.seek(DbServer::foldToWidth("AL", 12)));
    EXPECT_EQ(t.fieldGet("NAME").toString().trimmed(), "Al");
    ASSERT_TRUE(t.seek(DbServer::foldToWidth("émile", 12)));
    EXPECT_EQ(t.fieldGet("NAME").toString().trimmed(), "ÉMILE");
    EXPECT_EQ(DbServer::foldToWidth("ÉMILE", 12), DbServer::fitToWidth("émile", 12));

    // A changed name moves its record.
    ASSERT_TRUE(t.seek(DbServer::foldToWidth("bea", 12)));
    t.fieldPut("NAME", "AARON");
    ASSERT_TRUE(t.commit());
    EXPECT_EQ(walk(t).first(), "AARON");
}

// Many inserts, key changes and deletes against an ordered model: the walks, seeks and
// the rebuilt index must agree with it at every check. A tiny page cache makes the index
// read its pages back from the file all the time.
TEST(DbServer, RandomChangesAgreeWithAModel)
{
    gb::tabletesting::setIndexCacheLimit(3);
    const QString path = makeTable();
    const QString cdx = QFileInfo(path).path() + "/people.cdx";
    DbServer t;
    ASSERT_TRUE(t.open(path));
    ASSERT_TRUE(t.createIndex(cdx, "NAME"));
    ASSERT_TRUE(t.createOrder("CITY", cdx, "CITY + NAME"));
    std::map<uint32_t, QString> names;
    QRandomGenerator rng(7);
    auto name = [&] { return QString::number(rng.bounded(100000)).rightJustified(6, '0'); };
    auto expected = [&] {
        std::multiset<QString> sorted;
        for (const auto &[r, n] : names)
            sorted.insert(n);
        return QStringList(sorted.begin(), sorted.end());
    };
    for (int i = 0; i < 6000; ++i) {
        const int op = int(rng.bounded(10));
        if (op < 6 || names.empty()) {
            const QString n = name();
            addPerson(t, n, "c" + n.right(1));
            names[t.recNo()] = n;
        } else {
            auto it = names.begin();
            std::advance(it, rng.bounded(quint32(names.size())));
            ASSERT_TRUE(t.goTo(it->first));
            if (op < 8) {
                const QString n = name();
                t.fieldPut("NAME", n);
                t.fieldPut("CITY", "c" + n.right(1));
                ASSERT_TRUE(t.commit());
                it->second = n;
            } else {
                ASSERT_TRUE(t.deleteRecord());
                names.erase(it);
            }
        }
    }
    EXPECT_EQ(walk(t), expected());
    for (const auto &[r, n] : names) {
        ASSERT_TRUE(t.seek(n.toUtf8())) << n.toStdString();
        EXPECT_EQ(t.fieldGet("NAME").toString().trimmed(), n);
    }
    // Backwards walk gives the same order reversed.
    QStringList back;
    for (t.goBottom(); !t.eof(); ) {
        back.prepend(t.fieldGet("NAME").toString().trimmed());
        if (!t.skip(-1))
            break;
    }
    EXPECT_EQ(back, expected());
    t.close();

    // An index file that lost its pages is rebuilt from the records and walks the same way.
    ASSERT_TRUE(QFile::resize(cdx, 4096));
    ASSERT_TRUE(t.open(path));
    t.setOrder(1);
    EXPECT_EQ(walk(t), expected());
    t.setOrder(2);
    EXPECT_EQ(walk(t).size(), expected().size());
    gb::tabletesting::setIndexCacheLimit(0);
}

TEST(DbServer, MissingOrForeignIndexFileLeavesNoOrders)
{
    const QString path = makeTable();
    const QString cdx = QFileInfo(path).path() + "/people.cdx";
    {
        DbServer t;
        ASSERT_TRUE(t.open(path));
        ASSERT_TRUE(t.createIndex(cdx, "NAME"));
        addPerson(t, "x", "y");
    }
    ASSERT_TRUE(gbtest::writeFile(cdx, QByteArray(8192, 'Q')));
    DbServer t;
    ASSERT_TRUE(t.open(path));
    EXPECT_EQ(t.orderCount(), 0);
    EXPECT_FALSE(t.seek("x"));
    EXPECT_EQ(walk(t), QStringList({"x"}));
    EXPECT_EQ(gbtest::readFile(cdx), QByteArray(8192, 'Q')); // not ours: left alone
}

TEST(DbServer, DamagedFilesFailCleanly)
{
    const QString dir = gbtest::makeTempDir();
    struct Case {
        const char *name;
        QByteArray bytes;
    };
    QByteArray header(32, '\0');
    header[0] = 0x03;
    const Case cases[] = {
        {"empty", QByteArray()},
        {"text", QByteArray("just some text that is not a table at all")},
        {"header only", header},
        {"bad lengths", header + QByteArray(40, '\xff')},
    };
    for (const Case &c : cases) {
        const QString path = dir + "/" + c.name + ".dbf";
        gbtest::writeFile(path, c.bytes);
        DbServer t;
        EXPECT_FALSE(t.open(path)) << c.name;
        EXPECT_FALSE(t.errorString().isEmpty()) << c.name;
    }
    DbServer t;
    EXPECT_FALSE(t.open(dir + "/missing.dbf"));
    EXPECT_TRUE(t.errorString().contains("missing.dbf"));
}

TEST(DbServer, TruncatedTableAndWildMemoPointersReadAsEmpty)
{
    const QString path = makeTable();
    {
        DbServer t;
        ASSERT_TRUE(t.open(path));
        for (int i = 0; i < 5; ++i) {
            addPerson(t, QString("p%1").arg(i), "c");
            t.fieldPut("NOTE", ValueArray{i});
            t.commit();
        }
    }
    QByteArray bytes = gbtest::readFile(path);
    const int headerLength = uchar(bytes[8]) | uchar(bytes[9]) << 8;
    const int recordLength = uchar(bytes[10]) | uchar(bytes[11]) << 8;
    const int memoAt = headerLength + 1 + 12 + 8 + 5 + 8 + 1;
    bytes.replace(memoAt, 10, "4000000000");                     // record 1: far past the memo file
    bytes.replace(memoAt + recordLength, 10, "         3");      // record 2: inside the memo header
    bytes.replace(memoAt + 2 * recordLength, 10, "  xx12    "); // record 3: not a number
    bytes.truncate(headerLength + 4 * recordLength + 7);          // record 5 cut short
    gbtest::writeFile(path, bytes);
    DbServer t;
    ASSERT_TRUE(t.open(path));
    EXPECT_EQ(t.recCount(), 4u);
    QList<Value> notes;
    for (t.goTop(); !t.eof(); t.skip())
        notes << t.fieldGet("NOTE");
    ASSERT_EQ(notes.size(), 4);
    EXPECT_EQ(notes[0], Value(""));
    EXPECT_EQ(notes[1], Value(""));
    EXPECT_EQ(notes[2], Value(""));
    EXPECT_EQ(notes[3], Value(ValueArray{3}));
}

// Damaged bytes anywhere in the three files: opening, walking, seeking, reading and writing
// must fail or read odd values, never crash or read outside the files.
TEST(DbServer, RandomDamageNeverCrashes)
{
    const QString path = makeTable();
    const QString dir = QFileInfo(path).path();
    {
        DbServer t;
        ASSERT_TRUE(t.open(path));
        ASSERT_TRUE(t.createIndex(dir + "/people.cdx", "NAME"));
        ASSERT_TRUE(t.createOrder("CITY", dir + "/people.cdx", "CITY + NAME"));
        for (int i = 0; i < 400; ++i) {
            addPerson(t, QString("n%1").arg(i * 37 % 1000), QString("c%1").arg(i % 5));
            t.fieldPut("NOTE", i % 2 ? Value(ValueArray{i, "x"}) : Value(QString(i % 50, 'm')));
        }
        t.commit();
    }
    const QByteArray files[] = {gbtest::readFile(path), gbtest::readFile(dir + "/people.cdx"),
                                gbtest::readFile(dir + "/people.fpt")};
    const QString names[] = {path, dir + "/people.cdx", dir + "/people.fpt"};
    QRandomGenerator rng(99);
    for (int round = 0; round < 150; ++round) {
        const int victim = int(rng.bounded(3));
        for (int f = 0; f < 3; ++f) {
            QByteArray bytes = files[f];
            if (f == victim) {
                for (int k = 0, n = 1 + int(rng.bounded(20)); k < n; ++k)
                    bytes[int(rng.bounded(quint32(bytes.size())))] = char(rng.bounded(256));
                if (rng.bounded(4) == 0)
                    bytes.truncate(int(rng.bounded(quint32(bytes.size()))));
            }
            gbtest::writeFile(names[f], bytes);
        }
        DbServer t;
        if (!t.open(path))
            continue;
        for (int order = 0; order <= t.orderCount(); ++order) {
            t.setOrder(order);
            int guard = 0;
            for (t.goTop(); !t.eof() && guard < 1000; t.skip(), ++guard) {
                t.fieldGet("NAME");
                t.fieldGet("NOTE");
                t.fieldGet("AGE");
            }
            t.seek("n3");
            t.goBottom();
            t.skip(-1);
        }
        t.append();
        t.fieldPut("NAME", "new");
        t.fieldPut("NOTE", ValueArray{1});
        t.commit();
        if (t.orderCount() > 0) {
            t.setOrder(1);
            EXPECT_TRUE(t.seek("new") || !t.errorString().isEmpty()) << round;
        }
    }
}

TEST(DbServer, BatchScanReadsWhatTheRecordWalkReads)
{
    // Records of about a kilobyte, so that the scan's batches of a megabyte end inside the
    // table; records deleted at both ends of the table and around the first batch's end.
    const gb::TableStructure wide = {
        {"A", 'C', 250, 0}, {"B", 'C', 250, 0}, {"C", 'C', 250, 0}, {"D", 'C', 250, 0},
        {"N", 'N', 6, 0},   {"NOTE", 'M', 10, 0},
    };
    const QString path = gbtest::makeTempDir() + "/wide.dbf";
    ASSERT_TRUE(DbServer::create(path, wide));
    DbServer t;
    ASSERT_TRUE(t.open(path));
    const uint32_t total = 2500;
    const uint32_t perBatch = (1u << 20) / 1017;
    const std::set<uint32_t> gone = {1, perBatch - 1, perBatch, perBatch + 1, 2 * perBatch + 1, total};
    ASSERT_TRUE(t.lock());
    for (uint32_t i = 1; i <= total; ++i) {
        ASSERT_TRUE(t.append());
        t.fieldPut("A", QString("a%1").arg(i));
        t.fieldPut("D", QString("d%1").arg(i));
        t.fieldPut("N", int(i));
        // Memos of many lengths, so that some cross the end of what the scan reads ahead, and a
        // few longer than all it reads ahead.
        const QString note = QString("memo %1").arg(i)
                             + (i % 3 == 2 ? QString("é").repeated(i % 500 == 2 ? 40000 : int(i % 200) * 5) : QString());
        t.fieldPut("NOTE", i % 3 ? Value(note) : Value(ValueArray{Value(QString("k")), Value(1.0)}));
        ASSERT_TRUE(t.commit());
        if (gone.count(i))
            ASSERT_TRUE(t.deleteRecord());
    }
    t.unlock();
    // An uncommitted change is written before the scan reads.
    ASSERT_TRUE(t.goTo(7));
    t.fieldPut("D", QString("changed"));

    DbServer::Scan scan(t);
    std::vector<uint32_t> scanned;
    QStringList scannedFields;
    while (scan.next()) {
        scanned.push_back(scan.recNo());
        EXPECT_EQ(scan.raw(4).size(), 6);
        const QString text = QString::fromUtf8(scan.text(5));
        EXPECT_EQ(text, scan.fieldGet(5).toString()) << scan.recNo();
        scannedFields << scan.fieldGet(0).toString().trimmed() + "|" + scan.fieldGet(3).toString().trimmed() + "|"
                             + QString::number(scan.fieldGet(4).toNumber()) + "|"
                             + scan.fieldGet(5).toString() + QString::number(scan.fieldGet(5).array().size());
    }
    EXPECT_FALSE(scan.failed());
    EXPECT_FALSE(scan.next());
    // The scan leaves the current record alone.
    EXPECT_EQ(t.recNo(), 7u);
    EXPECT_EQ(t.fieldGet("D").toString().trimmed(), "changed");

    std::vector<uint32_t> walked;
    QStringList walkedFields;
    t.setOrder(0);
    for (t.goTop(); !t.eof(); t.skip()) {
        walked.push_back(t.recNo());
        walkedFields << t.fieldGet("A").toString().trimmed() + "|" + t.fieldGet("D").toString().trimmed() + "|"
                            + QString::number(t.fieldGet("N").toNumber()) + "|" + t.fieldGet("NOTE").toString()
                            + QString::number(t.fieldGet("NOTE").array().size());
    }
    EXPECT_EQ(scanned.size(), total - gone.size());
    EXPECT_EQ(scanned, walked);
    EXPECT_EQ(scannedFields, walkedFields);
    EXPECT_TRUE(scannedFields.contains("a7|changed|7|memo 70"));
    EXPECT_TRUE(scannedFields.contains("a3|d3|3|2"));
}

TEST(DbServer, BatchScanOfAnEmptyOrClosedTableEndsAtOnce)
{
    DbServer t;
    DbServer::Scan closed(t);
    EXPECT_FALSE(closed.next());
    EXPECT_TRUE(closed.failed());
    ASSERT_TRUE(t.open(makeTable()));
    DbServer::Scan empty(t);
    EXPECT_FALSE(empty.next());
    EXPECT_FALSE(empty.failed());
}
