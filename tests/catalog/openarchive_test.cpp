#include "catalog/archivestruct.h"
#include "catalog/openarchive.h"
#include "catalogfixture.h"
#include "common/globals.h"
#include "support/scriptedui.h"
#include "support/testutil.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

using gb::TableStructure;

TEST(ArchiveStruct, HasTheTwelveCatalogFieldsInOrder)
{
    gb::initArchiveStructure();
    const TableStructure &s = gb::gaArchiveStruct();
    ASSERT_EQ(s.size(), 12u);
    QStringList names;
    for (const auto &f : s)
        names << f.name;
    EXPECT_EQ(names, QStringList({"VLABEL", "MEDIA", "PATH", "FILENAME", "FULLPATH", "MODDATE", "SIZE", "WIDTH",
                                  "HEIGHT", "KEYS", "COMMENTS", "RGB"}));
    EXPECT_EQ(gb::archiveFieldWidth("VLABEL") + gb::archiveFieldWidth("MEDIA") + gb::archiveFieldWidth("PATH")
                  + gb::archiveFieldWidth("FILENAME"),
              87);
    EXPECT_EQ(s[6].type, 'N');
    EXPECT_EQ(s[6].width, 9);
}

TEST(CreateNewArchive, MakesTheTableWithItsThreeOrders)
{
    gbtest::ScriptedUi ui;
    const QString stem = gbtest::freshStem();
    auto server = gb::createNewArchive(nullptr, stem);
    ASSERT_TRUE(server);
    EXPECT_TRUE(ui.boxes.empty());
    for (const char *ext : {".dbf", ".cdx", ".fpt"})
        EXPECT_TRUE(QFileInfo::exists(stem + ext)) << ext;
    EXPECT_EQ(server->recCount(), 0u);
    ASSERT_EQ(server->orderCount(), 3);
    EXPECT_EQ(server->order(), 1);
    EXPECT_EQ(server->keyLength(1), 87);
    EXPECT_EQ(server->orderName(2), "VOLUME");
    EXPECT_EQ(server->orderName(3), "MEDIA");
    EXPECT_EQ(server->keyLength(2), 11);
    EXPECT_EQ(server->keyLength(3), 1);
}

TEST(CreateNewArchive, AsksBeforeReplacingAndNoKeepsTheOldCatalog)
{
    const QString stem = gbtest::freshStem();
    {
        auto server = gb::createNewArchive(nullptr, stem);
        ASSERT_TRUE(server);
        ASSERT_TRUE(gbtest::addImage(*server, {"1", "PHOTOS", "/a/", "x.jpg", {}, "", "t"}));
    }
    {
        gbtest::ScriptedUi ui;
        ui.boxAnswers = {gb::UiSeam::ResultNo};
        EXPECT_FALSE(gb::createNewArchive(nullptr, stem));
        ASSERT_EQ(ui.boxTexts(), QStringList({"File: " + stem + ".dbf exist. Overwrite ?"}));
        auto kept = gb::openArchive(nullptr, stem);
        ASSERT_TRUE(kept);
        EXPECT_EQ(kept->recCount(), 1u);
    }
    gbtest::ScriptedUi ui;
    ui.boxAnswers = {gb::UiSeam::ResultYes};
    auto replaced = gb::createNewArchive(nullptr, stem);
    ASSERT_TRUE(replaced);
    EXPECT_EQ(replaced->recCount(), 0u);

    // A catalog shown in a catalog window is never replaced, however its path is spelled.
    replaced.reset();
    gb::gaOpenArchives = {QFileInfo(stem).path() + "/./" + QFileInfo(stem).fileName()};
    gbtest::ScriptedUi refused;
    EXPECT_FALSE(gb::createNewArchive(nullptr, stem));
    EXPECT_EQ(refused.boxTexts(), QStringList({"This catalog is already opened"}));
    gb::gaOpenArchives.clear();
}

TEST(OpenArchive, ChecksFieldNamesOnly)
{
    gbtest::ScriptedUi ui;
    EXPECT_FALSE(gb::openArchive(nullptr, gbtest::freshStem("missing")));
    EXPECT_TRUE(ui.boxes.empty());

    // Same names (blanks around them do not count), other types and widths: a catalog.
    TableStructure retyped = gb::gaArchiveStruct();
    retyped[6] = {"SIZE", 'C', 20, 0};
    retyped[9].type = 'C';
    retyped[9].width = 30;
    TableStructure swapped = gb::gaArchiveStruct();
    std::swap(swapped[2], swapped[3]);
    TableStructure longer = gb::gaArchiveStruct();
    longer.push_back({"EXTRA", 'C', 5, 0});
    const struct {
        const char *name;
        TableStructure structure;
        bool valid;
    } cases[] = {
        {"retyped", retyped, true},
        {"swapped", swapped, false},
        {"longer", longer, false},
    };
    for (const auto &c : cases) {
        const QString stem = gbtest::freshStem(c.name);
        ASSERT_TRUE(gb::DbServer::create(stem + ".dbf", c.structure));
        ui.boxes.clear();
        auto server = gb::openArchive(nullptr, stem);
        EXPECT_EQ(bool(server), c.valid) << c.name;
        EXPECT_EQ(ui.boxTexts(), c.valid ? QStringList() : QStringList({"Not a valid archive database"})) << c.name;
        // Only a valid catalog gets an index made; a refused table is left as it was.
        EXPECT_EQ(QFileInfo::exists(stem + ".cdx"), c.valid) << c.name;
    }

    const QString garbage = gbtest::freshStem("garbage");
    gbtest::writeFile(garbage + ".dbf", "this is no table");
    ui.boxes.clear();
    EXPECT_FALSE(gb::openArchive(nullptr, garbage));
    EXPECT_EQ(ui.boxTexts(), QStringList({"Not a valid archive database"}));
}

TEST(OpenArchive, ALostIndexIsMadeAgain)
{
    const QString stem = gbtest::freshStem();
    {
        auto server = gb::createNewArchive(nullptr, stem);
        ASSERT_TRUE(gbtest::addImage(*server, {"1", "PHOTOS", "/a/", "x.jpg", {}, "", "t"}));
    }
    ASSERT_TRUE(QFile::remove(stem + ".cdx"));
    auto server = gb::openArchive(nullptr, stem);
    ASSERT_TRUE(server);
    EXPECT_EQ(server->orderCount(), 3);
    EXPECT_TRUE(server->locateRec("1", "PHOTOS", "/a/x.jpg"));
}
