// Reads files written by the table layer with a separate, minimal reader of the published
// dBASE / FoxPro layouts, as other tools (LibreOffice, dbfread) would.
#include "platform/table/dbserver.h"
#include "support/testutil.h"

#include <gtest/gtest.h>

#include <QFileInfo>

namespace {

struct Field {
    QByteArray name;
    char type;
    int width;
    int decimals;
};

quint32 le32(const QByteArray &b, int at)
{
    return quint32(uchar(b[at])) | quint32(uchar(b[at + 1])) << 8 | quint32(uchar(b[at + 2])) << 16
           | quint32(uchar(b[at + 3])) << 24;
}
int le16(const QByteArray &b, int at) { return uchar(b[at]) | uchar(b[at + 1]) << 8; }
quint32 be32(const QByteArray &b, int at)
{
    return quint32(uchar(b[at])) << 24 | quint32(uchar(b[at + 1])) << 16 | quint32(uchar(b[at + 2])) << 8
           | quint32(uchar(b[at + 3]));
}

} // namespace

TEST(DbfFormat, TablesFollowTheDbaseAndFoxProLayouts)
{
    const QString path = gbtest::makeTempDir() + "/shape.dbf";
    const gb::TableStructure structure = {
        {"VLABEL", 'C', 11, 0}, {"SIZE", 'N', 9, 0}, {"MODDATE", 'D', 0, 0}, {"COMMENTS", 'M', 0, 0},
    };
    ASSERT_TRUE(gb::DbServer::create(path, structure));
    {
        gb::DbServer t;
        ASSERT_TRUE(t.open(path));
        t.append();
        t.fieldPut("VLABEL", "PHOTOS");
        t.fieldPut("SIZE", 123456);
        t.fieldPut("MODDATE", gb::Value::date(QDate(2003, 4, 5)));
        t.fieldPut("COMMENTS", "Holiday");
        t.append();
        t.fieldPut("VLABEL", "B");
        t.commit();
        t.goTo(2);
        t.deleteRecord();
    }
    const QByteArray dbf = gbtest::readFile(path);
    ASSERT_GE(dbf.size(), 32);
    EXPECT_EQ(uchar(dbf[0]), 0xF5); // FoxPro table with memo
    EXPECT_EQ(le32(dbf, 4), 2u);
    const int headerLength = le16(dbf, 8);
    const int recordLength = le16(dbf, 10);
    EXPECT_EQ(headerLength, 32 + 4 * 32 + 1);
    EXPECT_EQ(dbf[headerLength - 1], '\x0d');
    QList<Field> fields;
    for (int at = 32; dbf[at] != '\x0d'; at += 32)
        fields << Field{dbf.mid(at, 11).replace('\0', ""), dbf[at + 11], uchar(dbf[at + 16]), uchar(dbf[at + 17])};
    ASSERT_EQ(fields.size(), 4);
    const char *names[] = {"VLABEL", "SIZE", "MODDATE", "COMMENTS"};
    const char types[] = {'C', 'N', 'D', 'M'};
    const int widths[] = {11, 9, 8, 10};
    int sum = 1;
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(fields[i].name, QByteArray(names[i]));
        EXPECT_EQ(fields[i].type, types[i]);
        EXPECT_EQ(fields[i].width, widths[i]);
        sum += fields[i].width;
    }
    EXPECT_EQ(recordLength, sum);
    EXPECT_EQ(dbf.size(), headerLength + 2 * recordLength + 1);
    EXPECT_EQ(dbf.back(), '\x1a');

    const QByteArray first = dbf.mid(headerLength, recordLength);
    EXPECT_EQ(first.left(1 + 11 + 9 + 8), QByteArray(" PHOTOS        123456") + "20030405");
    const QByteArray second = dbf.mid(headerLength + recordLength, recordLength);
    EXPECT_EQ(second.left(12), QByteArray("*B          "));
    EXPECT_EQ(second.mid(21, 18), QByteArray(18, ' ')); // blank date, no memo

    const QByteArray fpt = gbtest::readFile(QFileInfo(path).path() + "/shape.fpt");
    ASSERT_GE(fpt.size(), 512);
    const int blockSize = uchar(fpt[6]) << 8 | uchar(fpt[7]);
    EXPECT_EQ(blockSize, 64);
    const quint32 block = first.mid(29, 10).trimmed().toUInt();
    ASSERT_GE(block * blockSize, 512u);
    EXPECT_EQ(be32(fpt, int(block * blockSize)), 1u); // a text memo
    EXPECT_EQ(be32(fpt, int(block * blockSize) + 4), 7u);
    EXPECT_EQ(fpt.mid(int(block * blockSize) + 8, 7), QByteArray("Holiday"));
    EXPECT_GE(be32(fpt, 0), block + 1); // the next free block lies past the memo
}
