#include "common/classextensions.h"

#include <QTableView>
#include <QTreeView>

#include <gtest/gtest.h>

using namespace gb;

TEST(ClassExtensions, ExtendedListStylesSwitchOneBitAndLeaveTheOthers)
{
    EXPECT_EQ(setExStyle2(nullptr, LvsExFullRowSelect), nullptr);
    QTableView table;
    selectFullRow(&table);
    selectFullRow(&table);
    EXPECT_EQ(exStyle(&table), uint32_t(LvsExFullRowSelect));
    EXPECT_EQ(table.selectionBehavior(), QAbstractItemView::SelectRows);
    setExStyle2(&table, LvsExGridLines | 0x100);
    EXPECT_TRUE(table.showGrid());
    setExStyle2(&table, LvsExGridLines, false);
    EXPECT_EQ(exStyle(&table), uint32_t(LvsExFullRowSelect | 0x100));
    EXPECT_FALSE(table.showGrid());
    EXPECT_EQ(table.selectionBehavior(), QAbstractItemView::SelectRows);
    QTreeView tree;
    EXPECT_EQ(setExStyle2(&tree, LvsExFullRowSelect, false), &tree);
    EXPECT_EQ(tree.selectionBehavior(), QAbstractItemView::SelectItems);

    QFont font(QStringLiteral("DejaVu Sans"), 11);
    EXPECT_EQ(fontName(font), "DejaVu Sans");
    EXPECT_EQ(pointSize(font), 11);
    XTabControl tabs(nullptr, QPoint(3, 4), QSize(200, 100));
    EXPECT_EQ(tabs.geometry(), QRect(3, 4, 200, 100));
}
