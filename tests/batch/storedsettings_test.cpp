// Batch jobs and user filters stored in the settings database and read back.

#include "batch/applyaction.h"
#include "batch/batchaction.h"
#include "batch/be.h"
#include "actions/userfilter.h"
#include "common/imagsysserver.h"

#include "support/testutil.h"

#include <gtest/gtest.h>

using namespace gb;

namespace {

struct Database {
    ImagSysServer server{gbtest::makeTempDir("settings")};
};

} // namespace

TEST(StoredSettings, BatchJobsRoundTripWithEveryCommand)
{
    Database db;
    ASSERT_TRUE(db.server.isValid()) << qPrintable(db.server.lastErrorMessage());
    Be job;
    job.setFinalFormat(0);
    job.setFinalFolder("/out/");
    job.setNaming(3);
    job.setStdSuffix("_web");
    job.setJpgQuality(77);
    job.setJpgProg(false);
    job.setOverwrite(2);
    job.setEnumStart(100);
    job.setShowThumbs(true);
    std::vector<BatchCommand> script;
    for (const BatchAction &a : getActions())
        script.push_back(defaultCommand(a.id));
    script.push_back(BatchCommand(ValueArray{6, "Resize", 1, 640, 480, 0}));
    UserFilter edges;
    edges.coefficients = {-1, -1, -1, -1, 8, -1, -1, -1, -1};
    edges.factor = 0.5;
    script.push_back(BatchCommand(ValueArray{14, "Apply Filter - Edges", edges.toValue()}));
    job.setCommands(script);

    QString key;
    ASSERT_TRUE(db.server.appendNewBatchEdit("My script", job.aData().array(), key));
    EXPECT_EQ(key.size(), 6);
    const Be loaded(nullptr, Value(db.server.getInfo(key)));
    EXPECT_EQ(loaded.aData(), job.aData());
    ASSERT_EQ(loaded.commands().size(), script.size());
    EXPECT_EQ(loaded.commands()[23].slotCount(), 6);
    EXPECT_EQ(UserFilter::fromValue(loaded.commands()[24].slot(3)), edges);
    EXPECT_EQ(db.server.getAllBatchDesc(), DescKeyPairs({{"My script", key}}));

    // Saving again replaces the stored array whole.
    job.setCommands({});
    ASSERT_TRUE(db.server.updateData(key, job.aData().array()));
    EXPECT_TRUE(Be(nullptr, Value(db.server.getInfo(key))).commands().empty());
}

TEST(StoredSettings, UserFiltersAreStoredByKindWithTheirDescriptions)
{
    Database db;
    QString blank, longName, conv;
    ASSERT_TRUE(db.server.appendNewFilter(userFilterDescription("   "), UserFilter().toValue().array(), blank));
    ASSERT_TRUE(db.server.appendNewFilter(userFilterDescription(" A description longer than thirty characters "),
                                          UserFilter().toValue().array(), longName));
    ASSERT_TRUE(db.server.appendNewCFilter(userFilterDescription("Without Description"),
                                           UserConvFilter().toValue().array(), conv));
    EXPECT_EQ(db.server.getAllFilterDesc(),
              DescKeyPairs({{"Without Description", blank}, {"A description longer than thir", longName}}));
    EXPECT_EQ(db.server.getAllCFilterDesc(), DescKeyPairs({{"Without Description", conv}}));
    EXPECT_EQ(db.server.getInfo(blank), UserFilter().toValue().array());
    EXPECT_EQ(db.server.getInfo(conv), UserConvFilter().toValue().array());
}

TEST(StoredSettings, CommandsKeepTheirOwnCopyOfAFilter)
{
    Database db;
    UserFilter identity;
    identity.coefficients[4] = 1.0;
    QString key;
    ASSERT_TRUE(db.server.appendNewFilter("Identity", identity.toValue().array(), key));
    // The command is made from the stored record, as the parameter capture makes it.
    const BatchCommand command(
        ValueArray{14, getActionDesc(14) + " - " + db.server.getDesc(key), Value(db.server.getInfo(key))});
    EXPECT_EQ(command.description(), "Apply Filter - Identity");

    UserFilter changed = identity;
    changed.coefficients[4] = 3.0;
    ASSERT_TRUE(db.server.updateDataAndDesc(key, "Brighter", changed.toValue().array()));
    EXPECT_EQ(UserFilter::fromValue(command.slot(3)), identity);
    ASSERT_TRUE(db.server.removeRecord(key));
    EXPECT_TRUE(db.server.getInfo(key).empty());

    RgbImage image = RgbImage::filled(8, 8, 10, 20, 30);
    int count = 256;
    ActionResult r = applyAction(image, count, command);
    ASSERT_TRUE(r.newBuffer);
    EXPECT_EQ(r.buffer.pixel(4, 4)[0], 10);
    EXPECT_EQ(r.buffer.pixel(4, 4)[2], 30);
}
