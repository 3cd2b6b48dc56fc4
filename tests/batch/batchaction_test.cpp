// The action table and the stored layout of commands and filter records.

#include "batch/batchaction.h"
#include "batch/batchcommand.h"
#include "actions/userfilter.h"

#include <gtest/gtest.h>

using namespace gb;

TEST(BatchActions, TableHoldsTheTwentyThreeActionsInOrder)
{
    initializeActions();
    const std::vector<BatchAction> &table = getActions();
    ASSERT_EQ(table.size(), 23u);
    EXPECT_EQ(&table, &gaBatchActions);
    const std::vector<std::pair<int, QString>> expected = {
        {1, "Overlay Text"}, {2, "Overlay Image"}, {3, "Rotate"}, {4, "Flip"}, {5, "Mirror"}, {6, "Resize"},
        {7, "Add Border"}, {8, "Buttonize"}, {9, "Glass Frame"}, {10, "Blur"}, {11, "Sharpen"},
        {12, "Median Cut"}, {14, "Apply Filter"}, {15, "Apply Convolution Filter"},
        {16, "Adjust Brightness/Contrast"}, {18, "Convert to Gray Scale"}, {19, "Invert Colors"},
        {20, "Invert Red"}, {21, "Invert Green"}, {22, "Invert Blue"}, {23, "Replace Color"},
        {24, "Histogram Equalize"}, {25, "Change Color Depth"}};
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(table[i].id, expected[i].first) << i;
        EXPECT_EQ(table[i].name, expected[i].second) << i;
    }
    EXPECT_EQ(table[12].name, "Apply Filter");
    EXPECT_EQ(table[12].id, 14);
}

TEST(BatchActions, DescriptionsGoByIdNotPosition)
{
    EXPECT_EQ(getActionDesc(25), "Change Color Depth");
    EXPECT_EQ(getActionDesc(14), "Apply Filter");
    for (int id : {13, 17, 26, 0, -1})
        EXPECT_EQ(getActionDesc(id), "") << id;
}

TEST(BatchCommands, EveryActionHasItsSlotCount)
{
    const std::vector<std::pair<int, int>> counts = {
        {1, 18}, {2, 11}, {3, 4}, {4, 2}, {5, 2}, {6, 7}, {7, 9}, {8, 6}, {9, 3}, {10, 3}, {11, 3}, {12, 2},
        {14, 3}, {15, 3}, {16, 4}, {18, 2}, {19, 2}, {20, 2}, {21, 2}, {22, 2}, {23, 7}, {24, 7}, {25, 4},
        {13, 0}, {17, 0}, {26, 0}};
    for (auto [id, count] : counts) {
        EXPECT_EQ(actionSlotCount(id), count) << id;
        if (count > 0) {
            const BatchCommand c = defaultCommand(id);
            EXPECT_EQ(c.slotCount(), count) << id;
            EXPECT_EQ(c.id(), id);
            EXPECT_EQ(c.description(), getActionDesc(id));
        }
    }
}

TEST(BatchCommands, StoredCommandsArePaddedAndTypeChecked)
{
    // A Blur whose level is text, a Rotate without its colour, an Add Border with a logic
    // where a number belongs.
    const BatchCommand blur = *BatchCommand::fromValue(Value(ValueArray{10, "Blur", "strong"}));
    EXPECT_EQ(blur.slotCount(), 3);
    EXPECT_EQ(blur.intAt(3), 1);

    const BatchCommand rotate = *BatchCommand::fromValue(Value(ValueArray{3, "Rotate", 45.5}));
    EXPECT_EQ(rotate.slotCount(), 4);
    EXPECT_DOUBLE_EQ(rotate.numberAt(3), 45.5);
    EXPECT_EQ(rotate.intAt(4), 0);

    const BatchCommand border =
        *BatchCommand::fromValue(Value(ValueArray{7, "Add Border", 5, true, 5, 5, 255, 0, 0}));
    EXPECT_EQ(border.intAt(4), 0);
    EXPECT_EQ(border.intAt(7), 255);

    // A description that is not text is rebuilt from the table; a missing one too.
    EXPECT_EQ(BatchCommand::fromValue(Value(ValueArray{4, 99}))->description(), "Flip");
    EXPECT_EQ(BatchCommand::fromValue(Value(ValueArray{19}))->description(), "Invert Colors");

    // Not a command at all.
    EXPECT_FALSE(BatchCommand::fromValue(Value("Flip")));
    EXPECT_FALSE(BatchCommand::fromValue(Value(ValueArray{})));
    EXPECT_FALSE(BatchCommand::fromValue(Value(ValueArray{"Flip", 4})));

    // An id of no action keeps its id and does nothing else.
    const BatchCommand unknown = *BatchCommand::fromValue(Value(ValueArray{13, "x", 1, 2}));
    EXPECT_EQ(unknown.slotCount(), 2);
    EXPECT_EQ(unknown.id(), 13);
}

