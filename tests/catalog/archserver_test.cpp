#include "catalog/openarchive.h"
#include "catalogfixture.h"
#include "support/scriptedui.h"

#include <gtest/gtest.h>

using gbtest::CatalogImage;

namespace {

class ArchServerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        server = gb::createNewArchive(nullptr, gbtest::freshStem());
        ASSERT_TRUE(server);
    }
    uint32_t add(const CatalogImage &image)
    {
        EXPECT_TRUE(gbtest::addImage(*server, image));
        return server->recNo();
    }
    std::unique_ptr<gb::ArchServer> server;
};

const QString kLongFolder = "/pictures/" + QString(60, 'f') + "/";

} // namespace

TEST(ArchServer, KeyHasTheLayoutOfOrderOne)
{
    const QByteArray key = gb::ArchServer::archiveKey("3", " CDROM ", "/a/", "b.jpg");
    ASSERT_EQ(key.size(), 87);
    EXPECT_EQ(key.left(1), "3");
    EXPECT_EQ(key.mid(1, 11), "CDROM      ");
    EXPECT_EQ(key.mid(12, 50), QByteArray("/a/").leftJustified(50, ' '));
    EXPECT_EQ(key.mid(62, 25), QByteArray("b.jpg").leftJustified(25, ' '));
    EXPECT_EQ(gb::ArchServer::archiveKey("1", "L", kLongFolder, QString(30, 'n')).size(), 87);
}

TEST_F(ArchServerTest, FindsEachImageByItsFullPath)
{
    const QString name25 = "a-very-long-file-name-tha";
    const uint32_t a = add({"1", "PHOTOS", "/trips/", name25 + "t-one.jpg", {}, "", "A"});
    const uint32_t b = add({"1", "PHOTOS", "/trips/", name25 + "t-two.jpg", {}, "", "B"});
    const uint32_t c = add({"1", "PHOTOS", kLongFolder, "deep.jpg", {}, "", "C"});
    const uint32_t d = add({"4", "PHOTOS", "/trips/", "other.jpg", {}, "", "D"});
    const uint32_t e = add({"1", "BACKUP", "/", "root.jpg", {}, "", "E"});
    EXPECT_EQ(server->fieldGet("PATH").toString(), QString("/").leftJustified(50));

    const struct {
        QString media, label, full;
        uint32_t rec;
    } found[] = {
        {"1", "PHOTOS", "/trips/" + name25 + "t-one.jpg", a},
        {"1", "PHOTOS", "/trips/" + name25 + "t-two.jpg", b},
        {"1", "PHOTOS", kLongFolder + "deep.jpg", c},
        {"4", "PHOTOS", "/trips/other.jpg", d},
        {"1", "BACKUP", "/root.jpg", e},
        {"1", "PHOTOS ", "/trips/" + name25 + "t-one.jpg", a},
    };
    for (const auto &f : found) {
        ASSERT_TRUE(server->locateRec(f.media, f.label, f.full)) << f.full.toStdString();
        EXPECT_EQ(server->recNo(), f.rec);
        EXPECT_EQ(server->fieldGet("FULLPATH").toString(), f.full);
    }
    const struct {
        QString media, label, full;
    } missing[] = {
        {"1", "PHOTOS", "/TRIPS/other.jpg"},
        {"1", "PHOTOS", "/trips/" + name25 + "t-ONE.jpg"},
        {"1", "PHOTOS", "/trips/other.jpg"},
        {"1", "OTHER", "/root.jpg"},
        {"1", "BACKUP", "root.jpg"},
    };
    for (const auto &m : missing)
        EXPECT_FALSE(server->locateRec(m.media, m.label, m.full)) << m.full.toStdString();
    EXPECT_TRUE(server->seek2Rec("1", "PHOTOS", kLongFolder, "deep.jpg", kLongFolder + "deep.jpg"));
    EXPECT_EQ(server->recNo(), c);
    // No scope is left behind: a walk of order 1 sees every record.
    int count = 0;
    for (server->goTop(); !server->eof(); server->skip())
        ++count;
    EXPECT_EQ(count, 5);
}

TEST_F(ArchServerTest, PathWithoutSlashIsAFileInAnEmptyFolder)
{
    const uint32_t r = add({"2", "NET", "", "loose.jpg", {}, "", ""});
    ASSERT_TRUE(server->locateRec("2", "NET", "loose.jpg"));
    EXPECT_EQ(server->recNo(), r);
}

TEST_F(ArchServerTest, DeletedRecordsAreNeverFound)
{
    add({"1", "PHOTOS", "/a/", "x.jpg", {}, "", ""});
    ASSERT_TRUE(server->locateRec("1", "PHOTOS", "/a/x.jpg"));
    ASSERT_TRUE(server->deleteRecord());
    EXPECT_FALSE(server->locateRec("1", "PHOTOS", "/a/x.jpg"));
    const uint32_t again = add({"1", "PHOTOS", "/a/", "x.jpg", {}, "", ""});
    ASSERT_TRUE(server->locateRec("1", "PHOTOS", "/a/x.jpg"));
    EXPECT_EQ(server->recNo(), again);
}