TEST(BatchCommands, ShortResizeStaysShortAndFullCommandsRoundTrip)
{
    const Value shortResize(ValueArray{6, "Resize", 1, 640, 480, 0});
    const BatchCommand r = *BatchCommand::fromValue(shortResize);
    EXPECT_EQ(r.slotCount(), 6);
    EXPECT_EQ(r.toValue(), shortResize);

    for (const BatchAction &a : getActions()) {
        const BatchCommand c = defaultCommand(a.id);
        const std::optional<Value> decoded = Value::decode(c.toValue().encode());
        ASSERT_TRUE(decoded);
        EXPECT_EQ(*BatchCommand::fromValue(*decoded), c) << a.id;
    }
}

TEST(BatchCommands, UserColourCountIsBroughtIntoRange)
{
    struct Row {
        int code, count, expected;
    } rows[] = {{6, 1, 2}, {6, 300, 256}, {6, 100, 100}, {5, 0, 0}, {4, 0, 0}};
    for (const Row &row : rows) {
        const BatchCommand c =
            *BatchCommand::fromValue(Value(ValueArray{25, "Change Color Depth", row.code, row.count}));
        EXPECT_EQ(c.intAt(4), row.expected) << row.code << " " << row.count;
    }
}

TEST(UserFilters, NewRecordsHaveTheirStoredShape)
{
    const Value matrix = UserFilter().toValue();
    ASSERT_EQ(matrix.size(), 7);
    ASSERT_EQ(matrix.at(0).size(), 9);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(matrix.at(0).at(i), Value(0.0));
    EXPECT_EQ(matrix.at(1), Value(true));
    EXPECT_EQ(matrix.at(2), Value(true));
    EXPECT_EQ(matrix.at(3), Value(true));
    EXPECT_EQ(matrix.at(4), Value(false));
    EXPECT_EQ(matrix.at(5), Value(false));
    EXPECT_EQ(matrix.at(6), Value(1.0));

    const Value conv = UserConvFilter().toValue();
    ASSERT_EQ(conv.size(), 2);
    EXPECT_EQ(conv.at(0).size(), 49);
    EXPECT_EQ(conv.at(1), Value(1.0));
}

TEST(UserFilters, DamagedRecordsReadAsWholeFilters)
{
    // Four coefficients, one of them text; a channel switch that is a number; no factor.
    const Value damaged(ValueArray{Value(ValueArray{1.0, "x", 3.0, 4.0}), false, 1, true});
    const UserFilter f = UserFilter::fromValue(damaged);
    EXPECT_EQ(f.coefficients[0], 1.0);
    EXPECT_EQ(f.coefficients[1], 0.0);
    EXPECT_EQ(f.coefficients[3], 4.0);
    EXPECT_EQ(f.coefficients[8], 0.0);
    EXPECT_FALSE(f.red);
    EXPECT_TRUE(f.green);
    EXPECT_EQ(f.factor, 1.0);

    ValueArray many;
    for (int i = 0; i < 60; ++i)
        many.emplace_back(double(i));
    const UserConvFilter c = UserConvFilter::fromValue(Value(ValueArray{Value(many), 2.5}));
    EXPECT_EQ(c.coefficients[48], 48.0);
    EXPECT_EQ(c.level, 2.5);
    EXPECT_EQ(UserConvFilter::fromValue(Value("nothing")), UserConvFilter());

    // A filter command carries a whole record even when the stored one was damaged.
    const BatchCommand cmd = *BatchCommand::fromValue(Value(ValueArray{14, "Apply Filter - x", damaged}));
    EXPECT_EQ(cmd.slot(3).size(), 7);
}

TEST(UserFilters, DescriptionIsTrimmedOrWithoutDescription)
{
    EXPECT_EQ(userFilterDescription("  Edges  "), "Edges");
    EXPECT_EQ(userFilterDescription(""), "Without Description");
    EXPECT_EQ(userFilterDescription("   "), "Without Description");
}
